#include "platform/printer_device.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "common/number_format.h"
#include "shell/app_state.h"
#include "shell/printing.h"
#include "support/ui_test_support.h"

namespace {

// The PDF's text as pdftotext lays it out in fixed-pitch cells of the printer's
// 12-point monospaced font (7.2 points a character), pages split at form feeds.
QStringList pdfPages(const QString& pdf, double pitch = 7.2) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-fixed"), QString::number(pitch), pdf, QStringLiteral("-")});
    EXPECT_TRUE(p.waitForFinished(30000));
    QString text = QString::fromUtf8(p.readAllStandardOutput());
    QStringList pages = text.split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

// The column (counting from 1) where `needle` starts on its line, less the
// page's left margin (the column of the line "|" that every test page starts with).
int columnOf(const QString& page, const QString& needle) {
    const QStringList lines = page.split(u'\n');
    int margin = -1;
    for (const QString& l : lines)
        if (l.trimmed() == QStringLiteral("|")) {
            margin = static_cast<int>(l.indexOf(u'|'));
            break;
        }
    for (const QString& l : lines) {
        const int at = static_cast<int>(l.indexOf(needle));
        if (at >= 0) return at - margin + 1;
    }
    return -1;
}

}  // namespace

class PdfPrintout : public WindowTest {};

TEST_F(PdfPrintout, ColumnsAndPageBreaksSurviveTheRealDevice) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    {
        PrinterDevice device(pdf, QStringLiteral("Test report"));
        const int lines = MeasureLinesPerPage(device);
        EXPECT_GT(lines, 40);
        EXPECT_LT(lines, 70);
        for (int page = 1; page <= 2; ++page) {
            device.line(QStringLiteral("|"));
            device.at(25, QStringLiteral("Investment Growth Calculation"));
            device.endLine();
            device.at(2, QStringLiteral("Year"));
            device.at(17, RightJustify(QStringLiteral("1,000.00"), 14));
            device.at(61, RightJustify(QStringLiteral("1,200.00"), 13));
            device.endLine();
            PrintPageNumber(device);
            if (page == 1) device.newPage();
        }
        FinishPrintout(device);
    }
    // The PDF device tells the user where the printout went.
    ASSERT_FALSE(script.messages().empty());
    EXPECT_EQ(script.lastMessage().title, "Printer");
    EXPECT_TRUE(script.lastMessage().text.contains(QStringLiteral("report.pdf")));

    const QStringList pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), 3);  // two report pages and the page FinishPrintout asks for
    for (int i = 0; i < 2; ++i) {
        const QString& page = pages[i];
        EXPECT_EQ(columnOf(page, QStringLiteral("Investment Growth")), 25) << page.toStdString();
        EXPECT_EQ(columnOf(page, QStringLiteral("Year")), 2);
        EXPECT_EQ(columnOf(page, QStringLiteral("1,000.00")), 17 + 14 - 8);
        EXPECT_EQ(columnOf(page, QStringLiteral("1,200.00")), 61 + 13 - 8);
        EXPECT_EQ(columnOf(page, QStringLiteral("Page %1").arg(i + 1)), 40);
    }
}

TEST_F(PdfPrintout, CourierElevenLinesUpToo) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("courier.pdf"));
    State().PrinterFontChoice = 6;
    State().LinesPerPage = 59;
    {
        PrinterDevice device(pdf, QStringLiteral("Courier"));
        ApplyChosenPrinterFont(device);
        EXPECT_NE(State().LinesPerPage, 59);  // measured again in the new font
        device.line(QStringLiteral("|"));
        device.at(30, QStringLiteral("Title"));
        device.endLine();
        FinishPrintout(device);
    }
    const QStringList pages = pdfPages(pdf, 6.6);  // 11 points x 0.6
    ASSERT_GE(pages.size(), 1);
    EXPECT_EQ(columnOf(pages[0], QStringLiteral("Title")), 30) << pages[0].toStdString();
}

TEST_F(PdfPrintout, ALongReportNeverRunsOffThePage) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("long.pdf"));
    {
        PrinterDevice device(pdf, QStringLiteral("Long"));
        for (int i = 1; i <= 200; ++i) device.line(QStringLiteral("line %1").arg(i));
        device.endDoc();
    }
    const QStringList pages = pdfPages(pdf);
    ASSERT_GE(pages.size(), 3);
    // Every line is there, in order, once.
    const QString all = pages.join(QString());
    int last = -1;
    for (int i = 1; i <= 200; ++i) {
        const QRegularExpression re(QStringLiteral("\\bline %1\\b").arg(i));
        const auto m = re.match(all);
        ASSERT_TRUE(m.hasMatch()) << i;
        EXPECT_GT(m.capturedStart(), last);
        last = static_cast<int>(m.capturedStart());
    }
}
