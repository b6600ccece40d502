// Key events in the classic codes: key down (46 Delete, 40 Down...) and key press (characters, 8,
// 13).
#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Hands a control's keys to its window. keyDown gets every key's code and may
// set it to 0 to swallow the key. keyPress gets the character code of a typed
// key (8 Backspace, 13 Enter, the character otherwise) and returns the code to
// type instead, or 0 to discard the key. Tab and Shift+Tab are left to focus
// navigation. An editable drop-down list is hooked through its edit box.
class KeyHook : public QObject {
    Q_OBJECT
  public:
    std::function<void(int& keyCode)> keyDown;
    std::function<int(int keyAscii)> keyPress;

    // The control's hook, installed on first use.
    static KeyHook* on(QWidget* control);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit KeyHook(QWidget* control);
    QWidget* target_;
    bool replaying_ = false;
};

class QKeyEvent;

namespace keys {
// The classic key-down code of a key event (46 Delete, 40 Down, 13 Enter, the
// upper-case letter or digit; 255 for a key with no code of its own).
int downCode(const QKeyEvent* e);
// The character code a key types (8 Backspace, 13 Enter, the character), or 0
// when it types nothing.
int pressCode(const QKeyEvent* e);
// True for the desktop's editing keys (select all, copy, cut, undo, redo): a key
// hook leaves them to the box, never filtering them as typed characters.
bool isEditingCommand(const QKeyEvent* e);
// Sends a Down-arrow key stroke to `w` (the focused control), as a person would.
void sendDown(QWidget* w);
// Types `text` into `w` key by key, through its hooks (for tests and scripted input).
void type(QWidget* w, const QString& text);
}  // namespace keys
