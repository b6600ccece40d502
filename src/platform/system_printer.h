// The system's default printer.
#pragma once

#include <QString>
#include <memory>

class QPagedPaintDevice;

namespace system_printer {

// True when the system has a default printer.
bool available();

// A paint device on the system's default printer at its high resolution, printing the job
// `jobName`; null when there is no printer.
std::unique_ptr<QPagedPaintDevice> open(const QString& jobName);

}  // namespace system_printer
