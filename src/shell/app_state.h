// AppState: the globals and global tables that several windows share, under their own names.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <array>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "common/money.h"

// A rectangular table addressed as Table(row, column), created in a tool's own
// shape when its window opens and released when it closes. Reading outside the
// table (or a released table) throws std::out_of_range, never reads garbage.
template <class T>
class SharedTable {
  public:
    void create(int rows, int cols) {
        rows_ = rows;
        cols_ = cols;
        cells_.assign(static_cast<size_t>(rows) * static_cast<size_t>(cols), T());
    }
    void release() {
        rows_ = cols_ = 0;
        cells_.clear();
        cells_.shrink_to_fit();
    }
    bool created() const { return rows_ > 0; }
    int rows() const { return rows_; }
    int cols() const { return cols_; }
    T& operator()(int row, int col) { return cells_[index(row, col)]; }
    const T& operator()(int row, int col) const { return cells_[index(row, col)]; }

  private:
    size_t index(int row, int col) const {
        if (row < 0 || row >= rows_ || col < 0 || col >= cols_)
            throw std::out_of_range("table index out of range");
        return static_cast<size_t>(row) * static_cast<size_t>(cols_) + static_cast<size_t>(col);
    }
    int rows_ = 0, cols_ = 0;
    std::vector<T> cells_;
};

// Which tool filled the tables the chart window draws, and so which window it
// returns to (GraphSource; the numbers are the hand-over's).
enum class ChartSource : int16_t {
    Investments = 0,
    Savings = 1,
    RetirementPercentage = 2,
    RetirementFixedAmount = 3,
    Mortgage = 4,
    CapitalRequired = 5,
    CompoundRate = 6,
    K401 = 7,
};

// One transaction of the investment manager.
struct FundRecord {
    Money FundNo, Price, Shares, Fee, CashDiv, BookValue;
    QString TypeCode;    // B, S, C, D, F or U
    QVariant TradeDate;  // a QDate, or the text a record was given before it is deleted
};

// One fund slot: its name ("" = deleted slot) and its number as text (" 5").
struct FundNameRow {
    QString FundName;
    QString FundNumberText;
};

// One cell of the net worth statement: empty, a text or a number. A number
// read from a file keeps the text it was written as, so an unchanged
// statement saves back as it was read.
struct NetCell {
    enum class Kind : uint8_t { Empty, Text, Number };
    Kind kind = Kind::Empty;
    QString text;  // the text; for a number its file text ("" when typed or computed)
    double number = 0;
};

// The shape a calculator creates its tables in, by last index (the savings
// plan's by default; loans use lastYearRow 500, retirement income 362, the
// compound rate lastComparisonRow 28 and lastComparisonCol 6).
struct CalculatorTableShape {
    int lastInput = 8;
    int lastYearRow = 101;
    int lastComparisonRow = 24;
    int lastComparisonCol = 5;
};

struct AppState {
    // Shell and personal settings.
    int16_t CallMode = 0;
    QString InputReply;
    QString ChosenPath;
    QString FundFileName;
    // The folder of the file last opened or saved: where the next file dialog
    // starts ("" = the program's folder).
    QString FileFolder;
    QString CurrencySymbol;
    int16_t PrinterFontChoice = 0;
    QString UserName;
    int16_t LinesPerPage = 0;
    int16_t HelpShown = 0;
    int16_t InputEdited = 0;

    // Chart hand-over. GraphPoints is also the investment manager's FundCount.
    ChartSource GraphSource = ChartSource::Investments;
    int16_t GraphPoints = 0;
    QString GraphTitle;
    int16_t& FundCount() { return GraphPoints; }
    int16_t FundCount() const { return GraphPoints; }

    // Investment manager state.
    int16_t RecordCount = 0;
    int16_t CurrentFund = 0;
    int16_t BrowseFund = 0;
    int16_t BrowsePos = 0;
    int16_t ShownRecord = 0;
    int16_t FileChanged = 0;
    QString DateExample;

    // Investment manager tables (index 0 unused): Records rows 0..1002,
    // FundNames rows 0..31, FundTotals rows 0..31 x columns 0..8.
    std::vector<FundRecord> Records;
    std::vector<FundNameRow> FundNames;
    SharedTable<Money> FundTotals;
    // The two four-entry report lists: the calculators' ReportText and the
    // table window's printable pages.
    QStringList ReportText;
    QStringList ReportPages;

    // Net worth statement: NetAssets and NetLiabilities rows 0..31 x columns
    // 0..1 (name, value); the counts of the last calculation; NetChanged = 1
    // while the statement holds changes not saved.
    SharedTable<NetCell> NetAssets;
    SharedTable<NetCell> NetLiabilities;
    int16_t AssetCount = 0;
    int16_t LiabilityCount = 0;
    int16_t NetChanged = 0;

    // Calculator tables, each calculator in its own shape (CalculatorTableShape):
    // CalcInputs 0..lastInput, YearTable 0..lastYearRow x 0..5, ComparisonTable
    // 0..lastComparisonRow x 0..lastComparisonCol, ComparisonLabels 0..lastComparisonRow x 0..1.
    std::vector<Money> CalcInputs;  // read with .at(i)
    SharedTable<Money> YearTable;
    SharedTable<Money> ComparisonTable;
    SharedTable<QString> ComparisonLabels;

    // Creates the calculators' tables (empty) in `shape` and the report lists.
    void createCalculatorTables(const CalculatorTableShape& shape);
    void createCalculatorTables();  // the savings plan's shape
    void releaseCalculatorTables();

    // Back to the start-of-run state (tests call this between cases).
    void reset() { *this = AppState(); }
};

// The one instance.
AppState& State();
