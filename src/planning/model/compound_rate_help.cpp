#include "planning/model/compound_rate_help.h"

QString CompoundRateHelpText(const QString& s) {
    const QString nl = QStringLiteral("\r\n");
    QString t;
    t += nl +
         QStringLiteral(" To compare different investments on an annual compound yield basis.") +
         nl + nl;
    t +=
        QStringLiteral(" Enter the Cost of your Investment, then the Present or Future Value and") +
        nl +
        QStringLiteral(
            " the term in years it has or will be held. Change any entry and Calculate again.") +
        nl + nl;
    t += QStringLiteral(" Example 1. Amount invested in Mutual Fund = ") + s +
         QStringLiteral("1,000.00, 5 years later with") + nl +
         QStringLiteral(" all dividends and capital gains reinvested it is worth ") + s +
         QStringLiteral("2,000.00 for an annual") + nl +
         QStringLiteral(" compound growth rate of 14.8698%.") + nl + nl;
    t += QStringLiteral(" Example 2. House bought for ") + s +
         QStringLiteral("25,000.00, 20 years ago now worth 200,000") + nl +
         QStringLiteral(" for an annual compound growth rate of 10.9569%.") + nl + nl;
    t += QStringLiteral(" Example 3. Stripped Bond with a redemption value of") + u' ' + s +
         QStringLiteral("1,000.00 in 6 years") + nl + QStringLiteral(" bought for ") + s +
         QStringLiteral("500.00. Annual compound growth rate = 12.2462%.");
    t += nl.repeated(15) + QString(50, u' ') + QStringLiteral("End");
    return t;
}
