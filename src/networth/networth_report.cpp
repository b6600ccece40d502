#include "networth/networth_report.h"

#include "common/number_format.h"
#include "common/print_device.h"
#include "planning/calculator_figures.h"
#include "shell/app_state.h"

namespace {

// An amount of a list: its figure right-justified in 12 characters, blanks
// for an empty cell.
QString amount(const NetCell& cell) {
    const QString figure =
        cell.kind == NetCell::Kind::Empty ? QString() : Format(CellNumber(cell), u"####,,###.00");
    return RightJustifyWhole(figure, 12);
}

QString money(Money value, int width) {
    return RightJustifyWhole(State().CurrencySymbol + Format(value, u"####,,###.00"), width);
}

}  // namespace

void PrintNetWorth(PrintDevice& d, const QString& header, const NetTotals& totals) {
    const AppState& s = State();
    const int rows = std::max(s.AssetCount, s.LiabilityCount);
    d.line();
    d.at(2, header);
    d.endLine();
    d.line();
    d.line();
    d.at(32, QStringLiteral("NET WORTH STATEMENT"));
    d.endLine();
    d.line();
    d.line();
    d.at(2, QStringLiteral("ASSETS"));
    d.at(42, QStringLiteral("LIABILITIES"));
    d.endLine();
    d.at(2, QStringLiteral("______"));
    d.at(42, QStringLiteral("___________"));
    d.endLine();
    d.line();
    const NetCell empty;
    auto cell = [&empty](const SharedTable<NetCell>& t, int row, int col) -> const NetCell& {
        return row < t.rows() ? t(row, col) : empty;
    };
    for (int i = 1; i <= rows; ++i) {
        d.at(2, CellName(cell(s.NetAssets, i, 0)).left(25));
        d.at(28, amount(cell(s.NetAssets, i, 1)));
        d.at(42, CellName(cell(s.NetLiabilities, i, 0)).left(25));
        d.at(68, amount(cell(s.NetLiabilities, i, 1)));
        d.endLine();
    }
    d.line();
    d.line();
    d.line();
    d.at(2, QStringLiteral("Total Assets"));
    d.at(27, money(totals.TotalAssets, 13));
    d.at(42, QStringLiteral("Total Liabilities"));
    d.at(67, money(totals.TotalLiabilities, 13));
    d.endLine();
    d.line();
    d.line();
    d.at(30, QStringLiteral("Net Worth = ") + money(totals.NetWorth, 14));
    d.endLine();
}
