#include "networth/networth_window.h"
#include "platform/window_registry.h"
#include "shell/file_open_ui.h"
#include "shell/window_catalog.h"

void DefineNetWorthWindows() {
    DefinePlaceholder(
        QStringLiteral("CdnMort"), QStringLiteral("Mortgage Tables"),
        {QStringLiteral("Mortgage Tables"), QStringLiteral("Monthly Payments on a Loan")});
    Windows().define(QStringLiteral("DispNet"), [] { return new DispNet; });
    DefineFileOpener(QStringLiteral("wmw"), QStringLiteral("DispNet"), [](const QString& path) {
        if (auto* window = Windows().get<DispNet>(QStringLiteral("DispNet")))
            window->OpenStatementFrom(path);
    });
    DefinePlaceholder(QStringLiteral("FindComp"), QStringLiteral("Find Annual Compound Rate"));
}
