#include "charts/ui/chart_window.h"
#include "platform/window_registry.h"
#include "shell/ui/window_catalog.h"

void DefineChartWindow() {
    Windows().define(QStringLiteral("Form1"), [] { return new Form1; });
}
