#include "shell/ui/input_conventions_ui.h"

#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>

#include "common/key_filters.h"
#include "platform/dialogs.h"
#include "platform/keys.h"
#include "platform/twips.h"
#include "platform/typed_entry.h"

int AsDecimalPoint(int keyAscii) {
    // Where the desktop's language writes a decimal comma (its keypad types
    // one too), a comma typed for a figure is meant as the point.
    if (keyAscii == ',' && QLocale().decimalPoint() == QStringLiteral(",")) return '.';
    return keyAscii;
}

int FilterKey(KeyFilter filter, int keyAscii) {
    int result = filter(keyAscii);
    if (result == 0 && AsDecimalPoint(keyAscii) != keyAscii)
        result = filter(AsDecimalPoint(keyAscii));
    if (result == 0) dialogs::beep();
    return result;
}

void ApplyNumberBoxRules(QWidget* box, KeyFilter filter, QWidget* next,
                         std::function<void()> onDelete) {
    KeyHook* hook = KeyHook::on(box);
    hook->keyPress = [filter, next](int key) {
        if (key == keycode::Enter) {
            if (next) next->setFocus(Qt::TabFocusReason);
            return 0;
        }
        return FilterKey(filter, key);
    };
    TypedEntry::install(box);
    if (onDelete) {
        hook->keyDown = [onDelete](int& code) {
            if (code == keycode::Delete) onDelete();
        };
    }
}

namespace {
constexpr int kQuote = '"';

// The last character of `text` that is not a double quote (a surrogate pair counts as one).
QString lastSymbolCharacter(const QString& text) {
    for (int i = static_cast<int>(text.size()) - 1; i >= 0; --i) {
        if (text.at(i) == QChar(kQuote) || text.at(i).isLowSurrogate()) {
            if (text.at(i).isLowSurrogate() && i > 0 && text.at(i - 1).isHighSurrogate())
                return text.mid(i - 1, 2);
            continue;
        }
        return text.mid(i, 1);
    }
    return QString();
}
}  // namespace

void ApplyNameBoxRules(QLineEdit* box, QWidget* next) {
    KeyHook::on(box)->keyPress = [next](int key) {
        if (key == keycode::Enter && next) {
            next->setFocus(Qt::TabFocusReason);
            return 0;
        }
        if (key == kQuote) {
            dialogs::beep();
            return 0;
        }
        return key;
    };
    TypedEntry::install(box);
}

void ApplySymbolBoxRules(QLineEdit* box) {
    KeyHook::on(box)->keyPress = [box](int key) {
        if (key == kQuote) {
            dialogs::beep();
            return 0;
        }
        if (key == keycode::Backspace) {
            box->clear();
            return 0;
        }
        // Other control keys (Ctrl+C, Ctrl+A...) are commands, not characters.
        if (key >= 32) box->clear();
        return key;
    };
    // Whatever else changed the text (undo, a drop of several characters typed
    // one by one) leaves one character.
    TypedEntry::install(box, [box] {
        const QString text = box->text();
        const QString kept = lastSymbolCharacter(text);
        if (kept != text) box->setText(kept);
    });
}

HelpPanel::HelpPanel(Parts parts) : p_(std::move(parts)) {
    p_.panel->hide();
    setBoxColour(p_.panel, p_.colour);
    KeyHook::on(p_.panel)->keyPress = [this](int key) {
        if (key == keycode::Enter) {
            if (p_.firstInput) p_.firstInput->setFocus(Qt::OtherFocusReason);
        } else {
            dialogs::beep();
        }
        return 0;
    };
    // Delete and Backspace edit nothing either.
    KeyHook::on(p_.panel)->keyDown = [](int& code) {
        if (code == keycode::Delete) {
            dialogs::beep();
            code = 0;
        }
    };
}

bool HelpPanel::isOpen() const {
    return p_.button->text() == QStringLiteral("Close &Help");
}

void HelpPanel::toggle() {
    if (!isOpen()) {
        open();
    } else if (p_.reset) {
        p_.reset();
    } else {
        close();
    }
}

void HelpPanel::open() {
    p_.button->setText(QStringLiteral("Close &Help"));
    for (QWidget* w : p_.disabledWhileOpen) w->setEnabled(false);
    if (p_.grid) p_.grid->hide();
    p_.panel->setPlainText(
        p_.text ? QString(p_.text()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                : QString());
    p_.panel->moveCursor(QTextCursor::Start);
    p_.panel->show();
    p_.panel->raise();
    p_.panel->setFocus(Qt::OtherFocusReason);
}

void HelpPanel::close() {
    clearText();
    p_.panel->hide();
    p_.button->setText(QStringLiteral("&Help"));
    for (QWidget* w : p_.disabledWhileOpen) w->setEnabled(true);
    if (p_.grid) p_.grid->show();
}

void HelpPanel::clearText() {
    p_.panel->clear();
}
