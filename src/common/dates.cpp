#include "common/dates.h"

#include <QLocale>
#include <QRegularExpression>

namespace dates {
namespace {

QString normalise(QString f) {
    if (f.contains(QLatin1String("MMM")) || f.contains(QLatin1String("ddd")) || f.isEmpty())
        return QStringLiteral("yyyy-MM-dd");
    // Any run of y's becomes yyyy.
    static const QRegularExpression years(QStringLiteral("y+"));
    f.replace(years, QStringLiteral("yyyy"));
    if (!f.contains(QLatin1String("yyyy"))) return QStringLiteral("yyyy-MM-dd");
    return f;
}

QString& currentFormat() {
    static QString format = normalise(QLocale::system().dateFormat(QLocale::ShortFormat));
    return format;
}

// Order of day, month and year in the format: "DMY", "MDY" or "YMD".
QString order() {
    const QString& f = currentFormat();
    const int y = f.indexOf(u'y'), m = f.indexOf(u'M'), d = f.indexOf(u'd');
    if (y < m && y < d) return QStringLiteral("YMD");
    if (d < m) return QStringLiteral("DMY");
    return QStringLiteral("MDY");
}

}  // namespace

QString shortFormat() {
    return currentFormat();
}
void setShortFormat(const QString& qtFormat) {
    currentFormat() = normalise(qtFormat);
}
void useSystemFormat() {
    currentFormat() = normalise(QLocale::system().dateFormat(QLocale::ShortFormat));
}

QString toText(const QDate& date) {
    return date.isValid() ? date.toString(currentFormat()) : QString();
}

QString todayText() {
    return toText(QDate::currentDate());
}

std::optional<QDate> fromText(QStringView text) {
    return fromText(text, QDate::currentDate());
}

std::optional<QDate> fromText(QStringView text, const QDate& today) {
    const QString t = text.trimmed().toString();
    if (t.isEmpty() || t.size() > 20) return std::nullopt;
    static const QRegularExpression sep(QStringLiteral("[/.\\- ]+"));
    const QStringList parts = t.split(sep);
    if (parts.size() != 3) return std::nullopt;
    int num[3];
    for (int i = 0; i < 3; ++i) {
        const QString& p = parts[i];
        if (p.isEmpty() || p.size() > 4) return std::nullopt;
        for (QChar c : p)
            if (c < u'0' || c > u'9') return std::nullopt;
        num[i] = p.toInt();
    }
    int year, month, day;
    bool yearTyped4;
    if (parts[0].size() >= 3) {
        year = num[0], month = num[1], day = num[2];
        yearTyped4 = true;
    } else {
        const QString o = order();
        if (o == QLatin1String("YMD")) {
            year = num[0], month = num[1], day = num[2];
            yearTyped4 = parts[0].size() >= 3;
        } else if (o == QLatin1String("DMY")) {
            day = num[0], month = num[1], year = num[2];
            yearTyped4 = parts[2].size() >= 3;
        } else {
            month = num[0], day = num[1], year = num[2];
            yearTyped4 = parts[2].size() >= 3;
        }
    }
    if (!yearTyped4) {
        if (year > 99) return std::nullopt;
        // Window: from 80 years before today to 20 years after.
        const int low = today.year() - 80;
        int candidate = (low / 100) * 100 + year;
        if (candidate < low) candidate += 100;
        year = candidate;
    }
    if (year < 100) return std::nullopt;
    const QDate d(year, month, day);
    if (!d.isValid()) return std::nullopt;
    return d;
}

bool roundTrips(const QDate& date) {
    if (!date.isValid()) return false;
    const auto back = fromText(toText(date));
    return back.has_value() && *back == date;
}

}  // namespace dates
