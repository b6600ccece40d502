#include "investments/model/fund_charts.h"

#include <algorithm>

namespace {

Money cell(const SharedTable<Money>& table, int row, int col) {
    if (row < 0 || row >= table.rows() || col < 0 || col >= table.cols()) return Money();
    return table(row, col);
}

}  // namespace

ChartData FundCharts(const SharedTable<Money>& fundTotals, const std::vector<FundNameRow>& names,
                     int fundCount, const QString& symbol) {
    ChartData d;
    d.kind = ChartKind::FundGain;
    d.currencySymbol = symbol;
    d.points.title = QStringLiteral("Current Value ");
    d.points.axisTitle = QStringLiteral("Gain %");
    d.points.unit = ChartUnit::Percent;
    d.fundValues.title = QStringLiteral("Distribution");
    d.fundValues.axisTitle = QStringLiteral("Value");
    const int n = std::clamp(fundCount, 0, 30);
    for (int k = 1; k <= n; ++k) {
        const QString name =
            k < static_cast<int>(names.size()) ? names[static_cast<size_t>(k)].FundName : QString();
        d.points.labels.append(name);
        d.points.values.push_back(cell(fundTotals, k, 5).toDouble());
        d.fundValues.labels.append(name);
        d.fundValues.values.push_back(static_cast<double>(cell(fundTotals, k, 3).wholePart()));
    }
    PadSinglePoint(d.points);
    PadSinglePoint(d.fundValues);
    return d;
}
