// The compound rate printout: every entry made since the window opened.
#pragma once

#include <QString>

class PrintDevice;

// The title, the two heading lines and the separator, then `reportText` (the
// entries accumulated since the window opened) as it stands.
void PrintCompoundRates(PrintDevice& device, const QString& reportText);
