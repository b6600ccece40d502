// The system's printers, reached through a module of the program's own that is loaded on the
// first question about them. Printing links a large part of Qt that nothing else needs, and
// loading it with the program would slow every start for a printout that may never come.
#pragma once

#include <QString>
#include <memory>

class QPagedPaintDevice;

namespace system_printer {

// True when the system has a default printer. False also when the printing module cannot be
// loaded (printouts then go to PDF files, as on a system without a printer).
bool available();

// A paint device on the system's default printer at its high resolution, printing the job
// `jobName`; null when there is no printer or the module cannot be loaded.
std::unique_ptr<QPagedPaintDevice> open(const QString& jobName);

// The module's file, where it was found; empty when it was not (loadError() says why).
QString modulePath();
QString loadError();

}  // namespace system_printer
