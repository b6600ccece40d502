// The net worth printout as whole text pages.
#include "networth/model/networth_report.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "common/print_device.h"

namespace {

class NetWorthReport : public ::testing::Test {
  protected:
    NetTables tables = EmptyNetTables();

    void set(bool liabilities, int row, const QString& name, std::optional<double> value) {
        SharedTable<NetCell>& t = liabilities ? tables.liabilities : tables.assets;
        t(row, 0) = TextCell(name);
        t(row, 1) = value ? NumberCell(*value) : EmptyCell();
    }

    // The page printed, each line without its trailing blanks.
    QString print(const QString& header) {
        const auto totals = CalcTotals(tables);
        EXPECT_TRUE(totals);
        TextDevice d;
        PrintNetWorth(d, header, tables, *totals, QStringLiteral("$"));
        d.endDoc();
        QStringList lines = d.pageText(0).split(u'\n');
        for (QString& l : lines) {
            while (l.endsWith(u' ')) l.chop(1);
        }
        return lines.join(u'\n');
    }
};

}  // namespace

TEST_F(NetWorthReport, StatementPage) {
    set(false, 1, QStringLiteral("Checking"), 1234.5);
    set(false, 2, QStringLiteral("A very long name that runs past twenty-five"), 10);
    set(false, 3, QStringLiteral("Sub Total"), std::nullopt);
    set(false, 4, QStringLiteral("Car"), std::nullopt);
    set(true, 1, QStringLiteral("Loan"), 500);
    set(true, 2, QStringLiteral("BlankLine"), 0);  // a liability's blank line prints .00
    // Names cut to 25 characters; an empty cell prints as blanks; the longer list sets the rows.
    EXPECT_EQ(print(QStringLiteral("Smith Household")).toStdString(), std::string(R"(
 Smith Household


                               NET WORTH STATEMENT


 ASSETS                                  LIABILITIES
 ______                                  ___________

 Checking                      1,234.50  Loan                            500.00
 A very long name that run        10.00  BlankLine                          .00
 Sub Total                     1,244.50
 Car



 Total Assets                 $1,244.50  Total Liabilities              $500.00


                             Net Worth =        $744.50
)"));
}

TEST_F(NetWorthReport, WideAmountsArePrintedWholeAndEndInLine) {
    set(false, 1, QStringLiteral("Estate"), 123456789012.5);
    set(false, 2, QStringLiteral("Car"), 1.5);
    set(true, 1, QStringLiteral("Debt"), 1);
    const QString page = print(QStringLiteral("1"));  // the header of a cancelled header window
    EXPECT_TRUE(page.startsWith(QStringLiteral("\n 1\n")));
    // Each amount ends at column 39, the wide one reaching into the blanks before it.
    EXPECT_TRUE(page.contains(QStringLiteral(" Estate") + QString(14, u' ') +
                              QStringLiteral("123,456,789,012.50  Debt")))
        << page.toStdString();
    EXPECT_TRUE(
        page.contains(QStringLiteral(" Car") + QString(31, u' ') + QStringLiteral("1.50\n")));
    EXPECT_TRUE(page.contains(
        QStringLiteral(" Total Assets       $123,456,789,014.00  Total Liabilities")));
    EXPECT_TRUE(page.contains(QStringLiteral("Net Worth = $123,456,789,013.00")));
}
