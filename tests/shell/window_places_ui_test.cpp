// Windows with a result grid grow with it, and the program remembers where the user left them
// and the folder each kind of file was last chosen in.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QWidget>

#include "platform/grid.h"
#include "platform/window_places.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "shell/ui/file_dialog_window.h"
#include "support/ui_test_support.h"

namespace {

class WindowPlaces : public WindowTest {
  protected:
    QWidget* open(const char* name) {
        Windows().show(QString::fromLatin1(name));
        settle();
        return Windows().get(QString::fromLatin1(name));
    }
    static std::vector<QWidget*> shownControls(QWidget* w) {
        std::vector<QWidget*> shown;
        for (QWidget* c : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!c->isWindow() && c->isVisible()) shown.push_back(c);
        return shown;
    }
};

}  // namespace

// Larger than its opening size, each window's grid shows more; no two controls that stood apart
// come to overlap, none leaves the window, and the window is never made smaller than the text's.
TEST_F(WindowPlaces, WindowsWithAGridGrowWithItAndNothingComesToOverlap) {
    const struct {
        const char* window;
        bool wide;
    } windows[] = {{"CalcInpt", true}, {"CalCaptl", true},  {"Income", true},
                   {"PlanK", true},    {"CdnMort", true},   {"FindComp", true},
                   {"Table1", true},   {"CurrValue", true}, {"DispNet", false}};
    for (const auto& [name, wide] : windows) {
        SCOPED_TRACE(name);
        QWidget* w = open(name);
        ASSERT_TRUE(w);
        ASSERT_TRUE(window_places::isResizable(w));
        const QSize base = w->size();
        auto* grid = w->findChild<Grid*>();
        ASSERT_TRUE(grid);
        const QSize viewport = grid->viewport()->size();
        const std::vector<QWidget*> controls = shownControls(w);
        std::vector<QRect> before;
        for (QWidget* c : controls) before.push_back(c->geometry());

        w->resize(base + QSize(400, 300));
        settle();
        EXPECT_EQ(w->width(), base.width() + (wide ? 400 : 0));
        EXPECT_GE(grid->viewport()->height(), viewport.height() + 300);
        if (wide) {
            EXPECT_GE(grid->viewport()->width(), viewport.width() + 400);
        }
        for (size_t i = 0; i < controls.size(); ++i) {
            EXPECT_TRUE(w->rect().contains(controls[i]->geometry()))
                << controls[i]->objectName().toStdString();
            for (size_t j = i + 1; j < controls.size(); ++j) {
                if (before[i].intersects(before[j])) continue;  // one stands on the other
                EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                    << controls[i]->objectName().toStdString() << " and "
                    << controls[j]->objectName().toStdString();
            }
        }
        w->resize(base - QSize(100, 100));
        settle();
        EXPECT_EQ(w->size(), base);
        Windows().unload(QString::fromLatin1(name));
        settle();
    }
}

// Reopened, a window comes back at the size and place it was left at; a damaged places file is
// no error, the window opens at its own size.
TEST_F(WindowPlaces, AWindowReopensWhereItWasLeftAndADamagedFileIsIgnored) {
    QWidget* w = open("CdnMort");
    const QSize base = w->size();
    w->setGeometry(QRect(QPoint(40, 30), base + QSize(220, 160)));
    settle();
    Windows().unload(QStringLiteral("CdnMort"));
    settle();
    w = open("CdnMort");
    EXPECT_EQ(w->size(), base + QSize(220, 160));
    EXPECT_LE((w->pos() - QPoint(40, 30)).manhattanLength(), 4);  // give or take the frame
    // Hidden and shown again where it is kept, it writes nothing.
    QFile::remove(window_places::file());
    w->hide();
    w->show();
    settle();
    EXPECT_FALSE(QFile::exists(window_places::file()));
    Windows().unload(QStringLiteral("CdnMort"));
    settle();

    QFile damaged(window_places::file());
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("[windows]\nCdnMort=@ByteArray(\\x1\\xd9\\xd0\\xcb)\n\x01\xff[[[\n");
    damaged.close();
    w = open("CdnMort");
    EXPECT_EQ(w->size(), base);
    EXPECT_TRUE(script.messages().empty());
}

// The file dialogs of a new run start in the folder a file of their kind was last chosen in;
// within a run, in the folder of the file last chosen, as before.
TEST_F(WindowPlaces, TheFileDialogsOfANewRunStartInTheLastFolderOfTheirKind) {
    QDir(folder.path()).mkpath(QStringLiteral("funds"));
    QDir(folder.path()).mkpath(QStringLiteral("statements"));
    const QString fund = folder.filePath(QStringLiteral("funds/Family.wms"));
    const QString statement = folder.filePath(QStringLiteral("statements/Home.wmw"));
    AppState& s = State();
    for (const auto& [what, path] : {std::pair{FileChoice::OpenPortfolio, fund},
                                     std::pair{FileChoice::OpenStatement, statement}}) {
        script.chooseFile(path);
        ChooseFile(what);
    }
    s.FileFolder.clear();  // a new run
    for (const auto& [what, path] : {std::pair{FileChoice::SavePortfolio, fund},
                                     std::pair{FileChoice::SaveStatement, statement}}) {
        ChooseFile(what);  // cancelled
        EXPECT_EQ(script.fileRequests().back().folder, QFileInfo(path).absolutePath());
        s.FileFolder.clear();
    }
}
