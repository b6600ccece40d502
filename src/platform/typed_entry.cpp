#include "platform/typed_entry.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <utility>

#include "platform/keys.h"

namespace {

// The key event a person typing `ch` would send.
QKeyEvent typedKey(const QString& ch) {
    Qt::Key key = Qt::Key_unknown;
    if (ch.size() == 1) {
        const QChar up = ch.at(0).toUpper();
        if (up.unicode() > 32 && up.unicode() < 127) key = static_cast<Qt::Key>(up.unicode());
    }
    return QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, ch);
}

}  // namespace

TypedEntry::TypedEntry(QWidget* box, QLineEdit* edit) : QObject(box), box_(box), edit_(edit) {
    setObjectName(QStringLiteral("TypedEntry"));
    // The key hook is made first so that this filter, installed after it, sees
    // a paste key before the hook would refuse or pass it as a character.
    KeyHook::on(box);
    edit_->installEventFilter(this);
    // A drop-down list keeps the focus for its edit box: keys, the context menu
    // and input-method text arrive at the list, which hands them straight to
    // the edit box without passing its filters.
    if (box_ != edit_) box_->installEventFilter(this);
    connect(edit_, &QLineEdit::textEdited, this, [this] {
        if (onEdit_) onEdit_();
    });
}

TypedEntry* TypedEntry::install(QWidget* box, std::function<void()> onEdit) {
    auto* existing =
        box->findChild<TypedEntry*>(QStringLiteral("TypedEntry"), Qt::FindDirectChildrenOnly);
    if (!existing) {
        QLineEdit* edit = qobject_cast<QLineEdit*>(box);
        if (auto* list = qobject_cast<QComboBox*>(box)) edit = list->lineEdit();
        if (!edit) return nullptr;
        existing = new TypedEntry(box, edit);
    }
    if (onEdit) existing->onEdit_ = std::move(onEdit);
    return existing;
}

void TypedEntry::typeText(const QString& text) {
    if (edit_->isReadOnly()) return;
    for (int i = 0; i < text.size(); ++i) {
        QString ch = text.mid(i, 1);
        if (text.at(i).isHighSurrogate() && i + 1 < text.size()) ch = text.mid(i++, 2);
        const char32_t c = ch.toUcs4().value(0);
        if (c < 32 || c == 127 || (c >= 0x80 && c < 0xA0) || c == 0x2028 || c == 0x2029)
            continue;  // control characters and line separators are never typed
        // Through the box, as the desktop delivers a key, so its hook sees it.
        QKeyEvent e = typedKey(ch);
        QApplication::sendEvent(box_, &e);
    }
}

void TypedEntry::pasteClipboard(bool selection) {
    QClipboard* clip = QGuiApplication::clipboard();
    typeText(clip->text(selection ? QClipboard::Selection : QClipboard::Clipboard));
}

void TypedEntry::undoEntry(bool redo) {
    if (!editing_) return;
    const QString replaced = edit_->text();
    if (redo) {
        if (!undone_) return;
        edit_->setText(*undone_);
        undone_.reset();
    } else {
        if (replaced == entered_) return;
        edit_->setText(entered_);
        undone_ = replaced;
    }
    if (onEdit_) onEdit_();
}

bool TypedEntry::showContextMenu(const QPoint& globalPos) {
    QMenu* menu = edit_->createStandardContextMenu();
    if (!menu) return false;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The box's own actions, known by their captions (the text before the
    // shortcut), are named as the desktop names them.
    const std::pair<const char*, const char*> names[] = {
        {"&Undo", "edit-undo"},      {"&Redo", "edit-redo"},   {"Cu&t", "edit-cut"},
        {"&Copy", "edit-copy"},      {"&Paste", "edit-paste"}, {"Delete", "edit-delete"},
        {"Select All", "select-all"}};
    for (QAction* action : menu->actions()) {
        const QString caption = action->text().section(u'\t', 0, 0);
        for (const auto& [text, name] : names)
            if (caption == QLineEdit::tr(text)) action->setObjectName(QString::fromLatin1(name));
    }
    for (const bool redo : {false, true}) {
        auto* action =
            menu->findChild<QAction*>(QLatin1String(redo ? "edit-redo" : "edit-undo"));
        if (!action) continue;
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        action->setEnabled(redo ? undone_.has_value() : edit_->text() != entered_);
        connect(action, &QAction::triggered, this, [this, redo] { undoEntry(redo); });
    }
    if (auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this, [this] {
            edit_->setFocus(Qt::PopupFocusReason);
            pasteClipboard();
        });
    }
    menu->popup(globalPos);
    return true;
}

bool TypedEntry::eventFilter(QObject* watched, QEvent* event) {
    if (watched != edit_ && watched != box_) return false;
    switch (event->type()) {
        case QEvent::FocusOut:
            if (watched == box_) editing_ = false;
            return false;
        case QEvent::KeyPress:
        case QEvent::ContextMenu:
        case QEvent::InputMethod:
            break;
        case QEvent::MouseButtonRelease:
        case QEvent::Drop:
            if (watched != edit_) return false;  // the mouse is over the edit box itself
            break;
        default:
            return false;  // the box may be on its way out: leave it alone
    }
    if (edit_->isReadOnly()) return false;
    if (event->type() == QEvent::KeyPress) {
        auto* e = static_cast<QKeyEvent*>(event);
        if (e->matches(QKeySequence::Undo) || e->matches(QKeySequence::Redo)) {
            undoEntry(e->matches(QKeySequence::Redo));
            return true;
        }
    }
    // What the box showed before the user began to change it, since it took the focus.
    if (!editing_) {
        editing_ = true;
        entered_ = edit_->text();
        undone_.reset();
    }
    switch (event->type()) {
        case QEvent::KeyPress: {
            auto* e = static_cast<QKeyEvent*>(event);
            if (!e->matches(QKeySequence::Paste)) return false;
            pasteClipboard();
            return true;
        }
        case QEvent::ContextMenu:
            return showContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        case QEvent::MouseButtonRelease: {
            auto* e = static_cast<QMouseEvent*>(event);
            if (e->button() != Qt::MiddleButton ||
                !QGuiApplication::clipboard()->supportsSelection() ||
                !edit_->rect().contains(e->position().toPoint()))
                return false;
            edit_->setFocus(Qt::MouseFocusReason);
            edit_->deselect();
            edit_->setCursorPosition(edit_->cursorPositionAt(e->position().toPoint()));
            pasteClipboard(true);
            return true;
        }
        case QEvent::Drop: {
            auto* e = static_cast<QDropEvent*>(event);
            if (!e->mimeData() || !e->mimeData()->hasText()) return false;
            // A drop is a click into the box followed by typing.
            edit_->setFocus(Qt::MouseFocusReason);
            edit_->deselect();
            edit_->setCursorPosition(edit_->cursorPositionAt(e->position().toPoint()));
            typeText(e->mimeData()->text());
            e->setDropAction(Qt::CopyAction);
            e->accept();
            return true;
        }
        case QEvent::InputMethod: {
            auto* e = static_cast<QInputMethodEvent*>(event);
            // Composition in progress stays with the box; committed text is typed.
            if (e->commitString().isEmpty() || !e->preeditString().isEmpty() ||
                e->replacementLength() != 0)
                return false;
            typeText(e->commitString());
            return true;
        }
        default:
            return false;
    }
}
