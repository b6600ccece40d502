// The returns printout, written against PrintDevice.
#include <algorithm>

#include "common/print_device.h"
#include "investments/model/annual_return.h"
#include "investments/model/table_report.h"

namespace {

// Where each figure's field begins and how wide it is (78 columns in all).
struct Field {
    int column;
    int width;
};
constexpr Field kFields[] = {{3, 12}, {15, 12}, {27, 14}, {41, 14}, {55, 7}, {62, 10}};
constexpr int kBasisColumn = 73;

// Cells 1..6 right-justified in their fields, cell 7 (the basis) after them.
QString FigureLine(const QStringList& cells) {
    ColumnText line;
    for (int i = 0; i < 6; ++i) line.right(kFields[i].column, kFields[i].width, cells.value(i + 1));
    if (!cells.value(7).isEmpty()) line.at(kBasisColumn, cells.value(7));
    return line.text();
}

QStringList Headings() {
    QStringList names = ReturnHeadings();
    names[0].clear();
    return {FigureLine(names), QStringLiteral("  ") + QString(76, u'_')};
}

QStringList Block(const ReturnLine& line) {
    const QStringList cells = ReturnCells(line);
    return {QStringLiteral("  ") + cells[0], FigureLine(cells), QString()};
}

}  // namespace

void PrintReturnsReport(PrintDevice& device, const PortfolioReturns& returns,
                        const PersonalSettings& settings) {
    const QStringList headings = Headings();
    PagedReport report(device, TablePageCapacity(settings.linesPerPage), headings,
                       settings.courier());
    const QString title = ReturnsTitle(returns.priceDate);
    const int pad = std::max<int>(1, (78 - static_cast<int>(title.size())) / 2);
    report.block({QString(pad, u' ') + title, QString(), headings[0], headings[1]});
    for (const ReturnLine& f : returns.funds) report.block(Block(f));
    QStringList last = Block(returns.total);
    last << QStringLiteral("  ") + ReturnsNote();
    report.block(last);
}
