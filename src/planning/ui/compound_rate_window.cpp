#include "planning/ui/compound_rate_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "common/key_filters.h"
#include "planning/model/calculator_charts.h"
#include "planning/model/compound_rate.h"
#include "planning/model/compound_rate_help.h"
#include "planning/model/compound_rate_report.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/grid.h"
#include "platform/twips.h"
#include "shell/ui/app_state.h"

namespace {

constexpr int kClientWidth = 9480, kClientHeight = 6360;
constexpr int kGridLeft = 1935, kGridTop = 60, kGridWidth = 7530, kGridHeight = 5835;
constexpr int kLabelWidth = 1905, kLabelHeight = 900;
constexpr int kBoxLeft = 90, kBoxWidth = 1725, kBoxHeight = 315;
// The 23 entry rows show at once, without scrolling, and the six columns fit
// the grid's width with a default column width of 560 twips.
constexpr int kEntryRowHeight = 225;
constexpr int kDefaultColWidth = 560;

const QString kHelpTitle = QStringLiteral("Help");

}  // namespace

FindComp::FindComp(QWidget* parent)
    : CalculatorWindow(
          CalculatorTableShape{
              .lastInput = 3, .lastYearRow = 101, .lastComparisonRow = 28, .lastComparisonCol = 6},
          parent) {
    setWindowTitle(QStringLiteral("Find Annual Compound Rate"));
    twips::setClientSize(this, kClientWidth, kClientHeight);
    setBackColour(this, colours::Grey);

    // Each label, with its box over the label's lower part.
    auto block = [this](const char* labelName, const QString& caption, int top, const char* boxName,
                        int boxTop) {
        QLabel* label = makeLabel(this, QString::fromLatin1(labelName), caption, 0, top,
                                  kLabelWidth, kLabelHeight);
        QFont f = label->font();
        f.setPointSize(8);
        label->setFont(f);
        setBackColour(label, colours::Aqua);
        QLineEdit* box = makeTextBox(this, QString::fromLatin1(boxName), kBoxLeft, boxTop,
                                     kBoxWidth, kBoxHeight);
        setBoxColour(box, colours::Yellow);
        return box;
    };
    QLineEdit* cost = block("Label1", QStringLiteral(" Purchase Cost of       your Investment."),
                            60, "InCost", 570);
    QLineEdit* value = block("Label2", QStringLiteral(" Present or Future       Value.    "), 1020,
                             "InValNow", 1530);
    QLineEdit* term = block("Label3", QStringLiteral(" Term in Years."), 1980, "InTerm", 2460);
    name_ = block("Label4", QStringLiteral(" Optional: Name of      your Investment."), 2940,
                  "NamInv", 3450);
    QLabel* label6 =
        makeLabel(this, QStringLiteral("Label6"), QString(), 0, 3900, kLabelWidth, 1995);
    setBackColour(label6, colours::Aqua);

    const BoxFormat money = BoxFormat::money(18);
    addInput(cost, 1, NumericKeyFilter, money);
    addInput(value, 2, NumericKeyFilter, money);
    addInput(term, 3, WholeNumberKeyFilter, BoxFormat{QStringLiteral("#,,###"), 20});
    for (QLineEdit* box : {cost, value, term}) box->setAlignment(Qt::AlignRight);
    addNameBox(name_);

    Controls c = makeButtonRow("Label5", 9475,
                               {{"ExitButton", "E&xit to Menu", 270, 1545},
                                {"Printr", "To &Printer ", 2160, 1635},
                                {"Graph", "&Show Graph", 4095, 1500},
                                {"Help8", "&Help", 5940, 1410},
                                {"Calc1", "&Calculate", 7650, 1590}});
    placeGridAndHelp(c, QStringLiteral("Grid3"), kGridLeft, kGridTop, kGridWidth, kGridHeight);

    chainTabOrder({cost, value, term, name_}, c);

    SetupGrid();
}

void FindComp::SetupGrid() {
    CalculatorGridLayout layout;
    layout.rows = 24;
    layout.headingHeight = 500;
    layout.widthIncrements = {1570, 200, 750, 750, 400, 400};
    layout.headings = {QStringLiteral("     Name of      Investment"),
                       QStringLiteral("Term in Years"),
                       QStringLiteral("   Cost of     Investment"),
                       QStringLiteral("  Current or    Future Value"),
                       QStringLiteral("Annual Compound"),
                       QStringLiteral("Total Gain/Loss")};
    layout.centredColumns = 2;
    layout.defaultColWidth = kDefaultColWidth;
    LayOutCalculatorGrid(grid(), layout);
    for (int r = 1; r < layout.rows; ++r) grid()->setRowHeight(r, kEntryRowHeight);
    // In 8 points an amount of 14 characters ("$99,999,999.99") fits its column.
    QFont f = grid()->font();
    f.setPointSize(8);
    grid()->setFont(f);
}

QString FindComp::helpText() const {
    return CompoundRateHelpText(State().settings.currencySymbol);
}

void FindComp::calculation() {
    AppState& s = State();
    const CompoundRateInputs in = CompoundRateInputs::fromCalcInputs(s.CalcInputs);
    if (refusedPastYearLimit(in.years.toDouble(), kCompoundYearLimit)) return;
    if (CompoundFigureMissing(in)) {
        dialogs::message(QStringLiteral("All three boxes must contain figures"), kHelpTitle);
        return;
    }
    if (comparisonsFull()) {
        dialogs::message(QStringLiteral("Limit of 23 entries"), kHelpTitle);
        return;
    }
    // The whole entry is worked out first: a failure (a ratio without a
    // logarithm, an overflow) throws here and leaves every table, the grid,
    // the count and the printout as they were.
    const CompoundRateEntry entry = CalculateCompoundRate(in);
    const QString name = name_->text();
    const QStringList cells = CompoundRateCells(in, entry, name, s.settings.currencySymbol);
    const QString reportEntry = CompoundRateReportEntry(in, entry, name, s.settings.currencySymbol);

    if (rowsUsed() == 0) {
        grid()->setRows(24);
        grid()->clearBody();
    }
    StoreCompoundYears(entry, s.YearTable);
    setGraphPoints(static_cast<int>(addComparisonRow(cells, entry.ratePercent, reportEntry)));
    resetGridSelection();
}

void FindComp::printReport(PrintDevice& device) {
    PrintCompoundRates(device, reportText());
}

ChartData FindComp::graphHandOver() const {
    return CompoundRateChart(comparisonValues(), State().settings.currencySymbol);
}
