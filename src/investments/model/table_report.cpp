#include "investments/model/table_report.h"

#include <algorithm>

#include "common/dates.h"
#include "common/number_format.h"
#include "common/print_device.h"
#include "common/printing.h"
#include "investments/model/current_value.h"
#include "investments/model/display_records.h"
#include "investments/model/portfolio.h"

namespace {

QStringList linesOf(const QString& text) {
    if (text.isEmpty()) return {};
    return text.split(QStringLiteral("\r\n"));
}

// The header line asked for before printing, centred over the 78 columns.
QString centred(const QString& header) {
    const int pad = std::max<int>(1, (78 - static_cast<int>(header.size())) / 2);
    return QString(pad, u' ') + header;
}

QStringList recordHeadings(const Portfolio& p, int fund) {
    return {QString(31, u' ') + p.funds[static_cast<size_t>(fund)].FundName, QString(78, u'_'),
            QStringLiteral(
                "Trans-           Trade    Share   Number     Comm     Div.    Cash        Book"),
            QStringLiteral(
                "action            Date    Price   Shares     Fees   Shares    Div.       Value")};
}

// Blocks of lines ended by an empty line (the empty line goes with its block).
QList<QStringList> blocksOf(const QStringList& lines) {
    QList<QStringList> blocks;
    QStringList current;
    for (const QString& l : lines) {
        current << l;
        if (l.isEmpty()) {
            blocks << current;
            current.clear();
        }
    }
    if (!current.isEmpty()) blocks << current;
    return blocks;
}

}  // namespace

PagedReport::PagedReport(PrintDevice& device, int capacity, QStringList headings, bool courier)
    : device_(device),
      capacity_(std::max(capacity, 1)),
      headings_(std::move(headings)),
      courier_(courier) {
    // The Courier switch has already printed its empty line on this page.
    if (courier_) used_ = 1;
    headerLines_ = used_;
}

void PagedReport::line(const QString& text) {
    if (used_ >= capacity_) newPage();
    device_.line(text);
    ++used_;
}

void PagedReport::block(const QStringList& lines) {
    // Trailing empty lines may fall off the end of a page.
    int solid = static_cast<int>(lines.size());
    while (solid > 0 && lines[solid - 1].isEmpty()) --solid;
    // A block too long for any page starts on the page it meets, so no page is left empty.
    if (used_ + solid > capacity_ && used_ > headerLines_) newPage();
    for (const QString& l : lines) {
        if (l.isEmpty() && used_ >= capacity_) continue;  // no page of empty lines
        line(l);
    }
}

void PagedReport::newPage() {
    device_.newPage();
    used_ = 0;
    device_.at(40, QStringLiteral("Page") + NumText(static_cast<int64_t>(device_.page())) + u' ');
    device_.endLine();
    ++used_;
    if (courier_) {
        SetPrinterFont(device_);
        ++used_;
    }
    device_.line();
    ++used_;
    for (const QString& h : headings_) {
        device_.line(h);
        ++used_;
    }
    headerLines_ = used_;
}

int TablePageCapacity(int linesPerPage) {
    // Room for the page number, the font line, a blank line, four headings and some figures.
    return std::max<int>(linesPerPage, 12);
}

void PlaceRight(QString& line, int endColumn, const QString& text) {
    const int width = static_cast<int>(text.size());
    int start = endColumn - width;  // index of the first character
    const int earliest = line.trimmed().isEmpty() ? 0 : static_cast<int>(line.size()) + 1;
    if (start < earliest) start = earliest;
    if (line.size() < start) line += QString(start - line.size(), u' ');
    line = line.left(start) + text;
}

QString RecordReportLine(const FundRecord& rec) {
    QString l = TypeDescription(rec);
    const QString date = TradeDateText(rec);
    if (l.size() < 13)
        l += QString(13 - l.size(), u' ');
    else
        l += u' ';
    l += date;
    PlaceRight(l, 31, Format(rec.Price, u"##,,##0.00"));
    PlaceRight(l, 41, Format(rec.Shares, u"##,,##0.000"));
    PlaceRight(l, 50, Format(rec.Fee, u"##,,##0.00"));
    if (HasTypeCode(rec, u'D') || HasTypeCode(rec, u'U'))
        PlaceRight(l, 59, Format(DividendSharesValue(rec), u"##,,##0.00"));
    PlaceRight(l, 68, Format(rec.CashDiv, u"#,,##0.00"));
    PlaceRight(l, 79, Format(rec.BookValue, u"###,,##0.00"));
    return l;
}

void PrintValueReport(PrintDevice& device, const QString& header, const QString& page1,
                      const QString& page2, const PersonalSettings& settings) {
    PagedReport report(device, TablePageCapacity(settings.linesPerPage),
                       ValueReportHeadings(settings.currencySymbol), settings.courier());
    report.line(centred(header));
    report.line();
    const QStringList first = linesOf(page1);
    // The title and the column headings of entry 1 stay together on the first page.
    const int headLines = std::min<int>(first.size(), 5);
    report.block(first.mid(0, headLines));
    for (const QStringList& b : blocksOf(first.mid(headLines))) report.block(b);
    if (!page2.isEmpty()) {
        report.newPage();
        for (const QStringList& b : blocksOf(linesOf(page2))) report.block(b);
    }
}

void PrintRecordReport(PrintDevice& device, const QString& header, const Portfolio& p,
                       FundTotalsTable& t, int fund, const QString& summary,
                       const PersonalSettings& settings) {
    const RecordView view = BuildRecordView(p, t, fund, settings.currencySymbol);
    const QStringList headings = recordHeadings(p, fund);
    PagedReport report(device, TablePageCapacity(settings.linesPerPage), headings.mid(2),
                       settings.courier());
    report.line(centred(header));
    report.line();
    report.block(headings);
    for (int r : view.records) report.line(RecordReportLine(p.records[static_cast<size_t>(r)]));

    QString totals = QStringLiteral("Total:");
    PlaceRight(totals, 41, Format(t(kAllRecordsSlot, 0), u"###,,###.000"));
    PlaceRight(totals, 50, Format(t(kAllRecordsSlot, 4), u"##,,###.00"));
    PlaceRight(totals, 59, Format(view.divSharesTotal, u"##,,###.00"));
    PlaceRight(totals, 68, Format(t(kAllRecordsSlot, 5), u"##,,###.00"));
    PlaceRight(totals, 79, Format(t(kAllRecordsSlot, 1), u"###,,###.00"));
    QStringList tail = {QString(), totals,
                        QStringLiteral("Average Cost per Share   = ") + settings.currencySymbol +
                            Format(view.avgCost, u"##,,###.0000")};
    if (!summary.isEmpty()) tail << QString() << linesOf(summary);
    report.block(tail);
}
