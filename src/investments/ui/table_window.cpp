#include "investments/ui/table_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <memory>

#include "charts/ui/chart_window.h"
#include "common/money.h"
#include "common/number_format.h"
#include "common/print_device.h"
#include "investments/model/current_value.h"
#include "investments/model/display_records.h"
#include "investments/model/fund_charts.h"
#include "investments/model/portfolio.h"
#include "investments/model/portfolio_document.h"
#include "investments/model/table_report.h"
#include "investments/ui/returns_window.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/grid.h"
#include "platform/twips.h"
#include "platform/window_places.h"
#include "platform/window_registry.h"
#include "shell/model/help_topics.h"
#include "shell/ui/app_state.h"
#include "shell/ui/input_value_window.h"
#include "shell/ui/name_input_window.h"
#include "shell/ui/print_action_ui.h"

namespace {
const QString kName = QStringLiteral("Table1");
}

Table1::Table1(TableView view, PortfolioDocument& doc, QWidget* parent)
    : QWidget(parent), view_(view), doc_(doc) {
    twips::setClientSize(this, 9480, 6360);
    setBackColour(this, colours::Grey);
    grid5_ = new Grid(this);
    grid5_->setObjectName(QStringLiteral("Grid5"));
    twips::place(grid5_, 120, 120, 9240, 5460);
    label1_ = makeLabel(this, QStringLiteral("Label1"), QString(), 0, 5700, 9480, 660);
    label1_->lower();
    printr_ = makeButton(this, QStringLiteral("Printr"), QStringLiteral("To &Printer"), 1080, 5820,
                         2040, 400);
    drwGraph_ = makeButton(this, QStringLiteral("DrwGraph"), QStringLiteral("&Show Graph"), 3720,
                           5820, 2040, 400);
    exitBut_ = makeButton(this, QStringLiteral("ExitBut"), QStringLiteral("E&xit to Menu"), 6360,
                          5820, 2040, 400);
    // The current value table also leads to the annual returns, at the end of the row.
    returnsBut_ = makeButton(this, QStringLiteral("ReturnsBut"), QStringLiteral("&Returns\u2026"),
                             8460, 5820, 960, 400);
    window_places::makeResizable(this, {grid5_});

    // Opening: empty report lists, the first free row, the grid of the view.
    State().ReportText = QStringList(4);
    doc_.reportPages = QStringList(4);
    TableRow = 2;
    grid5_->setRowHeight(0, 500);
    // Underlines and labels wider than their cells are cut, not replaced by "...".
    grid5_->setTextElideMode(Qt::ElideNone);
    // F1 opens the section of the view.
    if (view_ == TableView::Records)
        setProperty(kHelpSectionProperty, QLatin1String(kFundRecordsHelp));
    if (view_ == TableView::CurrentValue) {
        setColumns({2000, 1200, 1150, 1100, 1200, 1150, 1100});
    } else {
        setColumns({1150, 1200, 1100, 1100, 1050, 1050, 1000, 1200});
        returnsBut_->hide();
        drwGraph_->setText(QStringLiteral("&Current Value"));
        if (doc_.cursor.currentFund == kAllRecordsSlot) drwGraph_->hide();
    }

    connect(printr_, &QPushButton::clicked, this, &Table1::Print);
    connect(drwGraph_, &QPushButton::clicked, this, [this] {
        if (view_ == TableView::CurrentValue) {
            ShowGraph();
        } else {
            PriceShownFund();
        }
    });
    connect(exitBut_, &QPushButton::clicked, this, &Table1::ExitToMenu);
    connect(returnsBut_, &QPushButton::clicked, this, [this] { ShowReturnsWindow(doc_); });
}

void Table1::setColumns(const QList<int>& widths) {
    grid5_->setCols(static_cast<int>(widths.size()));
    for (int c = 0; c < widths.size(); ++c) {
        grid5_->setColWidth(c, widths[c]);
        grid5_->setColAlignment(c, c == 0 ? Grid::CellAlign::Left : Grid::CellAlign::Right);
    }
}

void Table1::ShowValues(const CurrentValueView& view) {
    setWindowTitle(QStringLiteral("Current Value of all Funds"));
    grid5_->setRows(35);
    grid5_->clearBody();
    const QStringList headings = ValueTableHeadings();
    for (int c = 0; c < headings.size() && c < grid5_->Cols(); ++c)
        grid5_->setCellText(0, c, headings[c]);
    if (grid5_->Rows() < static_cast<int>(view.rows.size()) + 1)
        grid5_->setRows(static_cast<int>(view.rows.size()) + 1);
    for (size_t r = 0; r < view.rows.size(); ++r)
        for (int c = 0; c < view.rows[r].size() && c < grid5_->Cols(); ++c)
            grid5_->setCellText(static_cast<int>(r) + 1, c, view.rows[r][c]);
    doc_.reportPages[1] = view.page1;
    doc_.reportPages[2] = view.page2;
    grid5_->setSelEndRow(1);
    grid5_->setSelEndCol(0);
}

void Table1::ShowRecords(RecordView view) {
    setWindowTitle(view.caption);
    grid5_->setRows(view.gridRows);
    grid5_->clearBody();
    const QStringList headings = RecordTableHeadings();
    for (int c = 0; c < headings.size() && c < grid5_->Cols(); ++c)
        grid5_->setCellText(0, c, headings[c]);
    TableRow = view.nextRow;
    const int rows = view.rowCount();
    grid5_->setRowSource(1, rows,
                         [shown = std::make_shared<const RecordView>(std::move(view))](int i) {
                             return shown->row(i);
                         });
}

void Table1::PriceShownFund() {
    const QString reply = AskCurrentValue();
    if (reply.isEmpty()) return;
    FundPricing pricing;
    try {
        pricing = PriceFund(doc_.totals, LeadingNumber(reply), State().settings.currencySymbol);
    } catch (const MoneyOverflow&) {
        dialogs::message(QStringLiteral("Cannot calculate."), QStringLiteral("Error"));
        return;
    }
    const int first = TableRow + 2;
    if (grid5_->Rows() < first + static_cast<int>(pricing.rows.size()))
        grid5_->setRows(first + static_cast<int>(pricing.rows.size()));
    for (size_t r = 0; r < pricing.rows.size(); ++r)
        for (int c = 0; c < pricing.rows[r].size(); ++c)
            grid5_->setCellText(first + static_cast<int>(r), 2 + c, pricing.rows[r][c]);
    doc_.reportPages[1] = pricing.summary;
}

void Table1::ShowGraph() {
    ChartData chart = FundCharts(doc_.totals, doc_.portfolio.funds, doc_.portfolio.fundCount,
                                 State().settings.currencySymbol);
    chart.opener = kName;
    Form1::open(std::move(chart));
    Windows().hide(kName);
}

void Table1::Print() {
    if (!dialogs::confirmPrintout()) return;
    const QString header = AskName(QStringLiteral("Enter Printout Header"));
    if (header == u"1") return;  // Cancel
    AppState& s = State();
    const int fund = doc_.cursor.currentFund;
    // The settings as the chosen printer font left them (Courier measures its own lines).
    if (view_ == TableView::CurrentValue) {
        PrintReport(QStringLiteral("Current Value of all Funds"), [&](PrintDevice& d) {
            PrintValueReport(d, header, doc_.reportPages.value(1), doc_.reportPages.value(2),
                             s.settings);
        });
    } else {
        PrintReport(windowTitle(), [&](PrintDevice& d) {
            try {
                const PersonalSettings settings = s.settings;
                const QString summary = doc_.reportPages.value(1);
                PrintRecordReport(d, header, doc_.portfolio, doc_.totals, fund, summary, settings);
            } catch (const MoneyOverflow&) {
                d.line(QStringLiteral("Cannot calculate."));
            }
        });
    }
}

void Table1::ExitToMenu() {
    AppState& s = State();
    drwGraph_->show();
    // The lists stay four entries long: other windows index them.
    s.ReportText = QStringList(4);
    doc_.reportPages = QStringList(4);
    doc_.cursor.currentFund = 0;
    leaving_ = true;
    Windows().unload(kName);
    Windows().show(QStringLiteral("FundMenu"));
}

void Table1::closeEvent(QCloseEvent* e) {
    // Closing the frame is "E&xit to Menu".
    e->accept();
    if (!leaving_) ExitToMenu();
}

Table1* OpenTable(PortfolioDocument& doc, TableView view) {
    Windows().unload(kName);
    return qobject_cast<Table1*>(Windows().add(kName, new Table1(view, doc)));
}

bool DisplayRecords() {
    auto* table = Windows().get<Table1>(kName);
    table->DrwGraph()->hide();
    PortfolioDocument& doc = table->document();
    const int fund = doc.cursor.currentFund;
    RecordView view;
    try {
        dialogs::WaitCursor wait;
        view = BuildRecordView(doc.portfolio, doc.totals, fund, State().settings.currencySymbol);
    } catch (const MoneyOverflow&) {
        dialogs::message(QStringLiteral("Cannot calculate."), QStringLiteral("Error"));
        return false;
    }
    table->ShowRecords(std::move(view));
    if (fund != kAllRecordsSlot) {
        table->DrwGraph()->show();
        table->DrwGraph()->setFocus();
    }
    return true;
}
