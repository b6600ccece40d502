#include "platform/window_rules.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QWidget>
#include <QWindow>

#include "platform/accessibility.h"

#if defined(VANTORA_XCB) && QT_CONFIG(xcb)
#include <xcb/xcb.h>
#define VANTORA_X11 1
#endif

namespace window_rules {
namespace {

constexpr char kApplied[] = "vantoraWindowRules";
constexpr char kBackdrop[] = "vantoraBackdrop";
constexpr char kExitButton[] = "vantoraExitButton";

bool fixedSize(const QWidget* w) {
    return w->minimumSize() == w->maximumSize();
}

Qt::WindowFlags withType(Qt::WindowFlags flags, Qt::WindowType type) {
    return (flags & ~Qt::WindowType_Mask) | type;
}

// A frame with a title, a system menu and the given buttons, nothing else.
Qt::WindowFlags frameFlags(const QWidget* w, Qt::WindowType type, Qt::WindowFlags buttons) {
    Qt::WindowFlags f =
        w->windowFlags() & ~(Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint |
                             Qt::WindowContextHelpButtonHint | Qt::WindowFullscreenButtonHint);
    return withType(f, type) | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
           Qt::WindowSystemMenuHint | buttons;
}

void setFlagsIfChanged(QWidget* w, Qt::WindowFlags flags) {
    if (w->windowFlags() != flags) w->setWindowFlags(flags);
}

bool isEnter(const QKeyEvent* e) {
    const auto mods = e->modifiers() & ~Qt::KeypadModifier;
    return (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && mods == Qt::NoModifier;
}

struct LoneBackdrop {
    QPointer<const QWidget> home;
    std::function<void()> action;
};
LoneBackdrop& loneBackdrop() {
    static LoneBackdrop lone;
    return lone;
}

// True when a window of the program other than `backdrop` and the home window is shown (on the
// screen or minimized).
bool toolWindowShown(const QWidget* backdrop) {
    const auto windows = QApplication::topLevelWidgets();
    for (const QWidget* w : windows) {
        const Qt::WindowType type = w->windowType();
        if (w != backdrop && w != loneBackdrop().home && w->isVisible() &&
            (type == Qt::Window || type == Qt::Dialog))
            return true;
    }
    return false;
}

// Frame close and Enter on a button, for one window.
class Rules : public QObject {
  public:
    explicit Rules(QWidget* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_) return false;
        if (event->type() == QEvent::Show) accessibility::nameControls(window_);
        if (event->type() == QEvent::Close) return close(static_cast<QCloseEvent*>(event));
        // A key the focused control left unhandled arrives here.
        if (event->type() == QEvent::KeyPress && isEnter(static_cast<QKeyEvent*>(event))) {
            auto* button = qobject_cast<QPushButton*>(window_->focusWidget());
            if (button && button->isEnabled() && button->isVisible()) {
                button->click();
                return true;
            }
        }
        return false;
    }

  private:
    bool close(QCloseEvent* e) {
        if (isBackdrop(window_)) {
            e->ignore();
            // With no tool window shown it could be a dead end: its action brings the home
            // window back.
            if (loneBackdrop().action && !toolWindowShown(window_))
                QMetaObject::invokeMethod(window_, loneBackdrop().action, Qt::QueuedConnection);
            return true;
        }
        QAbstractButton* exit = exitButton(window_);
        // While the exit action runs, a close it asks for itself goes through.
        if (!exit || exiting_) return false;
        e->ignore();
        exiting_ = true;
        QPointer<Rules> alive(this);
        exit->click();
        if (alive) exiting_ = false;
        return true;
    }

    QWidget* window_;
    bool exiting_ = false;
};

#ifdef VANTORA_X11
xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(c, 0, static_cast<uint16_t>(qstrlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, cookie, nullptr);
    const xcb_atom_t a = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    free(reply);
    return a;
}
#endif

// Asks the window manager to leave the backdrop out of the taskbar and the
// pager. Set on the window before it is mapped; Qt adds its own states
// (below the other windows) to these when it maps the window.
void skipTaskbar(QWidget* w) {
#ifdef VANTORA_X11
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection()) return;
    xcb_connection_t* c = x11->connection();
    const xcb_atom_t state = atom(c, "_NET_WM_STATE");
    const xcb_atom_t states[] = {atom(c, "_NET_WM_STATE_SKIP_TASKBAR"),
                                 atom(c, "_NET_WM_STATE_SKIP_PAGER"),
                                 atom(c, "_NET_WM_STATE_BELOW")};
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(w->winId()), state,
                        XCB_ATOM_ATOM, 32, 3, states);
    xcb_flush(c);
#else
    Q_UNUSED(w);
#endif
}

class Backdrop : public QObject {
  public:
    explicit Backdrop(QWidget* window) : QObject(window) { window->installEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The show event comes before the window is mapped.
        if (event->type() == QEvent::Show) skipTaskbar(static_cast<QWidget*>(watched));
        return false;
    }
};

// A modal window minimized on its own (some window managers offer it from the
// window menu whatever the frame says) comes back at once: the windows behind
// it wait for it, so the user would be left with nothing to click. Minimized
// together with the window it belongs to, it stays with that window.
class KeepModalShown : public QObject {
  public:
    explicit KeepModalShown(QWidget* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::WindowStateChange &&
            window_->isMinimized() && window_->isVisible() && !ownerMinimized()) {
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (!window_->isVisible() || !window_->isMinimized()) return;
                    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
                    window_->show();
                    window_->raise();
                    window_->activateWindow();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

  private:
    bool ownerMinimized() const {
        const QWindow* handle = window_->windowHandle();
        const QWindow* owner = handle ? handle->transientParent() : nullptr;
        return owner && owner->windowStates().testFlag(Qt::WindowMinimized);
    }
    QWidget* window_;
};

constexpr char kModal[] = "vantoraModal";

}  // namespace

void apply(QWidget* window) {
    if (!window || window->property(kApplied).toBool()) return;
    window->setProperty(kApplied, true);
    accessibility::install();
    new Rules(window);
    if (fixedSize(window) && !isBackdrop(window))
        setFlagsIfChanged(window,
                          frameFlags(window, Qt::Window,
                                     Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint));
}

void setExitButton(QAbstractButton* button) {
    if (button && button->window())
        button->window()->setProperty(kExitButton, button->objectName());
}

QAbstractButton* exitButton(QWidget* window) {
    const QString marked = window->property(kExitButton).toString();
    const auto buttons = window->findChildren<QAbstractButton*>();
    for (QAbstractButton* b : buttons)
        if (!marked.isEmpty() && b->objectName() == marked) return b;
    if (!marked.isEmpty()) return nullptr;
    for (QAbstractButton* b : buttons)
        if (b->window() == window && b->text().startsWith(QStringLiteral("E&xit"))) return b;
    return nullptr;
}

void makeBackdrop(QWidget* window) {
    if (isBackdrop(window)) return;
    window->setProperty(kBackdrop, true);
    window->setFocusPolicy(Qt::NoFocus);
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    // A close button, so that a user left with the backdrop alone has a way back (the lone
    // backdrop action); with a tool window shown, closing it does nothing.
    setFlagsIfChanged(window, frameFlags(window, Qt::Window, Qt::WindowCloseButtonHint) |
                                  Qt::WindowStaysOnBottomHint | Qt::WindowDoesNotAcceptFocus);
    new Backdrop(window);
}

void setLoneBackdropAction(const QWidget* home, std::function<void()> action) {
    loneBackdrop() = {home, std::move(action)};
}

bool isBackdrop(const QWidget* window) {
    return window && window->property(kBackdrop).toBool();
}

void prepareModal(QWidget* window, QWidget* owner) {
    setFlagsIfChanged(window, frameFlags(window, Qt::Dialog, Qt::WindowCloseButtonHint));
    if (!window->property(kModal).toBool()) {
        window->setProperty(kModal, true);
        new KeepModalShown(window);
        // Escape closes it as its frame's close button does (Cancel, or its exit).
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
        escape->setContext(Qt::WindowShortcut);
        QObject::connect(escape, &QShortcut::activated, window, [window] { window->close(); });
    }
    if (owner == window) owner = nullptr;
    if (!window->testAttribute(Qt::WA_Moved)) {
        // Over its owner; with none shown, where the backdrop stands (the window that asked
        // stood there).
        QRect over = owner ? owner->frameGeometry() : QRect();
        if (!owner) {
            const auto windows = QApplication::topLevelWidgets();
            for (QWidget* w : windows)
                if (w->isVisible() && isBackdrop(w)) over = w->frameGeometry();
        }
        if (over.isValid()) {
            window->move(over.center() - QPoint(window->width() / 2, window->height() / 2));
        }
    }
    // Kept above its owner and minimized with it; with no owner shown, Qt makes
    // a dialog stay above every window of the program.
    window->winId();
    if (QWindow* handle = window->windowHandle()) {
        QWindow* parent = nullptr;
        if (owner && owner->isVisible() && !isBackdrop(owner)) {
            owner->winId();
            parent = owner->windowHandle();
        }
        handle->setTransientParent(parent);
    }
}

namespace {

class FirstFrameWatch : public QObject {
  public:
    FirstFrameWatch(QWidget* widget, std::function<void()> action)
        : QObject(widget), action_(std::move(action)) {
        widget->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint && watched == parent()) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this,
                [this] {
                    action_();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

  private:
    std::function<void()> action_;
};

}  // namespace

QObject* afterFirstFrame(QWidget* widget, std::function<void()> action) {
    return new FirstFrameWatch(widget, std::move(action));
}

}  // namespace window_rules
