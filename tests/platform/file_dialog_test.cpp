// The file dialog kept for the next request, and what it shows and does while it opens.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QStyle>
#include <QDeadlineTimer>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <functional>

#include "platform/accessibility.h"
#include "platform/dialogs.h"
#include "platform/file_kinds.h"

namespace {
// Asks for a file in `folder`; `act` runs in the dialog while it is open, then it is cancelled.
QPointer<QFileDialog> ChooseAndCancel(const QString& folder,
                                      const std::function<void(QFileDialog*)>& act = {}) {
    QPointer<QFileDialog> seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible()) {
                poll.stop();
                seen = d;
                if (act) act(d);
                d->reject();
            }
    });
    poll.start(5);
    EXPECT_FALSE(dialogs::chooseFile({.save = false,
                                      .filter = QStringLiteral("Database (*.wms)|*.wms"),
                                      .proposedName = QString(),
                                      .folder = folder}));
    return seen;
}
}  // namespace

TEST(KeptFileDialog, IsKeptForTheNextRequestInItsFolderAndOpensAsANewOne) {
    QTemporaryDir here, there;
    auto tool = std::make_unique<QWidget>();
    tool->show();
    struct Case {
        const char* what;
        QString folder;
        std::function<void(QFileDialog*)> act;
        bool same, kept;  // the dialog kept before shown again; this one kept in turn
    };
    const Case cases[] = {
        {"the same folder", here.path(), {}, true, true},
        {"another folder", there.path(), {}, false, true},
        {"the reader left the folder", there.path(),
         [&](QFileDialog* d) { d->setDirectory(here.path()); }, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QSize opening;
        const QPointer<QFileDialog> before = ChooseAndCancel(here.path(), [&](QFileDialog* d) {
            // What the reader leaves in it is gone when it opens again.
            opening = d->size();
            d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("x"));
            d->resize(opening + QSize(80, 40));
        });
        bool same = false;
        const QPointer<QFileDialog> shown = ChooseAndCancel(c.folder, [&](QFileDialog* d) {
            same = d == before;
            if (same) {
                EXPECT_EQ(d->size(), opening);
            }
            EXPECT_EQ(d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text(), "");
            if (c.act) c.act(d);
        });
        EXPECT_EQ(same, c.same);
        EXPECT_EQ(!shown.isNull(), c.kept);
    }
    // With no window to belong to, nothing is kept.
    tool.reset();
    EXPECT_TRUE(ChooseAndCancel(here.path()).isNull());
}

namespace {
// A folder of database files "Portfolio 0.wms" ... and a few files of other kinds.
struct FullFolder {
    QTemporaryDir dir;
    explicit FullFolder(int count) {
        for (int i = 0; i < count; ++i) Write(QStringLiteral("Portfolio %1.wms").arg(i), "");
        Write(QStringLiteral("notes.txt"), "Some notes\n");
        Write(QStringLiteral("page.html"), "<html><body>x</body></html>\n");
    }
    void Write(const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

// Asks for a file in `folder`, proposing `name`; `act` runs in the dialog as soon as it is shown
// (its list may be filling still) and answers it.
std::optional<QString> Choose(const QString& folder, const QString& name,
                              const std::function<void(QFileDialog*)>& act) {
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible()) {
                poll.stop();
                act(d);
                if (d->isVisible()) d->reject();
            }
    });
    poll.start(0);
    return dialogs::chooseFile({.save = false,
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

QAbstractItemModel* ListOf(QFileDialog* d, QModelIndex* folder) {
    auto* view = d->findChild<QTreeView*>(QStringLiteral("treeView"));
    *folder = view->rootIndex();
    return view->model();
}
}  // namespace

TEST(FileDialogOpening, WhatIsTypedAsItOpensGivesWhatItWouldOnceListed) {
    auto tool = std::make_unique<QWidget>();
    tool->show();
    FullFolder folder(400);
    struct Case {
        const char* what;
        bool listed;  // the reader waits for the whole list, the kinds found
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
        const auto chosen =
            Choose(folder.dir.path(), QStringLiteral("Portfolio 7.wms"), [&](QFileDialog* d) {
                auto* name = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                ASSERT_TRUE(WaitUntil([&] { return QApplication::focusWidget() == name; }));
                QModelIndex root;
                QAbstractItemModel* model = ListOf(d, &root);
                if (c.listed) {
                    ASSERT_TRUE(WaitUntil([&] {
                        return model->rowCount(root) == 400 && !dialogs::fileKindsBeingFound();
                    }));
                    // The proposed file is the one chosen in the list.
                    const auto rows =
                        d->findChild<QTreeView*>(QStringLiteral("treeView"))->selectionModel()->selectedRows();
                    ASSERT_EQ(rows.size(), 1);
                    EXPECT_EQ(rows.front().data().toString(), "Portfolio 7.wms");
                }
                EXPECT_EQ(name->text(), "Portfolio 7.wms");
                if (!c.keys.isEmpty()) {
                    QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
                    QTest::keyClicks(name, c.keys);
                }
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            });
        EXPECT_EQ(chosen, folder.dir.filePath(c.chosen));
    }
}

TEST(FileDialogOpening, ShowsTheKindOfEveryFileOnceFoundInColumnsThatFitWhatTheyShow) {
    auto tool = std::make_unique<QWidget>();
    tool->show();
    FullFolder folder(300);
    Choose(folder.dir.path(), QString(), [&](QFileDialog* d) {
        d->setNameFilter(QStringLiteral("All (*)"));
        QModelIndex root;
        QAbstractItemModel* model = ListOf(d, &root);
        ASSERT_TRUE(WaitUntil(
            [&] { return model->rowCount(root) == 302 && !dialogs::fileKindsBeingFound(); }));
        const QFileIconProvider kinds;
        for (int r = 0; r < model->rowCount(root); ++r) {
            const QString path = model->index(r, 0, root).data(QFileSystemModel::FilePathRole).toString();
            EXPECT_EQ(model->index(r, 2, root).data().toString(), kinds.type(QFileInfo(path))) << path.toStdString();
        }
        // Names, sizes, kinds (longer than their heading, and found after the dialog showed) and
        // dates are not cut short, the dates need no scrolling to be seen, and the reader can
        // still drag the columns wider.
        QAbstractItemView* view = d->findChild<QTreeView*>(QStringLiteral("treeView"));
        const QHeaderView* header = static_cast<QTreeView*>(view)->header();
        for (int c = 0; c < header->count(); ++c) {
            SCOPED_TRACE(c);
            EXPECT_GE(header->sectionSize(c), view->sizeHintForColumn(c));
            EXPECT_EQ(header->sectionResizeMode(c), QHeaderView::Interactive);
        }
        EXPECT_LE(header->length(), view->viewport()->width());
    });
}

// Every new file dialog asks the style for its standard icons: they are decoded once a run.
TEST(FileDialogOpening, TheStyleKeepsItsStandardIcons) {
    dialogs::keepStandardIcons();
    QStyle* style = QApplication::style();
    for (const auto icon : {QStyle::SP_ArrowBack, QStyle::SP_FileDialogNewFolder}) {
        const QIcon first = style->standardIcon(icon);
        EXPECT_FALSE(first.isNull());
        EXPECT_EQ(first.cacheKey(), style->standardIcon(icon).cacheKey());
    }
}

// A screen reader hears a name for every control of the dialog that takes the focus, and for
// the entries of its lists.
TEST(FileDialogOpening, NamesEveryControlForAScreenReader) {
    accessibility::install();  // as the program's windows do
    QTemporaryDir dir;
    QStringList heard;
    ChooseAndCancel(dir.path(), [&](QFileDialog* d) {
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
