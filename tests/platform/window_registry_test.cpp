#include "platform/window_registry.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>

namespace {
int g_made = 0;
QWidget* makeBox() {
    ++g_made;
    auto* w = new QLineEdit;
    return w;
}
void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
}  // namespace

TEST(WindowRegistry, OneOfEachMadeOnFirstReferenceKeptWhileHiddenDestroyedOnUnload) {
    WindowRegistry& r = WindowRegistry::instance();
    r.define(QStringLiteral("TestBox"), makeBox);
    g_made = 0;
    EXPECT_FALSE(r.exists(QStringLiteral("TestBox")));
    auto* box = r.get<QLineEdit>(QStringLiteral("TestBox"));  // reading it creates it
    ASSERT_TRUE(box);
    EXPECT_EQ(box->objectName(), "TestBox");
    EXPECT_EQ(g_made, 1);
    box->setText(QStringLiteral("typed"));
    r.show(QStringLiteral("TestBox"));
    EXPECT_TRUE(r.visible(QStringLiteral("TestBox")));
    r.hide(QStringLiteral("TestBox"));
    EXPECT_FALSE(r.visible(QStringLiteral("TestBox")));
    // Hidden, it keeps its contents; referring to it again makes no second one.
    EXPECT_EQ(r.get<QLineEdit>(QStringLiteral("TestBox"))->text(), "typed");
    r.show(QStringLiteral("TestBox"));
    EXPECT_EQ(g_made, 1);

    r.unload(QStringLiteral("TestBox"));
    EXPECT_FALSE(r.exists(QStringLiteral("TestBox")));
    flushDeletes();
    auto* again = r.get<QLineEdit>(QStringLiteral("TestBox"));
    EXPECT_EQ(g_made, 2);
    EXPECT_EQ(again->text(), "");  // a new window starts empty
    r.unload(QStringLiteral("TestBox"));
    flushDeletes();
}

TEST(WindowRegistry, UnknownNamesAndRepeatedUnloadsAreHarmless) {
    WindowRegistry& r = WindowRegistry::instance();
    EXPECT_EQ(r.get(QStringLiteral("NoSuchWindow")), nullptr);
    r.show(QStringLiteral("NoSuchWindow"));
    r.hide(QStringLiteral("NoSuchWindow"));
    r.unload(QStringLiteral("NoSuchWindow"));
    r.unload(QStringLiteral("NoSuchWindow"));
    EXPECT_FALSE(r.visible(QStringLiteral("NoSuchWindow")));
}

TEST(WindowRegistry, AWindowMayUnloadItselfFromItsOwnHandler) {
    WindowRegistry& r = WindowRegistry::instance();
    r.define(QStringLiteral("SelfUnloader"), makeBox);
    auto* box = r.get<QLineEdit>(QStringLiteral("SelfUnloader"));
    QObject::connect(box, &QLineEdit::textChanged, box,
                     [] { WindowRegistry::instance().unload(QStringLiteral("SelfUnloader")); });
    box->setText(QStringLiteral("x"));  // the handler runs on, inside the unloaded window
    EXPECT_FALSE(r.exists(QStringLiteral("SelfUnloader")));
    flushDeletes();
}
