#include "common/printing.h"

#include <gtest/gtest.h>

#include "common/key_filters.h"
#include "common/print_device.h"

TEST(KeyFilters, NumericBoxesTakeDigitsPointAndBackspace) {
    for (int key : std::initializer_list<int>{'0', '5', '9', '.', 8, 127})
        EXPECT_EQ(NumericKeyFilter(key), key);
    for (int key : std::initializer_list<int>{'-', 'a', ' ', ',', '+', '/', 13})
        EXPECT_EQ(NumericKeyFilter(key), 0);
    for (int key : std::initializer_list<int>{'0', '9', 8, 127})
        EXPECT_EQ(WholeNumberKeyFilter(key), key);
    EXPECT_EQ(WholeNumberKeyFilter('.'), 0);  // a term in years has no point
    EXPECT_EQ(WholeNumberKeyFilter('-'), 0);
}

TEST(Printing, LinesPerPageFromTheDevicesTextHeight) {
    TextDevice d;
    EXPECT_EQ(MeasureLinesPerPage(d), 59);  // 15840 / 240 - 7
    d.setStandardLineHeight(250);
    EXPECT_EQ(MeasureLinesPerPage(d), 56);  // 56.36 rounds to 56
    d.setStandardLineHeight(15840.0 / 59.5);
    EXPECT_EQ(MeasureLinesPerPage(d), 52);  // 52.5: a half goes to the even neighbour
    d.setMeasurable(false);
    EXPECT_THROW(MeasureLinesPerPage(d), PrintError);
}

TEST(Printing, CourierSwitchPrintsAnEmptyLineAndMeasuresAgain) {
    PersonalSettings settings{.linesPerPage = 59};
    TextDevice d;
    ApplyChosenPrinterFont(d, settings);  // standard font: nothing changes
    EXPECT_EQ(d.fontChanges(), 0);
    EXPECT_EQ(settings.linesPerPage, 59);

    settings.printerFont = PrinterFont::CourierNew;
    ApplyChosenPrinterFont(d, settings);
    d.line(QStringLiteral("Title"));
    EXPECT_EQ(d.fontName(), "Courier New");
    EXPECT_EQ(d.fontSize(), 11);
    EXPECT_EQ(settings.linesPerPage, 65);  // 15840 / 220 - 7
    EXPECT_EQ(d.pageText(0), "\nTitle\n");
}

TEST(Printing, FontFailureIsSilent) {
    PersonalSettings settings{.printerFont = PrinterFont::CourierNew, .linesPerPage = 59};
    TextDevice d;
    d.setMeasurable(false);
    EXPECT_EQ(SetPrinterFont(d), 0);
    ApplyChosenPrinterFont(d, settings);
    EXPECT_EQ(settings.linesPerPage, 59);
}

TEST(Printing, PageNumberLineAndTheEndOfAPrintout) {
    TextDevice d;
    d.line(QStringLiteral("body"));
    PrintPageNumber(d);
    d.newPage();
    d.line(QStringLiteral("more"));
    PrintPageNumber(d);
    FinishPrintout(d);
    EXPECT_TRUE(d.ended());
    // FinishPrintout's page break has nothing after it: no empty last page.
    ASSERT_EQ(d.pages().size(), 2u);
    EXPECT_EQ(d.pageText(0), "body\n\n\n" + QString(39, u' ') + "Page 1 \n");
    EXPECT_EQ(d.pageText(1), "more\n\n\n" + QString(39, u' ') + "Page 2 \n");
}

TEST(Printing, APageBreakMakesAPageOnlyWhenSomethingFollows) {
    TextDevice d;
    d.line(QStringLiteral("one"));
    d.newPage();
    EXPECT_EQ(d.page(), 2);  // counted at once: the next footer prints it
    EXPECT_EQ(d.pages().size(), 1u);
    d.newPage();
    d.line(QStringLiteral("three"));  // a page asked for twice stays, blank
    d.newPage();
    d.endDoc();
    ASSERT_EQ(d.pages().size(), 3u);
    EXPECT_TRUE(d.pages()[1].isEmpty());
    EXPECT_EQ(d.pageText(2), "three\n");
}

TEST(Printing, LinesPerPageLeavesRoomForTheFooterWithEitherFont) {
    // A sheet with 10 printable inches (Letter with half-inch margins).
    TextDevice d;
    d.setSheetHeight(14400);
    // 12-point lines: 60 fit; 59 counted lines and the 3 footer lines would not.
    EXPECT_EQ(MeasureLinesPerPage(d), 57);
    // 11-point lines (220 twips) after the 12-point set-up line: 64 fit beside
    // it, less the footer: 61, where the page formula alone gives 65.
    EXPECT_EQ(SetPrinterFont(d), 61);
    // A sheet with room to spare leaves the page formula alone.
    TextDevice tall;
    tall.setSheetHeight(15840);
    EXPECT_EQ(MeasureLinesPerPage(tall), 59);
}

TEST(TextDevice, TabMovesToAColumnOrToTheNextLine) {
    TextDevice d;
    d.at(5, QStringLiteral("abc"));
    d.at(10, QStringLiteral("de"));
    d.at(3, QStringLiteral("x"));  // already past column 3: next line
    d.endLine();
    EXPECT_EQ(d.pageText(0), "    abc  de\n  x\n");
}
