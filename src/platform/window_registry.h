// The window registry: every window exists at most once, is created when first
// referred to, keeps its contents while hidden and is destroyed when unloaded.
// Every window it makes follows the desktop rules of platform/window_rules.h.
#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

class WindowRegistry {
  public:
    using Factory = std::function<QWidget*()>;

    static WindowRegistry& instance();

    // Says how the window of this name is made.
    void define(const QString& name, Factory factory);
    bool defined(const QString& name) const { return factories_.contains(name); }

    // The window, created on first reference.
    QWidget* get(const QString& name);
    template <class W>
    W* get(const QString& name) {
        return qobject_cast<W*>(get(name));
    }
    // Shows the window of this name opened in `mode` (a typed value the window's
    // constructor takes and its `mode()` returns): made as W(mode) when it does
    // not exist, or when it stands in another mode (that one is unloaded first).
    template <class W, class Mode>
    W* showIn(const QString& name, Mode mode) {
        W* w = getIn<W>(name, mode);
        show(name);
        return w;
    }
    // The same, made but not shown.
    template <class W, class Mode>
    W* getIn(const QString& name, Mode mode) {
        if (auto* w = qobject_cast<W*>(windows_.value(name)); w && w->mode() != mode) unload(name);
        return qobject_cast<W*>(exists(name) ? get(name) : add(name, new W(mode)));
    }
    // Takes `w`, made by its opener, as the window of this name, in place of
    // the defined way of making it. The name must not be in use.
    QWidget* add(const QString& name, QWidget* w);
    // True while the window exists (created and not unloaded).
    bool exists(const QString& name) const;
    bool visible(const QString& name) const;

    // Shows the window modelessly, on top and with the focus. A window shown
    // for the first time that its own code has not placed opens where the
    // home window stands: exactly there when it has the home window's size,
    // centred on it otherwise. The backdrop is shown behind, without the focus.
    void show(const QString& name);
    void showModal(const QString& name);  // returns when it is hidden or unloaded
    void hide(const QString& name);
    // Destroys the window; the next reference creates a new one.
    void unload(const QString& name);
    void unloadAll();

    // The window whose place the tool windows take (the main menu).
    void setHome(const QString& name) { home_ = name; }

  private:
    void place(QWidget* w);
    QString home_;
    QHash<QString, Factory> factories_;
    QHash<QString, QPointer<QWidget>> windows_;
};

// Short forms used by the windows.
inline WindowRegistry& Windows() {
    return WindowRegistry::instance();
}
