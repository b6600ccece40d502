// Table1, the table window: one fund's records with totals, or the current value of every fund.
#pragma once

#include <QWidget>
#include <cstdint>

class Grid;
class QLabel;
class QPushButton;
struct CurrentValueView;
struct PortfolioDocument;
struct RecordView;

// What Table1 shows: a fund's records (or all records), or the current value of every fund.
enum class TableView { Records, CurrentValue };

class Table1 : public QWidget {
    Q_OBJECT
  public:
    // The table of `view` over the portfolio of `doc`.
    Table1(TableView view, PortfolioDocument& doc, QWidget* parent = nullptr);
    TableView mode() const { return view_; }
    PortfolioDocument& document() const { return doc_; }

    Grid* Grid5() const { return grid5_; }
    QPushButton* Printr() const { return printr_; }
    QPushButton* DrwGraph() const { return drwGraph_; }
    QPushButton* ExitBut() const { return exitBut_; }
    QPushButton* ReturnsBut() const { return returnsBut_; }
    int tableRow() const { return TableRow; }

    // Fills the grid with the current value table.
    void ShowValues(const CurrentValueView& view);
    // Fills the grid with a record view.
    void ShowRecords(RecordView view);

    // "&Current Value" in the record view: prices the shown fund.
    void PriceShownFund();
    // "&Show Graph" in the current value view: the charts, Table1 hidden.
    void ShowGraph();
    // "To &Printer".
    void Print();
    // "E&xit to Menu".
    void ExitToMenu();

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    TableView view_;
    PortfolioDocument& doc_;
    void setColumns(const QList<int>& widths);
    Grid* grid5_;
    QPushButton* printr_;
    QPushButton* drwGraph_;
    QPushButton* exitBut_;
    QPushButton* returnsBut_;
    QLabel* label1_;
    int TableRow = 2;
    bool leaving_ = false;
};

// Table1 made anew in `view` over `doc` (the one there before unloaded), not shown yet.
Table1* OpenTable(PortfolioDocument& doc, TableView view);

// Fills Table1 with the records of its document's current fund (31 = all records) and their
// totals. Returns false, after the "Cannot calculate." message, when the totals
// leave the money range.
bool DisplayRecords();
