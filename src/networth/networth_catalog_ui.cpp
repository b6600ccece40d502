#include "shell/window_catalog.h"

void DefineNetWorthWindows() {
    DefinePlaceholder(
        QStringLiteral("CdnMort"), QStringLiteral("Mortgage Tables"),
        {QStringLiteral("Mortgage Tables"), QStringLiteral("Monthly Payments on a Loan")});
    DefinePlaceholder(QStringLiteral("DispNet"), QStringLiteral("Net Worth Statement"));
    DefinePlaceholder(QStringLiteral("FindComp"), QStringLiteral("Find Annual Compound Rate"));
}
