// CalculatorWindow: the form the calculator windows share (yellow input boxes, Calculate, help
// panel, graph, printout, exit).
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <vector>

#include "common/money.h"
#include "planning/calculator_figures.h"
#include "shell/input_conventions_ui.h"

class Grid;
class HelpPanel;
class PrintDevice;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The shape of a calculator's result grid. Widths are increments over the
// grid's default column width; the first `centredColumns` columns are centred,
// the others right-aligned, and every heading is centred.
struct CalculatorGridLayout {
    int rows = 25;
    int headingHeight = 500;
    std::vector<int> widthIncrements;  // one per column
    QStringList headings;
    int centredColumns = 1;
};
void LayOutCalculatorGrid(Grid* grid, const CalculatorGridLayout& layout);

// How a calculator's number box treats two keys.
struct CalculatorInputOptions {
    bool acceptsMinus = false;   // "-" empties the box and starts a negative figure
    bool deleteEmpties = false;  // the Delete key also empties the box
};

// A calculator window names only what differs: its controls and their places,
// its input boxes (in Enter order) with their filters and display formats, the
// grid, the calculation, the help text, the printout and its chart code. This
// base runs the rest: the key protocol of the input boxes, ResetResults, the
// help panel, Show Graph, To Printer, Exit to Menu and Calculate's failure message.
class CalculatorWindow : public QWidget {
    Q_OBJECT
  public:
    ~CalculatorWindow() override;

    // The buttons' actions, as a click runs them.
    void Calculate();
    void ShowGraph();
    void PrintResults();
    void ExitToMenu();
    void ToggleHelp();

    // Marks the inputs edited and, unless the help panel holds, clears the
    // results shown, closes the help panel and forgets the chart's points.
    void ResetResults();

    // Stores a figure in its CalcInputs slot and shows it in its box.
    void setInput(int slot, Money value);
    // The box of a slot, or null.
    QWidget* inputBox(int slot) const;
    // The text a box shows.
    QString inputText(int slot) const;

  protected:
    // Creates the calculators' shared tables and clears the window flags (load).
    explicit CalculatorWindow(QWidget* parent = nullptr);

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
    // Wires the common buttons and the help panel (after the input boxes are added).
    void setControls(const Controls& controls);

    using InputOptions = CalculatorInputOptions;
    // Adds a number box (an editable drop-down list or a text box), in Enter
    // order: its figure lives in CalcInputs(slot), keys pass `filter`, and it
    // shows its figure with `format`.
    void addInput(QWidget* box, int slot, KeyFilter filter, const BoxFormat& format,
                  InputOptions options = {});
    // Puts another control (a choice list, a name box) into the Enter order
    // after the boxes added so far; the window handles its keys and moves on
    // with focusNextAfter().
    void addEnterStop(QWidget* control);
    // Enter's move: the next visible control of the Enter order, else Calculate.
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

    Grid* grid() const { return controls_.grid; }

    // ---- What each calculator supplies ----
    virtual QString helpText() const = 0;
    // The calculation proper, after Calculate's common steps. Any exception it
    // raises ends it with "Wrong entry, try again".
    virtual void calculation() = 0;
    virtual void printReport(PrintDevice& device) = 0;
    // GraphSource set by Show Graph; -1 leaves it as Calculate set it.
    virtual int graphSource() const = 0;
    // ResetResults blanks the grid body only when this says so.
    virtual bool blanksGridOnReset() const { return true; }
    // True when GraphPoints counts the entries kept while the window is open
    // (then neither ResetResults nor Calculate clears it).
    virtual bool graphPointsCountEntries() const { return false; }
    // Result labels emptied by ResetResults before anything else.
    virtual void clearResultLabels() {}
    // After a printout was made.
    virtual void afterPrintout() {}
    // Exit to Menu releases the shared tables.
    virtual void releaseTables();

    void closeEvent(QCloseEvent* event) override;

  private:
    struct Input;
    Input* find(int slot) const;
    Input* find(QWidget* box) const;
    QLineEdit* editOf(const Input& in) const;
    void wireInput(Input& in);
    int keyPress(Input& in, int key);
    void commit(Input& in);

    bool eventFilter(QObject* watched, QEvent* event) override;

    std::vector<std::unique_ptr<Input>> inputs_;
    std::vector<QWidget*> enterOrder_;
    Controls controls_;
    std::unique_ptr<HelpPanel> help_;
    Input* pending_ = nullptr;  // the box typed into since it was last read
    bool exiting_ = false;
};
