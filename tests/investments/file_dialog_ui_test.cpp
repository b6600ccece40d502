// FileDir's ChooseFile: the dialog CallMode asks for, the chosen path, the name proposed, cancel.
#include <QFile>

#include "platform/window_registry.h"
#include "shell/app_state.h"
#include "shell/file_dialog_window.h"
#include "support/ui_test_support.h"

namespace {

class FileDialog : public WindowTest {
  protected:
    static void touch(const QString& path) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
};

TEST_F(FileDialog, EachCallModeShowsItsDialogAndFilter) {
    struct Row {
        int mode;
        bool save;
        const char* filter;
    };
    const Row rows[] = {{1, false, "Investment Manager Database (*.wms)|*.wms"},
                        {2, true, "Investment Manager Database (*.wms)|*.wms"},
                        {3, false, "Net Worth Database (*.wmw)|*.wmw"},
                        {4, true, "Net Worth Database (*.wmw)|*.wmw"}};
    State().FundFileName = QStringLiteral("MINE.WMS");
    for (const Row& r : rows) {
        State().CallMode = static_cast<int16_t>(r.mode);
        script.chooseFile(folder.filePath(QStringLiteral("x")));
        ChooseFile();
        const dialogs::FileRequest& req = script.fileRequests().back();
        EXPECT_EQ(req.save, r.save) << r.mode;
        EXPECT_EQ(req.filter, QString::fromLatin1(r.filter)) << r.mode;
        EXPECT_EQ(State().CallMode, r.mode);
        State().FundFileName = QStringLiteral("MINE.WMS");
    }
    // The same name is proposed to both kinds of file.
    for (const auto& req : script.fileRequests()) EXPECT_EQ(req.proposedName, "MINE.WMS");
    settle();
    EXPECT_FALSE(Windows().exists(QStringLiteral("FileDir")));
}

TEST_F(FileDialog, ChosenFileGivesPathAndNameNewFileGivesNoName) {
    const QString existing = folder.filePath(QStringLiteral("Dtasampl.WMS"));
    touch(existing);
    State().CallMode = 1;
    script.chooseFile(existing);
    ChooseFile();
    EXPECT_EQ(State().ChosenPath, existing);
    EXPECT_EQ(State().FundFileName, "Dtasampl.WMS");

    const QString fresh = folder.filePath(QStringLiteral("new.wms"));
    State().CallMode = 2;
    script.chooseFile(fresh);
    ChooseFile();
    EXPECT_EQ(State().ChosenPath, fresh);
    EXPECT_EQ(State().FundFileName, "");  // the caller names it once written
}

TEST_F(FileDialog, CancelGivesCallMode6AndKeepsTheName) {
    for (int mode : {1, 2, 3, 4}) {
        State().CallMode = static_cast<int16_t>(mode);
        State().ChosenPath = QStringLiteral("/old/path.wms");
        State().FundFileName = QStringLiteral("path.wms");
        script.chooseFile(std::nullopt);
        ChooseFile();
        EXPECT_EQ(State().CallMode, 6) << mode;
        EXPECT_EQ(State().ChosenPath, "") << mode;
        EXPECT_EQ(State().FundFileName, "path.wms") << mode;
    }
    settle();
    EXPECT_FALSE(Windows().exists(QStringLiteral("FileDir")));
}

}  // namespace
