// The rules every window of the program follows on a desktop, whatever window it is.
#pragma once

#include <functional>

class QAbstractButton;
class QObject;
class QWidget;

namespace window_rules {

// Applied by the window registry to each window it makes:
// - closing the window by its frame acts as its exit button: a click on the
//   button marked with setExitButton, else on the button captioned "E&xit...".
//   A window with no such button handles its own close;
// - Enter (as well as Space) presses a focused command button;
// - a window of fixed size offers no maximize button.
void apply(QWidget* window);

// Marks `button` as the exit button of its window (for an exit button whose
// caption does not begin with "E&xit").
void setExitButton(QAbstractButton* button);
// The window's exit button, or null when it has none.
QAbstractButton* exitButton(QWidget* window);

// Makes `window` the backdrop: it stays behind the program's other windows,
// never takes the focus, is no taskbar or window-switcher entry and cannot be
// maximized or minimized from its frame. Its frame's close button never closes it
// (see setLoneBackdropAction).
void makeBackdrop(QWidget* window);
bool isBackdrop(const QWidget* window);
// What closing the backdrop by its frame does while no window of the program but the backdrop
// and `home` is shown: start-up shows the main menu afresh with it, on top with the focus (also
// when the window manager has lost it), so the backdrop is never a dead end. While a tool window
// is shown, the close is ignored.
void setLoneBackdropAction(const QWidget* home, std::function<void()> action);

// Readies `window` to be shown modally over `owner` (may be null): a dialog
// frame with no minimize or maximize button, kept above its owner by the
// window manager and minimized only with it (minimized alone, it comes back
// at once). A window its own code has not placed is centred over the owner.
// Escape closes it as the frame's close button does.
void prepareModal(QWidget* window, QWidget* owner);

// Runs `action` once `widget` has drawn its first frame, from the event loop after that paint (so
// the frame is on the screen first). The watcher returned belongs to `widget`; deleting it
// before then drops the action.
QObject* afterFirstFrame(QWidget* widget, std::function<void()> action);

}  // namespace window_rules
