// ChooseFile: the dialog each choice shows, the chosen path, the name proposed, cancel.
#include <QFile>

#include "shell/ui/app_state.h"
#include "shell/ui/file_dialog_window.h"
#include "support/ui_test_support.h"

namespace {

class FileDialog : public WindowTest {
  protected:
    static void touch(const QString& path) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
};

TEST_F(FileDialog, EachChoiceShowsItsDialogAndFilter) {
    struct Row {
        FileChoice what;
        bool save;
        const char* filter;
    };
    const Row rows[] = {
        {FileChoice::OpenPortfolio, false, "Investment Manager Database (*.wms)|*.wms"},
        {FileChoice::SavePortfolio, true, "Investment Manager Database (*.wms)|*.wms"},
        {FileChoice::OpenStatement, false, "Net Worth Database (*.wmw)|*.wmw"},
        {FileChoice::SaveStatement, true, "Net Worth Database (*.wmw)|*.wmw"}};
    State().FundFileName = QStringLiteral("MINE.WMS");
    for (const Row& r : rows) {
        SCOPED_TRACE(static_cast<int>(r.what));
        script.chooseFile(folder.filePath(QStringLiteral("x")));
        EXPECT_EQ(ChooseFile(r.what), folder.filePath(QStringLiteral("x")));
        const dialogs::FileRequest& req = script.fileRequests().back();
        EXPECT_EQ(req.save, r.save);
        EXPECT_EQ(req.filter, QString::fromLatin1(r.filter));
        EXPECT_EQ(req.windowName, "FileDir");  // F1 in the dialog opens the "files" section
        State().FundFileName = QStringLiteral("MINE.WMS");
    }
    // The same name is proposed to both kinds of file.
    for (const auto& req : script.fileRequests()) EXPECT_EQ(req.proposedName, "MINE.WMS");
}

TEST_F(FileDialog, ChosenFileGivesPathAndNameNewFileGivesNoName) {
    const QString existing = folder.filePath(QStringLiteral("Dtasampl.WMS"));
    touch(existing);
    script.chooseFile(existing);
    EXPECT_EQ(ChooseFile(FileChoice::OpenPortfolio), existing);
    EXPECT_EQ(State().FundFileName, "Dtasampl.WMS");

    const QString fresh = folder.filePath(QStringLiteral("new.wms"));
    script.chooseFile(fresh);
    EXPECT_EQ(ChooseFile(FileChoice::SavePortfolio), fresh);
    EXPECT_EQ(State().FundFileName, "");  // the caller names it once written
}

TEST_F(FileDialog, CancelGivesNothingAndKeepsTheName) {
    for (FileChoice what : {FileChoice::OpenPortfolio, FileChoice::SavePortfolio,
                            FileChoice::OpenStatement, FileChoice::SaveStatement}) {
        SCOPED_TRACE(static_cast<int>(what));
        State().FundFileName = QStringLiteral("path.wms");
        script.chooseFile(std::nullopt);
        EXPECT_EQ(ChooseFile(what), std::nullopt);
        EXPECT_EQ(State().FundFileName, "path.wms");
    }
}

}  // namespace
