#include "platform/chart_style.h"

#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

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

QBrush sliceBrush(int k, bool colour) {
    if (colour) return QBrush(kPalette[static_cast<size_t>(k) % kPalette.size()]);
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
    if (colour) return shade(kPalette[static_cast<size_t>(k) % kPalette.size()], 30);
    const MonoFill& m = kMono[static_cast<size_t>(k) % kMono.size()];
    const int g = std::max(m.grey - 60, 40);
    return QColor(g, g, g);
}

int labelStep(int count, double slotPx, double neededPx) {
    static const int kSteps[] = {1, 2, 5, 10, 20, 25, 50, 100, 200, 250, 500, 1000};
    if (count <= 1 || slotPx <= 0) return 1;
    for (int s : kSteps)
        if (s * slotPx >= neededPx) return s;
    return count;
}

std::vector<int> labelledPoints(int count, int step, bool numbered, double slotPx,
                                double neededPx) {
    std::vector<int> shown;
    if (step <= 1) {
        for (int i = 0; i < count; ++i) shown.push_back(i);
        return shown;
    }
    if (!numbered) {
        for (int i = 0; i < count; i += step) shown.push_back(i);
        return shown;
    }
    // The first point, when it stands far enough from the first round one.
    if ((step - 1) * slotPx >= neededPx) shown.push_back(0);
    for (int i = step - 1; i < count; i += step) shown.push_back(i);
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

QString number(double value, int decimals) {
    if (std::abs(value) < 0.5 * std::pow(10.0, -decimals)) value = 0;  // no "-0"
    return QLocale().toString(value, 'f', decimals);
}

int decimalsFor(double step) {
    if (step <= 0 || !std::isfinite(step)) return 0;
    int d = 0;
    while (d < 4 && std::abs(step * std::pow(10.0, d) - std::round(step * std::pow(10.0, d))) >
                        1e-6 * std::pow(10.0, d))
        ++d;
    return d;
}

int valueDecimals(const std::vector<double>& values) {
    for (double v : values)
        if (std::isfinite(v) && std::abs(v - std::round(v)) > 1e-9) return 2;
    return 0;
}

bool valuesFit(const std::vector<double>& values, double slotPx, const QFontMetricsF& fm) {
    if (values.empty() || values.size() > 12) return false;
    const int decimals = valueDecimals(values);
    for (double v : values)
        if (!std::isfinite(v) || fm.horizontalAdvance(number(v, decimals)) + 4 > slotPx)
            return false;
    return true;
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

QString percentText(double share) {
    return number(share * 100.0, 1) + QLatin1Char('%');
}

}  // namespace chart_style
