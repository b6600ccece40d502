#include "networth/model/networth_report.h"

#include "common/number_format.h"
#include "common/print_device.h"

namespace {

// An amount of a list: its figure, nothing for an empty cell (the field prints as blanks).
QString amount(const NetCell& cell) {
    return cell.kind == NetCell::Kind::Empty ? QString()
                                             : Format(CellNumber(cell), u"####,,###.00");
}

}  // namespace

void PrintNetWorth(PrintDevice& d, const QString& header, const NetTables& s,
                   const NetTotals& totals, const QString& currency) {
    const auto money = [&currency](Money value) {
        return currency + Format(value, u"####,,###.00");
    };
    const int rows = std::max(s.assetCount, s.liabilityCount);
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
    // Amounts end in line at the ends of their fields, wide ones too.
    for (int i = 1; i <= rows; ++i) {
        ColumnLine line(d);
        line.at(2, CellName(cell(s.assets, i, 0)).left(25));
        line.right(28, 12, amount(cell(s.assets, i, 1)));
        line.at(42, CellName(cell(s.liabilities, i, 0)).left(25));
        line.right(68, 12, amount(cell(s.liabilities, i, 1)));
        line.end();
    }
    d.line();
    d.line();
    d.line();
    ColumnLine total(d);
    total.at(2, QStringLiteral("Total Assets"));
    total.right(27, 13, money(totals.TotalAssets));
    total.at(42, QStringLiteral("Total Liabilities"));
    total.right(67, 13, money(totals.TotalLiabilities));
    total.end();
    d.line();
    d.line();
    d.at(30, QStringLiteral("Net Worth = ") + RightJustifyWhole(money(totals.NetWorth), 14));
    d.endLine();
}
