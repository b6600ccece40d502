#include "networth/ui/networth_window.h"

#include <QFileInfo>
#include <QFocusEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <cmath>

#include "common/key_filters.h"
#include "common/number_format.h"
#include "networth/model/networth_file.h"
#include "networth/model/networth_report.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/grid.h"
#include "platform/keys.h"
#include "platform/twips.h"
#include "platform/window_places.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "shell/ui/file_dialog_window.h"
#include "shell/ui/input_conventions_ui.h"
#include "shell/ui/input_value_window.h"
#include "shell/ui/name_input_window.h"
#include "shell/ui/print_action_ui.h"
#include "shell/ui/save_document_ui.h"

namespace {

const QString kName = QStringLiteral("DispNet");
constexpr int kGridRows = 35;

struct ButtonSpec {
    const char* name;
    const char* caption;
    int left;
    int width;
};

// The button row, in tab order.
constexpr ButtonSpec kButtons[] = {
    {"Calc7", "&Calculate", 8010, 1230},   {"SaveNet", "&Save File", 6435, 1230},
    {"Loadnet", "&Open File", 4905, 1230}, {"Help9", "&Help", 3510, 1140},
    {"Printr", "To &Printer", 1980, 1230}, {"Exit1", "E&xit to Menu", 225, 1455},
};

}  // namespace

DispNet::DispNet(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Net Worth Statement"));
    twips::setClientSize(this, 9480, 6360);
    twips::moveTo(this, 60, 345);
    setBackColour(this, colours::Grey);

    auto* strip = makeLabel(this, QStringLiteral("Label1"), QString(), 0, 5940, 9480, 420);
    strip->lower();
    assets_.grid = new Grid(this);
    assets_.grid->setObjectName(QStringLiteral("Grid6"));
    twips::place(assets_.grid, 0, 90, 4700, 5145);
    liabilities_.grid = new Grid(this);
    liabilities_.grid->setObjectName(QStringLiteral("Grid7"));
    twips::place(liabilities_.grid, 4770, 90, 4695, 5145);
    liabilities_.liabilities = true;
    // The two statements stand side by side: the window grows in height, and they with it.
    window_places::makeResizable(this, {assets_.grid, liabilities_.grid},
                                 window_places::Growth::HeightOnly);
    // Their heading cells are their captions.
    assets_.grid->setAccessibleName(QStringLiteral("Assets"));
    liabilities_.grid->setAccessibleName(QStringLiteral("Liabilities"));

    auto* insertAss = makeButton(this, QStringLiteral("InsertAss"),
                                 QStringLiteral("&Insert blank line"), 0, 5250, 4695, 325);
    auto* insertLiab = makeButton(this, QStringLiteral("InsertLiab"),
                                  QStringLiteral("Insert &blank line"), 4770, 5250, 4695, 325);
    buttons_.insert(insertAss->objectName(), insertAss);
    buttons_.insert(insertLiab->objectName(), insertLiab);
    auto* label3 = makeLabel(this, QStringLiteral("Label3"), QStringLiteral(" Net Worth  ="), 3240,
                             5610, 1545, 285, false);
    setBackColour(label3, colours::Aqua);
    label3->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    net_ = makeLabel(this, QStringLiteral("Net"), QString(), 4725, 5610, 100, 285, false);
    setBackColour(net_, colours::Green);
    net_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    netInfo_ = makeLabel(this, QStringLiteral("NetInfo"), QStringLiteral("Changes made, Calculate"),
                         7155, 5610, 2265, 285, false);
    setBackColour(netInfo_, colours::Aqua);
    netInfo_->setAlignment(Qt::AlignCenter);
    netInfo_->hide();

    QWidget* previous = liabilities_.grid;
    setTabOrder(assets_.grid, liabilities_.grid);
    for (const ButtonSpec& b : kButtons) {
        QPushButton* button =
            makeButton(this, QString::fromLatin1(b.name), QString::fromLatin1(b.caption), b.left,
                       6000, b.width, 325);
        buttons_.insert(button->objectName(), button);
        setTabOrder(previous, button);
        previous = button;
    }
    help_ = buttons_.value(QStringLiteral("Help9"));
    hlpTxt_ = makeTextPanel(this, QStringLiteral("HlpTxt"), 0, 3240, 9450, 2670);
    setBoxColour(hlpTxt_, colours::Aqua);
    hlpTxt_->hide();
    setTabOrder(previous, insertAss);
    setTabOrder(insertAss, insertLiab);
    setTabOrder(insertLiab, hlpTxt_);
    insertAss->setAccessibleDescription(QStringLiteral("Assets"));
    insertLiab->setAccessibleDescription(QStringLiteral("Liabilities"));

    // The help box reads only: Enter closes it, other keys beep.
    KeyHook::on(hlpTxt_)->keyPress = [this](int key) {
        if (key == keycode::Enter)
            closeHelp();
        else
            dialogs::beep();
        return 0;
    };
    KeyHook::on(hlpTxt_)->keyDown = [](int& code) {
        if (code == keycode::Delete) {
            dialogs::beep();
            code = 0;
        }
    };
    hlpTxt_->installEventFilter(this);

    auto on = [this](const char* name, auto action) {
        connect(button(QString::fromLatin1(name)), &QPushButton::clicked, this, action);
    };
    on("Calc7", [this] { Calculate(); });
    on("SaveNet", [this] { SaveStatement(); });
    on("Loadnet", [this] { OpenStatement(); });
    on("Help9", [this] { ShowHelp(); });
    on("Printr", [this] { PrintStatement(); });
    on("Exit1", [this] { ExitToMenu(); });
    on("InsertAss", [this] { InsertLine(false); });
    on("InsertLiab", [this] { InsertLine(true); });

    // Loading: empty tables, the grids set up and shown empty.
    setUpGrid(assets_);
    setUpGrid(liabilities_);
    // The two four-entry report lists stand ready while the window is open.
    State().ReportText = QStringList(4);
    State().ReportPages = QStringList(4);
    calculate();
    assets_.grid->setFocus();
}

QPushButton* DispNet::button(const QString& name) const {
    return buttons_.value(name);
}

// NetGridSetup, and the cell editing of one list.
void DispNet::setUpGrid(List& list) {
    Grid* g = list.grid;
    g->setCols(2);
    g->setRows(2);
    g->setRowHeight(0, 300);
    g->setColWidth(0, Grid::kDefaultColWidth + 2350);
    g->setColWidth(1, Grid::kDefaultColWidth + 920);
    // The amounts' column ends at the scroll bar: no sideways scrolling.
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int room = g->width() - 2 * g->frameWidth() -
                     g->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, g) -
                     g->columnWidth(0);
    if (room > 0 && room < g->columnWidth(1)) g->setColumnWidth(1, room);
    g->setRow(list.CellRow);
    g->setCol(list.CellCol);
    auto select = [&list] {
        list.CellRow = list.grid->Row();
        list.CellCol = list.grid->Col();
        list.TypedText.clear();
    };
    connect(g, &Grid::rowColChanged, this, select);
    connect(g, &Grid::gridClicked, this, select);
    connect(g, &Grid::gotFocus, this, [&list] {
        list.grid->setRow(list.CellRow);
        list.grid->setCol(list.CellCol);
    });
    g->onKeyDown = [this, &list](int& code) { keyDown(list, code); };
    g->onKeyPress = [this, &list](int key) { return keyPress(list, key); };
}

bool DispNet::rowLimitReached(const List& list) {
    if (list.CellRow <= kNetWorkingRows) return false;
    dialogs::message(QStringLiteral("30 Row limit."), QStringLiteral("Help"));
    return true;
}

void DispNet::edited() {
    netInfo_->show();
    editedSinceCalculation_ = true;
    statement_.changed = true;
}

void DispNet::keyDown(List& list, int& code) {
    if (code != keycode::Delete) return;
    code = 0;
    // The table ends at row 31: below the working rows nothing is deleted.
    if (rowLimitReached(list)) return;
    SharedTable<NetCell>& table =
        list.liabilities ? statement_.tables.liabilities : statement_.tables.assets;
    list.grid->setCellText(list.CellRow, list.CellCol, QString());
    table(list.CellRow, list.CellCol) = EmptyCell();
    list.TypedText.clear();
    edited();
}

int DispNet::keyPress(List& list, int key) {
    if (rowLimitReached(list)) return 0;
    if (key == keycode::Enter) {
        keys::sendDown(list.grid);
        return 0;
    }
    if (list.CellRow < 1 || list.CellCol < 0 || list.CellCol > 1) return 0;
    SharedTable<NetCell>& table =
        list.liabilities ? statement_.tables.liabilities : statement_.tables.assets;
    QString shown = list.grid->cellText(list.CellRow, list.CellCol);
    switch (TypeIntoCell(list.CellCol, list.CellCol == 1 ? AsDecimalPoint(key) : key,
                         list.TypedText, table(list.CellRow, list.CellCol), shown)) {
        case KeyEffect::Changed:
            list.grid->setCellText(list.CellRow, list.CellCol, shown);
            edited();
            break;
        case KeyEffect::Refused:
            dialogs::beep();
            break;
        case KeyEffect::Ignored:
            break;
    }
    return 0;
}

bool DispNet::calculate() {
    const std::optional<NetTotals> totals = CalcTotals(statement_.tables);
    if (!totals) {
        dialogs::message(QStringLiteral("Cannot calculate."), QStringLiteral("Error"));
        return false;
    }
    totals_ = *totals;
    editedSinceCalculation_ = false;
    ShowNetWorth();
    return true;
}

void DispNet::showList(const List& list) {
    const AppState& s = State();
    const NetTables& t = statement_.tables;
    const SharedTable<NetCell>& table = list.liabilities ? t.liabilities : t.assets;
    const int count = list.liabilities ? t.liabilityCount : t.assetCount;
    Grid* g = list.grid;
    g->setUpdatesEnabled(false);
    g->setRows(kGridRows);
    g->clearBody();
    g->setColAlignment(1, Grid::CellAlign::Right);
    g->setCellText(0, 0,
                   list.liabilities ? QStringLiteral(" Liabilities") : QStringLiteral(" Assets"));
    g->setCellText(0, 1, QString());
    for (int i = 1; i <= count; ++i) {
        g->setCellText(i, 0, CellName(table(i, 0)));
        g->setCellText(i, 1, ValueText(table(i, 1)));
    }
    g->setCellText(
        count + 2, 0,
        list.liabilities ? QStringLiteral("Total Liabilities") : QStringLiteral("Total Assets"));
    g->setCellText(count + 2, 1,
                   TotalText(list.liabilities ? totals_.TotalLiabilities : totals_.TotalAssets,
                             s.settings.currencySymbol));
    g->setUpdatesEnabled(true);
}

void DispNet::ShowNetWorth() {
    showList(assets_);
    showList(liabilities_);
    net_->setText(NetWorthText(totals_.NetWorth, State().settings.currencySymbol));
    // The label grows with its text.
    net_->resize(net_->sizeHint().width() + twips::px(120), net_->height());
}

void DispNet::Calculate() {
    if (!calculate()) return;
    statement_.changed = true;
    netInfo_->hide();
}

void DispNet::InsertLine(bool liabilities) {
    const List& list = liabilities ? liabilities_ : assets_;
    const QString reply = AskInsertLine(list.CellRow);
    const double n = std::nearbyint(LeadingNumber(reply));  // a half goes to the even number
    if (!(n >= 1 && n <= kNetLastInsertRow)) return;
    if (!InsertBlankLine(statement_.tables, liabilities, static_cast<int>(n))) return;
    statement_.changed = true;
    calculate();
}

void DispNet::SaveStatement() {
    // Typed rows are saved as the screen will show them once calculated.
    if (editedSinceCalculation_) {
        if (!calculate()) return;
        statement_.changed = true;
        netInfo_->hide();
    }
    DocumentSave save;
    save.window = kName;
    save.choice = FileChoice::SaveStatement;
    save.hasContent = [this] {
        return statement_.tables.assetCount != 0 || statement_.tables.liabilityCount != 0;
    };
    save.nothingToSave = [this] { statement_.changed = false; };
    save.write = [this](const QString& path, SafeWriteFailure* failure) {
        if (!WriteNetWorthFile(path, statement_.tables, failure)) return false;
        statement_.fileName = QFileInfo(path).fileName();
        return true;
    };
    save.saved = [this] { statement_.changed = false; };
    save.failureText = QStringLiteral(" Bad Filename. Must be in the form MYFILE.WMW");
    SaveDocumentAs(save);
}

bool DispNet::hasData() const {
    return NetHasData(statement_.tables);
}

bool DispNet::keepsUnsavedChanges() {
    if (!statement_.changed || !hasData()) return false;
    return dialogs::message(statement_.fileName +
                                QStringLiteral(" file in memory will be erased. Do you want to go "
                                               "back and save it to Disk?."),
                            QStringLiteral("Changed File in Memory"),
                            dialogs::Buttons::YesNo) == dialogs::Answer::Yes;
}

void DispNet::OpenStatement() {
    AppState& s = State();
    if (keepsUnsavedChanges()) return;
    Windows().show(QStringLiteral("bakgnd"));
    Windows().hide(kName);
    const QString previousName = s.FundFileName;
    if (const std::optional<QString> path = ChooseFile(FileChoice::OpenStatement))
        openChosenStatement(*path, previousName);
    Windows().show(kName);
}

void DispNet::OpenStatementFrom(const QString& path) {
    AppState& s = State();
    if (keepsUnsavedChanges()) return;
    openChosenStatement(path, s.FundFileName);
}

void DispNet::openChosenStatement(const QString& path, const QString& previousName) {
    AppState& s = State();
    dialogs::WaitCursor wait;
    if (auto opened = OpenNetWorthFile(path)) {
        statement_ = NetStatement{std::move(opened->tables), QFileInfo(path).fileName(), false};
        s.FundFileName = statement_.fileName;
        totals_ = opened->totals;
        editedSinceCalculation_ = false;
        ShowNetWorth();
        netInfo_->hide();
    } else {
        // The statement on screen stays as it was.
        s.FundFileName = previousName;
        dialogs::message(QStringLiteral("File not found or wrong format. Check Filename "
                                        "and/or Directory."),
                         QStringLiteral("Loading Error"));
    }
}

void DispNet::PrintStatement() {
    if (!dialogs::confirmPrintout()) return;
    // Cancel in the header window gives "1", which is printed as the header.
    const QString header = AskName(QStringLiteral("Enter Printout Header"), this);
    const NetTotals totals = totals_;
    PrintReport(windowTitle(), [&](PrintDevice& d) {
        PrintNetWorth(d, header, statement_.tables, totals, State().settings.currencySymbol);
    });
}

void DispNet::ShowHelp() {
    hlpTxt_->setPlainText(NetWorthHelpText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    hlpTxt_->moveCursor(QTextCursor::Start);
    hlpTxt_->show();
    hlpTxt_->raise();
    hlpTxt_->setFocus(Qt::OtherFocusReason);
    help_->hide();
}

void DispNet::closeHelp() {
    if (hlpTxt_->isHidden()) return;
    hlpTxt_->clear();
    hlpTxt_->hide();
    help_->show();
    help_->setFocus(Qt::OtherFocusReason);
}

bool DispNet::eventFilter(QObject* watched, QEvent* e) {
    if (watched == hlpTxt_ && e->type() == QEvent::FocusOut) {
        // Another window taking the focus leaves the box open.
        const auto reason = static_cast<QFocusEvent*>(e)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) closeHelp();
    }
    return QWidget::eventFilter(watched, e);
}

void DispNet::ExitToMenu() {
    AppState& s = State();
    if (statement_.changed && !hasData()) {
        // An empty statement: nothing to ask about or clear.
    } else {
        if (keepsUnsavedChanges()) return;
        s.FundFileName.clear();
        s.ReportText.clear();
        s.ReportPages.clear();
    }
    Windows().unload(kName);
    Windows().show(QStringLiteral("MenuMain"));
}
