// Special files named as documents, opened both ways, and saves the system refuses: the tools'
// own messages at once, the system's reason for a failed write, the old file name kept.
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include "investments/table_test_ui_state.h"
#include "investments/ui/fund_menu_window.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "shell/ui/file_open_ui.h"
#include "shell/ui/main_menu_window.h"
#include "support/ui_test_support.h"

namespace {

class HostileFiles : public WindowTest {
  protected:
    // A FIFO, a device and an endless device, each named as `extension`.
    QStringList specialFiles(const char* extension) {
        const QString fifo = folder.filePath(QStringLiteral("x.") + QLatin1String(extension));
        EXPECT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        const QString zero = folder.filePath(QStringLiteral("z.") + QLatin1String(extension));
        EXPECT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
        const QString random = folder.filePath(QStringLiteral("r.") + QLatin1String(extension));
        EXPECT_TRUE(QFile::link(QStringLiteral("/dev/urandom"), random));
        return {fifo, zero, random};
    }
    void clickIn(const QString& window, const char* button) {
        Windows().get<QWidget>(window)->findChild<QPushButton*>(QLatin1String(button))->click();
    }
};

TEST_F(HostileFiles, SpecialFilesGetTheToolsLoadingMessageThroughBothWaysIn) {
    StartProgram();
    struct Way {
        const char* extension;
        const char* tool;
        const char* openButton;
        QString text, title;
    };
    const std::vector<Way> ways = {
        {"wms", "FundMenu", "Loadfile",
         "File not found or wrong format. Check Filename and/or Directory", "Load File"},
        {"wmw", "DispNet", "Loadnet",
         "File not found or wrong format. Check Filename and/or Directory.", "Loading Error"},
    };
    for (const Way& way : ways) {
        for (const QString& path : specialFiles(way.extension)) {
            SCOPED_TRACE(path.toStdString());
            // The command line.
            script.clear();
            EXPECT_TRUE(OpenFileInItsTool(path, QString()));
            ASSERT_EQ(script.messages().size(), 1u);
            EXPECT_EQ(script.lastMessage().text, way.text);
            EXPECT_EQ(script.lastMessage().title, way.title);
            // The tool's Open command.
            script.clear();
            script.chooseFile(path);
            clickIn(QLatin1String(way.tool), way.openButton);
            ASSERT_EQ(script.messages().size(), 1u);
            EXPECT_EQ(script.lastMessage().text, way.text);
        }
    }
}

TEST_F(HostileFiles, AFailedWriteSaysWhyAndKeepsTheFileNameInMemory) {
    StartProgram();
    const QString kept = folder.filePath(QStringLiteral("Kept.wms"));
    const QString readOnly = folder.filePath(QStringLiteral("x.wms"));
    QFile f(readOnly);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("the old file");
    f.close();
    ASSERT_EQ(::chmod(QFile::encodeName(readOnly).constData(), 0444), 0);

    Windows().get<MenuMain>(QStringLiteral("MenuMain"))->OpenTool(QStringLiteral("FundMenu"));
    testportfolio::TypedPortfolio();
    PortfolioDocument& doc = FundMenuDocument();
    script.chooseFile(kept);
    clickIn(QStringLiteral("FundMenu"), "SaveFile");
    ASSERT_EQ(doc.fileName, "Kept.wms");

    script.clear();
    doc.changed = true;
    script.chooseFile(readOnly);
    clickIn(QStringLiteral("FundMenu"), "SaveFile");
    EXPECT_EQ(script.lastMessage().text, "Cannot save over " + readOnly + ": it is read-only.");
    EXPECT_EQ(script.lastMessage().title, "Saving Error");
    EXPECT_EQ(doc.fileName, "Kept.wms");
    EXPECT_TRUE(doc.changed);
    EXPECT_TRUE(Windows()
                    .get<FundMenu>(QStringLiteral("FundMenu"))
                    ->InfoBox()
                    ->text()
                    .startsWith(QStringLiteral(" Kept.wms ")));

    // The net worth statement the same way.
    const QString netReadOnly = folder.filePath(QStringLiteral("x.wmw"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(VANTORA_SAMPLES "/NetSampl.WMW"), netReadOnly));
    ASSERT_TRUE(OpenFileInItsTool(netReadOnly, QString()));
    AppState& s = State();
    ASSERT_EQ(s.FundFileName, "x.wmw");
    ASSERT_EQ(::chmod(QFile::encodeName(netReadOnly).constData(), 0444), 0);
    script.clear();
    script.chooseFile(netReadOnly);
    clickIn(QStringLiteral("DispNet"), "SaveNet");
    EXPECT_EQ(script.lastMessage().text, "Cannot save over " + netReadOnly + ": it is read-only.");
    EXPECT_EQ(script.lastMessage().title, "Saving Error");
    EXPECT_EQ(s.FundFileName, "x.wmw");
}

}  // namespace
