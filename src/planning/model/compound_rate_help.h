// The help text of the compound rate window.
#pragma once

#include <QString>

// Pieces joined with CR LF, ending with 50 blanks and "End"; the examples'
// amounts carry `symbol`.
QString CompoundRateHelpText(const QString& symbol);
