#include "planning/ui/capital_required_window.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "common/key_filters.h"
#include "planning/model/calculator_charts.h"
#include "planning/model/calculator_figures.h"
#include "planning/model/capital_required_help.h"
#include "planning/model/capital_required_report.h"
#include "platform/controls.h"
#include "platform/grid.h"
#include "platform/twips.h"
#include "shell/ui/app_state.h"

namespace {

constexpr int kClientWidth = 9480, kClientHeight = 6360;
// The input column: one block per box, label above and box below, spaced as
// the help panel's lines (four to a block) so the example stands level.
constexpr int kBlockTop = 60, kBlockHeight = 840, kLabelWidth = 1980;
constexpr int kBoxLeft = 75, kBoxOffset = 450, kBoxWidth = 1830, kBoxHeight = 330;
constexpr int kGridLeft = 2010, kGridTop = 60, kGridWidth = 7440, kGridHeight = 5835;

using Box = CalculatorBox;

}  // namespace

CalCaptl::CalCaptl(QWidget* parent)
    : CalculatorWindow(CalculatorTableShape{.lastInput = 3}, parent) {
    setWindowTitle(QStringLiteral("Amount of Annual Investment Required"));
    twips::setClientSize(this, kClientWidth, kClientHeight);
    setBackColour(this, colours::Grey);

    // Top to bottom, which is also the Enter order.
    const Box boxes[] = {
        {"InLumpInv",
         "Label1",
         " Amount of Capital I want  on Retirement.",
         1,
         100000,
         {"100000", "200000", "300000", "400000", "500000", "600000"}},
        {"InRate",
         "Label2",
         " Annual Interest/Growth    Rate (%).",
         2,
         20,
         {"10", "12.5", "15", "17.5", "20"}},
        {"InTerm",
         "Label3",
         " At the end of how many    Years.",
         3,
         25,
         {"5", "10", "15", "20", "25", "30"}},
    };
    const BoxFormat formats[] = {BoxFormat::money(18), BoxFormat::rate(20), BoxFormat::years(21)};

    QList<QWidget*> tabOrder;
    int block = 0;
    for (const Box& b : boxes) {
        const int top = kBlockTop + block * kBlockHeight;
        StyleInputCaption(makeLabel(this, QString::fromLatin1(b.labelName),
                                    QString::fromLatin1(b.label), 0, top, kLabelWidth,
                                    kBlockHeight - 30));
        QComboBox* box = makeInputList(this, QString::fromLatin1(b.name), kBoxLeft,
                                       top + kBoxOffset, kBoxWidth, kBoxHeight);
        addInput(box, b.slot, b.slot == 3 ? WholeNumberKeyFilter : NumericKeyFilter,
                 formats[block]);
        tabOrder << box;
        ++block;
    }

    Controls c = makeButtonRow();
    placeGridAndHelp(c, QStringLiteral("Grid1"), kGridLeft, kGridTop, kGridWidth, kGridHeight);

    chainTabOrder(tabOrder, c);

    SetupGrid();
    for (const Box& b : boxes) setInput(b.slot, Money::fromInt(b.defaultValue), b.entries);
}

void CalCaptl::SetupGrid() {
    CalculatorGridLayout layout;
    layout.rows = 25;
    layout.headingHeight = 500;
    layout.widthIncrements = {365, 1400, 1400, 1450};
    layout.headings = {QStringLiteral("Year Number"),
                       QStringLiteral("     Annual       Investment"),
                       QStringLiteral("Interest/Growth Compounded"),
                       QStringLiteral("        Current           Value")};
    LayOutCalculatorGrid(grid(), layout);
}

QString CalCaptl::helpText() const {
    return CapitalRequiredHelpText(State().settings.currencySymbol);
}

void CalCaptl::calculation() {
    AppState& s = State();
    last_.reset();
    const CapitalInputs in = CapitalInputs::fromCalcInputs(s.CalcInputs);
    const int64_t years = CapitalYears(in);
    if (!startYearGrid(years, kCapitalYearLimit, 4)) return;
    // A zero rate or term throws: the base says "Wrong entry, try again" and
    // the grid stays blank.
    const CapitalPlan plan = CalculateCapitalRequired(in);
    StoreCapitalYearTable(plan, s.YearTable);
    fillYearGrid(plan.years, kCapitalGridColumns);
    setGraphPoints(static_cast<int>(plan.years));
    last_ = Calculated{in, plan};
}

ChartData CalCaptl::graphHandOver() const {
    return last_ ? YearChart(last_->plan, State().settings.currencySymbol) : ChartData{};
}

void CalCaptl::printReport(PrintDevice& device) {
    if (last_) {
        PrintCapitalRequired(device, last_->inputs, last_->plan, State().settings.currencySymbol);
    } else {
        PrintCapitalRequired(device, CapitalInputs::fromCalcInputs(State().CalcInputs),
                             CapitalPlan{}, State().settings.currencySymbol);
    }
}
