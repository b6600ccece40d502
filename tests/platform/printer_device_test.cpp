#include "platform/printer_device.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "common/number_format.h"
#include "common/printing.h"
#include "planning/model/savings_plan.h"
#include "planning/model/savings_plan_report.h"
#include "platform/system_printer.h"
#include "shell/ui/app_state.h"
#include "shell/ui/print_action_ui.h"
#include "support/full_disk.h"
#include "support/ui_test_support.h"

namespace {

// The PDF's text as pdftotext lays it out in fixed-pitch cells of the printer's
// 12-point monospaced font (7.2 points a character), pages split at form feeds.
QStringList rawPdfPages(const QString& pdf, double pitch = 7.2) {
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
int columnInPage(const QString& page, const QString& needle) {
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
    // The PDF device tells the user where the printout went and opens it when asked.
    ASSERT_FALSE(script.messages().empty());
    EXPECT_EQ(script.lastMessage().title, "Printer");
    EXPECT_EQ(script.lastMessage().text,
              "There is no printer on this system. The printout was saved as\r\n" + pdf +
                  "\r\n\r\nOpen it now?");
    EXPECT_EQ(script.lastMessage().buttons, dialogs::Buttons::YesNo);
    EXPECT_EQ(script.openedDocuments(), std::vector<QString>{pdf});

    const QStringList pages = rawPdfPages(pdf);
    ASSERT_EQ(pages.size(), 2);  // FinishPrintout's page break makes no empty page
    for (int i = 0; i < 2; ++i) {
        const QString& page = pages[i];
        EXPECT_EQ(columnInPage(page, QStringLiteral("Investment Growth")), 25)
            << page.toStdString();
        EXPECT_EQ(columnInPage(page, QStringLiteral("Year")), 2);
        EXPECT_EQ(columnInPage(page, QStringLiteral("1,000.00")), 17 + 14 - 8);
        EXPECT_EQ(columnInPage(page, QStringLiteral("1,200.00")), 61 + 13 - 8);
        EXPECT_EQ(columnInPage(page, QStringLiteral("Page %1").arg(i + 1)), 40);
    }
}

TEST_F(PdfPrintout, AnsweringNoOpensNothing) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("kept.pdf"));
    script.answer(dialogs::Answer::No);
    {
        PrinterDevice device(pdf, QStringLiteral("Kept"));
        device.line(QStringLiteral("one line"));
        device.endDoc();
    }
    EXPECT_EQ(script.messages().size(), 1u);
    EXPECT_TRUE(script.openedDocuments().empty());
    EXPECT_TRUE(QFileInfo(pdf).size() > 0);
}

TEST_F(PdfPrintout, CourierElevenLinesUpToo) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("courier.pdf"));
    State().settings.printerFont = PrinterFont::CourierNew;
    State().settings.linesPerPage = 59;
    {
        PrinterDevice device(pdf, QStringLiteral("Courier"));
        ApplyChosenPrinterFont(device, State().settings);
        EXPECT_NE(State().settings.linesPerPage, 59);  // measured again in the new font
        device.line(QStringLiteral("|"));
        device.at(30, QStringLiteral("Title"));
        device.endLine();
        FinishPrintout(device);
    }
    const QStringList pages = rawPdfPages(pdf, 6.6);  // 11 points x 0.6
    ASSERT_GE(pages.size(), 1);
    EXPECT_EQ(columnInPage(pages[0], QStringLiteral("Title")), 30) << pages[0].toStdString();
}

TEST_F(PdfPrintout, ALongReportNeverRunsOffThePage) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("long.pdf"));
    {
        PrinterDevice device(pdf, QStringLiteral("Long"));
        for (int i = 1; i <= 200; ++i) device.line(QStringLiteral("line %1").arg(i));
        device.endDoc();
    }
    const QStringList pages = rawPdfPages(pdf);
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

namespace {

// The column (counting from 1) where the first line holding `needle` starts
// its text on `page`, or -1.
int indentOf(const QString& page, const QString& needle) {
    for (const QString& l : page.split(u'\n'))
        if (l.contains(needle)) return static_cast<int>(l.size() - l.trimmed().size() + 1);
    return -1;
}

}  // namespace

TEST_F(PdfPrintout, FullPagesOfThePageLogicFitTheirSheetWithEitherFont) {
    for (int font : {0, 6}) {
        SCOPED_TRACE(font);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("paged.pdf"));
        int footers = 0;
        {
            PrinterDevice device(pdf, QStringLiteral("Paged"));
            State().settings.printerFont = static_cast<PrinterFont>(font);
            State().settings.linesPerPage = MeasureLinesPerPage(device);
            ApplyChosenPrinterFont(device, State().settings);
            const int perPage = State().settings.linesPerPage;
            // A long table's page logic: a count of the lines printed; at each
            // multiple of LinesPerPage the footer, a new page, the font again,
            // the headings again, and the count restarts at 3.
            int count = 0;
            auto headings = [&] {
                device.line();
                device.at(2, QStringLiteral("Year      Interest"));
                device.endLine();
                device.at(2, QString(40, u'_'));
                device.endLine();
                count = 3;
            };
            headings();
            for (int row = 1; row <= 3 * perPage; ++row) {
                device.at(2, RightJustify(QString::number(row), 4));
                device.at(15, QStringLiteral("row %1").arg(row));
                device.endLine();
                if (++count % perPage == 0) {
                    PrintPageNumber(device);
                    ++footers;
                    device.newPage();
                    ApplyChosenPrinterFont(device, State().settings);
                    headings();
                }
            }
            FinishPrintout(device);
        }
        const QStringList pages = rawPdfPages(pdf, font == 6 ? 6.6 : 7.2);
        // Every footer ends its own sheet: nothing spilled onto a sheet of its own.
        ASSERT_EQ(pages.size(), footers + 1);
        for (int i = 0; i < footers; ++i) {
            const QStringList lines = pages[i].trimmed().split(u'\n');
            EXPECT_EQ(lines.last().trimmed(), QStringLiteral("Page %1").arg(i + 1));
            EXPECT_TRUE(pages[i + 1].contains(QStringLiteral("Year      Interest")));
        }
    }
}

TEST_F(PdfPrintout, FiftyYearSavingsPlanContinuesInItsColumnsWithNoEmptyPage) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("savings.pdf"));
    SavingsPlanInputs in;
    in.lumpSum = Money::fromInt(10000);
    in.annual = Money::fromInt(1000);
    in.ratePercent = Money::fromInt(8);
    in.years = Money::fromInt(50);
    {
        PrinterDevice device(pdf, QStringLiteral("Savings"));
        PrintSavingsCalculation(device, in, CalculateSavingsPlan(in), QStringLiteral("$"));
        FinishPrintout(device);
    }
    const QStringList pages = rawPdfPages(pdf);
    // The plan runs past the foot of the first sheet and ends on the second.
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Total:")));
    // The year carried over to the second sheet stands where the years of the
    // first sheet stand, and so do its figures.
    QStringList second;
    for (const QString& l : pages[1].split(u'\n'))
        if (!l.trimmed().isEmpty()) second << l;
    const QString carried = second.first().trimmed().section(u' ', 0, 0);
    const int year = carried.toInt();
    ASSERT_GT(year, 30) << pages[1].toStdString();
    ASSERT_LT(year, 50);
    const QString previous = QString::number(year - 1) + QStringLiteral("  ");
    EXPECT_EQ(indentOf(pages[1], carried + QStringLiteral("  ")), indentOf(pages[0], previous));
    const int end1 = static_cast<int>(second.first().size());
    QString last1;
    for (const QString& l : pages[0].split(u'\n'))
        if (l.trimmed().startsWith(previous)) last1 = l;
    EXPECT_EQ(end1, last1.size()) << "the current value column";
}

class PdfOnAFullDisk : public FullDiskTest<WindowTest> {};

TEST_F(PdfOnAFullDisk, IsReportedAsNotMadeAndLeavesNoCutOffFile) {
    const QString pdf = dir.filePath(QStringLiteral("cut.pdf"));
    setPrintDeviceFactory([pdf](const QString& job) -> std::unique_ptr<PrintDevice> {
        return std::make_unique<PrinterDevice>(pdf, job);
    });
    fill();
    const bool printed = PrintReport(QStringLiteral("Full"), [](PrintDevice& d) {
        for (int i = 0; i < 200; ++i) d.line(QStringLiteral("A line that needs room on the disk"));
    });
    EXPECT_FALSE(printed);
    ASSERT_EQ(script.messages().size(), 1u);  // no "saved as" first
    EXPECT_TRUE(script.lastMessage().text.startsWith(
        QStringLiteral("The printout could not be made.\r\nThe PDF file could not be written:")))
        << script.lastMessage().text.toStdString();
    EXPECT_TRUE(script.lastMessage().text.endsWith(QStringLiteral("The disk may be full.")));
    EXPECT_FALSE(QFileInfo::exists(pdf));
    EXPECT_TRUE(script.openedDocuments().empty());
}

TEST(PdfPaper, LetterForTheUnitedStatesAndCanadaA4Elsewhere) {
    const std::pair<const char*, QPageSize::PageSizeId> cases[] = {
        {"en_US.UTF-8", QPageSize::Letter},
        {"fr_CA.UTF-8", QPageSize::Letter},
        {"en_US", QPageSize::Letter},
        {"de_DE.UTF-8", QPageSize::A4},
        {"de_DE.UTF-8@euro", QPageSize::A4},
        {"en_GB.UTF-8", QPageSize::A4},
        {"fr_FR", QPageSize::A4},
        {"", QPageSize::A4}};
    for (const auto& [name, paper] : cases)
        EXPECT_EQ(PaperForLocale(QString::fromLatin1(name)), paper) << name;
}

// With no printer, the PDF is on the paper of LC_PAPER (LC_ALL first, as the C library reads it),
// and LinesPerPage is measured on that paper: a taller A4 page holds more lines.
TEST_F(PdfPrintout, IsOnThePaperOfTheLocaleAndMeasuredOnIt) {
    const QByteArray all = qgetenv("LC_ALL"), paper = qgetenv("LC_PAPER");
    struct Case {
        const char* lcPaper;
        const char* pdfinfoSize;
    };
    QTemporaryDir dir;
    int lines[2] = {};
    int i = 0;
    for (const Case& c : {Case{"en_US.UTF-8", "(letter)"}, Case{"de_DE.UTF-8", "(A4)"}}) {
        qunsetenv("LC_ALL");
        qputenv("LC_PAPER", c.lcPaper);
        const QString pdf = dir.filePath(QStringLiteral("%1.pdf").arg(i));
        {
            PrinterDevice device(pdf, QStringLiteral("Paper"));
            lines[i] = MeasureLinesPerPage(device);
            EXPECT_EQ(lines[i], MeasureLinesPerPage(*PrinterDevice::pdfForMeasuring()));
            // A full-width line of a Letter report is not cut on the narrower A4 sheet.
            device.line(QString(75, u'8'));
            device.endDoc();
        }
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        ASSERT_TRUE(info.waitForFinished(30000));
        EXPECT_TRUE(
            QString::fromUtf8(info.readAllStandardOutput()).contains(QLatin1String(c.pdfinfoSize)))
            << c.lcPaper;
        EXPECT_TRUE(rawPdfPages(pdf).value(0).contains(QString(75, u'8'))) << c.lcPaper;
        ++i;
    }
    EXPECT_GT(lines[1], lines[0]);
    for (const auto& [name, value] : {std::pair{"LC_ALL", all}, std::pair{"LC_PAPER", paper}}) {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
}

// The system's default printer, asked directly: a device exactly when there is one.
TEST(SystemPrinter, GivesADeviceExactlyWhenThereIsADefaultPrinter) {
    EXPECT_EQ(system_printer::open(QStringLiteral("Vantora 95")) != nullptr,
              system_printer::available());
}
