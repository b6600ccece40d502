#include "platform/chart_style.h"

#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "common/number_format.h"

namespace chart_style {

namespace {

const std::array<QColor, 12> kPalette = {
    QColor(0x1f, 0x77, 0xb4), QColor(0xff, 0x7f, 0x0e), QColor(0x2c, 0xa0, 0x2c),
    QColor(0xd6, 0x27, 0x28), QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b),
    QColor(0xe3, 0x77, 0xc2), QColor(0x7f, 0x7f, 0x7f), QColor(0xbc, 0xbd, 0x22),
    QColor(0x17, 0xbe, 0xcf), QColor(0xae, 0xc7, 0xe8), QColor(0xff, 0xbb, 0x78)};

struct MonoFill {
    int grey;  // the ground
    Qt::BrushStyle hatch;
};
// Alternating light and dark grounds with different hatchings, so that
// neighbouring slices never look alike.
const std::array<MonoFill, 10> kMono = {
    MonoFill{255, Qt::NoBrush},          MonoFill{90, Qt::NoBrush},
    MonoFill{255, Qt::BDiagPattern},     MonoFill{170, Qt::NoBrush},
    MonoFill{255, Qt::CrossPattern},     MonoFill{210, Qt::FDiagPattern},
    MonoFill{255, Qt::HorPattern},       MonoFill{130, Qt::NoBrush},
    MonoFill{255, Qt::DiagCrossPattern}, MonoFill{220, Qt::VerPattern}};

}  // namespace

QBrush barBrush(bool colour) {
    return colour ? QBrush(QColor(0x2a, 0x7a, 0xc0)) : QBrush(QColor(190, 190, 190));
}

QPen outlinePen(bool colour) {
    QPen pen(colour ? QColor(0x1a, 0x4e, 0x7c) : QColor(Qt::black));
    pen.setWidthF(1.0);
    return pen;
}

QColor shade(const QColor& c, int percentDarker) {
    const double f = std::clamp(1.0 - percentDarker / 100.0, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(c.redF() * f), static_cast<float>(c.greenF() * f),
                            static_cast<float>(c.blueF() * f));
}

namespace {
// Slice k's colour: the palette in order, darker the second time round and
// lighter the third (never so light that it fades into the page), so that
// even thirty slices differ.
QColor sliceColour(int k) {
    const size_t n = kPalette.size();
    const QColor base = kPalette[static_cast<size_t>(k) % n];
    const size_t round = (static_cast<size_t>(k) / n) % 3;
    if (round == 0) return base;
    const int l = base.lightness();
    const int shifted = round == 1 ? l * 60 / 100 : std::min(l + (255 - l) * 2 / 5, 200);
    return QColor::fromHsl(base.hslHue(), base.hslSaturation(), shifted);
}
}  // namespace

QBrush sliceBrush(int k, bool colour) {
    if (colour) return QBrush(sliceColour(k));
    const MonoFill& m = kMono[static_cast<size_t>(k) % kMono.size()];
    if (m.hatch == Qt::NoBrush) return QBrush(QColor(m.grey, m.grey, m.grey));
    // A hatching in black over the ground is painted as a texture so that the
    // ground shows between the lines.
    QPixmap tile(16, 16);
    tile.fill(QColor(m.grey, m.grey, m.grey));
    QPainter p(&tile);
    p.fillRect(tile.rect(), QBrush(Qt::black, m.hatch));
    p.end();
    return QBrush(tile);
}

QColor sliceWallColour(int k, bool colour) {
    if (colour) return shade(sliceColour(k), 30);
    const MonoFill& m = kMono[static_cast<size_t>(k) % kMono.size()];
    const int g = std::max(m.grey - 60, 40);
    return QColor(g, g, g);
}

namespace {
constexpr int kSteps[] = {1, 2, 5, 10, 20, 25, 50, 100, 200, 250, 500, 1000};
}

int labelStep(int count, double slotPx, double neededPx) {
    if (count <= 1 || slotPx <= 0) return 1;
    for (int s : kSteps)
        if (s * slotPx >= neededPx) return s;
    return count;
}

std::vector<int> labelledPoints(int count, double slotPx, double neededPx) {
    std::vector<int> shown;
    if (count <= 0) return shown;
    shown.push_back(0);
    if (count == 1) return shown;
    // Positions are counted from 1, as years and rows are. The labels run evenly up to the
    // last point: on the multiples of the step when the count is one (1, 5, 10 ... 30), else
    // from the first point on (1, 3, 5 ... 25); a step that fits neither way is taken only
    // when the next one does not fit either.
    int step = labelStep(count, slotPx, neededPx);
    bool fromFirst = count % step != 0 && (count - 1) % step == 0;
    if (count % step != 0 && !fromFirst) {
        for (int s : kSteps) {
            if (s <= step || s > 2 * step || s >= count) continue;
            if (count % s == 0 || (count - 1) % s == 0) {
                step = s;
                fromFirst = count % s != 0;
                break;
            }
        }
    }
    for (int pos = 2; pos < count; ++pos) {
        const bool onStep = fromFirst ? (pos - 1) % step == 0 : pos % step == 0;
        if (!onStep) continue;
        if ((pos - 1) * slotPx < neededPx || (count - pos) * slotPx < neededPx) continue;
        shown.push_back(pos - 1);
    }
    shown.push_back(count - 1);
    return shown;
}

bool numberedLabels(const QStringList& labels) {
    bool any = false;
    for (const QString& l : labels) {
        if (l.isEmpty()) continue;
        bool ok = false;
        l.toDouble(&ok);
        if (!ok) return false;
        any = true;
    }
    return any;
}

namespace {

double finiteOr0(double v) {
    return std::isfinite(v) ? v : 0.0;
}

QString withUnit(const QString& number, const ChartContent& c) {
    switch (c.unit) {
        case ChartContent::Unit::Money:
            return c.currencySymbol + number;
        case ChartContent::Unit::Percent:
            return number + QLatin1Char('%');
        case ChartContent::Unit::Plain:
            break;
    }
    return number;
}

// The word for one point of a year chart, from a title such as "Loan
// balance at start of each Month"; empty when the title names none.
QString periodWord(const QString& title) {
    const QStringList words = title.simplified().split(QLatin1Char(' '));
    if (words.size() < 2 || words[words.size() - 2].compare(u"each", Qt::CaseInsensitive) != 0)
        return QString();
    return words.last();
}

}  // namespace

QString figureText(double value, const ChartContent& c) {
    return withUnit(Format(finiteOr0(value), u"####,,###.00"), c);
}

QString tickText(double value, int decimals, const ChartContent& c) {
    value = finiteOr0(value);
    decimals = std::clamp(decimals, 0, 4);
    if (std::abs(value) < 0.5 * std::pow(10.0, -decimals)) value = 0;  // no "-0"
    QString picture = QStringLiteral("####,,##0");
    if (decimals > 0) picture += QLatin1Char('.') + QString(decimals, QLatin1Char('0'));
    return withUnit(Format(value, picture), c);
}

QString shareText(double share) {
    return Format(finiteOr0(share) * 100.0, u"##0.0") + QLatin1Char('%');
}

QString toolTipText(const ChartContent& c, int point) {
    if (point < 0 || point >= static_cast<int>(c.values.size())) return QString();
    const double v = c.values[static_cast<size_t>(point)];
    QString label = c.labels.value(point);
    if (label.trimmed().isEmpty() && v == 0) return QString();
    if (numberedLabels(c.labels) && !label.isEmpty()) {
        const QString word = periodWord(c.title);
        if (!word.isEmpty()) label = word + QLatin1Char(' ') + label.trimmed();
    }
    QString figure = figureText(v, c);
    if (c.kind == ChartContent::Kind::Pie) {
        for (const Slice& s : pieSlices(c))
            if (s.point == point) figure += QStringLiteral("  (") + shareText(s.share) + u')';
    }
    return label.isEmpty() ? figure : label + QLatin1Char('\n') + figure;
}

int decimalsFor(double step) {
    if (step <= 0 || !std::isfinite(step)) return 0;
    int d = 0;
    while (d < 4 && std::abs(step * std::pow(10.0, d) - std::round(step * std::pow(10.0, d))) >
                        1e-6 * std::pow(10.0, d))
        ++d;
    return d;
}

int Scale::ticks() const {
    if (step <= 0) return 2;
    return static_cast<int>(std::lround((hi - lo) / step)) + 1;
}

Scale niceScale(double minValue, double maxValue, int maxTicks) {
    double lo = std::min(0.0, minValue);
    double hi = std::max(0.0, maxValue);
    if (!std::isfinite(lo) || !std::isfinite(hi)) lo = 0, hi = 1;
    if (hi - lo < 1e-9) hi = lo + 1;
    maxTicks = std::max(maxTicks, 2);
    const double raw = (hi - lo) / (maxTicks - 1);
    const double mag = std::pow(10.0, std::floor(std::log10(raw)));
    double step = mag;
    for (double m : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        step = m * mag;
        if (step >= raw) break;
    }
    Scale s;
    s.step = step;
    s.lo = std::floor(lo / step) * step;
    s.hi = std::ceil(hi / step) * step;
    if (s.hi - s.lo < step) s.hi = s.lo + step;
    return s;
}

std::vector<Slice> pieSlices(const ChartContent& c) {
    std::vector<Slice> slices;
    double total = 0;
    for (double v : c.values)
        if (v > 0 && std::isfinite(v)) total += v;
    if (total <= 0) return slices;
    for (size_t i = 0; i < c.values.size(); ++i) {
        const double v = c.values[i];
        if (v > 0 && std::isfinite(v)) slices.push_back({static_cast<int>(i), v / total});
    }
    return slices;
}

std::vector<bool> labelledSlices(const std::vector<Slice>& slices, double radiusY, double lineH) {
    std::vector<bool> shown(slices.size(), false);
    double start = 0;
    bool haveRight = false, haveLeft = false;
    double lastRight = 0, lastLeft = 0;
    for (size_t k = 0; k < slices.size(); ++k) {
        const double mid = 2 * std::numbers::pi * (start + slices[k].share / 2);
        start += slices[k].share;
        if (slices[k].share < kLabelledShare) continue;
        const double y = -radiusY * std::cos(mid);
        const bool right = std::sin(mid) >= 0;
        bool& have = right ? haveRight : haveLeft;
        double& last = right ? lastRight : lastLeft;
        if (have && std::abs(y - last) < lineH) continue;
        shown[k] = true;
        have = true;
        last = y;
    }
    return shown;
}

double printPointSize(double windowPx, double pageInches, double dpi, double paperPoints) {
    if (windowPx <= 0 || pageInches <= 0 || dpi <= 0) return paperPoints;
    // A point of text on the window is dpi / 72 pixels; the page shows
    // pageInches * 72 points over windowPx pixels.
    return paperPoints * windowPx / (dpi * pageInches);
}

}  // namespace chart_style
