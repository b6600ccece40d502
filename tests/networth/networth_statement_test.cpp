// The net worth calculation: compacting, sub totals, totals, blank lines and the screen's texts.
#include "networth/model/networth_statement.h"

#include <gtest/gtest.h>

#include <QStringList>

#include "common/number_format.h"

namespace {

// A row as the user typed it: a name ("" = empty text, "-" = empty cell) and a
// value (NaN = empty cell).
struct Row {
    const char* name;
    double value;
};
constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

void fill(SharedTable<NetCell>& t, std::initializer_list<Row> rows) {
    int r = 1;
    for (const Row& row : rows) {
        const QString name = QString::fromUtf8(row.name);
        t(r, 0) = name == u"-" ? EmptyCell() : TextCell(name);
        t(r, 1) = std::isnan(row.value) ? EmptyCell() : NumberCell(row.value);
        ++r;
    }
}

// The list as the grid shows it: "name=value" per row.
QStringList shown(const SharedTable<NetCell>& t, int count) {
    QStringList rows;
    for (int r = 1; r <= count; ++r) rows << CellName(t(r, 0)) + u'=' + ValueText(t(r, 1));
    return rows;
}

class NetWorth : public ::testing::Test {
  protected:
    NetTables s = EmptyNetTables();
};

}  // namespace

TEST_F(NetWorth, SubTotalsCompactingAndTotals) {
    fill(s.assets, {{"Cash", 100},
                    {"sub total", 0},  // any case, and its own value is dropped
                    {"SUB TOTAL", 999},
                    {"", 50},  // no name: the row and its value vanish
                    {"House", 1000.25},
                    {"Subtotal", 7},  // one word: an ordinary row
                    {" Sub Total", kNone},
                    {"Sub Total", kNone},
                    {" ", kNone},  // a blank row stays
                    {"Car", kNone}});
    s.assets(31, 0) = TextCell(QStringLiteral("beyond the list"));
    fill(s.liabilities, {{"-", 5}, {"Loan", 3000}, {"Card", 0.5}});
    const auto totals = CalcTotals(s);
    ASSERT_TRUE(totals);
    EXPECT_EQ(s.assetCount, 9);
    EXPECT_EQ(shown(s.assets, 9), QStringList({"Cash=100.00", "sub total=100.00",
                                               "SUB TOTAL=",  // 0 shows blank
                                               "House=1,000.25", "Subtotal=7.00",
                                               " Sub Total=", "Sub Total=1,007.25", " =", "Car="}));
    // Totals count every value row once, never the sub totals.
    EXPECT_EQ(totals->TotalAssets, Money::fromDouble(1107.25));
    EXPECT_EQ(s.liabilityCount, 2);
    EXPECT_EQ(shown(s.liabilities, 2), QStringList({"Loan=3,000.00", "Card=.50"}));
    EXPECT_EQ(totals->TotalLiabilities, Money::fromDouble(3000.5));
    EXPECT_EQ(totals->NetWorth, Money::fromDouble(-1893.25));
    EXPECT_EQ(NetWorthText(totals->NetWorth, "$"), "$-1,893.25");
    // Rows after the list, row 31 included, are empty.
    for (int r = 10; r <= 31; ++r) EXPECT_TRUE(CellIsEmpty(s.assets(r, 0))) << r;
    EXPECT_EQ(s.liabilities(3, 0).kind, NetCell::Kind::Empty);
}

TEST_F(NetWorth, EmptyStatementTexts) {
    const auto totals = CalcTotals(s);
    ASSERT_TRUE(totals);
    EXPECT_EQ(s.assetCount, 0);
    EXPECT_EQ(TotalText(totals->TotalAssets, "$"), "$0.00");
    EXPECT_EQ(NetWorthText(totals->NetWorth, "$"), "$.00");
    EXPECT_FALSE(NetHasData(s));
    s.liabilities(4, 1) = NumberCell(0);
    EXPECT_TRUE(NetHasData(s));
}

TEST_F(NetWorth, TotalsBeyondTheMoneyRangeChangeNothing) {
    fill(s.assets, {{"A", 9e14}, {"-", 1}, {"B", 9e14}});
    EXPECT_FALSE(CalcTotals(s));
    EXPECT_EQ(CellName(s.assets(3, 0)), "B");  // not compacted
    EXPECT_EQ(s.assetCount, 0);
}

TEST_F(NetWorth, BlankLines) {
    fill(s.assets, {{"A", 1}, {"B", 2}});
    fill(s.liabilities, {{"L", 3}});
    ASSERT_TRUE(CalcTotals(s));
    // A row typed below the calculated ones moves down with them.
    s.assets(3, 0) = TextCell(QStringLiteral("C typed"));
    EXPECT_TRUE(InsertBlankLine(s, false, 1));
    EXPECT_TRUE(InsertBlankLine(s, true, 1));
    ASSERT_TRUE(CalcTotals(s));
    EXPECT_EQ(shown(s.assets, s.assetCount),
              QStringList({"BlankLine=", "A=1.00", "B=2.00", "C typed="}));
    EXPECT_EQ(s.assets(1, 1).kind, NetCell::Kind::Empty);
    EXPECT_EQ(s.liabilities(1, 1).kind, NetCell::Kind::Number);  // the 0 of a liability
    EXPECT_EQ(s.liabilities(1, 1).number, 0);
    EXPECT_EQ(CellName(s.liabilities(2, 0)), "L");

    // Rows 1..28 only, and only while the list has room at its end.
    EXPECT_FALSE(InsertBlankLine(s, false, 0));
    EXPECT_FALSE(InsertBlankLine(s, false, 29));
    s.assets(30, 0) = TextCell(QStringLiteral("last"));
    EXPECT_FALSE(InsertBlankLine(s, false, 2));
    EXPECT_EQ(CellName(s.assets(30, 0)), "last");
    EXPECT_EQ(CellName(s.assets(2, 0)), "A");
}

TEST_F(NetWorth, HelpTextParagraphs) {
    const QString help = NetWorthHelpText();
    const QStringList parts = help.split(QStringLiteral("\r\n\r\n"));
    ASSERT_EQ(parts.size(), 10);
    EXPECT_EQ(parts[0],
              QString(25, u' ') + "To close this Help box click outside of box or <ENTER>.");
    EXPECT_EQ(parts[3],
              "Place catagory names in first column and values in the second column. "
              "Delete an entry with the Backspace key.");
    EXPECT_EQ(parts[9], QString(70, u' ') + "End");
}
