// A file named on the command line opens in its tool, with the tool's own messages when broken.
#include "shell/ui/file_open_ui.h"

#include <QDir>
#include <QFile>
#include <QLabel>

#include "investments/table_test_ui_state.h"
#include "investments/ui/fund_menu_window.h"
#include "networth/model/networth_file.h"
#include "networth/ui/networth_window.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "shell/ui/main_menu_window.h"
#include "support/ui_test_support.h"

namespace {

using testportfolio::Doc;

class FileOpenTest : public WindowTest {
  protected:
    bool fundMenuShown() {
        return Windows().exists(QStringLiteral("FundMenu")) &&
               Windows().get<QWidget>(QStringLiteral("FundMenu"))->isVisible();
    }
};

TEST_F(FileOpenTest, APortfolioOpensInTheFundMenuFromTheFolderTheProgramStartedIn) {
    StartProgram();
    QDir start(folder.path());
    ASSERT_TRUE(start.mkdir(QStringLiteral("from")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(VANTORA_SAMPLES "/Dtasampl.WMS"),
                            start.filePath(QStringLiteral("from/Mine.WMS"))));
    EXPECT_TRUE(
        OpenFileInItsTool(QStringLiteral("Mine.WMS"), start.filePath(QStringLiteral("from"))));
    EXPECT_TRUE(script.messages().empty());
    EXPECT_TRUE(fundMenuShown());
    EXPECT_FALSE(Windows().get<QWidget>(QStringLiteral("MenuMain"))->isVisible());
    EXPECT_EQ(Doc().fileName, "Mine.WMS");
    EXPECT_EQ(Doc().portfolio.fundCount, 5);
}

TEST_F(FileOpenTest, ABrokenOrUnknownFileGetsTheMessagesOfTheOpenCommand) {
    StartProgram();
    const QString bad = folder.filePath(QStringLiteral("bad.wms"));
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("1001,2,\"All Records\",\"31\"\r\n\"A\",\" 1\"\r\n");
    f.close();
    EXPECT_TRUE(OpenFileInItsTool(bad, QString()));
    EXPECT_EQ(script.lastMessage().text,
              "File not found or wrong format. Check Filename and/or Directory");
    EXPECT_EQ(script.lastMessage().title, "Load File");
    EXPECT_EQ(Doc().portfolio.recordCount, 0);
    EXPECT_TRUE(fundMenuShown());

    script.clear();
    EXPECT_FALSE(OpenFileInItsTool(folder.filePath(QStringLiteral("notes.txt")), QString()));
    EXPECT_EQ(script.lastMessage().title, "Open");
    EXPECT_TRUE(script.lastMessage().text.endsWith("This is not a file the program can open."));
}

TEST_F(FileOpenTest, ANetWorthStatementOpensInItsWindowAndSavesWithABackup) {
    StartProgram();
    const QString path = folder.filePath(QStringLiteral("Home.wmw"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(VANTORA_SAMPLES "/NetSampl.WMW"), path));
    EXPECT_TRUE(OpenFileInItsTool(path, QString()));
    EXPECT_TRUE(script.messages().empty());
    EXPECT_TRUE(Windows().get<QWidget>(QStringLiteral("DispNet"))->isVisible());
    EXPECT_EQ(State().FundFileName, "Home.wmw");
    auto* statement = Windows().get<DispNet>(QStringLiteral("DispNet"));
    EXPECT_GT(statement->statement().tables.assetCount, 0);
    EXPECT_EQ(statement->statement().fileName, "Home.wmw");

    QFile original(path);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray before = original.readAll();
    original.close();
    ASSERT_TRUE(WriteNetWorthFile(path, statement->statement().tables));
    QFile backup(path + QStringLiteral(".bak"));
    ASSERT_TRUE(backup.open(QIODevice::ReadOnly));
    EXPECT_EQ(backup.readAll(), before);
}

}  // namespace
