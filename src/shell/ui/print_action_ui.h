// A tool's To Printer action: the confirmation, the chosen font, the report, the end of the
// printout.
#pragma once

#include <QString>
#include <functional>

class PrintDevice;

// Asks "Continue with Printout." (anything but Yes prints nothing), opens the
// print device, switches to Courier when the settings say so, prints the
// report and finishes the printout. A printer failure is reported in a
// message titled "Printer". Returns true when the printout was made.
bool PrintWithConfirmation(const QString& jobName, const std::function<void(PrintDevice&)>& report);

// The same without the question (for tools that asked it themselves).
bool PrintReport(const QString& jobName, const std::function<void(PrintDevice&)>& report);
