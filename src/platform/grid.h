// Grid: the table control of the tool windows (one fixed heading row, cells of text, no editing of
// its own), a view over a light table model of strings.
#pragma once

#include <QColor>
#include <QStringList>
#include <QTableView>
#include <functional>
#include <optional>
#include <vector>

class QMenu;
class GridModel;

// Row 0 is the fixed heading row (drawn as the column headers); rows 1.. are
// the body. Rows() counts the heading row, as the tool windows expect. The grid
// never edits a cell: a window that lets the user type into it handles the
// keys (KeyHook or the key callbacks below) and writes the cell text.
// A figure too wide for its cell is drawn smaller to fit (FontToFitFigure).
// The cells are plain strings in a model (body row r is model row r - 1); writing one costs no
// more than storing it, and only the rows in view are drawn. For screen readers the model
// names each cell's headings: its column's heading, and its row's first cell.
class Grid : public QTableView {
    Q_OBJECT
  public:
    explicit Grid(QWidget* parent = nullptr);

    // How much smaller a figure too wide for its cell may be drawn: a narrow column (the price
    // column of Current Prices, with the largest amount) needs 40 %.
    static constexpr double kLeastFigureScale = 0.4;

    // The default column width in twips; the tool windows give widths as
    // increments over it.
    static constexpr int kDefaultColWidth = 600;
    static constexpr int kDefaultRowHeight = 255;

    int Rows() const { return bodyRows() + 1; }
    int Cols() const;
    // Grows or shrinks; cells kept inside the new size keep their text.
    void setRows(int rows);
    void setCols(int cols);

    void setColWidth(int col, int twips);
    int colWidth(int col) const;  // twips
    void setRowHeight(int row, int twips);
    // Where a column's text stands in its cells (all vertically centred).
    enum class CellAlign { Left, Right, Centre };
    void setColAlignment(int col, CellAlign alignment);
    // The same for the column's heading, which also wraps.
    void setFixedAlignment(int col, CellAlign alignment);
    // The text and background colours of a column's body cells (an invalid colour: the grid's own).
    void setColColours(int col, const QColor& text, const QColor& background);

    // Current cell.
    int Row() const { return row_; }
    int Col() const { return col_; }
    void setRow(int row);
    void setCol(int col);
    // What setText writes: the current cell, or every cell of the selection block.
    enum class FillStyle { CurrentCell, Selection };
    // Writes the current cell, or every cell of the selection block under FillStyle::Selection.
    void setText(const QString& text);
    QString text() const { return cellText(row_, col_); }

    QString cellText(int row, int col) const;
    void setCellText(int row, int col, const QString& text);

    // A cell as it is shown: its text and alignment (body row r is `row` r - 1; the headings
    // are horizontalHeaderItem). Nothing outside the grid.
    struct ShownCell {
        QString shownText;
        Qt::Alignment alignment;
        QString text() const { return shownText; }
        Qt::Alignment textAlignment() const { return alignment; }
    };
    std::optional<ShownCell> item(int row, int col) const;
    std::optional<ShownCell> horizontalHeaderItem(int col) const;
    // Makes body cell (`row`, `col`) current, counting body rows from 0 as the model does.
    void setCurrentCell(int row, int col);

    // Selection block.
    void setSelStartRow(int r) { selStartRow_ = r; }
    // Moving the selection's end brings its cell into view (row 1, column 0
    // after a calculation: the top left of the body).
    void setSelEndRow(int r);
    void setSelStartCol(int c) { selStartCol_ = c; }
    void setSelEndCol(int c);
    int selStartRow() const { return selStartRow_; }
    int selEndRow() const { return selEndRow_; }
    int selStartCol() const { return selStartCol_; }
    int selEndCol() const { return selEndCol_; }
    void setFillStyle(FillStyle style) { fillStyle_ = style; }
    FillStyle fillStyle() const { return fillStyle_; }

    // Blanks the body rows 1 to the last, every column (the heading row stays).
    void clearBody();
    // Body rows `firstRow`.. `firstRow + count - 1` take their cells from `cells(i)` (i from 0)
    // when they are first drawn or read, so that filling a long table costs what the rows in
    // view cost. Writing a cell of such a row keeps the rest of the row; clearBody() forgets
    // the source. `cells` must not depend on anything that may change before it is read.
    void setRowSource(int firstRow, int count, std::function<QStringList(int)> cells);

    // Export. Ctrl+C and the context menu's "Copy" put the selected cells on the clipboard as
    // tab-separated text, or the whole table with its headings when nothing is selected; "Save
    // as CSV..." writes the whole table to a comma-separated file the user chooses. Figures go
    // as plain numbers (common/table_text.h). Columns of no width and blank rows at the end are
    // left out.
    std::vector<QStringList> tableRows() const;
    std::vector<QStringList> selectedRows() const;  // the whole table when nothing is selected
    void copyToClipboard() const;
    // False when the user cancelled or the file could not be written (the user is told why).
    bool saveAsCsv();
    // The context menu ("Copy", "Save as CSV..."), owned by `parent`.
    QMenu* exportMenu(QWidget* parent);
    // Where the export reads the currency symbol the figures are shown with (set at start-up).
    static void setCurrencySymbolSource(std::function<QString()> source);

    // Notifications with classic key codes (see KeyHook): keyDown may set the
    // code to 0 to swallow the key; keyPress returns the code to use, 0 discards.
    std::function<void(int& keyCode)> onKeyDown;
    std::function<int(int keyAscii)> onKeyPress;

  signals:
    void rowColChanged();  // the current cell moved (mouse or arrow keys)
    void gotFocus();
    void gridClicked();

  protected:
    void focusInEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

  private:
    int bodyRows() const;
    void revealSelectionEnd();
    std::vector<QStringList> rowsOf(int firstRow, int lastRow, int firstCol, int lastCol,
                                    bool headings) const;
    GridModel* cells_;
    int row_ = 1, col_ = 0;
    int selStartRow_ = 1, selEndRow_ = 1, selStartCol_ = 0, selEndCol_ = 0;
    FillStyle fillStyle_ = FillStyle::CurrentCell;
    bool syncing_ = false;
};
