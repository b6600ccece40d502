#include "networth/ui/networth_window.h"
#include "platform/window_registry.h"
#include "shell/ui/file_open_ui.h"
#include "shell/ui/window_catalog.h"

void DefineNetWorthWindows() {
    Windows().define(QStringLiteral("DispNet"), [] { return new DispNet; });
    DefineFileOpener(QStringLiteral("wmw"), QStringLiteral("DispNet"), [](const QString& path) {
        if (auto* window = Windows().get<DispNet>(QStringLiteral("DispNet")))
            window->OpenStatementFrom(path);
    });
}
