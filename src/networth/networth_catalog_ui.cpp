#include "networth/compound_rate_window.h"
#include "platform/window_registry.h"
#include "shell/window_catalog.h"

void DefineNetWorthWindows() {
    DefinePlaceholder(
        QStringLiteral("CdnMort"), QStringLiteral("Mortgage Tables"),
        {QStringLiteral("Mortgage Tables"), QStringLiteral("Monthly Payments on a Loan")});
    DefinePlaceholder(QStringLiteral("DispNet"), QStringLiteral("Net Worth Statement"));
    Windows().define(QStringLiteral("FindComp"), [] { return new FindComp; });
}
