#include "investments/ui/current_value_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include "common/key_filters.h"
#include "common/number_format.h"
#include "investments/model/current_value.h"
#include "investments/model/portfolio.h"
#include "investments/model/portfolio_document.h"
#include "investments/ui/table_window.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/grid.h"
#include "platform/keys.h"
#include "platform/twips.h"
#include "platform/window_places.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "shell/ui/input_conventions_ui.h"

namespace {
const QString kName = QStringLiteral("CurrValue");
constexpr int kPriceRows = 30;  // rows that take a price
}  // namespace

CurrValue::CurrValue(PortfolioDocument& doc, QWidget* parent) : QWidget(parent), doc_(doc) {
    setWindowTitle(QStringLiteral("Current Prices"));
    twips::setClientSize(this, 5040, 6360);
    setBackColour(this, colours::Grey);

    label2_ = makeLabel(this, QStringLiteral("Label2"),
                        QStringLiteral("Enter the current price per share for each Fund"), 240, 120,
                        4560, 300, false);
    setBackColour(label2_, colours::Aqua);
    label2_->setAlignment(Qt::AlignCenter);
    grid8_ = new Grid(this);
    grid8_->setObjectName(QStringLiteral("Grid8"));
    twips::place(grid8_, 240, 540, 4560, 5040);
    auto* label1 = makeLabel(this, QStringLiteral("Label1"), QString(), 0, 5700, 5040, 660);
    label1->lower();
    help9_ =
        makeButton(this, QStringLiteral("Help9"), QStringLiteral("&Help"), 240, 5820, 1400, 400);
    cancelBut_ = makeButton(this, QStringLiteral("CancelBut"), QStringLiteral("E&xit to Menu"),
                            1820, 5820, 1400, 400);
    curValOK_ = makeButton(this, QStringLiteral("CurValOK"), QStringLiteral("&Calculate"), 3400,
                           5820, 1400, 400);
    window_places::makeResizable(this, {grid8_});

    // Grid layout.
    grid8_->setRows(35);
    grid8_->setCols(2);
    grid8_->setColWidth(0, 3200);
    grid8_->setColWidth(1, 1000);
    grid8_->setColAlignment(1, Grid::CellAlign::Right);
    grid8_->setRowHeight(0, 480);
    grid8_->setCellText(0, 0, QStringLiteral("            Name of Fund/Company"));
    grid8_->setCellText(0, 1, QStringLiteral("  Current Price"));
    setBoxColour(grid8_, colours::Yellow);

    // Typed prices stay; everything computed from them is cleared.
    PrepareFundTotals(doc_.totals);
    const Portfolio& p = doc_.portfolio;
    const int funds = std::min<int>({p.fundCount, kMaxFunds, static_cast<int>(p.funds.size()) - 1});
    for (int k = 1; k <= funds; ++k) {
        grid8_->setCellText(k, 0, p.funds[static_cast<size_t>(k)].FundName);
        const Money price = doc_.totals(k, 2);
        if (!price.isZero()) grid8_->setCellText(k, 1, Format(price, u"####,,###.00"));
    }
    // The price of the first fund is the cell to type into first.
    grid8_->setCol(1);
    grid8_->setRow(1);
    CellRow = 1;
    CellCol = 1;

    connect(grid8_, &Grid::rowColChanged, this, &CurrValue::selectCell);
    connect(grid8_, &Grid::gridClicked, this, &CurrValue::selectCell);
    grid8_->onKeyPress = [this](int key) { return keyPress(key); };
    grid8_->onKeyDown = [this](int& code) { keyDown(code); };
    connect(help9_, &QPushButton::clicked, this, [] {
        dialogs::message(
            QStringLiteral("Select Current Price cell by clicking on it or by using arrow keys to "
                           "move around. Selected cell will have dotted lines around it.") +
                QStringLiteral("\r\n\r\n") +
                QStringLiteral(
                    "Cell will only accept input from number and period or decimal keys. "
                    "Delete entries with Backspace key.") +
                QStringLiteral("\r\n\r\n") + QStringLiteral("For DtaSampl enter ") +
                QStringLiteral("20.00 for all Current Price inputs. "),
            QStringLiteral("Help"));
    });
    connect(cancelBut_, &QPushButton::clicked, this, &CurrValue::ExitToMenu);
    connect(curValOK_, &QPushButton::clicked, this, &CurrValue::Calculate);
    grid8_->setFocus();
}

void CurrValue::selectCell() {
    CellRow = grid8_->Row();
    CellCol = grid8_->Col();
    TypedText.clear();
}

bool CurrValue::rowLimitReached() {
    if (CellRow <= kPriceRows) return false;
    dialogs::message(QStringLiteral("30 Row limit."), QStringLiteral("Help"));
    return true;
}

void CurrValue::clearPrice() {
    grid8_->setCellText(CellRow, CellCol, QString());
    if (CellRow >= 1) doc_.totals(CellRow, 2) = Money();
    TypedText.clear();
}

void CurrValue::keyDown(int& code) {
    if (code != keycode::Delete || CellCol == 0) return;
    code = 0;
    if (rowLimitReached()) return;
    clearPrice();
}

int CurrValue::keyPress(int key) {
    if (rowLimitReached()) return 0;
    if (CellCol == 0) return 0;
    if (key == keycode::Enter) {
        keys::sendDown(grid8_);
        return 0;
    }
    if (key == keycode::Backspace) {
        clearPrice();
        return 0;
    }
    key = AsDecimalPoint(key);
    if (key != keycode::Point && (key < '0' || key > '9')) {
        dialogs::beep();
        return 0;
    }
    if (CellRow < 1) return 0;
    const QString typed = TypedText + QChar(key);
    try {
        const Money price = Money::fromDouble(LeadingNumber(typed));
        doc_.totals(CellRow, 2) = price;
        TypedText = typed;
        grid8_->setCellText(CellRow, CellCol, Format(price, u"#,,###.00"));
    } catch (const MoneyOverflow&) {
        dialogs::beep();  // more digits than a price can hold
    }
    return 0;
}

void CurrValue::Calculate() {
    FundTotalsTable& totals = doc_.totals;
    int unpriced = 0;
    try {
        AccumulateHoldings(doc_.portfolio, totals);
        unpriced = FirstUnpricedHolding(doc_.portfolio, totals);
    } catch (const MoneyOverflow&) {
        ClearComputedTotals(totals);
        dialogs::message(QStringLiteral("Cannot calculate."), QStringLiteral("Error"));
        return;
    }
    if (unpriced != 0) {
        dialogs::message(QStringLiteral("Check missing entry"), QStringLiteral("Entry Error"));
        ClearComputedTotals(totals);
        return;
    }
    if (!ComputeCurrentValue(doc_)) {
        ClearComputedTotals(totals);
        return;
    }
    leaving_ = true;
    Windows().unload(kName);
}

void CurrValue::ExitToMenu() {
    leaving_ = true;
    Windows().unload(kName);
    Windows().show(QStringLiteral("FundMenu"));
}

void CurrValue::closeEvent(QCloseEvent* e) {
    // Closing the frame is "E&xit to Menu".
    e->accept();
    if (!leaving_) ExitToMenu();
}

bool CheckEmptyFunds(const PortfolioDocument& doc) {
    if (FirstFundWithoutRecords(doc.portfolio) == 0) return false;
    dialogs::message(
        QStringLiteral("You have Added a Fund Name but have not entered a record in it.") +
            QStringLiteral(" Either delete the Fund name or add a record.") +
            QStringLiteral(" I cannot work with an empty Fund."),
        QStringLiteral("Help"));
    return true;
}

bool ComputeCurrentValue(PortfolioDocument& doc) {
    CurrentValueView view;
    {
        dialogs::WaitCursor wait;
        try {
            view = ComputeFundValues(doc.portfolio, doc.totals, State().settings.currencySymbol);
        } catch (const MoneyOverflow&) {
            view.rows.clear();
        }
    }
    if (view.rows.empty()) {
        dialogs::message(QStringLiteral("Cannot calculate."), QStringLiteral("Error"));
        return false;
    }
    dialogs::WaitCursor wait;
    Table1* table = OpenTable(doc, TableView::CurrentValue);
    table->ShowValues(view);
    Windows().show(QStringLiteral("Table1"));
    return true;
}
