// The file dialog kept for the next request.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "platform/dialogs.h"

namespace {

// Asks for a file in `folder`; `act` runs in the dialog while it is open, then it is cancelled.
QPointer<QFileDialog> ChooseAndCancel(const QString& folder,
                                      const std::function<void(QFileDialog*)>& act) {
    QPointer<QFileDialog> seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible()) {
                poll.stop();
                seen = d;
                act(d);
                d->reject();
            }
    });
    poll.start(5);
    const auto chosen = dialogs::chooseFile({.save = false,
                                             .filter = QStringLiteral("Database (*.wms)|*.wms"),
                                             .proposedName = QString(),
                                             .folder = folder});
    EXPECT_FALSE(chosen);
    return seen;
}

QLineEdit* NameBox(QFileDialog* d) {
    return d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
}

}  // namespace

TEST(KeptFileDialog, IsKeptForTheNextRequestInItsFolderAndOpensAsANewOne) {
    QTemporaryDir here, there;
    auto tool = std::make_unique<QWidget>();
    tool->show();
    QSize opening;
    QPointer<QFileDialog> first = ChooseAndCancel(here.path(), [&](QFileDialog* d) {
        opening = d->size();
        NameBox(d)->setText(QStringLiteral("typed"));
        d->resize(opening + QSize(80, 40));
    });
    ASSERT_TRUE(first);
    const QPointer<QFileDialog> again = ChooseAndCancel(here.path(), [&](QFileDialog* d) {
        EXPECT_EQ(d->size(), opening);
        EXPECT_EQ(NameBox(d)->text(), QString());
    });
    EXPECT_EQ(again, first);
    struct Case {
        const char* what;
        QString folder;
        std::function<void(QFileDialog*)> act;
        bool same, kept;  // the dialog kept before shown again; this one kept in turn
    };
    const Case cases[] = {
        {"the same folder", here.path(), [](QFileDialog*) {}, true, true},
        {"another folder", there.path(), [](QFileDialog*) {}, false, true},
        {"the reader left the folder", there.path(),
         [&](QFileDialog* d) { d->setDirectory(here.path()); }, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QPointer<QFileDialog> before = ChooseAndCancel(here.path(), [](QFileDialog*) {});
        bool shownAgain = false;
        const QPointer<QFileDialog> shown = ChooseAndCancel(c.folder, [&](QFileDialog* d) {
            shownAgain = d == before;
            c.act(d);
        });
        EXPECT_EQ(shownAgain, c.same);
        EXPECT_EQ(!shown.isNull(), c.kept);
    }
    // With no window to belong to, nothing is kept.
    tool.reset();
    bool shown = false;
    const QPointer<QFileDialog> alone =
        ChooseAndCancel(here.path(), [&](QFileDialog*) { shown = true; });
    EXPECT_TRUE(shown);
    EXPECT_TRUE(alone.isNull());
}
