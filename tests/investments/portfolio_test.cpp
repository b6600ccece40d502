// The portfolio tables and the .wms file: reading, writing, refusing, and the table helpers.
#include "investments/model/portfolio.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "common/dates.h"
#include "investments/model/current_value.h"
#include "investments/model/display_records.h"
#include "investments/model/portfolio_document.h"
#include "investments/model/record_entry.h"
#include "investments/table_test_portfolio.h"
#include "support/file_bytes.h"

using namespace testportfolio;

namespace {

QByteArray samplePortfolio() {
    return readFile(QStringLiteral(VANTORA_SAMPLES "/Dtasampl.WMS"));
}

class PortfolioFile : public PortfolioTest {
  protected:
    // Two funds with a purchase and a sale.
    void twoFunds() {
        AddFund(QStringLiteral("Alpha"));
        AddFund(QStringLiteral("Beta"));
        AddRecord(1, "B", 10, 100, 50, 0, QDate(1996, 3, 15));
        AddRecord(2, "S", 10, 100, 50, 0, QDate(1997, 1, 2));
    }
};

TEST_F(PortfolioFile, SampleLoadsAndSavesBackByteForByte) {
    const QByteArray bytes = samplePortfolio();
    ASSERT_FALSE(bytes.isEmpty());
    auto data = ParsePortfolio(bytes);
    ASSERT_TRUE(data);
    EXPECT_EQ(data->fundCount, 5);
    EXPECT_EQ(data->recordCount, 23);
    p = std::move(*data);
    EXPECT_EQ(p.funds[1].FundNumberText, QStringLiteral(" 1"));
    EXPECT_EQ(p.funds[31].FundName, QStringLiteral("All Records"));
    // Every one of the six codes is in the sample.
    QString codes;
    for (int r = 1; r <= p.recordCount; ++r)
        if (!codes.contains(p.records[r].TypeCode)) codes += p.records[r].TypeCode;
    EXPECT_EQ(codes.size(), 6) << codes.toStdString();
    const auto again = PortfolioBytes(p);
    ASSERT_TRUE(again);
    EXPECT_EQ(*again, bytes);
    // At 20.00 a share (the price its help suggests) every fund still holds
    // shares, and the table shows gains as well as a loss.
    int gains = 0, losses = 0;
    for (int f = 1; f <= 5; ++f) {
        Money shares, book;
        for (int r = 1; r <= p.recordCount; ++r) {
            if (p.records[r].FundNo != Money::fromInt(f)) continue;
            shares += p.records[r].Shares;
            book += p.records[r].BookValue;
        }
        EXPECT_GT(shares, Money()) << f;
        (shares * Money::fromInt(20) > book ? gains : losses) += 1;
    }
    EXPECT_EQ(gains, 4);
    EXPECT_EQ(losses, 1);
}

TEST_F(PortfolioFile, WritesTheLayoutOfTheFile) {
    twoFunds();
    const auto bytes = PortfolioBytes(p);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(*bytes, QByteArray("2,2,\"All Records\",\"31\"\r\n"
                                 "\"Alpha\",\" 1\"\r\n"
                                 "\"Beta\",\" 2\"\r\n"
                                 "1,10,100,50,0,1050,\"B\",#1996-03-15#\r\n"
                                 "2,10,-100,50,0,-950,\"S\",#1997-01-02#\r\n"));
}

TEST_F(PortfolioFile, EarlierVersionNamesInWindows1252RoundTrip) {
    const QByteArray bytes(
        "1,1,\"All Records\",\"31\"\r\n"
        "\"Soci\xe9t\xe9 G\xe9n\xe9rale \x80\",\" 1\"\r\n"
        "1,10.25,3,0,0,30.75,\"B\",#2001-07-04#\r\n");
    auto data = ParsePortfolio(bytes);
    ASSERT_TRUE(data);
    EXPECT_EQ(data->funds[1].FundName,
              QString::fromUtf8("Soci\u00e9t\u00e9 G\u00e9n\u00e9rale \u20ac"));
    EXPECT_EQ(*PortfolioBytes(*data), bytes);
}

TEST_F(PortfolioFile, DeletedFundSlotIsWrittenAndReadBackEmpty) {
    twoFunds();
    p.funds[2].FundName.clear();
    p.recordCount = 1;
    const auto bytes = PortfolioBytes(p);
    ASSERT_TRUE(bytes);
    EXPECT_TRUE(bytes->contains("\"\",\" 2\"\r\n"));
    auto data = ParsePortfolio(*bytes);
    ASSERT_TRUE(data);
    EXPECT_EQ(data->fundCount, 2);
    EXPECT_TRUE(data->funds[2].FundName.isEmpty());
    EXPECT_EQ(data->funds[2].FundNumberText, QStringLiteral(" 2"));
}

TEST_F(PortfolioFile, BrokenFilesAreRefusedWhole) {
    // One fund, then one record line; each case below breaks one thing.
    const QByteArray head = "1,1,\"All Records\",\"31\"\r\n\"A\",\" 1\"\r\n";
    const QByteArray record = "1,10,3,0,0,30,\"B\",#2001-07-04#\r\n";
    ASSERT_TRUE(ParsePortfolio(head + record));
    const QByteArray broken[] = {
        "",
        "-1,1,\"All Records\",\"31\"\r\n\"A\",\" 1\"\r\n",
        "0,-2,\"All Records\",\"31\"\r\n",
        "1001,1,\"All Records\",\"31\"\r\n\"A\",\" 1\"\r\n",
        "0,31,\"All Records\",\"31\"\r\n",
        "x,1,\"All Records\",\"31\"\r\n",
        "2,1,\"All Records\",\"31\"\r\n\"A\",\" 1\"\r\n" + record,  // ends early
        head + "1,ten,3,0,0,30,\"B\",#2001-07-04#\r\n",
        head + "1,99999999999999999,3,0,0,30,\"B\",#2001-07-04#\r\n",  // beyond money
        head + "1.5,10,3,0,0,30,\"B\",#2001-07-04#\r\n",               // no fund number
        head + "1,10,3,0,0,30,\"B\",#2001-02-30#\r\n",
        head + "1,10,3,0,0,30,\"B\",\"7/4/2001\"\r\n",  // a date must be a #date#
        head + "1,10,3,0,0,30,\"X\",#2001-07-04#\r\n",
        head + "1,10,3,0,0,30,\"\",#2001-07-04#\r\n",
        head + record + "9,9\r\n",                                // more than announced
        "1,1,\"All Records\",\"31\"\r\n\"A,\" 1\"\r\n" + record,  // a stray quote
        // Records no total would count: fund 0, the all-records slot 31, a fund
        // beyond the one in use.
        head + "0,10,3,0,0,30,\"B\",#2001-07-04#\r\n",
        head + "31,10,3,0,0,30,\"B\",#2001-07-04#\r\n",
        head + "2,10,3,0,0,30,\"B\",#2001-07-04#\r\n",
        // A date of the years 1 to 99 loads as a date but could never be saved
        // again, whichever record it is in.
        head + "1,10,3,0,0,30,\"B\",#0050-07-04#\r\n",
        "4,1,\"All Records\",\"31\"\r\n\"A\",\" 1\"\r\n" + record + record + record +
            "1,10,3,0,0,30,\"B\",#0099-12-31#\r\n",
    };
    for (const QByteArray& b : broken) EXPECT_FALSE(ParsePortfolio(b)) << b.toStdString();
    // A lower-case code of the earlier version is kept as written.
    EXPECT_TRUE(ParsePortfolio(head + "1,10,3,0,0,30,\"b\",#2001-07-04#\r\n"));
}

TEST_F(PortfolioFile, ABrokenOrMissingFileReadsAsNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bad.wms"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("3,1,\"All Records\",\"31\"\r\n\"A\",\" 1\"\r\n1,10,3,0,0,30,\"B\",#2001-07-04#\r\n");
    f.close();
    EXPECT_FALSE(ReadPortfolioFile(path));
    EXPECT_FALSE(ReadPortfolioFile(dir.filePath(QStringLiteral("missing.wms"))));
}

TEST_F(PortfolioFile, AFailedSaveLeavesTheFileOnDiskAsItWas) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mine.wms"));
    twoFunds();
    ASSERT_TRUE(WritePortfolioFile(path, p));
    const QByteArray before = readFile(path);
    // A record whose date does not convert: nothing may be written.
    p.records[2].TradeDate = QStringLiteral("not a date");
    EXPECT_FALSE(WritePortfolioFile(path, p));
    EXPECT_EQ(readFile(path), before);
    // A path that cannot be created.
    EXPECT_FALSE(WritePortfolioFile(dir.filePath(QStringLiteral("mine.wms/inner.wms")), p));
    EXPECT_EQ(readFile(path), before);
}

TEST_F(PortfolioFile, DateCheckLooksAtTheFirstThreeRecordsOnly) {
    twoFunds();
    EXPECT_TRUE(LoadedDatesConvert(p));
    p.records[2].TradeDate = QDate(50, 1, 1);  // year 50 reads back as no date
    EXPECT_FALSE(LoadedDatesConvert(p));
    p.recordCount = 1;  // only record 1 is checked now
    EXPECT_TRUE(LoadedDatesConvert(p));
    p.records[4].TradeDate = QDate(50, 1, 1);
    p.recordCount = 4;
    p.records[2].TradeDate = QDate(1999, 1, 1);
    p.records[3].TradeDate = QDate(1999, 1, 1);
    EXPECT_TRUE(LoadedDatesConvert(p));
}

TEST_F(PortfolioFile, StatusLineWithAndWithoutAFileName) {
    twoFunds();
    EXPECT_EQ(FileInfoText("", 2, 2), QStringLiteral(" Funds = 2    Records = 2 "));
    EXPECT_EQ(FileInfoText("MINE.WMS", 2, 2),
              QStringLiteral(" MINE.WMS    Funds = 2    Records = 2 "));
}

// A new document: no file, nothing changed, the empty tables in their shapes.
TEST(PortfolioDocumentTest, ANewDocumentHoldsEmptyTables) {
    const PortfolioDocument doc;
    EXPECT_EQ(doc.portfolio.records.size(), 1003u);
    EXPECT_EQ(doc.portfolio.funds.size(), 32u);
    EXPECT_EQ(doc.portfolio.funds[31].FundNumberText, QStringLiteral("31"));
    EXPECT_EQ(doc.portfolio.recordCount + doc.portfolio.fundCount, 0);
    EXPECT_EQ(doc.totals.cols(), 7);
    EXPECT_EQ(doc.reportPages.size(), 4);
    EXPECT_TRUE(doc.fileName.isEmpty());
    EXPECT_FALSE(doc.changed);
}

TEST_F(PortfolioFile, TypeDescriptions) {
    const char* codes[] = {"B", "S", "C", "D", "F", "U", "F", "U"};
    const int prices[] = {1, 1, 0, 1, 0, 1, 1, 0};
    const QStringList expected = {"Bought  ", "Sold    ", "Cash Div.", "Div. Shares",
                                  "Fee Cash", "Unit Fee", "",          ""};
    for (int i = 0; i < 8; ++i) {
        FundRecord r;
        r.TypeCode = QString::fromLatin1(codes[i]);
        r.Price = Money::fromInt(prices[i]);
        EXPECT_EQ(TypeDescription(r), expected[i]) << i;
    }
}

TEST_F(PortfolioFile, RemovingARecordKeepsTheOthersInOrder) {
    twoFunds();
    p.records[3] = p.records[1];
    p.recordCount = 3;
    RemoveRecord(p, 1);
    EXPECT_EQ(p.recordCount, 2);
    EXPECT_EQ(p.records[1].TypeCode, QStringLiteral("S"));
    EXPECT_EQ(p.records[2].TypeCode, QStringLiteral("B"));
    EXPECT_TRUE(p.records[3].TypeCode.isEmpty());
    RemoveRecord(p, 5);  // not in use: nothing happens
    EXPECT_EQ(p.recordCount, 2);
}

TEST_F(PortfolioFile, RemovingAnEmptyFundMovesTheLaterFundsAndTheirRecords) {
    twoFunds();
    AddFund(QStringLiteral("~Gamma"));
    p.records[2].FundNo = Money::fromInt(3);  // Beta (slot 2) is empty now
    RemoveFundSlot(p, 2);
    EXPECT_EQ(p.fundCount, 2);
    EXPECT_EQ(p.funds[2].FundName, QStringLiteral("~Gamma"));
    EXPECT_EQ(p.funds[2].FundNumberText, QStringLiteral(" 2"));
    EXPECT_TRUE(p.funds[3].FundName.isEmpty());
    EXPECT_EQ(p.records[2].FundNo, Money::fromInt(2));
    EXPECT_EQ(p.records[1].FundNo, Money::fromInt(1));
    EXPECT_EQ(FundRecordCount(p, 2), 1);
}

}  // namespace

namespace {

TEST_F(PortfolioFile, AFileOfTheEarlierVersionReadsAndWritesBackTheSameBytes) {
    QTemporaryDir dir;
    QByteArray bytes = readFile(QStringLiteral(VANTORA_TEST_DATA "/earlier_version.wms"));
    ASSERT_FALSE(bytes.isEmpty());
    // A byte the code page leaves unassigned survives too.
    bytes.replace("Soci",
                  "So\x81"
                  "ci");
    const QString in = dir.filePath(QStringLiteral("in.WMS"));
    const QString out = dir.filePath(QStringLiteral("out.WMS"));
    QFile f(in);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    auto read = ReadPortfolioFile(in);
    ASSERT_TRUE(read);
    p = std::move(*read);
    EXPECT_EQ(p.recordCount, 2);
    EXPECT_EQ(TypeDescription(p.records[2]), "Cash Div.");
    ASSERT_TRUE(WritePortfolioFile(out, p));
    EXPECT_EQ(readFile(out), bytes);
}

}  // namespace

namespace {

TEST_F(PortfolioFile, LowerCaseCodesCountAsTheirCodesAndAreWrittenBackAsTheyWere) {
    // A purchase, a sale and a dividend in shares, all written by hand in lower case.
    const QByteArray bytes =
        "3,1,\"All Records\",\"31\"\r\n\"A\",\" 1\"\r\n"
        "1,10,100,0,0,1000,\"b\",#2001-01-02#\r\n"
        "1,12,-50,0,0,-600,\"s\",#2001-02-02#\r\n"
        "1,11,10,0,0,0,\"d\",#2001-03-02#\r\n";
    auto data = ParsePortfolio(bytes);
    ASSERT_TRUE(data);
    p = std::move(*data);
    EXPECT_EQ(TypeDescription(p.records[2]), "Sold    ");
    // Money put in leaves the sale out: 1000 + 0, not 1000 - 600 + 0.
    ResetFundTotals(totals, 9);
    AccumulateHoldings(p, totals);
    EXPECT_EQ(totals(1, 6), Money::fromInt(1000));
    EXPECT_EQ(DividendSharesValue(p.records[3]), Money::fromInt(110));
    const RecordView view = BuildRecordView(p, totals, 1, cur);
    EXPECT_EQ(view.divSharesTotal, Money::fromInt(110));
    EXPECT_EQ(totals(31, 2), Money::fromInt(1000));
    EXPECT_EQ(*PortfolioBytes(p), bytes);
}

TEST_F(PortfolioFile, NamesWithLineBreaksAreSavedWithoutThemAndReadBack) {
    twoFunds();
    p.funds[1].FundName = QStringLiteral("Pasted\r\nname\t");
    p.funds[2].FundName = QString::fromUtf8("NESTL\u00c9\u00ae");
    const auto bytes = PortfolioBytes(p);
    ASSERT_TRUE(bytes);
    auto data = ParsePortfolio(*bytes);
    ASSERT_TRUE(data);
    EXPECT_EQ(data->funds[1].FundName, QStringLiteral("Pastedname"));
    EXPECT_EQ(data->funds[2].FundName, QString::fromUtf8("NESTL\u00c9\u00ae"));
    EXPECT_EQ(data->recordCount, 2);
}

}  // namespace
