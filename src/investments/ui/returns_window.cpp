#include "investments/ui/returns_window.h"

#include <QLabel>
#include <QPushButton>

#include "investments/model/portfolio.h"
#include "investments/model/portfolio_document.h"
#include "investments/model/table_report.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/grid.h"
#include "platform/twips.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "shell/ui/print_action_ui.h"

namespace {
const QString kName = QStringLiteral("Returns");
}

Returns::Returns(PortfolioDocument& doc, QWidget* parent) : QWidget(parent), doc_(doc) {
    setWindowTitle(QStringLiteral("Annual Return of all Funds"));
    twips::setClientSize(this, 9480, 6360);
    setBackColour(this, colours::Grey);
    label1_ = makeLabel(this, QStringLiteral("Label1"), QString(), 120, 120, 9240, 300, false);
    setBackColour(label1_, colours::Aqua);
    label1_->setAlignment(Qt::AlignCenter);
    grid1_ = new Grid(this);
    grid1_->setObjectName(QStringLiteral("Grid1"));
    twips::place(grid1_, 120, 540, 9240, 4740);
    note_ = makeLabel(this, QStringLiteral("Label2"), ReturnsNote(), 120, 5340, 9240, 300, false);
    auto* footer = makeLabel(this, QStringLiteral("Label3"), QString(), 0, 5700, 9480, 660);
    footer->lower();
    printr_ = makeButton(this, QStringLiteral("Printr"), QStringLiteral("To &Printer"), 2040, 5820,
                         2040, 400);
    exitBut_ = makeButton(this, QStringLiteral("ExitBut"), QStringLiteral("E&xit to Table"), 5400,
                          5820, 2040, 400);

    const QList<int> widths{2200, 1050, 1050, 1150, 1100, 650, 950, 700};
    grid1_->setCols(static_cast<int>(widths.size()));
    for (int c = 0; c < widths.size(); ++c) {
        grid1_->setColWidth(c, widths[c]);
        grid1_->setColAlignment(c,
                                c == 0 || c == 7 ? Grid::CellAlign::Left : Grid::CellAlign::Right);
    }
    grid1_->setRowHeight(0, 500);

    connect(printr_, &QPushButton::clicked, this, &Returns::Print);
    connect(exitBut_, &QPushButton::clicked, this, [] { Windows().unload(kName); });
}

bool Returns::ShowReturns(const QDate& priceDate) {
    const Portfolio& p = doc_.portfolio;
    std::vector<Money> prices(kFundRows);
    for (int k = 1; k < kFundRows && k < doc_.totals.rows(); ++k) prices[k] = doc_.totals(k, 2);
    try {
        returns_ =
            WorkOutReturns(p.funds, p.fundCount, p.records, p.recordCount, prices, priceDate);
    } catch (const MoneyOverflow&) {
        dialogs::message(QStringLiteral("Cannot calculate."), QStringLiteral("Error"));
        return false;
    }
    label1_->setText(ReturnsTitle(priceDate));
    const int lines = static_cast<int>(returns_.funds.size());
    grid1_->setRows(std::max(25, lines + 3));
    grid1_->clearBody();
    const QStringList headings = ReturnHeadings();
    for (int c = 0; c < headings.size(); ++c) grid1_->setCellText(0, c, headings[c]);
    auto fill = [this](int row, const QStringList& cells) {
        for (int c = 0; c < cells.size(); ++c) grid1_->setCellText(row, c, cells[c]);
    };
    for (int i = 0; i < lines; ++i) fill(i + 1, ReturnCells(returns_.funds[i]));
    fill(lines + 2, ReturnCells(returns_.total));
    return true;
}

void Returns::Print() {
    PrintWithConfirmation(windowTitle(), [this](PrintDevice& d) {
        PrintReturnsReport(d, returns_, State().settings);
    });
}

void ShowReturnsWindow(PortfolioDocument& doc) {
    Windows().unload(kName);
    auto* w = qobject_cast<Returns*>(Windows().add(kName, new Returns(doc)));
    if (!w->ShowReturns(QDate::currentDate())) {
        Windows().unload(kName);
        return;
    }
    Windows().showModal(kName);
    Windows().unload(kName);
}
