// The table window's printouts: the current value report and the record listing, page by page.
#pragma once

#include <QString>
#include <QStringList>

class PrintDevice;

// Prints lines on pages of at most `capacity` lines. Every page after the
// first is headed "Page" n at column 40, then the chosen printer font is set
// again, then a blank line and the column headings.
class PagedReport {
  public:
    PagedReport(PrintDevice& device, int capacity, QStringList headings);

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
    int used_ = 0;
    int headerLines_ = 0;  // lines the page began with before any of the report's own
};

// The page capacity for the table window's printouts: LinesPerPage, but never
// so few that a page holds nothing but its headings.
int TablePageCapacity();

// The current value report: the header line, ReportPages entry 1, and entry 2
// on a page of its own.
void PrintValueReport(PrintDevice& device, const QString& header);

// The record listing of the fund in slot `fund` (31 = all records): the header
// line, the fund's name, the column headings, one line per record, the totals,
// the average cost and, when one was made, the one-fund price summary
// (ReportPages entry 1).
void PrintRecordReport(PrintDevice& device, const QString& header, int fund);

// One record's line of the listing.
QString RecordReportLine(int record);
// A line with `text` right-justified to end at `endColumn` (counting from 1)
// after `line`; a figure that would run into the text before it keeps one
// blank between them instead.
void PlaceRight(QString& line, int endColumn, const QString& text);
