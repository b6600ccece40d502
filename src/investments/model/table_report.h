// The table window's printouts: the current value report and the record listing, page by page.
#pragma once

#include <QString>
#include <QStringList>

#include "common/personal_settings.h"
#include "investments/model/portfolio.h"

class PrintDevice;

// Prints lines on pages of at most `capacity` lines. Every page after the
// first is headed "Page" n at column 40, then the chosen printer font is set
// again (a line of its own when it is Courier), then a blank line and the column headings.
class PagedReport {
  public:
    PagedReport(PrintDevice& device, int capacity, QStringList headings, bool courier = false);

    // Prints a line, starting a new page first when the page is full.
    void line(const QString& text = QString());
    // Prints lines that belong together on one page (when they fit on one at all).
    void block(const QStringList& lines);
    // Starts a new page.
    void newPage();
    // Lines printed on the current page so far.
    int used() const { return used_; }

  private:
    PrintDevice& device_;
    int capacity_;
    QStringList headings_;
    bool courier_;
    int used_ = 0;
    int headerLines_ = 0;  // lines the page began with before any of the report's own
};

// The page capacity for the table window's printouts: the lines per page, but never
// so few that a page holds nothing but its headings.
int TablePageCapacity(int linesPerPage);

// The current value report: the header line, the report's first page (ReportPages entry 1), and
// its second (entry 2) on a page of its own.
void PrintValueReport(PrintDevice& device, const QString& header, const QString& page1,
                      const QString& page2, const PersonalSettings& settings);

// The record listing of the fund in slot `fund` (31 = all records): the header
// line, the fund's name, the column headings, one line per record, the totals,
// the average cost and, when one was made, the one-fund price summary
// (ReportPages entry 1). The fund's totals are kept in row 31 of `totals`, as the record view
// keeps them.
void PrintRecordReport(PrintDevice& device, const QString& header, const Portfolio& p,
                       FundTotalsTable& totals, int fund, const QString& summary,
                       const PersonalSettings& settings);

// One record's line of the listing.
QString RecordReportLine(const FundRecord& record);
// A line with `text` right-justified to end at `endColumn` (counting from 1)
// after `line`; a figure that would run into the text before it keeps one
// blank between them instead.
void PlaceRight(QString& line, int endColumn, const QString& text);
