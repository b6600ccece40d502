#include "platform/window_registry.h"

#include "platform/accessibility.h"
#include "platform/dialogs.h"
#include "platform/window_places.h"
#include "platform/window_rules.h"

WindowRegistry& WindowRegistry::instance() {
    static WindowRegistry registry;
    return registry;
}

void WindowRegistry::define(const QString& name, Factory factory) {
    factories_.insert(name, std::move(factory));
}

QWidget* WindowRegistry::get(const QString& name) {
    if (auto it = windows_.find(name); it != windows_.end() && *it) return *it;
    const auto f = factories_.find(name);
    if (f == factories_.end()) return nullptr;
    // Before the window is built: Qt makes a control's accessible interface at its first change.
    accessibility::install();
    return add(name, (*f)());
}

QWidget* WindowRegistry::add(const QString& name, QWidget* w) {
    // A window its opener made (in a run, always after the menu, so the interfaces are in place).
    accessibility::install();
    if (!w) return nullptr;
    w->setObjectName(name);
    // The window manager and desktop tools tell the program's windows apart by their role.
    w->setWindowRole(name);
    window_rules::apply(w);
    windows_.insert(name, w);
    return w;
}

bool WindowRegistry::exists(const QString& name) const {
    const auto it = windows_.find(name);
    return it != windows_.end() && !it->isNull();
}

bool WindowRegistry::visible(const QString& name) const {
    const auto it = windows_.find(name);
    return it != windows_.end() && *it && (*it)->isVisible();
}

void WindowRegistry::place(QWidget* w) {
    // A window the user sized and placed opens where it was left.
    if (window_places::restore(w)) return;
    if (home_.isEmpty() || w->objectName() == home_ || !exists(home_)) return;
    const QWidget* home = windows_.value(home_);
    const bool backdrop = window_rules::isBackdrop(w);
    // The backdrop always stands where the menu does; other windows are placed
    // once, unless their own code placed them.
    if (!backdrop && w->testAttribute(Qt::WA_Moved)) return;
    if (w->size() == home->size())
        w->move(home->pos());
    else if (!backdrop)
        w->move(home->frameGeometry().center() - QPoint(w->width() / 2, w->height() / 2));
}

void WindowRegistry::show(const QString& name) {
    QWidget* w = get(name);
    if (!w) return;
    place(w);
    w->show();
    if (window_rules::isBackdrop(w)) {
        w->lower();
        return;
    }
    w->raise();
    w->activateWindow();
}

void WindowRegistry::showModal(const QString& name) {
    if (QWidget* w = get(name)) dialogs::showModal(w);
}

void WindowRegistry::hide(const QString& name) {
    if (exists(name)) windows_.value(name)->hide();
}

void WindowRegistry::unload(const QString& name) {
    const auto it = windows_.find(name);
    if (it == windows_.end()) return;
    QPointer<QWidget> w = *it;
    windows_.erase(it);
    if (w) {
        w->hide();
        // The window may be unloading itself from one of its own handlers.
        w->deleteLater();
    }
}

void WindowRegistry::unloadAll() {
    const auto names = windows_.keys();
    for (const QString& n : names) unload(n);
}
