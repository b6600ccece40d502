#include "planning/ui/k401_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "common/key_filters.h"
#include "planning/model/calculator_charts.h"
#include "planning/model/calculator_figures.h"
#include "planning/model/k401_help.h"
#include "planning/model/k401_report.h"
#include "platform/controls.h"
#include "platform/grid.h"
#include "platform/twips.h"
#include "shell/ui/app_state.h"

namespace {

constexpr int kClientWidth = 9480, kClientHeight = 6360;
// The boxes stand kK401BoxSpacing apart, the first one's middle level with the
// middle of the help panel's prompt line for it (under the panel's frame and
// document margin).
constexpr int kPanelLeft = 2430, kPanelTop = 60, kPanelWidth = 6990, kPanelHeight = 5835;
constexpr int kPanelInset = 75;
constexpr int kBoxHeight = 330, kBoxLeft = 75, kBoxWidth = 1830;
constexpr int kFirstBoxTop = kPanelTop + kPanelInset + kK401HelpLineTwips * kK401FirstPromptLine +
                             kK401HelpLineTwips / 2 - kBoxHeight / 2;
constexpr int kLabelHeight = 390, kLabelWidth = 2370;

struct Box {
    const char* name;
    const char* label;
    int slot;
    int defaultValue;
};

}  // namespace

PlanK::PlanK(QWidget* parent) : CalculatorWindow(CalculatorTableShape{}, parent) {
    setWindowTitle(QStringLiteral("401(k) Investment Growth Calculations"));
    twips::setClientSize(this, kClientWidth, kClientHeight);
    setBackColour(this, colours::Grey);

    // Top to bottom, which is also the Enter order.
    const Box boxes[] = {
        {"InCurrBal", " Current balance in the 401(k)  account.", 1, 10000},
        {"InCurrSal", " Your current annual salary.", 2, 50000},
        {"InCntrbRate", " Your annual 401(k) rate(%) of  contribution.", 3, 5},
        {"InCompRate", " The Company contribution      rate(%).", 4, 4},
        {"InAnnSalRaise", " Estimated rate(%) of annual    salary raise.", 5, 4},
        {"InRetnRate", " Annual rate(%)  of return on    your 401(k).", 6, 10},
        {"InInflRate", " Estimated rate(%) of annual    inflation.", 7, 0},
        {"InNumYears", " The number of years to          retirement.", 8, 25},
    };

    QList<QWidget*> tabOrder;
    int block = 0;
    for (const Box& b : boxes) {
        const int boxTop = kFirstBoxTop + block * kK401BoxSpacing;
        StyleInputCaption(makeLabel(this, QStringLiteral("Label%1").arg(block + 1),
                                    QString::fromLatin1(b.label), 0, boxTop - kLabelHeight,
                                    kLabelWidth, kLabelHeight));
        QLineEdit* box =
            makeTextBox(this, QString::fromLatin1(b.name), kBoxLeft, boxTop, kBoxWidth, kBoxHeight);
        setBoxColour(box, colours::Yellow);
        box->setAlignment(Qt::AlignRight);
        // After an edit the amounts show with one more leading place.
        const BoxFormat format = b.slot <= 2 ? BoxFormat::money(13, QStringLiteral("####,,###.00"))
                                 : b.slot == 8 ? BoxFormat::years(15)
                                               : BoxFormat::rate(14);
        addInput(box, b.slot, NumericKeyFilter, format, InputOptions{.deleteEmpties = true});
        tabOrder << box;
        ++block;
    }

    Controls c = makeButtonRow();
    placeGridAndHelp(c, QStringLiteral("Grid7"), kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight);
    // A prompt that wrapped would push the ones below it off their boxes.
    c.helpPanel->setLineWrapMode(QPlainTextEdit::NoWrap);

    chainTabOrder(tabOrder, c);

    SetupGrid();
    for (const Box& b : boxes) setInput(b.slot, Money::fromInt(b.defaultValue));
    // At load the amounts show with the shorter picture.
    const BoxFormat loaded = BoxFormat::money(13, QStringLiteral("###,,###.00"));
    for (int slot : {1, 2})
        setInputText(slot, loaded.text(State().CalcInputs.at(static_cast<size_t>(slot)),
                                       State().settings.currencySymbol));
}

void PlanK::SetupGrid() {
    CalculatorGridLayout layout;
    layout.rows = 25;
    layout.headingHeight = 500;
    layout.widthIncrements = {150, 750, 750, 1000, 1000};
    layout.headings = {QStringLiteral("Year Number"), QStringLiteral("  Annual    Salary"),
                       QStringLiteral(" Combined Contributions"),
                       QStringLiteral(" Interest/Growth Compounded"),
                       QStringLiteral("      Current        Value")};
    LayOutCalculatorGrid(grid(), layout);
}

QString PlanK::helpText() const {
    return K401HelpText();
}

void PlanK::calculation() {
    AppState& s = State();
    last_.reset();
    const K401Inputs in = K401Inputs::fromCalcInputs(s.CalcInputs);
    const int64_t years = K401Years(in);
    // A row for the balance besides the total row.
    if (!startYearGrid(years, kK401YearLimit, 5)) return;
    const K401Plan plan = CalculateK401(in);
    StoreK401YearTable(plan, s.YearTable);
    fillGrid(1, K401GridSource(plan, s.settings.currencySymbol));
    resetGridSelection();
    setGraphPoints(static_cast<int>(plan.years));
    last_ = Calculated{in, plan};
}

ChartData PlanK::graphHandOver() const {
    return last_ ? YearChart(last_->plan, State().settings.currencySymbol) : ChartData{};
}

void PlanK::printReport(PrintDevice& device) {
    if (last_) {
        PrintK401(device, last_->inputs, last_->plan, State().settings.currencySymbol);
    } else {
        PrintK401(device, K401Inputs::fromCalcInputs(State().CalcInputs), K401Plan{},
                  State().settings.currencySymbol);
    }
}
