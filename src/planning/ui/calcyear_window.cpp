#include "planning/ui/calcyear_window.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "common/key_filters.h"
#include "common/number_format.h"
#include "planning/model/calculator_figures.h"
#include "planning/model/year_end_amount.h"
#include "planning/ui/savings_plan_window.h"
#include "platform/accessibility.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/keys.h"
#include "platform/twips.h"
#include "platform/typed_entry.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "shell/ui/input_conventions_ui.h"

namespace {
constexpr int kDepositSlot = 8, kRateSlot = 7;

Money& slot(int index) {
    std::vector<Money>& inputs = State().CalcInputs;
    if (inputs.size() <= static_cast<size_t>(index)) inputs.resize(9);
    return inputs[static_cast<size_t>(index)];
}
}  // namespace

Calcyear::Calcyear(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Investments made during each Year"));
    twips::setClientSize(this, 5520, 3120);
    setBackColour(this, colours::Grey);

    auto aqua = [this](const char* name, const char* caption, int left, int top, int width) {
        QLabel* l = makeLabel(this, QString::fromLatin1(name), QString::fromLatin1(caption), left,
                              top, width, 300, false);
        setBackColour(l, colours::Aqua);
        return l;
    };
    aqua("Label2", " Amount of each Investment", 120, 120, 2520);
    inDeposit_ = makeTextBox(this, QStringLiteral("inDeposit"), 120, 450, 2520, 345);
    aqua("Label3", " Annual Interest/Growth (%)", 120, 960, 2520);
    inRate_ = makeTextBox(this, QStringLiteral("inRate"), 120, 1290, 2520, 345);
    for (QLineEdit* box : {inDeposit_, inRate_}) {
        setBoxColour(box, colours::Yellow);
        box->setAlignment(Qt::AlignRight);
    }

    aqua("Label1", "       Invested", 2880, 120, 2520);
    const char* names[] = {"Option1", "Option2", "Option3"};
    const char* captions[] = {"Monthly", "Quarterly", "Semiannually"};
    for (int i = 0; i < 3; ++i) {
        options_[i] = new QRadioButton(QString::fromLatin1(captions[i]), this);
        options_[i]->setObjectName(QString::fromLatin1(names[i]));
        twips::place(options_[i], 3000, 450 + i * 330, 2400, 300);
        connect(options_[i], &QRadioButton::clicked, this, [this] { Calculate(); });
    }
    options_[0]->setChecked(true);

    aqua("Label4", " Amount at end of Year", 120, 1800, 2520);
    resultAnt_ =
        makeLabel(this, QStringLiteral("ResultAnt"), QString(), 120, 2130, 2520, 345, false);
    resultAnt_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    resultAnt_->setContentsMargins(0, 0, 4, 0);
    setBackColour(resultAnt_, colours::Green);
    accessibility::markResultLabel(resultAnt_);

    calc_ = makeButton(this, QStringLiteral("Calc"), QStringLiteral("&Calculate"), 2880, 1800, 1200,
                       345);
    QPushButton* insert = makeButton(this, QStringLiteral("Insert"), QStringLiteral("&Insert"),
                                     4200, 1800, 1200, 345);
    QPushButton* exit = makeButton(this, QStringLiteral("ExitButton"), QStringLiteral("E&xit"),
                                   2880, 2580, 2520, 375);
    connect(calc_, &QPushButton::clicked, this, [this] { Calculate(); });
    connect(insert, &QPushButton::clicked, this, [this] { Insert(); });
    connect(exit, &QPushButton::clicked, this, [this] { ExitWindow(); });

    wireBox(inDeposit_, inRate_);
    wireBox(inRate_, calc_);
    setTabOrder(inDeposit_, inRate_);
    setTabOrder(inRate_, options_[0]);
    setTabOrder(options_[0], calc_);
    setTabOrder(calc_, insert);
    setTabOrder(insert, exit);
}

int Calcyear::slotOf(const QLineEdit* box) const {
    return box == inDeposit_ ? kDepositSlot : kRateSlot;
}

QString Calcyear::shown(const QLineEdit* box, Money value) const {
    const BoxFormat format = box == inDeposit_ ? BoxFormat::money(13) : BoxFormat::rate(15);
    return format.text(value, State().settings.currencySymbol);
}

void Calcyear::wireBox(QLineEdit* box, QWidget* next) {
    KeyHook* hook = KeyHook::on(box);
    hook->keyPress = [this, box, next](int key) {
        if (key == keycode::Enter) {
            next->setFocus(Qt::TabFocusReason);
            return 0;
        }
        const int typed = FilterKey(NumericKeyFilter, key);
        if (typed == 0) return 0;
        if (!inputEdited_) {
            // The first key typed into a filled box replaces its figure.
            box->clear();
            resultAnt_->clear();
            inputEdited_ = true;
        }
        pending_ = box;
        return typed;
    };
    hook->keyDown = [this, box](int& code) {
        if (code == keycode::Delete) edited(box);
    };
    box->installEventFilter(this);
    // Pasted and dropped text comes in as typed keys; a change made otherwise
    // (the context menu's Cut or Delete, Undo) is an edit as Delete is.
    TypedEntry::install(box, [this, box] {
        if (inputEdited_ && pending_ == box) return;  // a key counted it
        edited(box);
    });
}

void Calcyear::edited(QLineEdit* box) {
    resultAnt_->clear();
    inputEdited_ = true;
    pending_ = box;
}

bool Calcyear::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !closing_ && inputEdited_) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            if (watched == inDeposit_ || watched == inRate_)
                commit(static_cast<QLineEdit*>(watched));
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Calcyear::commit(QLineEdit* box) {
    inputEdited_ = false;
    pending_ = nullptr;
    Money& target = slot(slotOf(box));
    const std::optional<Money> typed =
        BoxFormat::read(box->text(), State().settings.currencySymbol);
    // A figure beyond the currency's range is refused: the box keeps its old figure.
    if (typed) target = *typed;
    box->setText(shown(box, target));
    if (!typed) dialogs::message(QStringLiteral("Wrong entry, try again"), QStringLiteral("Help"));
}

int Calcyear::periods() const {
    if (options_[0]->isChecked()) return 12;
    if (options_[1]->isChecked()) return 4;
    return 2;
}

void Calcyear::Calculate() {
    if (pending_ && inputEdited_) commit(pending_);
    YearEndAmount = Money();
    const Money deposit = slot(kDepositSlot);
    const Money rate = slot(kRateSlot);
    if (rate.isZero()) return;
    try {
        YearEndAmount = ::YearEndAmount(deposit, rate, periods());
    } catch (const MoneyOverflow&) {
        resultAnt_->clear();
        dialogs::message(QStringLiteral("Wrong entry, try again"), QStringLiteral("Help"));
        return;
    }
    resultAnt_->setText(RightJustifyWhole(
        State().settings.currencySymbol + Format(YearEndAmount, u"####,,###.00"), 13));
    accessibility::placeResultInTabOrder(resultAnt_, calc_);
    accessibility::announceResult(resultAnt_);
}

void Calcyear::Insert() {
    if (auto* plan = qobject_cast<CalcInpt*>(Windows().get(QStringLiteral("CalcInpt"))))
        plan->InsertAnnualAmount(YearEndAmount);
}

void Calcyear::ExitWindow() {
    if (closing_) return;
    closing_ = true;
    slot(kDepositSlot) = Money();
    slot(kRateSlot) = Money();
    Windows().unload(QStringLiteral("Calcyear"));
}

void Calcyear::closeEvent(QCloseEvent* event) {
    event->accept();
    ExitWindow();
}
