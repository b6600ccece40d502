// What the calculators share about their results: the year limit, the grid's row count, the year
// rows of the grid and of the printout, and the comparison rows' labels.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

#include "common/money.h"
#include "common/shared_table.h"

class PrintDevice;

// The shape a calculator creates its tables in, by last index (the savings
// plan's by default; loans use lastYearRow 500, retirement income 362, the
// compound rate lastComparisonRow 28 and lastComparisonCol 6).
struct CalculatorTableShape {
    int lastInput = 8;
    int lastYearRow = 101;
    int lastComparisonRow = 24;
    int lastComparisonCol = 5;
};

// True when a term is past a calculator's limit: `term`, as the calculation
// reads it (rounded or not), is limit + 1 or more (50 years: 50.5 passes,
// 51 does not).
bool PastYearLimit(double term, int limit);
// The message for a term past the limit: "Wrong entry, 50 Years limit." for 50.
QString YearLimitMessage(int years);

// The result grid's row count for a table of `term` rows: 25, or term +
// `extraRows` when that is more (extraRows counts the heading, the total row
// and the spare rows: 4 for most calculators, 5 for the 401(k)). Call it once
// the term has passed the limit check, so a refused term never sizes the grid.
int GridRowsFor(int64_t term, int extraRows);

// One stored year row: the year in YearTable column 1, its three figures in columns 2..4.
struct StoredYear {
    int64_t year = 0;
    Money figures[3];
};
// Stores `rows` (each put through `stored`, which returns its StoredYear) at
// their years, then `total` at row `totalRow`. The total row's year column is
// the caller's: most calculators store the years, the capital required n + 1.
void StoreYearRow(SharedTable<Money>& yearTable, int row, const StoredYear& figures);
template <class Rows, class ToStored>
void StoreYearRows(SharedTable<Money>& yearTable, const Rows& rows, ToStored stored, int totalRow,
                   const StoredYear& total) {
    for (const auto& row : rows) {
        const StoredYear y = stored(row);
        StoreYearRow(yearTable, static_cast<int>(y.year), y);
    }
    StoreYearRow(yearTable, totalRow, total);
}

// Which YearTable columns a year grid shows. Year row y (grid columns 1..)
// shows YearTable(y, yearColumns[i]) with `picture`, after the year as plain
// text in column 0; the total row (YearTable row years + 1) shows "Total:" and
// symbol + YearTable(years + 1, totalColumns[i]) with `totalPicture`, where -1
// leaves the cell empty.
struct YearGridColumns {
    std::vector<int> yearColumns{2, 3, 4};
    std::vector<int> totalColumns{2, 3, 4};
    QString picture = QStringLiteral("####,,###.00");
    QString totalPicture = QStringLiteral("####,,##0.00");
};

// A result grid's rows, each made when the grid first draws or reads it (Grid::setRowSource):
// `cells(i)` for i from 0 to count - 1. `cells` formats copies of the figures taken when the
// source was made, so a later calculation or a reset of the shared tables never changes a row
// already handed to the grid, and a long table costs what the rows in view cost.
struct GridRowSource {
    int count = 0;
    std::function<QStringList(int)> cells;
    // Every row, made now.
    std::vector<QStringList> all() const;
};

// The year rows 1..years and the total row, as the grid shows them.
GridRowSource YearGridSource(const SharedTable<Money>& yearTable, int years,
                             const YearGridColumns& columns, const QString& symbol);
std::vector<QStringList> YearGridRows(const SharedTable<Money>& yearTable, int years,
                                      const YearGridColumns& columns, const QString& symbol);

// The heading of the year, annual investment, growth and value columns with the rule under it
// (PrintTableRule), as the growth calculators print their tables.
void PrintGrowthHeading(PrintDevice& device);
void PrintTableRule(PrintDevice& device);

// One printed figure: right-justified in `width` characters from character column `tab`.
struct PrintColumn {
    int tab = 0;
    int width = 0;
};
// The year lines of a printout: the year (Format "###") in `year`, then the
// figures of the line in `figures`, each with `picture`. The total line puts
// "Total:" at the year's column and the totals in the same columns, each with
// the currency symbol in front. A figure wider than its column is printed whole, still ending at
// its column's right end where the blanks before it allow (one blank kept after the figure before).
struct YearPrintLayout {
    PrintColumn year{2, 3};
    std::vector<PrintColumn> figures;
    QString picture = QStringLiteral("####,,###.00");
};
void PrintYearLine(PrintDevice& device, const YearPrintLayout& layout, int64_t year,
                   const std::vector<Money>& figures);
void PrintTotalLine(PrintDevice& device, const YearPrintLayout& layout,
                    const std::vector<Money>& totals, const QString& symbol);
// The figures of one YearTable row, from the given columns in order.
std::vector<Money> YearTableRow(const SharedTable<Money>& yearTable, int row,
                                const std::vector<int>& columns);

// Comparison rows: a calculator that compares entries keeps at most this many.
constexpr int kComparisonLimit = 23;
// The chart's label of comparison row k: "Row " and k with its sign blank ("Row  3").
QString ComparisonRowLabel(int row);
