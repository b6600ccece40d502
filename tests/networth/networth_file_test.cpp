// The .wmw file: earlier files saved back byte for byte, the sample, numbers, and the refusals.
#include "networth/model/networth_file.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "support/file_bytes.h"

namespace {

// 32 lines: the counts, then 31 rows; `rows` replace the first rows.
QByteArray fileWith(const QByteArray& counts, const QList<QByteArray>& rows) {
    QByteArray out = counts + "\r\n";
    for (int r = 0; r < 31; ++r) out += (r < rows.size() ? rows[r] : QByteArray(",,,")) + "\r\n";
    return out;
}

class NetWorthFile : public ::testing::Test {
  protected:
    NetTables s = EmptyNetTables();
};

}  // namespace

TEST_F(NetWorthFile, EarlierFileOpensAndSavesBackByteForByte) {
    // Windows-1252 names, ".5", a "Sub Total" of 0 after another, a blank
    // line's 0 in the liabilities, rows of three commas.
    const QByteArray earlier = readFile(QStringLiteral(VANTORA_TEST_DATA "/earlier_version.wmw"));
    ASSERT_FALSE(earlier.isEmpty());
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.wmw"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(earlier);
    f.close();
    const auto opened = OpenNetWorthFile(path);
    ASSERT_TRUE(opened);
    EXPECT_EQ(CellName(opened->tables.assets(1, 0)), QString::fromUtf8("Café shares"));
    EXPECT_EQ(opened->totals.TotalAssets, Money::fromDouble(1501));
    EXPECT_EQ(opened->totals.TotalLiabilities, Money::fromDouble(250.25));
    EXPECT_EQ(NetWorthBytes(opened->tables), earlier);
    ASSERT_TRUE(WriteNetWorthFile(path, opened->tables));
    EXPECT_EQ(readFile(path), earlier);
}

TEST_F(NetWorthFile, SampleStatement) {
    const QByteArray sample = readFile(QStringLiteral(VANTORA_SAMPLES "/NetSampl.WMW"));
    auto data = ParseNetWorth(sample);
    ASSERT_TRUE(data);
    s = std::move(*data);
    const auto totals = CalcTotals(s);
    ASSERT_TRUE(totals);
    EXPECT_EQ(s.assetCount, 14);
    EXPECT_EQ(s.liabilityCount, 7);
    // 21,750.75 + 317,500 + 80,555.75 less 175,750.60 + 6,440.35: every sub total as stored.
    EXPECT_EQ(NetWorthText(totals->NetWorth, "$"), "$237,615.55");
    EXPECT_EQ(NetWorthBytes(s), sample);
}

TEST_F(NetWorthFile, TypedFiguresAreWrittenAsNumbersAndReadBack) {
    // A name beyond Windows-1252 makes the file UTF-8.
    s.assets(1, 0) = TextCell(QStringLiteral("Złoty € name, with comma"));
    s.assets(1, 1) = NumberCell(0.5);
    s.assets(2, 0) = TextCell(QStringLiteral("Big"));
    s.assets(2, 1) = NumberCell(12345678901234.56);
    s.liabilities(1, 0) = TextCell(QStringLiteral("BlankLine"));
    s.liabilities(1, 1) = NumberCell(0);
    s.liabilities(2, 0) = TextCell(QString());
    ASSERT_TRUE(CalcTotals(s));
    const QByteArray bytes = NetWorthBytes(s);
    EXPECT_TRUE(bytes.startsWith(
        QString::fromUtf8("2,1\r\n\"Złoty € name, with comma\",.5,\"BlankLine\",0\r\n"
                          "\"Big\",12345678901234.56,,\r\n,,,\r\n")
            .toUtf8()));
    auto data = ParseNetWorth(bytes);
    ASSERT_TRUE(data);
    EXPECT_EQ(data->assets(1, 0).text, s.assets(1, 0).text);
    EXPECT_EQ(data->assets(2, 1).number, 12345678901234.56);
    EXPECT_EQ(data->liabilities(1, 1).number, 0);
    EXPECT_EQ(data->liabilities(2, 1).kind, NetCell::Kind::Empty);
}

TEST_F(NetWorthFile, NumberTexts) {
    const struct {
        double value;
        const char* text;
    } cases[] = {{0, "0"},
                 {0.5, ".5"},
                 {-0.25, "-.25"},
                 {100, "100"},
                 {1234.5, "1234.5"},
                 {0.1 + 0.2, ".3"},  // 15 significant digits
                 {21750.75, "21750.75"},
                 {1e-5, ".00001"},
                 {922337203685477.5, "922337203685477.5"}};  // whole, not rounded past the range
    for (const auto& c : cases) EXPECT_EQ(NumberFileText(c.value), c.text) << c.value;
}

TEST_F(NetWorthFile, BrokenFilesAreRefusedWhole) {
    const QByteArray good = fileWith("1,1", {"\"A\",1.5,\"L\",2"});
    ASSERT_TRUE(ParseNetWorth(good));
    ASSERT_TRUE(ParseNetWorth(good + "\r\n\r\n\x1a"));  // blank lines and the end mark
    ASSERT_TRUE(ParseNetWorth(QByteArray(good).replace("\r\n", "\n")));
    ASSERT_TRUE(ParseNetWorth(fileWith("1,1", {"\"A\",1E+3,\"L\",-.5"})));
    const QByteArray refused[] = {
        "",
        "1,1\r\n",                                 // only the first line
        fileWith("31,0", {}),                      // a count beyond 30
        fileWith("-1,0", {}),                      //
        fileWith("1.5,0", {}),                     //
        fileWith("1,1", {"A,1,\"L\",2"}),          // a cell neither quoted nor a number
        fileWith("1,1", {"\"A\",1.2.3,\"L\",2"}),  //
        fileWith("1,1", {"\"A\",nan,\"L\",2"}),    //
        fileWith("1,1", {"\"A\",1e999,\"L\",2"}),  //
        fileWith("1,1", {"\"A\",1,\"L\""}),        // too few fields
        fileWith("1,1", {"\"A\",1,\"L\",2,"}),     // too many
        fileWith("1,1", {"\"A,1,,"}),              // an open quote
        fileWith("1,1", {"\"A\"x,1,,"}),           //
        fileWith("1,1", {}) + ",,,\r\n",           // a line after the last row
        good.left(good.size() - 8),                // cut short
    };
    for (const QByteArray& bytes : refused)
        EXPECT_FALSE(ParseNetWorth(bytes)) << bytes.left(60).toStdString();
}

TEST_F(NetWorthFile, ANameOfFiguresAndAValueOfTextReadAndWriteBackAsTheyStand) {
    // A value typed as text counts with its leading number.
    const QByteArray bytes = fileWith("2,1", {"\"Gold\",\"12.5abc\",1990,\"7\"", "2024,.5,,"});
    const auto data = ParseNetWorth(bytes);
    ASSERT_TRUE(data);
    s = *data;
    EXPECT_EQ(s.assets(1, 1).kind, NetCell::Kind::Text);
    EXPECT_EQ(s.liabilities(1, 0).kind, NetCell::Kind::Number);
    EXPECT_EQ(NetWorthBytes(s), bytes);
    const auto totals = CalcTotals(s);
    ASSERT_TRUE(totals);
    EXPECT_EQ(totals->TotalAssets, Money::fromDouble(13));
    EXPECT_EQ(totals->TotalLiabilities, Money::fromDouble(7));
}

TEST_F(NetWorthFile, BrokenMissingOrUncountableFilesOpenAsNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bad.wmw"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("3,2\r\n");
    f.close();
    EXPECT_FALSE(OpenNetWorthFile(path));
    EXPECT_FALSE(OpenNetWorthFile(dir.filePath(QStringLiteral("missing.wmw"))));
    // Totals beyond the money range cannot be shown: refused too.
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(fileWith("2,0", {"\"A\",900000000000000,,", "\"B\",900000000000000,,"}));
    f.close();
    EXPECT_FALSE(OpenNetWorthFile(path));
    // A file cannot be written where there is no folder.
    EXPECT_FALSE(WriteNetWorthFile(dir.filePath(QStringLiteral("no/such/folder/x.wmw")), s));
}
