#include "planning/ui/extra_payments_window.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/key_filters.h"
#include "common/number_format.h"
#include "planning/model/calculator_figures.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/twips.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "shell/ui/input_conventions_ui.h"

namespace {

const QString kName = QStringLiteral("ExtraPay");
// No payment past the longest term (50 years of months) is ever made.
constexpr int kLastPayment = kMortgageYearLimit * 12;
constexpr int kRowTop = 1020, kRowStep = 360, kBoxHeight = 330;

QLabel* aqua(QWidget* parent, const QString& name, const QString& caption, int left, int top,
             int width) {
    QLabel* l = makeLabel(parent, name, caption, left, top, width, 300, false);
    setBackColour(l, colours::Aqua);
    return l;
}

QLineEdit* figureBox(QWidget* parent, const QString& name, int left, int top, int width) {
    QLineEdit* box = makeInputBox(parent, name, left, top, width, kBoxHeight);
    box->setMaxLength(18);
    return box;
}

}  // namespace

ExtraPay::ExtraPay(const MortgageExtras& current, QWidget* parent)
    : QWidget(parent), figures_(current) {
    setWindowTitle(QStringLiteral("Extra Payments"));
    twips::setClientSize(this, 5160, 6000);
    setBackColour(this, colours::Grey);

    aqua(this, QStringLiteral("Label1"), QStringLiteral(" Extra with every Payment"), 120, 150,
         2640);
    perPayment_ = figureBox(this, QStringLiteral("InExtra"), 2880, 135, 2160);
    aqua(this, QStringLiteral("Label2"), QStringLiteral(" Lump Sum"), 600, 660, 2160);
    aqua(this, QStringLiteral("Label3"), QStringLiteral(" at Payment"), 2880, 660, 2160);
    QList<QWidget*> order{perPayment_};
    for (int i = 0; i < kLumpSumCount; ++i) {
        const int top = kRowTop + i * kRowStep;
        QLabel* n = makeLabel(this, QStringLiteral("Number%1").arg(i + 1),
                              QStringLiteral("%1.").arg(i + 1), 120, top + 30, 420, 300, false);
        n->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lump_[static_cast<size_t>(i)] =
            figureBox(this, QStringLiteral("InLump%1").arg(i + 1), 600, top, 2160);
        at_[static_cast<size_t>(i)] =
            figureBox(this, QStringLiteral("InAt%1").arg(i + 1), 2880, top, 2160);
        order << lump_[static_cast<size_t>(i)] << at_[static_cast<size_t>(i)];
    }
    const int buttons = kRowTop + kLumpSumCount * kRowStep + 120;
    ok_ =
        makeButton(this, QStringLiteral("Accept"), QStringLiteral("&OK"), 120, buttons, 1560, 375);
    QPushButton* cancel = makeButton(this, QStringLiteral("NoAccept"), QStringLiteral("&Cancel"),
                                     1800, buttons, 1560, 375);
    QPushButton* clear = makeButton(this, QStringLiteral("ClearAll"), QStringLiteral("C&lear"),
                                    3480, buttons, 1560, 375);
    order << ok_ << cancel << clear;
    chainTabOrder(order);
    connect(ok_, &QPushButton::clicked, this, [this] { Accept(); });
    connect(cancel, &QPushButton::clicked, this, [this] { Cancel(); });
    connect(clear, &QPushButton::clicked, this, [this] { Clear(); });

    // Enter moves down the boxes to OK; typed and pasted keys pass the number filters.
    for (int i = 0; i + 1 < order.size() - 2; ++i) {
        auto* box = static_cast<QLineEdit*>(order.at(i));
        const bool whole = i > 0 && i % 2 == 0;
        ApplyNumberBoxRules(box, whole ? WholeNumberKeyFilter : NumericKeyFilter, order.at(i + 1));
        box->installEventFilter(this);
        display(box);
    }
    perPayment_->setFocus();
}

void ExtraPay::display(QLineEdit* box) {
    const QString& symbol = State().settings.currencySymbol;
    if (box == perPayment_) {
        box->setText(figures_.perPayment.isZero()
                         ? QString()
                         : BoxFormat::money(16).text(figures_.perPayment, symbol));
        return;
    }
    for (size_t i = 0; i < lump_.size(); ++i) {
        const LumpSum& l = figures_.lumpSums[i];
        if (box == lump_[i])
            box->setText(l.amount.isZero() ? QString()
                                           : BoxFormat::money(16).text(l.amount, symbol));
        if (box == at_[i]) box->setText(l.payment == 0 ? QString() : QString::number(l.payment));
    }
}

bool ExtraPay::commit(QLineEdit* box) {
    const std::optional<Money> typed =
        BoxFormat::read(box->text(), State().settings.currencySymbol);
    bool fits = typed.has_value() && *typed >= Money();
    if (fits && box == perPayment_) figures_.perPayment = RoundedToCents(*typed);
    for (size_t i = 0; fits && i < lump_.size(); ++i) {
        if (box == lump_[i]) figures_.lumpSums[i].amount = RoundedToCents(*typed);
        if (box == at_[i]) {
            fits = *typed <= Money::fromInt(kLastPayment);
            if (fits) figures_.lumpSums[i].payment = static_cast<int>(typed->wholePart());
        }
    }
    display(box);
    if (!fits) dialogs::message(QStringLiteral("Wrong entry, try again"), QStringLiteral("Help"));
    return fits;
}

bool ExtraPay::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !finished_) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            commit(static_cast<QLineEdit*>(watched));
    }
    return QWidget::eventFilter(watched, event);
}

void ExtraPay::Accept() {
    // Every box is read again: one typed into that still has the focus (Alt+O) counts too.
    if (!commit(perPayment_)) return;
    for (size_t i = 0; i < lump_.size(); ++i)
        if (!commit(lump_[i]) || !commit(at_[i])) return;
    for (size_t i = 0; i < lump_.size(); ++i) {
        const LumpSum& l = figures_.lumpSums[i];
        if (!l.amount.isZero() && l.payment == 0) {
            at_[i]->setFocus();
            dialogs::message(QStringLiteral("Wrong entry, try again"), QStringLiteral("Help"));
            return;
        }
    }
    finish(figures_);
}

void ExtraPay::Cancel() {
    finish(std::nullopt);
}

void ExtraPay::Clear() {
    figures_ = MortgageExtras{};
    display(perPayment_);
    for (size_t i = 0; i < lump_.size(); ++i) {
        display(lump_[i]);
        display(at_[i]);
    }
    perPayment_->setFocus();
}

void ExtraPay::finish(std::optional<MortgageExtras> reply) {
    if (finished_) return;
    finished_ = true;
    emit answered(reply);
    Windows().unload(kName);
}

void ExtraPay::closeEvent(QCloseEvent* event) {
    // Closing the frame (or Escape) is Cancel.
    if (!finished_) finish(std::nullopt);
    event->accept();
}

std::optional<MortgageExtras> AskExtraPayments(const MortgageExtras& current) {
    Windows().unload(kName);
    Windows().define(kName, [current] { return new ExtraPay(current); });
    std::optional<MortgageExtras> reply;
    const QMetaObject::Connection answer =
        QObject::connect(Windows().get<ExtraPay>(kName), &ExtraPay::answered,
                         [&reply](const std::optional<MortgageExtras>& r) { reply = r; });
    Windows().showModal(kName);
    QObject::disconnect(answer);
    Windows().unload(kName);
    return reply;
}
