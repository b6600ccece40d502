#include "shell/window_catalog.h"

void DefineInvestmentWindows() {
    DefinePlaceholder(QStringLiteral("FundMenu"), QStringLiteral("Fund Management Menu"));
}
