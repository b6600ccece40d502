// The record view of the table window: one fund's (or every) transaction with totals and average
// cost.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "common/money.h"
#include "investments/model/portfolio.h"

// What DisplayRecords shows for the fund in slot `fund` (31 = all records). The totals are worked
// out at once; a record's row of text only when it is asked for, so that showing a thousand
// records costs what the rows in view cost.
struct RecordView {
    QString caption;                   // the fund's name, "All Records" for the whole file
    int gridRows = 25;                 // rows of the grid, the heading row included
    int nextRow = 2;                   // TableRow: the first free row after the average cost
    std::vector<int> records;          // the record indices shown, in table order
    std::vector<FundRecord> shown;     // those records as they were when the view was built
    std::vector<QStringList> closing;  // the blank, total, blank and average cost rows
    Money divSharesTotal;              // the dividend shares values added up
    Money avgCost;                     // AvgCost

    // Grid rows 1.. (eight cells each): the records, then the closing rows.
    int rowCount() const { return static_cast<int>(shown.size() + closing.size()); }
    QStringList row(int i) const;
};

// A record's eight cells in the record view.
QStringList RecordRow(const FundRecord& record);

// Builds the record view of `fund` (figures of money after `currency`) and keeps the fund's
// totals in row 31 of `totals`: column 0 shares, 1 book value, 2 money put in, 4 fees, 5 cash
// dividends.
RecordView BuildRecordView(const Portfolio& p, FundTotalsTable& totals, int fund,
                           const QString& currency);

// The grid's column headings in the record view.
QStringList RecordTableHeadings();

// The value of shares received as dividends or sold for a fee (codes D and U); 0 otherwise.
Money DividendSharesValue(const FundRecord& record);

// One fund priced on the spot ("&Current Value" in the record view), from the
// totals in row 31 that BuildRecordView kept.
struct FundPricing {
    Money price, value, gain, gainPercent;
    std::vector<QStringList>
        rows;         // four grid rows (headings, underline, figures), four cells each
    QString summary;  // the printable summary, lines joined with CR LF
};
// Throws MoneyOverflow when a figure cannot be formed (no base for the per cent,
// or a figure out of range).
FundPricing PriceFund(const FundTotalsTable& totals, double price, const QString& currency);
