#include "common/table_text.h"

namespace {

bool isCurrencySign(QStringView text, const QString& currencySymbol) {
    if (text.isEmpty()) return false;
    if (!currencySymbol.isEmpty() && text == currencySymbol.trimmed()) return true;
    if (text.size() != 1) return false;
    return text.front().category() == QChar::Symbol_Currency;
}

// Removes a currency sign at the front of `text` (before or after a minus sign).
bool stripCurrency(QString& text, const QString& currencySymbol) {
    const QString symbol = currencySymbol.trimmed();
    if (!symbol.isEmpty() && text.startsWith(symbol)) {
        text = text.mid(symbol.size()).trimmed();
        return true;
    }
    if (!text.isEmpty() && isCurrencySign(QStringView(text).left(1), currencySymbol)) {
        text = text.mid(1).trimmed();
        return true;
    }
    return false;
}

// "1,234.50", "1234", ".5" -> the digits without grouping; nothing when not such a figure.
std::optional<QString> plainDigits(const QString& text) {
    if (text.isEmpty()) return std::nullopt;
    const qsizetype point = text.indexOf(u'.');
    const QString whole = point < 0 ? text : text.left(point);
    const QString places = point < 0 ? QString() : text.mid(point + 1);
    if (whole.isEmpty() && places.isEmpty()) return std::nullopt;
    for (QChar c : places)
        if (c < u'0' || c > u'9') return std::nullopt;
    QString digits;
    if (whole.contains(u',')) {
        const QStringList groups = whole.split(u',');
        if (groups.front().isEmpty() || groups.front().size() > 3) return std::nullopt;
        for (qsizetype i = 1; i < groups.size(); ++i)
            if (groups[i].size() != 3) return std::nullopt;
        digits = groups.join(QString());
    } else {
        digits = whole;
    }
    for (QChar c : digits)
        if (c < u'0' || c > u'9') return std::nullopt;
    if (digits.isEmpty()) digits = QStringLiteral("0");
    return point < 0 ? digits : digits + u'.' + places;
}

QString cellForLine(const QString& cell, const QString& currencySymbol) {
    QString text = ExportCellText(cell, currencySymbol);
    for (QChar& c : text)
        if (c == u'\t' || c == u'\r' || c == u'\n') c = u' ';
    return text;
}

}  // namespace

std::optional<QString> PlainNumber(const QString& cell, const QString& currencySymbol) {
    QString text = cell.trimmed();
    bool negative = false;
    if (text.size() >= 2 && text.startsWith(u'(') && text.endsWith(u')')) {
        negative = true;
        text = text.mid(1, text.size() - 2).trimmed();
    }
    if (text.endsWith(u'%')) text = text.left(text.size() - 1).trimmed();
    // The sign may stand before or after the currency sign.
    stripCurrency(text, currencySymbol);
    if (text.startsWith(u'-')) {
        if (negative) return std::nullopt;
        negative = true;
        text = text.mid(1).trimmed();
        stripCurrency(text, currencySymbol);
    }
    const std::optional<QString> digits = plainDigits(text);
    if (!digits) return std::nullopt;
    // Minus zero is zero.
    bool allZero = true;
    for (QChar c : *digits)
        if (c != u'0' && c != u'.') allZero = false;
    return negative && !allZero ? u'-' + *digits : *digits;
}

QString ExportCellText(const QString& cell, const QString& currencySymbol) {
    if (const auto number = PlainNumber(cell, currencySymbol)) return *number;
    return cell.trimmed();
}

QString TableAsTabText(const std::vector<QStringList>& rows, const QString& currencySymbol) {
    QString out;
    for (const QStringList& row : rows) {
        QStringList cells;
        for (const QString& cell : row) cells << cellForLine(cell, currencySymbol);
        out += cells.join(u'\t') + u'\n';
    }
    return out;
}

QString CsvCellText(const QString& cell, const QString& currencySymbol) {
    if (const auto number = PlainNumber(cell, currencySymbol)) return *number;
    QString text = cell.trimmed();
    // A spreadsheet takes text starting with one of these for a formula and runs it: an
    // apostrophe in front keeps it text.
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!text.isEmpty() && formulaStarts.contains(text.front())) text.prepend(u'\'');
    return text;
}

QByteArray TableAsCsv(const std::vector<QStringList>& rows, const QString& currencySymbol) {
    QString out;
    for (const QStringList& row : rows) {
        QStringList cells;
        for (const QString& cell : row) {
            QString text = CsvCellText(cell, currencySymbol);
            if (text.contains(u',') || text.contains(u'"') || text.contains(u'\r') ||
                text.contains(u'\n'))
                text = u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
            cells << text;
        }
        out += cells.join(u',') + QStringLiteral("\r\n");
    }
    return out.toUtf8();
}
