#include "investments/ui/fund_menu_window.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include "common/dates.h"
#include "investments/model/portfolio.h"
#include "investments/ui/record_entry_window.h"
#include "investments/ui/value_commands.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/twips.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "shell/ui/file_dialog_window.h"
#include "shell/ui/save_document_ui.h"

namespace {

const QString kFundMenu = QStringLiteral("FundMenu");

struct MenuButton {
    const char* name;
    const char* caption;
    int left, top;
};

constexpr int kButtonWidth = 3450, kButtonHeight = 450;

// In tab order.
constexpr MenuButton kButtons[] = {
    {"Loadfile", "&Open a File from Disk", 990, 450},
    {"SaveFile", "&Save Current File to Disk", 990, 1230},
    {"Editrec", "&Add and Edit Records", 990, 2010},
    {"Help7", "&Help", 990, 2790},
    {"CompCurr", "&Compute Current Value", 5040, 450},
    {"SortRec", "S&ort Records", 5040, 1230},
    {"Display", "&Display Data", 5040, 2010},
    {"Exitbutton", "E&xit to Main Menu", 5040, 2790},
};

QString fileInfo(const PortfolioDocument& doc) {
    return FileInfoText(doc.fileName, doc.portfolio.fundCount, doc.portfolio.recordCount);
}

void showFundMenu() {
    Windows().show(kFundMenu);
    ShowFileInfo();
}

void hideFundMenuBehindBackdrop() {
    Windows().show(QStringLiteral("bakgnd"));
    Windows().hide(kFundMenu);
}

}  // namespace

FundMenu::FundMenu(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Fund Management Menu"));
    twips::setClientSize(this, 9480, 6360);
    twips::moveTo(this, 60, 345);

    QWidget* previous = nullptr;
    for (const MenuButton& b : kButtons) {
        QPushButton* button =
            makeButton(this, QString::fromLatin1(b.name), QString::fromLatin1(b.caption), b.left,
                       b.top, kButtonWidth, kButtonHeight);
        buttons_.insert(button->objectName(), button);
        if (previous) setTabOrder(previous, button);
        previous = button;
    }
    auto* heading = makeLabel(this, QStringLiteral("Label1"), QStringLiteral("   Information"), 990,
                              4020, 7500, 300, false);
    setBackColour(heading, colours::Aqua);
    infoBox_ = makeLabel(this, QStringLiteral("InfoBox"), QString(), 990, 4320, 7500, 420, false);
    infoBox_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setBackColour(infoBox_, colours::Green);

    auto on = [this](const char* name, auto action) {
        connect(button(QString::fromLatin1(name)), &QPushButton::clicked, this, action);
    };
    on("Loadfile", [this] { LoadPortfolio(doc_); });
    on("SaveFile", [this] { SavePortfolio(doc_); });
    on("Editrec", [this] {
        Windows().hide(kFundMenu);
        const QString records = QStringLiteral("RecordEntry");
        if (!Windows().exists(records)) Windows().add(records, new RecordEntry(doc_));
        Windows().show(records);
    });
    on("Help7", [] {
        dialogs::message(
            QStringLiteral("To use all commands you must have a file in memory.\r\n\r\n"
                           "Go to Add and Edit Records to start new file or Open a "
                           "File from Disk.\r\n\r\n"
                           "There is a sample file in the package called "
                           "Dtasampl.WMS. Load it and try all the various features."),
            QStringLiteral("Help"));
    });
    on("CompCurr", [this] { CompValueCommand(doc_); });
    on("SortRec", [this] { SortRecordsCommand(doc_); });
    on("Display", [this] { DisplayDataCommand(doc_); });
    on("Exitbutton", [this] { ExitToMainMenu(); });

    // Loading: the status line and the report lists.
    infoBox_->setText(fileInfo(doc_));
    State().ReportText = QStringList(4);
}

QPushButton* FundMenu::button(const QString& name) const {
    return buttons_.value(name);
}

PortfolioDocument& FundMenuDocument() {
    return Windows().get<FundMenu>(kFundMenu)->document();
}

bool WantsToKeepChanges(const PortfolioDocument& doc) {
    if (!doc.changed || doc.portfolio.recordCount == 0) return false;
    return dialogs::message(
               doc.fileName + QStringLiteral(" file in memory will be erased. Do you want to go "
                                             "back and Save Current File to Disk?."),
               QStringLiteral("Changed File in Memory"),
               dialogs::Buttons::YesNo) == dialogs::Answer::Yes;
}

void FundMenu::ExitToMainMenu() {
    // Without records there is nothing that could be saved: the tables go as
    // well, or the next visit would count funds whose names are gone.
    if (WantsToKeepChanges(doc_)) return;
    AppState& s = State();
    s.ReportText.clear();
    s.ReportPages.clear();
    s.FundFileName.clear();
    for (const char* name : {"RecordEntry", "CurrValue", "Table1", "FunChose", "Returns"})
        Windows().unload(QString::fromLatin1(name));
    Windows().unload(kFundMenu);
    Windows().show(QStringLiteral("MenuMain"));
}

void FundMenu::closeEvent(QCloseEvent* e) {
    // Closing the frame is the exit button: the same question, the same way out.
    e->ignore();
    ExitToMainMenu();
}

void ShowFileInfo() {
    if (!Windows().exists(kFundMenu)) return;
    if (auto* menu = Windows().get<FundMenu>(kFundMenu))
        menu->InfoBox()->setText(fileInfo(menu->document()));
}

namespace {

// Reads the file at `path` (nothing when the chooser was cancelled) into `doc` and brings the
// menu back with fresh totals; a file that cannot be read leaves an empty portfolio and says so.
void LoadChosenPortfolio(PortfolioDocument& doc, const std::optional<QString>& path) {
    AppState& s = State();
    if (path) {
        dialogs::WaitCursor wait;
        if (auto portfolio = ReadPortfolioFile(*path)) {
            doc.portfolio = std::move(*portfolio);
            doc.fileName = QFileInfo(*path).fileName();
            doc.changed = false;
        } else {
            dialogs::message(
                QStringLiteral("File not found or wrong format. Check Filename and/or Directory"),
                QStringLiteral("Load File"));
            doc.portfolio = EmptyPortfolio();
            doc.reportPages = QStringList(4);
            s.ReportText = QStringList(4);
            doc.fileName.clear();
        }
        s.FundFileName = doc.fileName;
    }
    // Every attempt ends here: the date check, fresh totals, the menu back.
    if (!LoadedDatesConvert(doc.portfolio)) {
        if (s.DateExample.isEmpty()) s.DateExample = dates::todayText();
        dialogs::message(
            QStringLiteral(
                "File loaded has wrong format. Correct Records to current Date format ") +
                s.DateExample,
            QStringLiteral("Warning"));
    }
    ResetFundTotals(doc.totals);
    showFundMenu();
}

}  // namespace

void LoadPortfolio(PortfolioDocument& doc) {
    // Opening a file replaces the portfolio in memory: unsaved changes are
    // guarded by the same question as the exit.
    if (WantsToKeepChanges(doc)) return;
    hideFundMenuBehindBackdrop();
    // The chooser proposes the portfolio's name and names the file chosen.
    State().FundFileName = doc.fileName;
    LoadChosenPortfolio(doc, ChooseFile(FileChoice::OpenPortfolio));
}

void LoadPortfolioFrom(const QString& path) {
    PortfolioDocument& doc = FundMenuDocument();
    if (WantsToKeepChanges(doc)) return;
    hideFundMenuBehindBackdrop();
    LoadChosenPortfolio(doc, path);
}

void SavePortfolio(PortfolioDocument& doc) {
    DocumentSave save;
    save.window = kFundMenu;
    save.choice = FileChoice::SavePortfolio;
    save.hasContent = [&doc] { return doc.portfolio.recordCount != 0; };
    save.write = [&doc](const QString& path, SafeWriteFailure* failure) {
        return WritePortfolioFile(path, doc.portfolio, failure);
    };
    save.saved = [&doc] { doc.changed = false; };
    save.failureText = QStringLiteral(" Bad filename, must be in the form MYFILE.WMS");
    // The save names the file in the shell's shared name; the portfolio takes it from there.
    State().FundFileName = doc.fileName;
    SaveDocumentAs(save);
    doc.fileName = State().FundFileName;
    ShowFileInfo();
}
