#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "common/dates.h"
#include "common/key_filters.h"
#include "investments/model/record_entry.h"
#include "investments/ui/record_entry_window.h"
#include "platform/dialogs.h"
#include "platform/keys.h"
#include "platform/typed_entry.h"
#include "shell/ui/app_state.h"
#include "shell/ui/input_conventions_ui.h"

// The record window's keyboard: what each box takes, where Enter goes, and what
// happens as the focus leaves a box.

void RecordEntry::InstallKeys() {
    KeyHook* fundKeys = KeyHook::on(funds_);
    fundKeys->keyPress = [this](int key) {
        if (key == keycode::Enter) {
            nextRec_->setFocus(Qt::TabFocusReason);
            return 0;
        }
        dialogs::beep();
        return 0;
    };
    fundKeys->keyDown = [](int& code) {
        if (code == keycode::Delete) code = 0;
    };

    KeyHook* codeKeys = KeyHook::on(inTrans_);
    codeKeys->keyPress = [this](int key) {
        EntryValues.fill(Money());
        const CodeKey k = ReadCodeKey(key, inTrans_->text().isEmpty());
        switch (k.kind) {
            case CodeKey::Pass:
                return key;
            case CodeKey::ToDate:
                inDate_->setFocus(Qt::TabFocusReason);
                return 0;
            case CodeKey::Code:
                ResetCodeEntry();
                if (EntryOpen()) HideBoxesForCode(k.text);
                return key;
            case CodeKey::Refused:
                break;
        }
        inTrans_->setText(k.text);
        dialogs::message(QStringLiteral("Transaction Code, one letter, must be:\r\n"
                                        "B=Bought, S=Sold, C=Cash Div, D=Div. Shares, \r\n"
                                        "F=Fee Cash or U=Unit Fee"),
                         QStringLiteral("Help"));
        ResetCodeEntry();
        return 0;
    };
    codeKeys->keyDown = [this](int& code) {
        if (code == keycode::Delete) ResetCodeEntry();
    };

    // Enter moves on by the entry's code; the date box takes date characters, the figure boxes
    // numbers, the first key typed into a figure box replacing what it showed.
    for (QLineEdit* box : {inDate_, inPrice_, inNumber_, inComm_, inCashDiv_}) {
        KeyHook::on(box)->keyPress = [this, box](int key) {
            if (key == keycode::Enter) {
                FieldWidget(NextFieldOnEnter(FieldOf(box), CodeText()))
                    ->setFocus(Qt::TabFocusReason);
                return 0;
            }
            if (box == inDate_) {
                if (DateKeyAccepted(key)) return key;
                dialogs::beep();
                return 0;
            }
            if (EntryStarted == 0) {
                box->clear();
                EntryStarted = 1;
            }
            return FilterKey(NumericKeyFilter, key);
        };
    }

    KeyHook* helpKeys = KeyHook::on(txtBox_);
    helpKeys->keyPress = [](int) {
        dialogs::beep();
        return 0;
    };

    // Pasted, dropped and input-method text arrives as typed keys, through the rules above.
    for (QLineEdit* box : EntryBoxList()) TypedEntry::install(box);

    for (QLineEdit* box : EntryBoxList()) box->installEventFilter(this);
}

bool RecordEntry::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && watched == inTrans_) {
        label9_->show();
        label9_->raise();
        label11_->setText(QStringLiteral(" Transaction Type Code."));
    } else if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (watched == inTrans_) {
            inTrans_->setText(CodeText());
            label9_->hide();
            label11_->setText(QStringLiteral(" Transaction Type."));
        } else if (watched == inDate_) {
            // The date must be one the system reads; the check is skipped when
            // the whole window loses the focus (a message box, another window).
            const bool leavingWindow =
                reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
            if (!checkingDate_ && !leavingWindow &&
                DateNeedsCorrection(CodeText(), inDate_->text())) {
                checkingDate_ = true;
                ShowBadDate();
                inDate_->setFocus(Qt::OtherFocusReason);
                checkingDate_ = false;
            }
        } else if (auto* box = qobject_cast<QLineEdit*>(watched); box && BoxIndex(box) > 0) {
            TakeTypedFigure(box);
        }
    }
    return QWidget::eventFilter(watched, event);
}

// A number box that was typed into keeps its figure, rounded to four decimals.
void RecordEntry::TakeTypedFigure(QLineEdit* box) {
    if (EntryStarted == 0) return;
    EntryStarted = 0;
    const TypedFigure typed = ReadTypedFigure(
        box->text(), box != inNumber_ ? State().settings.currencySymbol : QString());
    if (typed.outOfRange) dialogs::beep();
    EntryValues[static_cast<size_t>(BoxIndex(box))] = typed.value;
    box->setText(typed.shown);
}
