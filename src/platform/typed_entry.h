// TypedEntry: text that enters a box by paste, middle click, drag and drop or an input method
// arrives as typed keys, through the box's own key hook.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QLineEdit;
class QWidget;

// Installed on a text box (or the edit box of an editable drop-down list), it
// turns every way of putting text into the box that is not a key press into
// key presses: Ctrl+V / Shift+Insert (any paste key), the context menu's
// Paste, the middle click's selection paste, a drop and an input method's
// committed text. Each character is then sent as a typed key, so the box's
// KeyHook filters it, runs its first-key rule and counts it exactly as typing.
// Control characters of such text (line breaks, tabs) are dropped first: they
// are never typed characters. Install the box's KeyHook before or after; the
// order does not matter. Undo (Ctrl+Z) brings back what the box showed when it
// took the focus, and redo puts the edit back; both are edits of the box.
class TypedEntry : public QObject {
    Q_OBJECT
  public:
    // The box's TypedEntry, installed on first use. `onEdit`, when given,
    // replaces the callback run after every change of the text by the user
    // (keys, pastes, drops, and also the context menu's Cut, Delete and Undo);
    // setText() and clear() from the program do not run it.
    static TypedEntry* install(QWidget* box, std::function<void()> onEdit = {});

    // Types `text` into the box at its cursor as described above.
    void typeText(const QString& text);
    // Pastes the clipboard (or the selection) as typed keys.
    void pasteClipboard(bool selection = false);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit TypedEntry(QWidget* box, QLineEdit* edit);
    bool showContextMenu(const QPoint& globalPos);

    void undoEntry(bool redo);

    QWidget* box_;
    QLineEdit* edit_;
    std::function<void()> onEdit_;
    // Undo brings back the text the box held before the user began to change it
    // (since it took the focus); redo the text undo replaced.
    bool editing_ = false;
    QString entered_;
    std::optional<QString> undone_;
};
