#include "shell/ui/settings_window.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "common/print_device.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/keys.h"
#include "platform/printer_device.h"
#include "platform/twips.h"
#include "platform/window_registry.h"
#include "shell/model/program_folder.h"
#include "shell/model/settings.h"
#include "shell/ui/app_state.h"
#include "shell/ui/input_conventions_ui.h"
#include "shell/ui/main_menu_window.h"

SymbolFonts::SymbolFonts(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Personalize"));
    twips::setClientSize(this, 3750, 3780);
    setBackColour(this, colours::Grey);

    exitFonts_ = makeButton(this, QStringLiteral("ExitFonts"), QStringLiteral("E&xit to Menu"), 990,
                            3420, 1725, 325);
    auto* frame = new QGroupBox(QStringLiteral("Change Printer Font"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    twips::place(frame, 225, 210, 3300, 1410);
    option1_ = new QRadioButton(QStringLiteral("Standard Printer Font"), frame);
    option1_->setObjectName(QStringLiteral("Option1"));
    twips::place(option1_, 180, 450, 2760, 285);
    option2_ = new QRadioButton(QStringLiteral("Courier New 11 Point Font"), frame);
    option2_->setObjectName(QStringLiteral("Option2"));
    twips::place(option2_, 180, 990, 3030, 285);
    makeLabel(this, QStringLiteral("Label2"), QStringLiteral("  Change Currency Symbol."), 225,
              1830, 3075, 285, false);
    inCurrency_ = makeTextBox(this, QStringLiteral("InCurrency"), 3285, 1830, 240, 285);
    inCurrency_->setAlignment(Qt::AlignCenter);
    inCurrency_->setTextMargins(0, 0, 0, 0);
    makeLabel(this, QStringLiteral("Label3"), QStringLiteral("Type in your name"), 225, 2310, 3300,
              825);
    inMyName_ = makeTextBox(this, QStringLiteral("InMyName"), 315, 2700, 3120, 360);
    auto* strip = makeLabel(this, QStringLiteral("Label1"), QString(), 0, 3360, 3750, 420);
    strip->lower();

    setTabOrder(exitFonts_, option1_);
    setTabOrder(option1_, option2_);
    setTabOrder(option2_, inCurrency_);
    setTabOrder(inCurrency_, inMyName_);

    // Load: show the settings in force.
    const AppState& s = State();
    (s.settings.printerFont == PrinterFont::Standard ? option1_ : option2_)->setChecked(true);
    inCurrency_->setText(s.settings.currencySymbol);
    inMyName_->setText(s.settings.userName);

    // The choice takes effect at once, however the window is closed later.
    connect(option1_, &QRadioButton::clicked, this, [] { State().settings.printerFont = PrinterFont::Standard; });
    connect(option2_, &QRadioButton::clicked, this, [] { State().settings.printerFont = PrinterFont::CourierNew; });

    // The symbol box holds only the last character typed or pasted; neither box
    // takes a double quote (the settings file keeps texts between quotes) nor,
    // in the name, a line break.
    ApplySymbolBoxRules(inCurrency_);
    ApplyNameBoxRules(inMyName_);
    inMyName_->installEventFilter(this);
    connect(exitFonts_, &QPushButton::clicked, this, &SymbolFonts::SavePersonalSettings);
}

bool SymbolFonts::eventFilter(QObject* watched, QEvent* event) {
    if (watched == inMyName_ && event->type() == QEvent::FocusOut)
        State().settings.userName = inMyName_->text();
    return QWidget::eventFilter(watched, event);
}

void SymbolFonts::SavePersonalSettings() {
    if (saving_) return;
    saving_ = true;
    AppState& s = State();
    // The name box gives up the focus before the button acts.
    s.settings.userName = inMyName_->text();
    s.settings.currencySymbol = inCurrency_->text();
    SavePersonalSettingsFile(SettingsFile(), State().settings);  // a failure is not reported
    const int16_t lines = StartupLinesPerPage();
    if (lines > 0) s.settings.linesPerPage = lines;
    auto* menu = Windows().get<MenuMain>(QStringLiteral("MenuMain"));
    if (menu) menu->ShowMyName();
    Windows().unload(QStringLiteral("SymbolFonts"));
    Windows().show(QStringLiteral("MenuMain"));
}

void SymbolFonts::closeEvent(QCloseEvent* e) {
    // Closing the frame stores the settings and returns to the menu, as Exit
    // does; otherwise the menu would stay hidden behind nothing.
    e->accept();
    SavePersonalSettings();
}
