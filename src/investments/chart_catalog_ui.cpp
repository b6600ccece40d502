#include "shell/window_catalog.h"

void DefineChartWindow() { DefinePlaceholder(QStringLiteral("Form1"), QStringLiteral("Charts")); }
