// SortRecords: the record ordering with its message and the fund menu's status line.
#include "common/dates.h"
#include "investments/model/portfolio_document.h"
#include "investments/model/portfolio_sort.h"
#include "investments/ui/fund_menu_window.h"
#include "investments/ui/value_commands.h"
#include "platform/dialogs.h"
#include "shell/ui/app_state.h"

bool SortRecords(PortfolioDocument& doc) {
    bool sorted = false;
    {
        dialogs::WaitCursor wait;
        sorted = SortRecordsByDate(doc.portfolio);
    }
    if (!sorted) {
        // The example is set when the record window opens; before that, today stands in.
        const QString example =
            State().DateExample.isEmpty() ? dates::todayText() : State().DateExample;
        dialogs::message(
            QStringLiteral("Cannot sort file as dates are different format. Should be ") + example,
            QStringLiteral("Help"));
    }
    ShowFileInfo();
    return sorted;
}
