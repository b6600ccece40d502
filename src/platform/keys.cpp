#include "platform/keys.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

int keys::downCode(const QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Tab:
            return 9;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Shift:
            return 16;
        case Qt::Key_Control:
            return 17;
        case Qt::Key_Alt:
            return 18;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Space:
            return 32;
        case Qt::Key_PageUp:
            return 33;
        case Qt::Key_PageDown:
            return 34;
        case Qt::Key_End:
            return 35;
        case Qt::Key_Home:
            return 36;
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Down:
            return 40;
        case Qt::Key_Insert:
            return 45;
        case Qt::Key_Delete:
            return 46;
        // Punctuation has key codes of its own: "." must not read as Delete (46).
        case Qt::Key_Period:
            return (e->modifiers() & Qt::KeypadModifier) ? 110 : 190;
        case Qt::Key_Comma:
            return 188;
        case Qt::Key_Minus:
            return (e->modifiers() & Qt::KeypadModifier) ? 109 : 189;
        case Qt::Key_Slash:
            return (e->modifiers() & Qt::KeypadModifier) ? 111 : 191;
        default:
            break;
    }
    const int k = e->key();
    if ((k >= Qt::Key_0 && k <= Qt::Key_9) || (k >= Qt::Key_A && k <= Qt::Key_Z)) return k;
    if (k >= Qt::Key_F1 && k <= Qt::Key_F12) return 112 + (k - Qt::Key_F1);
    return 255;  // a key with no code of its own: never mistaken for one that has
}

// The character code of a typed key, or 0 when the key types nothing.
int keys::pressCode(const QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Delete:
            return 0;
        default:
            break;
    }
    const QString t = e->text();
    if (t.isEmpty()) return 0;
    const int c = t.at(0).unicode();
    if (c == 127) return 127;
    if (c < 32 && !(e->modifiers() & Qt::ControlModifier)) return 0;
    return c;
}

namespace {

QKeyEvent makePress(int code) {
    Qt::Key key = Qt::Key_unknown;
    QString text;
    if (code == 8) {
        key = Qt::Key_Backspace;
        text = QString(QChar(8));
    } else if (code == 13) {
        key = Qt::Key_Return;
        text = QStringLiteral("\r");
    } else {
        text = QString(QChar(code));
        const QChar up = QChar(code).toUpper();
        if (up.unicode() < 128 && up.isPrint()) key = static_cast<Qt::Key>(up.unicode());
    }
    return QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text);
}

}  // namespace

KeyHook::KeyHook(QWidget* control) : QObject(control), target_(control) {
    control->installEventFilter(this);
    if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
        combo->lineEdit()->installEventFilter(this);
}

KeyHook* KeyHook::on(QWidget* control) {
    if (auto* existing = control->findChild<KeyHook*>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    return new KeyHook(control);
}

bool KeyHook::eventFilter(QObject* watched, QEvent* event) {
    if (replaying_ || event->type() != QEvent::KeyPress) return false;
    auto* e = static_cast<QKeyEvent*>(event);
    if (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab) return false;
    // Alt+letter belongs to the access keys of the window.
    if (e->modifiers() & Qt::AltModifier) return false;
    // The edit box of a drop-down list: the key is delivered here and never
    // travels on to the list, so the hook sees each key once.
    const bool editOfList = watched != target_;
    auto deliver = [&](QKeyEvent* ev) {
        replaying_ = true;
        if (editOfList) {
            ev->setAccepted(true);
            static_cast<QObject*>(watched)->event(ev);
            // Keys the edit box leaves (arrows, page keys) belong to the list.
            if (!ev->isAccepted()) static_cast<QObject*>(target_)->event(ev);
        } else
            QApplication::sendEvent(watched, ev);
        replaying_ = false;
        return true;
    };
    // The desktop's editing keys are commands of the box, not typed characters.
    if (keys::isEditingCommand(e)) return editOfList ? deliver(e) : false;
    if (keyDown) {
        int code = keys::downCode(e);
        keyDown(code);
        if (code == 0) return true;
    }
    const int code = keyPress ? keys::pressCode(e) : 0;
    if (code == 0) return editOfList ? deliver(e) : false;
    const int result = keyPress(code);
    if (result == 0) return true;
    if (result == code) return editOfList ? deliver(e) : false;
    QKeyEvent replacement = makePress(result);
    return deliver(&replacement);
}

namespace keys {

bool isEditingCommand(const QKeyEvent* e) {
    for (const auto command : {QKeySequence::SelectAll, QKeySequence::Copy, QKeySequence::Cut,
                               QKeySequence::Undo, QKeySequence::Redo})
        if (e->matches(command)) return true;
    return false;
}

void sendDown(QWidget* w) {
    if (!w) return;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

void type(QWidget* w, const QString& text) {
    for (QChar c : text) {
        QKeyEvent e = makePress(c.unicode());
        QWidget* receiver = w;
        if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->lineEdit())
            receiver = combo->lineEdit();
        QApplication::sendEvent(receiver, &e);
    }
}

}  // namespace keys
