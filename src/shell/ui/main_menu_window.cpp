#include "shell/ui/main_menu_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QWindow>
#include <algorithm>

#include "common/safe_write.h"
#include "platform/controls.h"
#include "platform/grid.h"
#include "platform/help_viewer.h"
#include "platform/printer_device.h"
#include "platform/twips.h"
#include "platform/window_registry.h"
#include "platform/window_rules.h"
#include "shell/model/program_folder.h"
#include "shell/model/settings.h"
#include "shell/ui/app_state.h"
#include "shell/ui/window_catalog.h"

namespace {

constexpr int kMenuWidth = 9480, kMenuHeight = 6360, kMenuLeft = 60, kMenuTop = 345;

struct MenuButton {
    const char* name;
    const char* caption;
    int left, top, width;
};

// In tab order.
constexpr MenuButton kButtons[] = {
    {"Savings", "Planning your &Savings", 990, 210, 3450},
    {"Plan401K", "Planning your &401(k)", 990, 990, 3450},
    {"Retirement", "Planning your &Retirement", 990, 1740, 3450},
    {"SavingComp", "Sa&vings Comparisons", 990, 2520, 3450},
    {"HowMuch", "Amount of &Capital Required", 990, 3285, 3450},
    {"LoanPmt", "&Payment on a Loan", 990, 4050, 3450},
    {"Canadian", "&Mortgages", 990, 4815, 3450},
    {"Manager", "&Investment Manager", 5200, 225, 3450},
    {"NetWorth", "&Net Worth", 5220, 990, 3450},
    {"Compound", "&Find Annual Compound Growth", 5220, 1755, 3450},
    {"Prosperon", "&Prosperon", 5220, 2520, 3450},
    {"HowTo", "&How to Use the Program", 5220, 3285, 3450},
    {"InitCurrFont", "Persona&lize Settings", 5220, 4800, 3450},
    {"ExitButten", "E&xit Vantora", 3645, 5460, 2460},
};

void openHelp(const QString& file, const QString& title) {
    HelpViewer::open(HelpFolder() + u'/' + file, title);
}

}  // namespace

MenuMain::MenuMain(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Vantora 95"));
    twips::setClientSize(this, kMenuWidth, kMenuHeight);
    twips::moveTo(this, kMenuLeft, kMenuTop);

    QWidget* previous = nullptr;
    for (const MenuButton& b : kButtons) {
        QPushButton* button =
            makeButton(this, QString::fromLatin1(b.name), QString::fromLatin1(b.caption), b.left,
                       b.top, b.width, 450);
        buttons_.insert(button->objectName(), button);
        if (previous) setTabOrder(previous, button);
        previous = button;
    }
    myName_ = makeLabel(this, QStringLiteral("MyName"), QString(), 4725, 6030, 100, 255, false);
    myName_->hide();

    auto on = [this](const char* name, auto action) {
        connect(button(QString::fromLatin1(name)), &QPushButton::clicked, this, action);
    };
    // A tool of two uses is opened in the button's use.
    on("Savings", [this] { openInUse(QStringLiteral("Savings")); });
    on("Plan401K", [this] { OpenTool(QStringLiteral("PlanK")); });
    on("Retirement", [this] { OpenTool(QStringLiteral("Income")); });
    on("SavingComp", [this] { openInUse(QStringLiteral("SavingComp")); });
    on("HowMuch", [this] { OpenTool(QStringLiteral("CalCaptl")); });
    on("LoanPmt", [this] { openInUse(QStringLiteral("LoanPmt")); });
    on("Canadian", [this] { openInUse(QStringLiteral("Canadian")); });
    on("Manager", [this] { OpenTool(QStringLiteral("FundMenu")); });
    on("NetWorth", [this] { OpenTool(QStringLiteral("DispNet")); });
    on("Compound", [this] { OpenTool(QStringLiteral("FindComp")); });
    on("Prosperon", [] { openHelp(QStringLiteral("prosprn.html"), QStringLiteral("Prosperon")); });
    on("HowTo",
       [] { openHelp(QStringLiteral("VTK.html"), QStringLiteral("How to Use the Program")); });
    on("InitCurrFont", [this] {
        hide();
        Windows().showModal(QStringLiteral("SymbolFonts"));
    });
    on("ExitButten", [] { EndProgram(); });
}

QPushButton* MenuMain::button(const QString& name) const {
    return buttons_.value(name);
}

void MenuMain::OpenTool(const QString& window) {
    hide();
    Windows().show(window);
}

void MenuMain::openInUse(const QString& button) {
    hide();
    OpenFromMenu(button);
}

void MenuMain::LoadPersonalSettings() {
    LoadPersonalSettingsFile(SettingsFile(), State().settings);
    ShowMyName();
}

void MenuMain::ShowMyName() {
    const QString& name = State().settings.userName;
    if (name.isEmpty()) {
        myName_->hide();
        return;
    }
    myName_->setText(name);
    myName_->setToolTip(QString());
    myName_->adjustSize();
    // A long name moves left to stay inside the window; one wider than the
    // window is shortened, the whole name in its tool tip.
    const int margin = twips::px(120);
    const int room = width() - 2 * margin;
    if (myName_->width() > room) {
        myName_->setText(myName_->fontMetrics().elidedText(name, Qt::ElideRight, room));
        myName_->setToolTip(name);
        myName_->adjustSize();
    }
    const int home = twips::px(4725);
    myName_->move(std::max(margin, std::min(home, width() - margin - myName_->width())),
                  myName_->y());
    myName_->show();
}

void MenuMain::closeEvent(QCloseEvent* e) {
    // Closing the menu's frame ends the program, as its exit button does:
    // otherwise the backdrop would stay alone on the screen.
    e->accept();
    EndProgram();
}

void MenuMain::moveEvent(QMoveEvent* e) {
    QWidget::moveEvent(e);
    // The backdrop stays exactly behind the menu, also when the menu is moved.
    if (isVisible() && Windows().exists(QStringLiteral("bakgnd")))
        Windows().get(QStringLiteral("bakgnd"))->move(pos());
}

Bakgnd::Bakgnd(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Vantora 95"));
    twips::setClientSize(this, kMenuWidth, kMenuHeight);
    twips::moveTo(this, kMenuLeft, kMenuTop);
    window_rules::makeBackdrop(this);
}

void EndProgram() {
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows) w->hide();
    QCoreApplication::exit(0);
}

namespace {

// Measures the printer once `first` (the menu) has first been drawn. Asking the system for its
// printer and loading the printer's font take longer than drawing the menu, and nothing prints
// before the user has clicked something, so the answer is in place well before any printout
// needs it. The backdrop, which the menu covers exactly, is shown then too (`showBackdrop`): the
// menu is drawn first, with nothing else to draw before it.
void measureAfterFirstPaint(QWidget* first, bool showBackdrop) {
    window_rules::afterFirstFrame(first, [showBackdrop] {
        if (showBackdrop && !Windows().visible(QStringLiteral("bakgnd"))) {
            QWidget* active = QApplication::activeWindow();
            Windows().show(QStringLiteral("bakgnd"));
            // It never takes the focus; where the platform hands a window shown the focus all
            // the same, the window that had it takes it back.
            if (active) active->activateWindow();
        }
        State().settings.linesPerPage = StartupLinesPerPage();
    });
}

}  // namespace

MenuMain* StartProgram(bool showMenu) {
    EnterProgramFolder();
    // What a save killed before its rename left behind.
    RemoveSafeWriteLeftovers(ProgramFolder());
    setPrintoutFolder(PrintoutFolder());
    Grid::setCurrencySymbolSource([] { return State().settings.currencySymbol; });
    // The page capacity of a 12-point line until the printer has been measured.
    State().settings.linesPerPage = 59;
    auto* menu = Windows().get<MenuMain>(QStringLiteral("MenuMain"));
    // Started with a file, the menu is not drawn: the backdrop is, before the file's tool.
    measureAfterFirstPaint(
        showMenu ? static_cast<QWidget*>(menu) : Windows().get(QStringLiteral("bakgnd")), showMenu);
    menu->LoadPersonalSettings();
    // The backdrop closed by its frame with no tool shown brings the menu back, mapped afresh.
    window_rules::setLoneBackdropAction(menu, [menu] {
        if (menu->isVisible()) menu->hide();
        // A window the window manager has let go of may not be taken up again when mapped once
        // more: the menu comes back in a new native window.
        if (QWindow* native = menu->windowHandle()) native->destroy();
        Windows().show(QStringLiteral("MenuMain"));
    });
    // The menu with the focus, and the backdrop behind it once the menu is drawn; started with a
    // file, the backdrop at once, behind the file's tool.
    if (showMenu)
        Windows().show(QStringLiteral("MenuMain"));
    else
        Windows().show(QStringLiteral("bakgnd"));
    return menu;
}
