#include "charts/model/chart_points.h"

int ChartPointCount(int count) {
    if (count <= 0) return 0;
    return count == 1 ? 2 : count;
}

QString ChartOpener(ChartSource source) {
    switch (source) {
        case ChartSource::Investments:
            return QStringLiteral("Table1");
        case ChartSource::Savings:
            return QStringLiteral("CalcInpt");
        case ChartSource::RetirementPercentage:
        case ChartSource::RetirementFixedAmount:
            return QStringLiteral("Income");
        case ChartSource::Mortgage:
            return QStringLiteral("CdnMort");
        case ChartSource::CapitalRequired:
            return QStringLiteral("CalCaptl");
        case ChartSource::CompoundRate:
            return QStringLiteral("FindComp");
        case ChartSource::K401:
            return QStringLiteral("PlanK");
    }
    return QString();
}
