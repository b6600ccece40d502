// The help panel's paragraph on extra payments, shown while extras are set.
#pragma once

#include <QString>

// `help` (the window's help text, ending with its "End" line) with the paragraph on extra
// payments and its worked example put in before the "End" line. Lines are joined with CR LF.
QString WithExtrasHelp(const QString& help);
