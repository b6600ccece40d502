// Tables as tab-separated and comma-separated text: figures as plain numbers, text quoted as
// needed.
#include "common/table_text.h"

#include <gtest/gtest.h>

TEST(TableText, FiguresInTheProgramsFormatsBecomePlainNumbers) {
    const std::vector<std::pair<QString, QString>> figures = {
        {"$1,234.50", "1234.50"}, {"   $1,234,567.89", "1234567.89"},
        {"-12.5%", "-12.5"},      {" 14.870%", "14.870"},
        {"5.00 %", "5.00"},       {"(1,234.00)", "-1234.00"},
        {"$-3.00", "-3.00"},      {"-$3.00", "-3.00"},
        {"-1,000", "-1000"},      {".50", "0.50"},
        {"-.0000", "0.0000"},                                // no minus zero
        {"1996", "1996"},         {"\u00a312.00", "12.00"},  // any currency sign
        {"\u20ac-7.10", "-7.10"},
    };
    for (const auto& [cell, plain] : figures)
        EXPECT_EQ(PlainNumber(cell), plain) << cell.toStdString();
    // The symbol the user chose, even one that is a letter.
    EXPECT_EQ(PlainNumber(QStringLiteral("F1,000.00"), QStringLiteral("F")), "1000.00");
    EXPECT_EQ(PlainNumber(QStringLiteral("F1,000.00")), std::nullopt);

    const QStringList texts = {"",      "Row  1",  "3/15/1996", "1,23", "12,3456", ",123",
                               "1.2.3", "-",       "$",         "%",    "1e5",     "--5",
                               "(-5)",  "Fund 12", "12 Fund",   "$ $5"};
    for (const QString& cell : texts)
        EXPECT_EQ(PlainNumber(cell), std::nullopt) << cell.toStdString();
}

TEST(TableText, CsvQuotesWhatNeedsItAndTabTextKeepsOneLinePerRow) {
    const std::vector<QStringList> rows = {
        {"Name", "Amount", "Rate"},
        {"Smith, Jones & Co", "$-1,234.50", "14.870%"},
        {"The \"Big\" Fund", "(2,000.00)", " .50"},
        {"  Zürich\tline\nbreak  ", "1,000,000.00", ""},
    };
    EXPECT_EQ(TableAsCsv(rows), QStringLiteral("Name,Amount,Rate\r\n"
                                               "\"Smith, Jones & Co\",-1234.50,14.870\r\n"
                                               "\"The \"\"Big\"\" Fund\",-2000.00,0.50\r\n"
                                               "\"Zürich\tline\nbreak\",1000000.00,\r\n")
                                    .toUtf8());
    EXPECT_EQ(TableAsTabText(rows), QStringLiteral("Name\tAmount\tRate\n"
                                                   "Smith, Jones & Co\t-1234.50\t14.870\n"
                                                   "The \"Big\" Fund\t-2000.00\t0.50\n"
                                                   "Zürich line break\t1000000.00\t\n"));
}

TEST(TableText, CsvTextThatASpreadsheetWouldRunAsAFormulaStaysText) {
    const std::vector<std::pair<QString, QString>> cells = {
        {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
        {"+1+cmd", "'+1+cmd"},
        {"-2+3", "'-2+3"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"\t=1+1", "'=1+1"},
        {"\r=1+1", "'=1+1"},
        {"  -Fund", "'-Fund"},
        // Figures stay numbers, whatever their sign; text with the sign inside is left alone.
        {"-12.5%", "-12.5"},
        {"$-3.00", "-3.00"},
        {"+", "'+"},
        {"Fund -1", "Fund -1"},
        {"'quoted", "'quoted"},
    };
    for (const auto& [cell, expected] : cells)
        EXPECT_EQ(TableAsCsv({{cell}}), (expected + QStringLiteral("\r\n")).toUtf8())
            << cell.toStdString();
}
