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
