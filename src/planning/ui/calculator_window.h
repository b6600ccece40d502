// CalculatorWindow: the base of every calculator window (input boxes, Calculate, help panel,
// graph, printout, exit, the year grid and the comparison rows).
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "common/chart_data.h"
#include "common/money.h"
#include "planning/model/calculator_figures.h"
#include "planning/model/calculator_tables.h"
#include "shell/ui/app_state.h"
#include "shell/ui/input_conventions_ui.h"

class Grid;
class HelpPanel;
class PrintDevice;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The shape of a calculator's result grid. Widths are increments over
// `defaultColWidth` (the grid's own default unless a window needs narrower
// columns to fit its grid); the first `centredColumns` columns are centred,
// the others right-aligned, and every heading is centred.
struct CalculatorGridLayout {
    int rows = 25;
    int headingHeight = 500;
    std::vector<int> widthIncrements;  // one per column
    QStringList headings;
    int centredColumns = 1;
    int defaultColWidth = 0;  // twips; 0 for Grid::kDefaultColWidth
};
void LayOutCalculatorGrid(Grid* grid, const CalculatorGridLayout& layout);

// One input box of a calculator's layout table: the box's and its caption's control names, the
// caption, the input slot, the default figure and, for a list, its entries.
struct CalculatorBox {
    const char* name;
    const char* labelName;
    const char* label;
    int slot;
    int defaultValue;
    QStringList entries;
};

// A descriptive label of a calculator's input column: aqua, in 8 points, so
// that the blanks of its caption break it into lines at the column's width.
QLabel* StyleInputCaption(QLabel* label);

// How a calculator's number box treats two keys.
struct CalculatorInputOptions {
    bool acceptsMinus = false;   // "-" empties the box and starts a negative figure
    bool deleteEmpties = false;  // the Delete key also empties the box
};

// A calculator window names only what differs: its table shape, its controls
// and their places, its input boxes (in Enter order) with their filters and
// display formats, the grid layout, the calculation, the help text, the
// printout and the chart of its last result. This base runs the rest: the key
// protocol of the boxes (every paste, drop and Delete counts as typing does),
// reading the boxes, ResetResults, the help panel, Show Graph, To Printer, Exit
// to Menu, Calculate's failure message, the year limit, the year grid and the
// comparison rows. See DEVELOPERS.md, "Building a calculator on the base".
class CalculatorWindow : public QWidget {
    Q_OBJECT
  public:
    // How many points the last result has for the chart (0: nothing calculated yet, so Show
    // Graph says "No Data to work with. Calculate."); for a tool that counts its entries, the
    // entries kept.
    int graphPoints() const { return graphPoints_; }
    ~CalculatorWindow() override;

    // The buttons' actions, as a click runs them.
    void Calculate();
    void ShowGraph();
    void PrintResults();
    void ExitToMenu();
    void ToggleHelp();

    // Marks the inputs edited and, unless the help panel holds, empties the
    // result labels, clears the results shown (the grid body while no
    // comparison row is kept), closes the help panel and forgets the chart's points.
    void ResetResults();

    // Stores a figure in its CalcInputs slot and shows it in its box.
    void setInput(int slot, Money value);
    // The same for a drop-down list box, which also gets its list's entries.
    void setInput(int slot, Money value, const QStringList& listEntries);
    // The box of a slot, or null.
    QWidget* inputBox(int slot) const;
    // The text a box shows.
    QString inputText(int slot) const;
    // The comparison rows kept since the window opened (0..23).
    int comparisonCount() const { return comparisonCount_; }
    // True while an edit waits to be read, or the results have been reset since the last
    // calculation; the first key typed into a box then no longer replaces its figure.
    bool inputEdited() const { return inputEdited_; }
    // True while the Help button has opened the panel; ResetResults then keeps it open.
    bool helpShown() const { return helpShown_; }

  protected:
    // Load: creates the shared tables in the window's shape. The subclass then builds its controls,
    // adds its boxes, calls setControls(), lays out the grid and shows its defaults.
    explicit CalculatorWindow(const CalculatorTableShape& shape = CalculatorTableShape(),
                              QWidget* parent = nullptr);

    // ---- Building the window ----
    struct Controls {
        QPushButton* exit = nullptr;
        QPushButton* print = nullptr;
        QPushButton* graph = nullptr;
        QPushButton* help = nullptr;
        QPushButton* calculate = nullptr;
        Grid* grid = nullptr;
        QPlainTextEdit* helpPanel = nullptr;
        QColor helpColour = QColor(0, 255, 255);
    };
    // Wires the common buttons and the help panel (after the input boxes are
    // added: the first box is where Enter in the help panel goes).
    void setControls(const Controls& controls);
    // Chains the Tab order: `inputs` (the window's own controls, top to bottom), then Calculate,
    // Help, Show Graph, the printer and exit buttons, `last` (a button of the window's own, if
    // any) and the help panel.
    static void chainTabOrder(QList<QWidget*> inputs, const Controls& controls,
                              QWidget* last = nullptr);
    // The usual bottom row of a large calculator window (client 9480 x 6360):
    // "E&xit to Menu" (ExitButton), "To &Printer" (Prt), "&Show Graph"
    // (Graphs), "&Help" (Help1) and "&Calculate" (Calc), on a strip the width
    // of the window; the grid and help panel are left to the window. A window
    // whose help or printer button has another name names it.
    Controls makeButtonRow(const QString& helpName = QStringLiteral("Help1"),
                           const QString& printName = QStringLiteral("Prt"));
    // A bottom row of a window's own: the five buttons in the order exit,
    // print, graph, help, calculate, each with its name, caption, left edge and
    // width in twips, on a strip named `stripName` `stripWidth` wide.
    struct RowButton {
        const char* name;
        const char* caption;
        int left, width;
    };
    Controls makeButtonRow(const char* stripName, int stripWidth, const RowButton (&buttons)[5]);
    // The result grid `gridName` and, over the same place (in twips), the help
    // panel "TxtBox" that Help shows instead of it; both go into `controls`,
    // which are then wired (setControls).
    void placeGridAndHelp(Controls& controls, const QString& gridName, int left, int top, int width,
                          int height);

    using InputOptions = CalculatorInputOptions;
    // Adds a number box (an editable drop-down list or a text box), in Enter
    // order: its figure lives in CalcInputs(slot), keys pass `filter`, and it
    // shows its figure with `format`. Typing, pasting, dropping and Delete all
    // count as edits; the box is read (BoxFormat::read) when it loses the focus.
    void addInput(QWidget* box, int slot, KeyFilter filter, const BoxFormat& format,
                  InputOptions options = {});
    // Adds a drop-down list that only offers choices (a compounding period), in
    // Enter order: picking an entry runs ResetResults; any other key than
    // Enter beeps, is swallowed and runs ResetResults.
    void addChoiceList(QComboBox* list);
    // Adds a free-text box read at Calculate (an investment's name), in Enter
    // order: every key or paste other than Enter runs ResetResults and stays.
    void addNameBox(QLineEdit* box);
    // Puts another control into the Enter order after the boxes added so far;
    // the window handles its keys and moves on with focusNextAfter().
    void addEnterStop(QWidget* control);
    // A result label: ResetResults empties it before anything else.
    void addResultLabel(QLabel* label);
    // Enter's move: the next visible, enabled control of the Enter order, else Calculate.
    void focusNextAfter(QWidget* control);
    // Fills the open help panel again (a window whose help depends on a choice).
    void refreshHelpText();
    // Changes how a box shows its figure (a window whose boxes change meaning).
    void setInputFormat(int slot, const BoxFormat& format);
    // Shows `text` in a box without touching its figure.
    void setInputText(int slot, const QString& text);
    // Reads a box that was typed into but has not yet lost the focus. Every
    // button runs it first: an access key (Alt+C) presses a button without
    // taking the focus from the box, and the figure must count all the same.
    void commitPendingEdit();

    // ---- Pieces for the calculation ----
    Grid* grid() const { return controls_.grid; }
    // "Wrong entry, N Years limit." titled with the window caption when `term`
    // is past `limit` (PastYearLimit); N is `messageYears` when given (a loan
    // in months says "40 Years"), else the limit. True when refused.
    bool refusedPastYearLimit(double term, int limit, int messageYears = -1);
    // Sizes the grid for a table of `term` rows (GridRowsFor) and blanks its body.
    void prepareGrid(int64_t term, int extraRows);
    // The start of a year table of `years` rows: the grid sized for it when
    // the term is within `limit` (else left at its size), its body blanked,
    // then the limit check. False when the term is refused.
    bool startYearGrid(int64_t years, int limit, int extraRows);
    // Hands the grid `rows` from grid row `firstRow` on: each is made when first drawn or read.
    void fillGrid(int firstRow, GridRowSource rows);
    // The year grid from YearTable: year rows 1..years and the total row
    // (YearGridSource), from grid row `firstRow` on; then the selection end goes
    // back to row 1, column 0.
    void fillYearGrid(int years, const YearGridColumns& columns, int firstRow = 1);
    // The grid's selection end at row 1, column 0, as after every calculation.
    void resetGridSelection();
    // The comparison rows. A new row k = comparisonCount() + 1 fills grid row k
    // with `cells`, ComparisonLabels(k, 0) with "Row  k", ComparisonTable(k, 5)
    // and comparisonValues() with `chartValue`, and appends `reportEntry` to reportText();
    // returns k.
    // Check comparisonsFull() first (23 rows kept).
    int addComparisonRow(const QStringList& cells, Money chartValue, const QString& reportEntry);
    bool comparisonsFull() const { return comparisonCount_ >= kComparisonLimit; }
    void setGraphPoints(int points) { graphPoints_ = points; }
    // The chart values of the comparison rows kept, row 1 first.
    const std::vector<Money>& comparisonValues() const { return comparisonValues_; }
    // ReportText element 1: the accumulated printable entries.
    QString& reportText();

    // ---- What each calculator supplies ----
    virtual QString helpText() const = 0;
    // The calculation proper, after Calculate's common steps (the help panel closed,
    // ResetResults, no chart points unless entries are counted, no input edited).
    // Any exception it raises ends it with "Wrong entry, try again".
    virtual void calculation() = 0;
    virtual void printReport(PrintDevice& device) = 0;
    // The chart of the last result, which Show Graph opens the chart window with once
    // graphPoints() says there is one.
    virtual ChartData graphHandOver() const = 0;
    // ResetResults blanks the grid body only when this says so (by default
    // while no comparison row is kept).
    virtual bool blanksGridOnReset() const { return comparisonCount_ == 0; }
    // True when graphPoints() counts the entries kept while the window is open
    // (then neither ResetResults nor Calculate clears it).
    virtual bool graphPointsCountEntries() const { return false; }
    // Result labels emptied by ResetResults besides those of addResultLabel().
    virtual void clearResultLabels() {}
    // After a printout was made.
    virtual void afterPrintout() {}
    // Exit to Menu releases the shared tables.
    virtual void releaseTables();
    // Once the boxes show their figures: nothing edited.
    void clearInputEdited() { inputEdited_ = false; }

    void closeEvent(QCloseEvent* event) override;

  private:
    struct Input;
    Input* find(int slot) const;
    Input* find(QWidget* box) const;
    QLineEdit* editOf(const Input& in) const;
    void wireInput(Input& in);
    int keyPress(Input& in, int key);
    void edited(Input& in);
    void commit(Input& in);

    bool eventFilter(QObject* watched, QEvent* event) override;

    std::vector<std::unique_ptr<Input>> inputs_;
    std::vector<QWidget*> enterOrder_;
    QList<QLabel*> resultLabels_;
    Controls controls_;
    std::unique_ptr<HelpPanel> help_;
    Input* pending_ = nullptr;  // the box typed into since it was last read
    int comparisonCount_ = 0;
    int graphPoints_ = 0;
    std::vector<Money> comparisonValues_;
    bool exiting_ = false;
    bool inputEdited_ = false;
    bool helpShown_ = false;
};
