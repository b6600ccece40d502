#include "planning/model/mortgage_help.h"

namespace {
QString breaks(int count) {
    return QStringLiteral("\r\n").repeated(count);
}
}  // namespace

QString MortgageHelpText(MortgageMode mode) {
    QString t = breaks(3);
    if (mode == MortgageMode::Loan) {
        t += QStringLiteral("10,000.00") + breaks(4) + QStringLiteral("        10%") + breaks(5) +
             QStringLiteral("        48") + breaks(4) + QStringLiteral(" BiMonthly") + breaks(4) +
             QStringLiteral(
                 " Table shows at the end of each Month the Interest and Principal "
                 "paid and") +
             breaks(1) + QStringLiteral(" the remaining Balance of the Loan or Mortgage.");
    } else {
        t += QStringLiteral("100,000.00") + breaks(4) + QStringLiteral("         10%") + breaks(5) +
             QStringLiteral("         25") + breaks(4) + QStringLiteral(" SemiAnnually") +
             breaks(4) +
             QStringLiteral(
                 " Table shows at the end of each year the Interest and Principal "
                 "paid and") +
             breaks(1) + QStringLiteral(" the remaining Balance of the Mortgage.");
    }
    t += breaks(2);
    t += QStringLiteral(
             " Click Interest Compounding Periods for different periods. Read How to "
             "use") +
         breaks(1) +
         QStringLiteral(
             " Programs for details of compounding periods used in different "
             "countries.") +
         breaks(2) + QStringLiteral(" American = Monthly.  Canadian = SemiAnnually.") + breaks(3) +
         QString(50, u' ') + QStringLiteral("End");
    return t;
}
