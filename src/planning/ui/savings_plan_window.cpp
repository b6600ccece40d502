#include "planning/ui/savings_plan_window.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "common/key_filters.h"
#include "common/number_format.h"
#include "planning/model/calculator_charts.h"
#include "planning/model/calculator_figures.h"
#include "planning/model/savings_plan_help.h"
#include "planning/model/savings_plan_report.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/grid.h"
#include "platform/twips.h"
#include "platform/window_registry.h"
#include "shell/model/help_topics.h"
#include "shell/ui/app_state.h"

namespace {

constexpr int kClientWidth = 9480, kClientHeight = 6360;
// The input column: one block per box, label above and box below.
constexpr int kBlockTop = 60, kBlockHeight = 840, kLabelWidth = 1980;
constexpr int kBoxLeft = 75, kBoxOffset = 450, kBoxWidth = 1830, kBoxHeight = 330;
constexpr int kGridLeft = 2010, kGridTop = 60, kGridWidth = 7440, kGridHeight = 5835;
constexpr int kComparisonRowHeight = 225;

using Box = CalculatorBox;

}  // namespace

CalcInpt* CalcInpt::open(SavingsMode mode) {
    return Windows().showIn<CalcInpt>(QStringLiteral("CalcInpt"), mode);
}

CalcInpt::CalcInpt(SavingsMode mode, QWidget* parent)
    : CalculatorWindow(CalculatorTableShape{}, parent), mode_(mode) {
    // F1 opens the manual at this use's section.
    if (mode == SavingsMode::Comparisons)
        setProperty(kHelpSectionProperty, QLatin1String(kComparisonsHelp));
    setWindowTitle(comparing() ? QStringLiteral("Investment Growth Comparisons")
                               : QStringLiteral("Investment Growth Calculations"));
    twips::setClientSize(this, kClientWidth, kClientHeight);
    setBackColour(this, colours::Grey);

    const QStringList money = {QStringLiteral("10000"), QStringLiteral("15000"),
                               QStringLiteral("20000"), QStringLiteral("25000"),
                               QStringLiteral("30000"), QStringLiteral("35000")};
    const QStringList annual = {QStringLiteral("1000"), QStringLiteral("1500"),
                                QStringLiteral("2000"), QStringLiteral("2500"),
                                QStringLiteral("3000"), QStringLiteral("3500")};
    const QStringList rates = {QStringLiteral("10"), QStringLiteral("12.5"), QStringLiteral("15"),
                               QStringLiteral("17.5"), QStringLiteral("20")};
    const QStringList years = {QStringLiteral("5"),  QStringLiteral("10"), QStringLiteral("15"),
                               QStringLiteral("20"), QStringLiteral("25"), QStringLiteral("30")};
    const QStringList small = {QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"),
                               QStringLiteral("6"), QStringLiteral("7")};
    // Top to bottom, which is also the Enter order.
    const Box boxes[] = {
        {"InLumpInv", "Label5", " Amount of  Lump Sum      Invested at Start.", 1, 0, money},
        {"InInvest", "Label1", " Annual Amount Invested   each Year.", 2, 1000, annual},
        {"InIncrRate", "Label8", " Increase the annual         Investment rate(%) by", 6, 0, small},
        {"InRate", "Label2", " Annual Interest/Growth     Rate (%).", 3, 20, rates},
        {"InTerm", "Label3", " Time in Years.", 4, 25, years},
        {"inInflatRate", "Label4", " Adjust for Annual             Inflation Rate (%).", 5, 0,
         small},
    };

    QList<QWidget*> tabOrder;
    int block = 0;
    for (const Box& b : boxes) {
        const int top = kBlockTop + block * kBlockHeight;
        QLabel* label =
            makeLabel(this, QString::fromLatin1(b.labelName), QString::fromLatin1(b.label), 0, top,
                      kLabelWidth, kBlockHeight - 30);
        StyleInputCaption(label);
        QComboBox* box = makeInputList(this, QString::fromLatin1(b.name), kBoxLeft,
                                       top + kBoxOffset, kBoxWidth, kBoxHeight);
        BoxFormat format;
        InputOptions options;
        switch (b.slot) {
            case 1:
            case 2:
                format = BoxFormat::money(18, QStringLiteral("###,,###.00"));
                break;
            case 4:
                format = BoxFormat::years(21);
                break;
            default:
                format = BoxFormat::rate(18);
                break;
        }
        options.acceptsMinus = b.slot == 5 || b.slot == 6;
        addInput(box, b.slot, b.slot == 4 ? WholeNumberKeyFilter : NumericKeyFilter, format,
                 options);
        tabOrder << box;
        ++block;
    }
    const int yearTop = kBlockTop + block * kBlockHeight;
    QLabel* label6 = makeLabel(this, QStringLiteral("Label6"),
                               QStringLiteral(" Calculate for Amounts      Invested throughout  "
                                              "       each:"),
                               0, yearTop, kLabelWidth, kBlockHeight - 30);
    StyleInputCaption(label6);
    QPushButton* year = makeButton(this, QStringLiteral("SmalSav"), QStringLiteral("&Year"), 1020,
                                   yearTop + 480, 870, 300);
    connect(year, &QPushButton::clicked, this, [this] { OpenYearWindow(); });

    Controls c = makeButtonRow();
    placeGridAndHelp(c, QStringLiteral("Grid1"), kGridLeft, kGridTop, kGridWidth, kGridHeight);

    chainTabOrder(tabOrder, c, year);

    SetupGrid();
    for (const Box& b : boxes) setInput(b.slot, Money::fromInt(b.defaultValue), b.entries);
}

void CalcInpt::SetupGrid() {
    CalculatorGridLayout layout;
    if (comparing()) {
        layout.rows = 24;
        layout.headingHeight = 510;
        layout.widthIncrements = {-80, 410, 400, 225, 225, 225, 500, 660};
        layout.headings = {
            QStringLiteral("End Year"),          QStringLiteral("Lump Sum Investment"),
            QStringLiteral("Annual Investment"), QStringLiteral("Interest/ Growth"),
            QStringLiteral("Increase Rate"),     QStringLiteral("Inflation Rate"),
            QStringLiteral("Total Invested"),    QStringLiteral("Current  Value")};
    } else {
        layout.rows = 25;
        layout.headingHeight = 500;
        layout.widthIncrements = {300, 1400, 1400, 1510};
        layout.headings = {QStringLiteral(" Year Number"),
                           QStringLiteral("     Annual       Investment"),
                           QStringLiteral(" Interest/Growth  Compounded"),
                           QStringLiteral("        Current          Value")};
    }
    LayOutCalculatorGrid(grid(), layout);
    // The 23 comparison rows show at once, without scrolling.
    if (comparing())
        for (int r = 1; r < layout.rows; ++r) grid()->setRowHeight(r, kComparisonRowHeight);
}

QString CalcInpt::helpText() const {
    return SavingsPlanHelpText(mode_, State().settings.currencySymbol);
}

void CalcInpt::calculation() {
    AppState& s = State();
    if (comparing() && comparisonsFull()) {
        dialogs::message(QStringLiteral("Limit is 23 entries"), QStringLiteral("Help"));
        setGraphPoints(static_cast<int>(comparisonCount()));
        return;
    }
    const SavingsPlanInputs in = SavingsPlanInputs::fromCalcInputs(s.CalcInputs);
    const bool pastLimit = PastSavingsYearLimit(in);
    if (comparisonCount() <= 0) {
        // A refused term leaves the grid its size: only a term that will be
        // computed sizes it.
        if (!comparing() && !pastLimit) grid()->setRows(GridRowsFor(RoundedYears(in.years), 4));
        grid()->clearBody();
    }
    if (refusedPastYearLimit(static_cast<double>(RoundedYears(in.years)), kSavingsYearLimit))
        return;
    const SavingsPlan plan = CalculateSavingsPlan(in);
    StoreYearTable(plan, s.YearTable);
    if (comparing()) {
        addComparisonRow(ComparisonCells(in, plan), plan.finalValue,
                         ComparisonReportEntry(in, plan));
        setGraphPoints(static_cast<int>(comparisonCount()));
    } else {
        fillYearGrid(plan.yearsComputed, kSavingsGridColumns);
        setGraphPoints(static_cast<int>(plan.years));
    }
    resetGridSelection();
    last_ = Calculated{in, plan};
}

void CalcInpt::printReport(PrintDevice& device) {
    if (comparing()) {
        PrintSavingsComparisons(device, reportText());
        return;
    }
    if (last_) {
        PrintSavingsCalculation(device, last_->inputs, last_->plan,
                                State().settings.currencySymbol);
    } else {
        PrintSavingsCalculation(device, SavingsPlanInputs::fromCalcInputs(State().CalcInputs),
                                SavingsPlan{}, State().settings.currencySymbol);
    }
}

ChartData CalcInpt::graphHandOver() const {
    const QString& symbol = State().settings.currencySymbol;
    if (comparing()) return SavingsComparisonChart(comparisonValues(), symbol);
    return last_ ? YearChart(last_->plan, symbol) : ChartData{};
}

void CalcInpt::afterPrintout() {
    // Each comparisons printout holds the rows calculated since the last one.
    if (comparing()) reportText().clear();
}

void CalcInpt::OpenYearWindow() {
    commitPendingEdit();
    Windows().showModal(QStringLiteral("Calcyear"));
    ResetResults();
    clearInputEdited();
}

void CalcInpt::InsertAnnualAmount(Money amount) {
    AppState& s = State();
    if (s.CalcInputs.size() <= 2) return;
    s.CalcInputs[2] = amount;
    setInputText(2, RightJustifyWhole(Format(amount, u"####,,###.00"), 18));
    // A figure a command puts into a box is an edit of it, as a typed one is: the results shown
    // go. The year window above keeps its own edit state.
    ResetResults();
}
