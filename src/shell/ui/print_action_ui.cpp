#include "shell/ui/print_action_ui.h"

#include "common/print_device.h"
#include "common/printing.h"
#include "platform/dialogs.h"
#include "platform/printer_device.h"
#include "shell/ui/app_state.h"

bool PrintWithConfirmation(const QString& jobName,
                           const std::function<void(PrintDevice&)>& report) {
    if (!dialogs::confirmPrintout()) return false;
    return PrintReport(jobName, report);
}

bool PrintReport(const QString& jobName, const std::function<void(PrintDevice&)>& report) {
    try {
        dialogs::WaitCursor wait;
        auto device = OpenPrintDevice(jobName);
        // The font's own measure of a page stays for the reports of this printout (and the next).
        ApplyChosenPrinterFont(*device, State().settings);
        report(*device);
        FinishPrintout(*device);
        return true;
    } catch (const PrintError& e) {
        dialogs::message(QStringLiteral("The printout could not be made.") +
                             QStringLiteral("\r\n") + QString::fromUtf8(e.what()),
                         QStringLiteral("Printer"), dialogs::Buttons::Ok,
                         dialogs::Icon::Exclamation);
        return false;
    }
}
