#include "charts/ui/chart_hand_over.h"

#include <algorithm>

namespace {

// A cell of a shared table, or an empty value where the table has none.
template <class T>
T cell(const SharedTable<T>& table, int row, int col) {
    if (row < 0 || row >= table.rows() || col < 0 || col >= table.cols()) return T();
    return table(row, col);
}

QString fundName(const AppState& s, int slot) {
    if (slot < 0 || slot >= static_cast<int>(s.FundNames.size())) return QString();
    return s.FundNames[static_cast<size_t>(slot)].FundName;
}

// The points handed over, no more than the rows 1.. of a table with `rows` rows.
int pointsWithin(int count, int rows) {
    return std::clamp(count, 0, std::max(rows - 1, 0));
}

// Adds the empty second point that a single point is drawn with.
void padSinglePoint(ChartPoints& p) {
    if (p.values.size() != 1) return;
    p.labels.append(QString());
    p.values.push_back(0.0);
}

}  // namespace

bool ShowsComparisons(const AppState& s) {
    return s.GraphSource == ChartSource::CompoundRate ||
           (s.GraphSource == ChartSource::Savings && s.CallMode != 1);
}

int OpeningChart(const AppState& s) {
    switch (s.GraphSource) {
        case ChartSource::Investments:
            return chart_shown::PerCent;
        case ChartSource::Savings:
        case ChartSource::CompoundRate:
            return ShowsComparisons(s) ? chart_shown::Comparison : chart_shown::Year;
        case ChartSource::RetirementPercentage:
        case ChartSource::RetirementFixedAmount:
        case ChartSource::Mortgage:
        case ChartSource::CapitalRequired:
        case ChartSource::K401:
            return chart_shown::Year;
    }
    return 0;
}

void PrepareYearValues(AppState& s) {
    SharedTable<Money>& t = s.YearTable;
    if (!t.created() || t.cols() < 6) return;
    const int n = pointsWithin(s.GraphPoints, t.rows());
    if (s.GraphSource == ChartSource::RetirementFixedAmount ||
        s.GraphSource == ChartSource::Mortgage) {
        // Bar 1 is the starting amount, bar i + 1 the value at the end of
        // period i. The value after the last period is not drawn: the row
        // that would take it is the opener's total row, which keeps its figures.
        for (int i = n - 1; i >= 1; --i) t(i + 1, 5) = t(i, 4);
        if (n >= 1) t(1, 5) = s.CalcInputs.size() > 1 ? s.CalcInputs[1] : Money();
        return;
    }
    for (int i = 1; i <= n; ++i) t(i, 5) = t(i, 4);
}

ChartPoints PerCentPoints(const AppState& s) {
    ChartPoints p;
    p.title = QStringLiteral("Current Value ");
    p.axisTitle = QStringLiteral("Gain %");
    p.unit = ChartPoints::Unit::Percent;
    p.currencySymbol = s.settings.currencySymbol;
    const int n = std::clamp<int>(s.FundCount(), 0, 30);
    for (int k = 1; k <= n; ++k) {
        p.labels.append(fundName(s, k));
        p.values.push_back(cell(s.FundTotals, k, 5).toDouble());
    }
    padSinglePoint(p);
    return p;
}

ChartPoints ValuePoints(const AppState& s) {
    ChartPoints p;
    p.title = QStringLiteral("Distribution");
    p.axisTitle = QStringLiteral("Value");
    p.currencySymbol = s.settings.currencySymbol;
    const int n = std::clamp<int>(s.FundCount(), 0, 30);
    for (int k = 1; k <= n; ++k) {
        p.labels.append(fundName(s, k));
        p.values.push_back(static_cast<double>(cell(s.FundTotals, k, 3).wholePart()));
    }
    padSinglePoint(p);
    return p;
}

ChartPoints YearPoints(const AppState& s) {
    ChartPoints p;
    p.title = s.GraphTitle;
    p.currencySymbol = s.settings.currencySymbol;  // every year chart shows amounts
    const int n = pointsWithin(s.GraphPoints, s.YearTable.rows());
    for (int i = 1; i <= n; ++i) {
        p.labels.append(cell(s.YearTable, i, 1).toFileText());
        p.values.push_back(cell(s.YearTable, i, 5).toDouble());
    }
    padSinglePoint(p);
    return p;
}

ChartPoints ComparisonPoints(const AppState& s) {
    ChartPoints p;
    p.title = s.GraphTitle;
    p.axisTitle = s.CallMode == 2 ? QStringLiteral("Value ") + s.settings.currencySymbol
                                  : QStringLiteral("Gain %");
    p.unit = s.CallMode == 2 ? ChartPoints::Unit::Money : ChartPoints::Unit::Percent;
    p.currencySymbol = s.settings.currencySymbol;
    const int n =
        pointsWithin(s.GraphPoints, std::min(s.ComparisonTable.rows(), s.ComparisonLabels.rows()));
    for (int i = 1; i <= n; ++i) {
        p.labels.append(cell(s.ComparisonLabels, i, 0));
        p.values.push_back(cell(s.ComparisonTable, i, 5).toDouble());
    }
    padSinglePoint(p);
    return p;
}
