#include "planning/ui/calculator_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "charts/ui/chart_window.h"
#include "common/key_filters.h"
#include "common/number_format.h"
#include "platform/accessibility.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/grid.h"
#include "platform/keys.h"
#include "platform/twips.h"
#include "platform/typed_entry.h"
#include "platform/window_places.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "shell/ui/print_action_ui.h"

namespace {
const QString kHelpTitle = QStringLiteral("Help");
const QString kWrongEntry = QStringLiteral("Wrong entry, try again");
constexpr int kReportSlot = 1;  // ReportText's place in the report list

// The figures Calculate showed follow it in the Tab order, and the first is announced.
void OfferResults(QWidget* calculate, const QList<QLabel*>& labels) {
    QWidget* after = calculate;
    for (QLabel* label : labels) after = accessibility::placeResultInTabOrder(label, after);
    for (QLabel* label : labels) {
        if (label->text().isEmpty()) continue;
        accessibility::announceResult(label);
        break;
    }
}
}  // namespace

struct CalculatorWindow::Input {
    QWidget* box = nullptr;
    int slot = 0;
    KeyFilter filter = nullptr;
    BoxFormat format;
    InputOptions options;
};

void LayOutCalculatorGrid(Grid* grid, const CalculatorGridLayout& layout) {
    const int cols = static_cast<int>(layout.widthIncrements.size());
    const int base = layout.defaultColWidth > 0 ? layout.defaultColWidth : Grid::kDefaultColWidth;
    grid->setCols(cols);
    grid->setRows(layout.rows);
    grid->setRowHeight(0, layout.headingHeight);
    for (int c = 0; c < cols; ++c) {
        grid->setColWidth(c, base + layout.widthIncrements[static_cast<size_t>(c)]);
        grid->setColAlignment(
            c, c < layout.centredColumns ? Grid::CellAlign::Centre : Grid::CellAlign::Right);
        grid->setFixedAlignment(c, Grid::CellAlign::Centre);
        grid->setCellText(0, c, c < layout.headings.size() ? layout.headings.at(c) : QString());
    }
    grid->setSelEndRow(1);
    grid->setSelEndCol(0);
}

QLabel* StyleInputCaption(QLabel* label) {
    QFont f = label->font();
    f.setPointSize(8);
    label->setFont(f);
    setBackColour(label, colours::Aqua);
    return label;
}

CalculatorWindow::CalculatorWindow(const CalculatorTableShape& shape, QWidget* parent)
    : QWidget(parent) {
    State().createCalculatorTables(shape);
}

CalculatorWindow::~CalculatorWindow() = default;

void CalculatorWindow::addInput(QWidget* box, int slot, KeyFilter filter, const BoxFormat& format,
                                InputOptions options) {
    auto in = std::make_unique<Input>();
    in->box = box;
    in->slot = slot;
    in->filter = filter;
    in->format = format;
    in->options = options;
    wireInput(*in);
    enterOrder_.push_back(box);
    inputs_.push_back(std::move(in));
}

void CalculatorWindow::chainTabOrder(QList<QWidget*> inputs, const Controls& c, QWidget* last) {
    inputs << c.calculate << c.help << c.graph << c.print << c.exit;
    if (last) inputs << last;
    inputs << c.helpPanel;
    ::chainTabOrder(inputs);
}

void CalculatorWindow::setControls(const Controls& c) {
    controls_ = c;
    HelpPanel::Parts parts;
    parts.button = c.help;
    parts.panel = c.helpPanel;
    parts.disabledWhileOpen = {c.print, c.graph};
    parts.grid = c.grid;
    parts.firstInput = enterOrder_.empty() ? nullptr : enterOrder_.front();
    parts.colour = c.helpColour;
    parts.text = [this] { return helpText(); };
    parts.reset = [this] { ResetResults(); };
    help_ = std::make_unique<HelpPanel>(parts);

    connect(c.calculate, &QPushButton::clicked, this, [this] { Calculate(); });
    connect(c.graph, &QPushButton::clicked, this, [this] { ShowGraph(); });
    connect(c.print, &QPushButton::clicked, this, [this] { PrintResults(); });
    connect(c.exit, &QPushButton::clicked, this, [this] { ExitToMenu(); });
    connect(c.help, &QPushButton::clicked, this, [this] { ToggleHelp(); });
}

void CalculatorWindow::placeGridAndHelp(Controls& controls, const QString& gridName, int left,
                                        int top, int width, int height) {
    controls.grid = new Grid(this);
    controls.grid->setObjectName(gridName);
    twips::place(controls.grid, left, top, width, height);
    controls.helpPanel = makeTextPanel(this, QStringLiteral("TxtBox"), left, top, width, height);
    setControls(controls);
    // The grid, and the help panel in its place, take whatever room the window is given.
    window_places::makeResizable(this, {controls.grid, controls.helpPanel});
}

CalculatorWindow::Controls CalculatorWindow::makeButtonRow(const QString& helpName,
                                                           const QString& printName) {
    const QByteArray help = helpName.toLatin1(), print = printName.toLatin1();
    return makeButtonRow("Label7", 9480,
                         {{"ExitButton", "E&xit to Menu", 270, 1545},
                          {print.constData(), "To &Printer", 2160, 1635},
                          {"Graphs", "&Show Graph", 4095, 1500},
                          {help.constData(), "&Help", 5940, 1410},
                          {"Calc", "&Calculate", 7650, 1590}});
}

CalculatorWindow::Controls CalculatorWindow::makeButtonRow(const char* stripName, int stripWidth,
                                                           const RowButton (&buttons)[5]) {
    constexpr int kTop = 6000, kHeight = 325;
    makeLabel(this, QString::fromLatin1(stripName), QString(), 0, 5940, stripWidth, 420);
    QPushButton* made[5];
    for (int i = 0; i < 5; ++i)
        made[i] = makeButton(this, QString::fromLatin1(buttons[i].name),
                             QString::fromLatin1(buttons[i].caption), buttons[i].left, kTop,
                             buttons[i].width, kHeight);
    Controls c;
    c.exit = made[0];
    c.print = made[1];
    c.graph = made[2];
    c.help = made[3];
    c.calculate = made[4];
    return c;
}

QLineEdit* CalculatorWindow::editOf(const Input& in) const {
    if (auto* list = qobject_cast<QComboBox*>(in.box)) return list->lineEdit();
    return qobject_cast<QLineEdit*>(in.box);
}

CalculatorWindow::Input* CalculatorWindow::find(int slot) const {
    for (const auto& in : inputs_)
        if (in->slot == slot) return in.get();
    return nullptr;
}

CalculatorWindow::Input* CalculatorWindow::find(QWidget* box) const {
    for (const auto& in : inputs_)
        if (in->box == box || editOf(*in) == box) return in.get();
    return nullptr;
}

void CalculatorWindow::wireInput(Input& in) {
    Input* p = &in;
    KeyHook* hook = KeyHook::on(in.box);
    hook->keyPress = [this, p](int key) { return keyPress(*p, key); };
    hook->keyDown = [this, p](int& code) {
        if (code != keycode::Delete) return;
        if (p->options.deleteEmpties) editOf(*p)->clear();
        pending_ = p;
        ResetResults();
    };
    if (auto* list = qobject_cast<QComboBox*>(in.box)) {
        connect(list, &QComboBox::activated, this, [this, p](int) {
            pending_ = p;
            ResetResults();
        });
    }
    in.box->installEventFilter(this);
    if (QLineEdit* edit = editOf(in); edit && edit != in.box) edit->installEventFilter(this);
    // Pasted and dropped text comes in as typed keys; any other change of the
    // text by the user (the context menu's Cut or Delete, Undo) is an edit too.
    TypedEntry::install(in.box, [this, p] { edited(*p); });
}

void CalculatorWindow::edited(Input& in) {
    // A key already counted it (the first-key rule, Delete, "-").
    if (inputEdited_ && pending_ == &in) return;
    pending_ = &in;
    ResetResults();
}

int CalculatorWindow::keyPress(Input& in, int key) {
    if (key == keycode::Enter) {
        focusNextAfter(in.box);
        return 0;
    }
    if (key == keycode::Minus && in.options.acceptsMinus) {
        editOf(in)->clear();
        pending_ = &in;
        ResetResults();
        return key;
    }
    const int typed = FilterKey(in.filter, key);
    if (typed == 0) return 0;
    if (!inputEdited_ || pending_ != &in) {
        // The first key typed into a filled box replaces its figure, also when
        // another control (a name box, a choice list) counted the last edit.
        editOf(in)->clear();
        ResetResults();
    }
    pending_ = &in;
    return typed;
}

void CalculatorWindow::addEnterStop(QWidget* control) {
    enterOrder_.push_back(control);
}

void CalculatorWindow::addChoiceList(QComboBox* list) {
    addEnterStop(list);
    KeyHook* hook = KeyHook::on(list);
    hook->keyPress = [this, list](int key) {
        if (key == keycode::Enter) {
            focusNextAfter(list);
        } else {
            dialogs::beep();
            ResetResults();
        }
        return 0;
    };
    connect(list, &QComboBox::activated, this, [this](int) { ResetResults(); });
}

void CalculatorWindow::addNameBox(QLineEdit* box) {
    addEnterStop(box);
    KeyHook::on(box)->keyPress = [this, box](int key) {
        if (key == keycode::Enter) {
            focusNextAfter(box);
            return 0;
        }
        ResetResults();
        return key;
    };
    TypedEntry::install(box, [this] {
        if (!inputEdited_) ResetResults();
    });
}

void CalculatorWindow::addResultLabel(QLabel* label) {
    accessibility::markResultLabel(label);
    resultLabels_ << label;
}

void CalculatorWindow::focusNextAfter(QWidget* control) {
    bool after = false;
    for (QWidget* other : enterOrder_) {
        if (after && !other->isHidden() && other->isEnabled()) {
            other->setFocus(Qt::TabFocusReason);
            return;
        }
        if (other == control) after = true;
    }
    if (controls_.calculate) controls_.calculate->setFocus(Qt::TabFocusReason);
}

void CalculatorWindow::refreshHelpText() {
    if (help_ && help_->isOpen()) help_->open();
}

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !exiting_) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Opening the list or leaving the application keeps the box in use.
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            if (Input* in = find(qobject_cast<QWidget*>(watched)); in && inputEdited_) commit(*in);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CalculatorWindow::commit(Input& in) {
    AppState& s = State();
    if (in.slot < 0 || static_cast<size_t>(in.slot) >= s.CalcInputs.size()) return;
    inputEdited_ = false;
    pending_ = nullptr;
    Money& figure = s.CalcInputs[static_cast<size_t>(in.slot)];
    const std::optional<Money> typed =
        BoxFormat::read(editOf(in)->text(), s.settings.currencySymbol);
    // A figure beyond the currency's range is refused: the box keeps its old figure.
    if (typed) figure = *typed;
    editOf(in)->setText(in.format.text(figure, s.settings.currencySymbol));
    if (!typed) dialogs::message(kWrongEntry, kHelpTitle);
}

void CalculatorWindow::commitPendingEdit() {
    if (pending_ && inputEdited_) commit(*pending_);
}

void CalculatorWindow::setInput(int slot, Money value) {
    AppState& s = State();
    if (slot < 0 || static_cast<size_t>(slot) >= s.CalcInputs.size()) return;
    s.CalcInputs[static_cast<size_t>(slot)] = value;
    if (Input* in = find(slot))
        editOf(*in)->setText(in->format.text(value, s.settings.currencySymbol));
}

void CalculatorWindow::setInput(int slot, Money value, const QStringList& listEntries) {
    setInput(slot, value);
    setListEntries(qobject_cast<QComboBox*>(inputBox(slot)), listEntries);
}

void CalculatorWindow::setInputFormat(int slot, const BoxFormat& format) {
    if (Input* in = find(slot)) in->format = format;
}

void CalculatorWindow::setInputText(int slot, const QString& text) {
    if (Input* in = find(slot)) editOf(*in)->setText(text);
}

QWidget* CalculatorWindow::inputBox(int slot) const {
    Input* in = find(slot);
    return in ? in->box : nullptr;
}

QString CalculatorWindow::inputText(int slot) const {
    Input* in = find(slot);
    return in ? editOf(*in)->text() : QString();
}

void CalculatorWindow::ResetResults() {
    for (QLabel* label : resultLabels_) {
        label->clear();
        accessibility::placeResultInTabOrder(label, nullptr);
    }
    clearResultLabels();
    inputEdited_ = true;
    if (helpShown_) return;
    help_->clearText();
    if (blanksGridOnReset()) controls_.grid->clearBody();
    if (help_->isOpen()) {
        help_->close();
        inputEdited_ = false;
    }
    if (!graphPointsCountEntries()) graphPoints_ = 0;
}

void CalculatorWindow::ToggleHelp() {
    commitPendingEdit();
    helpShown_ = !helpShown_;
    help_->toggle();
}

void CalculatorWindow::Calculate() {
    commitPendingEdit();
    helpShown_ = false;
    ResetResults();
    if (!graphPointsCountEntries()) graphPoints_ = 0;
    inputEdited_ = false;
    try {
        calculation();
        OfferResults(controls_.calculate, resultLabels_);
    } catch (...) {
        // Huge figures, a figure out of range, any other surprise: the
        // calculation ends and leaves nothing half-written.
        dialogs::message(kWrongEntry, kHelpTitle);
    }
}

void CalculatorWindow::ShowGraph() {
    commitPendingEdit();
    if (graphPoints_ == 0) {
        dialogs::message(QStringLiteral("No Data to work with. Calculate."),
                         QStringLiteral("Advisory"));
        return;
    }
    ChartData chart = graphHandOver();
    chart.opener = objectName();
    Form1::open(std::move(chart));
    Windows().hide(objectName());
}

void CalculatorWindow::PrintResults() {
    commitPendingEdit();
    if (PrintWithConfirmation(windowTitle(), [this](PrintDevice& d) { printReport(d); }))
        afterPrintout();
}

bool CalculatorWindow::refusedPastYearLimit(double term, int limit, int messageYears) {
    if (!PastYearLimit(term, limit)) return false;
    dialogs::message(YearLimitMessage(messageYears < 0 ? limit : messageYears), windowTitle());
    return true;
}

bool CalculatorWindow::startYearGrid(int64_t years, int limit, int extraRows) {
    const double term = static_cast<double>(years);
    if (!PastYearLimit(term, limit)) grid()->setRows(GridRowsFor(years, extraRows));
    grid()->clearBody();
    return !refusedPastYearLimit(term, limit);
}

void CalculatorWindow::prepareGrid(int64_t term, int extraRows) {
    grid()->setRows(GridRowsFor(term, extraRows));
    grid()->clearBody();
}

void CalculatorWindow::fillGrid(int firstRow, GridRowSource rows) {
    grid()->setRowSource(firstRow, rows.count, std::move(rows.cells));
}

void CalculatorWindow::fillYearGrid(int years, const YearGridColumns& columns, int firstRow) {
    fillGrid(firstRow,
             YearGridSource(State().YearTable, years, columns, State().settings.currencySymbol));
    resetGridSelection();
}

void CalculatorWindow::resetGridSelection() {
    grid()->setSelEndRow(1);
    grid()->setSelEndCol(0);
}

QString& CalculatorWindow::reportText() {
    QStringList& list = State().ReportText;
    while (list.size() <= kReportSlot) list << QString();
    return list[kReportSlot];
}

int CalculatorWindow::addComparisonRow(const QStringList& cells, Money chartValue,
                                       const QString& reportEntry) {
    AppState& s = State();
    const int k = comparisonCount_ + 1;
    // The tables first: a row past their shape fails before anything is kept.
    s.ComparisonTable(k, 5) = chartValue;
    s.ComparisonLabels(k, 0) = ComparisonRowLabel(k);
    reportText() += reportEntry;
    comparisonValues_.push_back(chartValue);
    comparisonCount_ = k;
    for (int c = 0; c < cells.size(); ++c) grid()->setCellText(k, c, cells.at(c));
    return k;
}

void CalculatorWindow::releaseTables() {
    State().releaseCalculatorTables();
}

void CalculatorWindow::ExitToMenu() {
    if (exiting_) return;
    exiting_ = true;
    releaseTables();
    graphPoints_ = 0;
    Windows().unload(objectName());
    Windows().show(QStringLiteral("MenuMain"));
}

void CalculatorWindow::closeEvent(QCloseEvent* event) {
    // Closing the frame leaves the tool as its exit button does, so the menu comes back.
    event->accept();
    ExitToMenu();
}
