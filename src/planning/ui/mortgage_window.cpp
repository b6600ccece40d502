#include "planning/ui/mortgage_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "common/key_filters.h"
#include "common/number_format.h"
#include "planning/model/calculator_charts.h"
#include "planning/model/mortgage_extras_help.h"
#include "planning/model/mortgage_extras_report.h"
#include "planning/model/mortgage_help.h"
#include "planning/model/mortgage_report.h"
#include "planning/ui/extra_payments_window.h"
#include "platform/controls.h"
#include "platform/grid.h"
#include "platform/twips.h"
#include "platform/window_registry.h"
#include "shell/model/help_topics.h"
#include "shell/ui/app_state.h"

namespace {

constexpr int kClientWidth = 9480, kClientHeight = 6360;
constexpr int kLabelWidth = 2265, kBoxLeft = 90, kBoxWidth = 2080, kResultWidth = 2085;
constexpr int kGridLeft = 2295, kGridTop = 60, kGridWidth = 7170, kGridHeight = 5835;

QLabel* resultLabel(QWidget* parent, const char* name, int top) {
    QLabel* label = makeLabel(parent, QString::fromLatin1(name), QString(), kBoxLeft, top,
                              kResultWidth, 315, false);
    label->setAlignment(Qt::AlignCenter);
    setBackColour(label, colours::Green);
    return label;
}

}  // namespace

CdnMort* CdnMort::open(MortgageMode mode) {
    return Windows().showIn<CdnMort>(QStringLiteral("CdnMort"), mode);
}

CdnMort::CdnMort(MortgageMode mode, QWidget* parent)
    : CalculatorWindow(
          CalculatorTableShape{
              .lastInput = 5, .lastYearRow = 500, .lastComparisonRow = 2, .lastComparisonCol = 3},
          parent),
      mode_(mode) {
    const bool loan = mode == MortgageMode::Loan;
    // F1 opens the manual at the section of this use of the window.
    if (loan) setProperty(kHelpSectionProperty, QLatin1String(kLoansHelp));
    setWindowTitle(loan ? QStringLiteral("Monthly Payments on a Loan")
                        : QStringLiteral("Mortgage Tables"));
    twips::setClientSize(this, kClientWidth, kClientHeight);
    setBackColour(this, colours::Grey);

    // The input column's captions: their blanks break them into lines at the column's width.
    auto caption = [this](const char* name, const QString& text, int top, int height) {
        return StyleInputCaption(
            makeLabel(this, QString::fromLatin1(name), text, 0, top, kLabelWidth, height));
    };
    caption("Label1",
            loan ? QStringLiteral(" Amount of Loan.") : QStringLiteral(" Amount of Mortgage."), 60,
            820);
    QLineEdit* principal =
        makeInputBox(this, QStringLiteral("InPrincipal"), kBoxLeft, 480, kBoxWidth, 360);
    caption("Label2", QStringLiteral(" Annual Interest Rate (%)."), 930, 825);
    QComboBox* rate = makeInputList(this, QStringLiteral("InRate"), kBoxLeft, 1380, kBoxWidth, 315);
    caption("Label3", loan ? QStringLiteral(" Term in Months.") : QStringLiteral(" Term in Years."),
            1800, 795);
    QComboBox* term = makeInputList(this, QStringLiteral("InTerm"), kBoxLeft, 2220, kBoxWidth, 315);
    caption("Label6", QStringLiteral(" Interest Compounding      Periods per Year."), 2640, 825);
    comperiod_ = new QComboBox(this);
    comperiod_->setObjectName(QStringLiteral("Comperiod"));
    twips::place(comperiod_, kBoxLeft, 3090, kBoxWidth, 315);
    for (const Compounding& c : kCompoundings) comperiod_->addItem(QString::fromUtf16(c.text));
    comperiod_->setCurrentIndex(0);
    caption("Label4", QStringLiteral(" Monthly Principal Plus      Interest Payment."), 3510, 825);
    monthPI_ = resultLabel(this, "InMonthPI", 3960);
    caption("Label5", QStringLiteral(" Total of Monthly               Payments each Year."), 4380,
            855);
    totYear_ = resultLabel(this, "TotYear", 4860);
    caption("Label8", QStringLiteral(" Total of all Payments."), 5280, 615);
    allPayments_ = resultLabel(this, "AllPayments", 5520);

    addInput(principal, 1, NumericKeyFilter, BoxFormat::money(16));
    addInput(rate, 2, NumericKeyFilter, BoxFormat::rate(16));
    addInput(term, 3, WholeNumberKeyFilter, BoxFormat::years(16));
    addChoiceList(comperiod_);
    addResultLabel(monthPI_);
    addResultLabel(totYear_);
    addResultLabel(allPayments_);

    // The added strip first: the window's opening size includes it.
    extrasStrip_ = AddExtrasStrip(this, kClientWidth, kClientHeight);
    for (QLabel* label : extrasStrip_.results) addResultLabel(label);
    Controls c = makeButtonRow("Label7", kClientWidth,
                               {{"ExitButton", "E&xit to Menu", 360, 1545},
                                {"Ptr3", " To &Printer", 2340, 1455},
                                {"Graphs", "&Show Graph", 4185, 1500},
                                {"Help4", "&Help", 5985, 1455},
                                {"Calc4", "&Calculate", 7785, 1455}});
    placeGridAndHelp(c, QStringLiteral("Grid4"), kGridLeft, kGridTop, kGridWidth, kGridHeight);

    chainTabOrder({principal, rate, term, comperiod_}, c);
    setTabOrder(c.helpPanel, extrasStrip_.button);
    connect(extrasStrip_.button, &QPushButton::clicked, this, [this] { EditExtras(); });

    SetupGrid();
    // The defaults read as typed: the amount with a "$" whatever the currency symbol.
    setInput(1, Money::fromInt(loan ? 10000 : 100000));
    setInputText(1, loan ? QStringLiteral("  $10,000.00") : QStringLiteral(" $100,000.00"));
    setInput(2, Money::fromInt(10));
    setInputText(2, QStringLiteral("         10.00%"));
    setInput(3, Money::fromInt(loan ? 12 : 25));
    setInputText(3, loan ? QStringLiteral("           12") : QStringLiteral("           25"));
    setListEntries(rate, {QStringLiteral("6 "), QStringLiteral("7 "), QStringLiteral("8 "),
                          QStringLiteral("9 "), QStringLiteral("10 ")});
    setListEntries(
        term,
        loan ? QStringList{QStringLiteral("24"), QStringLiteral("36"), QStringLiteral("48")}
             : QStringList{QStringLiteral("20 "), QStringLiteral("25 "), QStringLiteral("30 ")});
    clearInputEdited();
}

void CdnMort::SetupGrid() {
    CalculatorGridLayout layout;
    layout.rows = 25;
    layout.headingHeight = 500;
    layout.widthIncrements = {480, 1300, 1410, 1410};
    layout.headings = {mode() == MortgageMode::Loan ? QStringLiteral("Month Number")
                                                    : QStringLiteral("Year Number"),
                       QStringLiteral("    Interest     Payment"),
                       QStringLiteral("    Principal     Payment"),
                       QStringLiteral("  Remaining     Balance")};
    // Narrower than the grid's default, so the balance column ends at the scroll bar.
    layout.defaultColWidth = 510;
    LayOutCalculatorGrid(grid(), layout);
}

QString CdnMort::helpText() const {
    const QString help = MortgageHelpText(mode());
    return extras_.any() ? WithExtrasHelp(help) : help;
}

void CdnMort::EditExtras() {
    commitPendingEdit();
    const std::optional<MortgageExtras> typed = AskExtraPayments(extras_);
    if (!typed || *typed == extras_) return;
    extras_ = *typed;
    if (extras_.any())
        LayOutExtrasGrid(grid(), mode() == MortgageMode::Loan);
    else
        SetupGrid();
    ResetResults();
}

MortgageInputs CdnMort::inputs() const {
    const AppState& s = State();
    MortgageInputs in;
    in.mode = mode();
    in.amount = s.CalcInputs.at(1);
    in.ratePercent = s.CalcInputs.at(2);
    in.term = s.CalcInputs.at(3);
    in.perYear = CompoundingFor(comperiod_->currentText()).perYear;
    return in;
}

void CdnMort::calculation() {
    AppState& s = State();
    last_.reset();
    const MortgageInputs in = inputs();
    const bool loan = in.mode == MortgageMode::Loan;
    // A refused term leaves the grid its size (ResetResults has blanked it).
    if (loan ? refusedPastYearLimit(in.term.toDouble(), kLoanMonthLimit, kLoanLimitYears)
             : refusedPastYearLimit(in.term.toDouble(), kMortgageYearLimit))
        return;
    prepareGrid(RoundedYears(in.term), 4);
    // Everything is worked out before anything is shown: a failure leaves the
    // labels, the grid and the chart empty.
    const MortgageSchedule schedule = CalculateMortgage(in);
    std::optional<ExtraSchedule> withExtras;
    if (extras_.any()) withExtras = CalculateWithExtras(in, schedule, extras_);
    if (withExtras)
        StoreExtraTable(*withExtras, s.YearTable);
    else
        StoreMortgageTable(schedule, s.YearTable);
    showFigure(monthPI_, MonthlyPaymentText(schedule, s.settings.currencySymbol));
    showFigure(totYear_, YearlyPaymentsText(schedule, s.settings.currencySymbol));
    showFigure(allPayments_, AllPaymentsText(schedule, s.settings.currencySymbol));
    if (withExtras) {
        prepareGrid(withExtras->totals.period, 4);
        fillGrid(1, ExtraGridSource(*withExtras, s.settings.currencySymbol));
        extrasStrip_.show(ExtraResultTexts(*withExtras, s.settings.currencySymbol));
    } else {
        fillGrid(1, MortgageGridSource(schedule, s.settings.currencySymbol));
    }
    resetGridSelection();
    setGraphPoints(
        static_cast<int>(withExtras ? withExtras->totals.period : RoundedYears(in.term)));
    last_ = Calculated{in, schedule, extras_, withExtras};
}

ChartData CdnMort::graphHandOver() const {
    if (!last_) return {};
    const QString& symbol = State().settings.currencySymbol;
    return last_->withExtras ? YearChart(*last_->withExtras, last_->inputs, symbol)
                             : YearChart(last_->schedule, last_->inputs, symbol);
}

void CdnMort::printReport(PrintDevice& device) {
    const AppState& s = State();
    // The last calculation, as it was shown; before any, the inputs alone.
    if (last_) {
        const int lines = PrintMortgageReport(device, last_->inputs, &last_->schedule, s.settings);
        if (last_->withExtras)
            PrintExtrasSection(device, last_->inputs.mode, last_->extras, *last_->withExtras,
                               s.settings, lines);
    } else {
        PrintMortgageReport(device, inputs(), nullptr, s.settings);
    }
}
