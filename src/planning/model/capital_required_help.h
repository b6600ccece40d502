// The help text of the capital required window.
#pragma once

#include <QString>

// Lines joined with CR LF, ending with 50 blanks and "End". The example's
// three figures stand level with the three input boxes; its amount in the
// sentence carries `symbol`.
QString CapitalRequiredHelpText(const QString& symbol);
