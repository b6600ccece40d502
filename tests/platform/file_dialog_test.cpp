// The file dialog: where it opens, what it gives back, and what a screen reader hears in it.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileDialog>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <functional>
#include <memory>

#include "platform/accessibility.h"
#include "platform/dialogs.h"

namespace {
// Asks for a file in `folder`, proposing `name`; `act` runs in the dialog as soon as it is shown
// (its list may be filling still), and the dialog is cancelled if `act` left it open.
std::optional<QString> Choose(const QString& folder, const std::function<void(QFileDialog*)>& act,
                              const QString& name = QString(), bool save = false) {
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible()) {
                poll.stop();
                const QPointer<QFileDialog> open = d;
                act(d);
                if (open && open->isVisible()) open->reject();
                return;
            }
    });
    poll.start(0);
    return dialogs::chooseFile({.save = save,
                                .filter = QStringLiteral("Database (*.wms)|*.wms"),
                                .proposedName = name,
                                .folder = folder});
}

// Runs the events until `done` (at most 20 s).
bool WaitUntil(const std::function<bool()>& done) {
    QDeadlineTimer limit(20000);
    while (!done() && !limit.hasExpired()) QTest::qWait(2);
    return done();
}

int DialogsLeft() {
    int left = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        left += qobject_cast<QFileDialog*>(w) != nullptr;
    return left;
}
}  // namespace

TEST(FileDialogOpening, OpensModalOverItsWindowInTheFolderAskedFor) {
    QTemporaryDir here;
    auto tool = std::make_unique<QWidget>();
    tool->show();
    struct Case {
        const char* what;
        bool save;
        QString folder;    // asked for
        QString expected;  // where it opens
        const char* title;
    };
    const Case cases[] = {
        {"open", false, here.path(), here.path(), "Open"},
        {"save", true, here.path(), here.path(), "Save As"},
        {"a folder gone since", false, here.filePath(QStringLiteral("gone")), QDir::currentPath(),
         "Open"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bool seen = false;
        Choose(
            c.folder,
            [&](QFileDialog* d) {
                seen = true;
                EXPECT_EQ(d->windowTitle(), QString::fromLatin1(c.title));
                EXPECT_EQ(d->directory().absolutePath(), QDir(c.expected).absolutePath());
                EXPECT_EQ(d->acceptMode(),
                          c.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
                EXPECT_EQ(d->nameFilters(), QStringList{QStringLiteral("Database (*.wms)")});
                EXPECT_EQ(d->parentWidget(), tool.get());
                EXPECT_TRUE(d->isModal());
            },
            QString(), c.save);
        EXPECT_TRUE(seen);
        EXPECT_EQ(DialogsLeft(), 0);  // each request has a dialog of its own, gone once answered
    }
    // The window it belongs to going away while it is open takes it along: nothing is chosen.
    const auto chosen = Choose(here.path(), [&](QFileDialog*) { tool.reset(); });
    EXPECT_FALSE(chosen);
    EXPECT_EQ(DialogsLeft(), 0);
}

TEST(FileDialogOpening, WhatIsTypedAsItOpensGivesWhatItWouldOnceListed) {
    auto tool = std::make_unique<QWidget>();
    tool->show();
    QTemporaryDir dir;
    for (int i = 0; i < 400; ++i) {
        QFile f(dir.filePath(QStringLiteral("Portfolio %1.wms").arg(i)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    struct Case {
        const char* what;
        bool listed;  // the reader waits for the whole list
        QString keys;
        QString chosen;
    };
    const Case cases[] = {
        {"Enter on the proposed name", false, "", "Portfolio 7.wms"},
        {"Enter on the proposed name, listed", true, "", "Portfolio 7.wms"},
        {"a name typed over it", false, "Portfolio 12", "Portfolio 12.wms"},
        {"a name typed over it, listed", true, "Portfolio 12", "Portfolio 12.wms"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto chosen = Choose(
            dir.path(),
            [&](QFileDialog* d) {
                // The name box has the focus, with the proposed name in it.
                QLineEdit* name = nullptr;
                ASSERT_TRUE(WaitUntil([&] {
                    name = qobject_cast<QLineEdit*>(QApplication::focusWidget());
                    return name && name->window() == d;
                }));
                if (c.listed) {
                    auto* view = d->findChild<QTreeView*>();
                    ASSERT_NE(view, nullptr);
                    ASSERT_TRUE(WaitUntil(
                        [&] { return view->model()->rowCount(view->rootIndex()) == 400; }));
                }
                EXPECT_EQ(name->text(), "Portfolio 7.wms");
                if (!c.keys.isEmpty()) {
                    QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
                    QTest::keyClicks(name, c.keys);
                }
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            },
            QStringLiteral("Portfolio 7.wms"));
        EXPECT_EQ(chosen, dir.filePath(c.chosen));
    }
}

// A screen reader hears a name for every control of the dialog that takes the focus, the two
// lists by their captions.
TEST(FileDialogOpening, NamesEveryControlForAScreenReader) {
    accessibility::install();  // as the program's windows do
    QTemporaryDir dir;
    QStringList heard;
    Choose(dir.path(), [&](QFileDialog* d) {
        for (QWidget* w : d->findChildren<QWidget*>()) {
            if (w->focusPolicy() == Qt::NoFocus) continue;
            QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(w);
            ASSERT_NE(reader, nullptr);
            heard << reader->text(QAccessible::Name);
            EXPECT_FALSE(heard.back().isEmpty())
                << w->metaObject()->className() << " " << w->objectName().toStdString();
        }
    });
    EXPECT_TRUE(heard.contains(QStringLiteral("Look in:")));
    EXPECT_TRUE(heard.contains(QStringLiteral("Files of type:")));
}

// The detailed list shows every size, kind and date whole, the names taking the room left, with
// no scroll bar across: Qt's own widths cut "plain text document" short and hid the dates.
TEST(FileDialogOpening, ShowsSizesKindsAndDatesWhole) {
    QTemporaryDir dir;
    for (const char* name : {"Portfolio.wms", "notes.txt", "A rather long portfolio name.wms"}) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("96 bytes or so of text\n");
    }
    bool checked = false;
    Choose(dir.path(), [&](QFileDialog* d) {
        d->setNameFilter(QStringLiteral("All (*)"));
        auto* list = d->findChild<QTreeView*>();
        ASSERT_NE(list, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return list->model()->rowCount(list->rootIndex()) == 3; }));
        QTest::qWait(50);  // the kinds and sizes of the rows come in after the names
        QHeaderView* header = list->header();
        const QFontMetrics fm(list->font());
        QAbstractItemModel* model = list->model();
        for (int r = 0; r < model->rowCount(list->rootIndex()); ++r)
            for (int c = 1; c < header->count(); ++c) {
                const QString text = model->index(r, c, list->rootIndex()).data().toString();
                if (header->isSectionHidden(c) || text.isEmpty()) continue;
                EXPECT_GT(header->sectionSize(c), fm.horizontalAdvance(text)) << text.toStdString();
            }
        EXPECT_GE(header->sectionSize(0), 2 * QFontMetrics(list->font()).averageCharWidth() * 8);
        EXPECT_EQ(list->horizontalScrollBar()->maximum(), 0);
        checked = true;
    });
    EXPECT_TRUE(checked);
}
