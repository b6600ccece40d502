#include "planning/ui/retirement_income_window.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "common/key_filters.h"
#include "planning/model/calculator_charts.h"
#include "planning/model/calculator_figures.h"
#include "planning/model/calculator_tables.h"
#include "planning/model/retirement_income_help.h"
#include "planning/model/retirement_income_report.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/grid.h"
#include "platform/twips.h"
#include "shell/ui/app_state.h"

namespace {

constexpr int kClientWidth = 9480, kClientHeight = 6360;
// The input column: one block per box, label above and box below.
constexpr int kBlockTop = 60, kBlockHeight = 840, kLabelWidth = 1980;
constexpr int kBoxLeft = 75, kBoxOffset = 450, kBoxWidth = 1830, kBoxHeight = 330;
constexpr int kGridLeft = 2010, kGridTop = 60, kGridWidth = 7440, kGridHeight = 5835;

const QString kPercentageLabel =
    QStringLiteral(" Annual Income Withdrawn  as a (%) of Current Value.");
const QString kFixedAmountLabel = QStringLiteral(" Monthly Amount of Cash     Withdrawn.");

QStringList entries(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* t : texts) list << QString::fromLatin1(t);
    return list;
}

const BoxFormat kMoney = BoxFormat::money(18);
const BoxFormat kRate = BoxFormat::rate(18);
const BoxFormat kYears = BoxFormat::years(21);

}  // namespace

Income::Income(QWidget* parent)
    : CalculatorWindow(CalculatorTableShape{.lastInput = 5, .lastYearRow = kRetirementLastRow},
                       parent) {
    setWindowTitle(QStringLiteral("Retirement Income Calculation"));
    twips::setClientSize(this, kClientWidth, kClientHeight);
    setBackColour(this, colours::Grey);

    auto blockTop = [](int block) { return kBlockTop + block * kBlockHeight; };
    // The input column's captions: their blanks break them into lines at the column's width.
    auto caption = [this](const char* name, const QString& text, int top,
                          int height = kBlockHeight - 30) {
        return StyleInputCaption(
            makeLabel(this, QString::fromLatin1(name), text, 0, top, kLabelWidth, height));
    };
    auto inputList = [this, &blockTop](const char* name, int block) {
        return makeInputList(this, QString::fromLatin1(name), kBoxLeft,
                             blockTop(block) + kBoxOffset, kBoxWidth, kBoxHeight);
    };
    caption("Label1", QStringLiteral(" Current Value of your         Investment on Retirement"),
            blockTop(0));
    QComboBox* invest = inputList("InInvest", 0);
    caption("Label2", QStringLiteral(" Annual Interest/Growth      Rate (%)."), blockTop(1));
    QComboBox* rate = inputList("InRate", 1);
    withdrawalLabel_ = caption("Label4", kPercentageLabel, blockTop(2));
    rateDrawn_ = inputList("InRateDrawn", 2);
    termLabel_ = caption("Label3", QStringLiteral(" Time in Years."), blockTop(3));
    term_ = inputList("InTerm", 3);
    addInput(invest, 1, NumericKeyFilter, kMoney);
    addInput(rate, 2, NumericKeyFilter, kRate);
    addInput(rateDrawn_, 3, NumericKeyFilter, kRate);
    addInput(term_, 4, WholeNumberKeyFilter, kYears);

    caption("Label5", QStringLiteral(" Withdrawal choices:"), blockTop(4), 300);
    percentage_ = new QRadioButton(QStringLiteral("Percentage"), this);
    percentage_->setObjectName(QStringLiteral("Option1"));
    twips::place(percentage_, 120, blockTop(4) + 360, 1800, 300);
    fixedAmount_ = new QRadioButton(QStringLiteral("Fixed Amount"), this);
    fixedAmount_->setObjectName(QStringLiteral("Option2"));
    twips::place(fixedAmount_, 120, blockTop(4) + 690, 1800, 300);
    connect(percentage_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) ChooseWithdrawal(WithdrawalChoice::Percentage);
    });
    connect(fixedAmount_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) ChooseWithdrawal(WithdrawalChoice::FixedAmount);
    });

    Controls c = makeButtonRow(QStringLiteral("Help2"), QStringLiteral("Ptr"));
    placeGridAndHelp(c, QStringLiteral("Grid2"), kGridLeft, kGridTop, kGridWidth, kGridHeight);

    chainTabOrder({invest, rate, rateDrawn_, term_, percentage_, fixedAmount_}, c);

    SetupGrid();
    setInput(1, Money::fromInt(500000),
             entries({"500000", "600000", "700000", "800000", "900000", "1000000"}));
    setInput(2, Money::fromInt(10), entries({"10", "12.5 ", "15", "17.5 ", "20"}));
    percentage_->setChecked(true);
}

void Income::SetupGrid() {
    CalculatorGridLayout layout;
    layout.rows = 25;
    layout.headingHeight = 500;
    layout.widthIncrements = {300, 1350, 1410, 1450};
    layout.headings = {QStringLiteral(" Year Number"),
                       QStringLiteral("   Interest/Growth    Compounded"),
                       QStringLiteral("   Annual Income     Withdrawn"),
                       QStringLiteral("       Current         Value")};
    LayOutCalculatorGrid(grid(), layout);
}

WithdrawalChoice Income::selected() const {
    return fixedAmount_ && fixedAmount_->isChecked() ? WithdrawalChoice::FixedAmount
                                                     : WithdrawalChoice::Percentage;
}

void Income::ChooseWithdrawal(WithdrawalChoice choice) {
    commitPendingEdit();
    QRadioButton* button = choice == WithdrawalChoice::FixedAmount ? fixedAmount_ : percentage_;
    if (!button->isChecked()) {
        button->setChecked(true);  // runs this again through the button
        return;
    }
    refreshHelpText();
    ResetResults();
    ApplyWithdrawalChoice(choice);
}

void Income::ApplyWithdrawalChoice(WithdrawalChoice choice) {
    choice_ = choice;
    const bool fixed = choice == WithdrawalChoice::FixedAmount;
    term_->setVisible(!fixed);
    termLabel_->setVisible(!fixed);
    if (fixed) {
        withdrawalLabel_->setText(kFixedAmountLabel);
        setInputFormat(3, kMoney);
        setInput(1, Money::fromInt(100000));
        setInput(3, Money::fromInt(1000));
        setListEntries(rateDrawn_, entries({"1000", "2000", "3000", "4000"}));
        term_->clear();
        setInputText(4, QString());
    } else {
        withdrawalLabel_->setText(kPercentageLabel);
        setInputFormat(3, kRate);
        setInput(3, Money::fromInt(8));
        setListEntries(rateDrawn_, entries({"10", "12.5", "15", "17.5", "20"}));
        setInput(4, Money::fromInt(20));
        setListEntries(term_, entries({"10", "15", "20", "25", "30"}));
    }
    clearInputEdited();
}

QString Income::helpText() const {
    return RetirementIncomeHelpText(selected(), State().settings.currencySymbol);
}

void Income::calculation() {
    AppState& s = State();
    last_.reset();
    const RetirementIncomeInputs in = RetirementIncomeInputs::fromCalcInputs(s.CalcInputs, choice_);
    const RetirementIncome result = CalculateRetirementIncome(in);
    switch (result.outcome) {
        case RetirementOutcome::PastYearLimit:
            refusedPastYearLimit(static_cast<double>(RoundedYears(in.years)), kRetirementYearLimit);
            return;
        case RetirementOutcome::WithdrawingTooMuch:
            dialogs::message(
                QStringLiteral("Cannot withdraw Annually more than you have in Savings."),
                windowTitle());
            return;
        case RetirementOutcome::Calculated:
            break;
    }
    StoreRetirementTable(result, s.YearTable);
    const int years = static_cast<int>(result.rows.size());
    prepareGrid(years, 4);
    fillYearGrid(years, YearGridColumns{});
    setGraphPoints(static_cast<int>(years));
    last_ = Calculated{in, result};
}

ChartData Income::graphHandOver() const {
    return last_ ? YearChart(last_->result, last_->inputs, State().settings.currencySymbol)
                 : ChartData{};
}

void Income::printReport(PrintDevice& device) {
    if (last_) {
        PrintRetirementIncome(device, last_->inputs, last_->result,
                              State().settings.currencySymbol);
        return;
    }
    const RetirementIncomeInputs in =
        RetirementIncomeInputs::fromCalcInputs(State().CalcInputs, choice_);
    RetirementIncome none;
    none.finalValue = Money();
    PrintRetirementIncome(device, in, none, State().settings.currencySymbol);
}
