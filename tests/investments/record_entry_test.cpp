// The entry rules of the record window: which figures each code takes, book values and signs,
// the keys and boxes of the entry column, and its steps on the portfolio (browsing, storing,
// deleting, adding funds).
#include "investments/model/record_entry.h"

#include <gtest/gtest.h>

#include "common/dates.h"
#include "investments/model/portfolio.h"
#include "investments/model/record_flow.h"
#include "investments/table_test_portfolio.h"

namespace {

Money m(double v) {
    return Money::fromDouble(v);
}

TEST(RecordRules, SaleIsStoredWithNegativeSharesAndBookValue) {
    const FundRecord r =
        MakeRecord(2, QStringLiteral("s"), QDate(1997, 1, 2), {m(10), m(100), m(50), {}});
    EXPECT_EQ(r.TypeCode, QStringLiteral("S"));
    EXPECT_EQ(r.Shares, m(-100));
    EXPECT_EQ(r.BookValue, m(-950));  // 10 x -100 + 50
    EXPECT_EQ(r.FundNo, m(2));
}

TEST(RecordRules, BookValueAndSignsForEveryOtherCode) {
    const QDate d(2000, 1, 3);
    const FundRecord b = MakeRecord(1, QStringLiteral("B"), d, {m(10), m(100), m(50), {}});
    EXPECT_EQ(b.BookValue, m(1050));
    const FundRecord u = MakeRecord(1, QStringLiteral("U"), d, {m(10), m(5), {}, {}});
    EXPECT_EQ(u.Shares, m(-5));
    EXPECT_EQ(u.BookValue, m(0));
    const FundRecord c = MakeRecord(1, QStringLiteral("C"), d, {{}, {}, {}, m(100)});
    EXPECT_EQ(c.BookValue, m(-100));
    const FundRecord dv = MakeRecord(1, QStringLiteral("D"), d, {m(10), m(10), {}, {}});
    EXPECT_EQ(dv.BookValue, m(0));
    EXPECT_EQ(dv.Shares, m(10));
    const FundRecord f = MakeRecord(1, QStringLiteral("F"), d, {{}, {}, m(100), {}});
    EXPECT_EQ(f.BookValue, m(100));
    // Book value products are rounded to four decimals.
    const FundRecord odd = MakeRecord(1, QStringLiteral("B"), d, {m(10.3333), m(3.3333), {}, {}});
    EXPECT_EQ(odd.BookValue, Money::fromRaw(344440))  // 34.44398889 -> 34.4440
        << odd.BookValue.toFileText().toStdString();
}

TEST(RecordRules, AProductBeyondTheMoneyRangeIsNotStored) {
    EXPECT_THROW(MakeRecord(1, QStringLiteral("B"), QDate(2000, 1, 3), {m(1e8), m(1e8), {}, {}}),
                 MoneyOverflow);
}

TEST(RecordRules, EntriesMustMatchTheirCode) {
    const Money z;
    EXPECT_TRUE(EntryMatchesCode(QStringLiteral("B"), {m(10), m(100), m(50), z}));
    EXPECT_TRUE(EntryMatchesCode(QStringLiteral("s"), {m(10), m(100), z, z}));
    EXPECT_FALSE(EntryMatchesCode(QStringLiteral("B"), {m(10), m(100), z, m(1)}));
    EXPECT_FALSE(EntryMatchesCode(QStringLiteral("B"), {z, m(100), z, z}));
    EXPECT_TRUE(EntryMatchesCode(QStringLiteral("C"), {z, z, z, m(100)}));
    EXPECT_FALSE(EntryMatchesCode(QStringLiteral("C"), {m(10), z, z, m(100)}));  // a price typed
    EXPECT_TRUE(EntryMatchesCode(QStringLiteral("D"), {m(10), m(10), z, z}));
    EXPECT_FALSE(EntryMatchesCode(QStringLiteral("D"), {m(10), m(10), m(1), z}));
    EXPECT_TRUE(EntryMatchesCode(QStringLiteral("F"), {z, z, m(100), z}));
    EXPECT_FALSE(EntryMatchesCode(QStringLiteral("F"), {z, m(1), m(100), z}));
    EXPECT_TRUE(EntryMatchesCode(QStringLiteral("U"), {m(10), m(5), z, z}));
    EXPECT_FALSE(EntryMatchesCode(QStringLiteral("U"), {m(10), m(5), m(2), z}));
    EXPECT_FALSE(EntryMatchesCode(QString(), {m(10), m(5), z, z}));
    EXPECT_FALSE(EntryMatchesCode(QStringLiteral("X"), {m(10), m(5), z, z}));
}

TEST(RecordRules, EntryHelpNamesTheDateExampleAndEnds) {
    const QString help = EntryHelpText(QStringLiteral("3/15/2024"));
    const QStringList lines = help.split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.back(), QStringLiteral("End"));
    EXPECT_EQ(lines.count(QStringLiteral(" 3/15/2024")), 6);
    EXPECT_TRUE(lines.contains(QStringLiteral(" Shows data entry for shares Sold. ")));
    EXPECT_TRUE(lines.contains(QStringLiteral(" 50.00 or 0")));
    EXPECT_FALSE(help.contains(u'\n' + QString(u'\n')));  // no bare line feeds
}

TEST(EntryKeys, EnterFollowsTheBoxesEachCodeUses) {
    using F = EntryField;
    const struct {
        F from;
        const char* code;
        F to;
    } rows[] = {
        {F::Code, "B", F::Date},    {F::Date, "B", F::Price},   {F::Date, "", F::Price},
        {F::Date, "U", F::Price},   {F::Date, "C", F::CashDiv}, {F::Date, "F", F::Fee},
        {F::Price, "C", F::Shares}, {F::Shares, "B", F::Fee},   {F::Shares, "D", F::Save},
        {F::Shares, "U", F::Save},  {F::Shares, "", F::Fee},    {F::Fee, "S", F::Save},
        {F::Fee, "F", F::Save},     {F::Fee, "D", F::Save},     {F::Fee, "C", F::CashDiv},
        {F::Fee, "", F::CashDiv},   {F::CashDiv, "B", F::Save},
    };
    for (const auto& r : rows)
        EXPECT_EQ(NextFieldOnEnter(r.from, QString::fromLatin1(r.code)), r.to)
            << int(r.from) << " " << r.code;

    EXPECT_EQ(BoxesForCode(QStringLiteral("S")), (EntryBoxes{true, true, true, false}));
    EXPECT_EQ(BoxesForCode(QStringLiteral("C")), (EntryBoxes{false, false, false, true}));
    EXPECT_EQ(BoxesForCode(QStringLiteral("U")), (EntryBoxes{true, true, false, false}));
    EXPECT_EQ(BoxesForCode(QStringLiteral("F")), (EntryBoxes{false, false, true, false}));
    EXPECT_EQ(BoxesForCode(QStringLiteral("b")), EntryBoxes{});  // codes arrive upper-cased
    EXPECT_EQ(FigureIndex(F::Price), 1);
    EXPECT_EQ(FigureIndex(F::CashDiv), 4);
    EXPECT_EQ(FigureIndex(F::Date), 0);
}

TEST(EntryKeys, TheCodeBoxTakesOneOfSixLettersInEitherCase) {
    const struct {
        int key;
        bool boxEmpty;
        CodeKey::Kind kind;
        QString text;
    } rows[] = {
        {'b', true, CodeKey::Code, QStringLiteral("B")},
        {'U', false, CodeKey::Code, QStringLiteral("U")},
        {8, false, CodeKey::Pass, {}},
        {13, false, CodeKey::ToDate, {}},
        {13, true, CodeKey::Refused, {}},  // Enter in an empty box is a wrong key
        {'x', true, CodeKey::Refused, QStringLiteral("x")},
        {'1', true, CodeKey::Refused, QStringLiteral("1")},
        {0xDF, true, CodeKey::Refused, QStringLiteral("\u00DF")},  // upper-cases to two letters
        {9, true, CodeKey::Refused, {}},
    };
    for (const auto& r : rows) {
        const CodeKey k = ReadCodeKey(r.key, r.boxEmpty);
        EXPECT_EQ(k.kind, r.kind) << r.key;
        EXPECT_EQ(k.text, r.text) << r.key;
    }
    EXPECT_EQ(EntryCode(QStringLiteral("Bought  ")), QStringLiteral("B"));
    EXPECT_EQ(EntryCode(QStringLiteral("  s")), QStringLiteral("S"));
    for (int key : std::initializer_list<int>{'0', '9', '/', '.', '-', ' ', 8})
        EXPECT_TRUE(DateKeyAccepted(key)) << key;
    for (int key : std::initializer_list<int>{'a', ',', 13, 127})
        EXPECT_FALSE(DateKeyAccepted(key)) << key;
}

TEST(EntryChecks, DatesFiguresAndCodesBeforeAStore) {
    dates::setShortFormat(QStringLiteral("M/d/yyyy"));
    EXPECT_TRUE(DateNeedsCorrection(QStringLiteral("B"), QStringLiteral("13/45/2000")));
    EXPECT_FALSE(DateNeedsCorrection(QString(), QStringLiteral("13/45/2000")));
    EXPECT_FALSE(DateNeedsCorrection(QStringLiteral("B"), QStringLiteral("  ")));
    EXPECT_FALSE(DateNeedsCorrection(QStringLiteral("B"), QStringLiteral("1/2/1997")));

    const EntryFigures sale{m(10), m(100), m(50), {}};
    EXPECT_EQ(CheckRecordEntry(QStringLiteral(" "), QStringLiteral("S"), sale), EntryCheck::NoDate);
    EXPECT_EQ(CheckRecordEntry(QStringLiteral("1/2/1997"), QStringLiteral("C"), sale),
              EntryCheck::Mismatch);
    EXPECT_EQ(CheckRecordEntry(QStringLiteral("1/2/1997"), QStringLiteral("S"), sale),
              EntryCheck::Accepted);

    const TypedFigure price = ReadTypedFigure(QStringLiteral("1234.56789x"), QStringLiteral("$"));
    EXPECT_EQ(price.value, Money::fromRaw(12345679));  // rounded to four decimals
    EXPECT_EQ(price.shown, QStringLiteral("$1,234.5679"));
    EXPECT_FALSE(price.outOfRange);
    EXPECT_EQ(ReadTypedFigure(QStringLiteral("abc"), QString()).shown, QStringLiteral("0.0000"));
    const TypedFigure huge = ReadTypedFigure(QStringLiteral("99999999999999999999"), QString());
    EXPECT_TRUE(huge.outOfRange);
    EXPECT_EQ(huge.value, Money());
}

// The record window's steps on a portfolio of two funds: Alpha's records 1, 3 and 4, Beta's 2.
class RecordFlow : public testportfolio::PortfolioTest {
  protected:
    void SetUp() override {
        AddFund(QStringLiteral("Alpha"));
        AddFund(QStringLiteral("Beta"));
        const QDate d(1997, 1, 2);
        AddRecord(1, "B", 10, 100, 50, 0, d);
        AddRecord(2, "C", 0, 0, 0, 20, d);
        AddRecord(1, "S", 10, 100, 50, 0, d);
        AddRecord(1, "U", 10, 5, 0, 0, d);
    }
    BrowseCursor c;
};

TEST_F(RecordFlow, BrowsingStepsThroughOneFundAndStopsAtTheEnds) {
    EXPECT_FALSE(ChooseFundLine(p, c, 2));
    ASSERT_TRUE(ChooseFundLine(p, c, 0));
    EXPECT_EQ(c.currentFund, 1);
    EXPECT_EQ(FindNextShown(p, c), 1);
    EXPECT_EQ(ShownRecordPosition(p, c), 1);
    const struct {
        bool forward;
        int record, shown, position;
        bool atEnd;
    } steps[] = {{true, 3, 3, 2, false},  {true, 4, 4, 3, false},  {true, 0, 4, 3, true},
                 {false, 3, 3, 2, false}, {false, 1, 1, 1, false}, {false, 0, 1, 1, true}};
    for (const auto& st : steps) {
        const BrowseStep b = st.forward ? StepForward(p, c) : StepBack(p, c);
        EXPECT_EQ(b.record, st.record);
        EXPECT_EQ(b.atEnd, st.atEnd);
        EXPECT_EQ(c.browsePos, st.shown);
        EXPECT_EQ(c.shownRecord, st.shown);
        EXPECT_EQ(ShownRecordPosition(p, c), st.position);
    }
}

TEST_F(RecordFlow, ARecordIsShownWithPositiveSharesAndBlankZeros) {
    const RecordBoxTexts sale = BoxTextsOfRecord(p.records[3], cur);
    EXPECT_EQ(sale.code, QStringLiteral("Sold    "));
    EXPECT_EQ(sale.date, QStringLiteral("1/2/1997"));
    EXPECT_EQ(sale.price, QStringLiteral("$10.0000"));
    EXPECT_EQ(sale.shares, QStringLiteral("100.0000"));
    EXPECT_EQ(sale.figures.shares, m(100));
    EXPECT_EQ(sale.cashDiv, QString());
    EXPECT_EQ(sale.bookValue, QStringLiteral("$-950.0000"));
    p.records[2].TradeDate = QStringLiteral("2078/12/12");  // a date kept as text
    const RecordBoxTexts div = BoxTextsOfRecord(p.records[2], cur);
    EXPECT_EQ(div.date, QStringLiteral("2078/12/12"));
    EXPECT_EQ(div.price, QString());
    EXPECT_EQ(div.cashDiv, QStringLiteral("$20.0000"));
}

TEST_F(RecordFlow, StoringChecksTheEntryAndChangesNothingWhenRefused) {
    const EntryFigures buy{m(10), m(100), m(50), {}};
    const struct {
        const char* name;
        bool correcting;
        int records, browsePos;
        const char *code, *date;
        EntryFigures figures;
        StoreResult result;
    } rows[] = {
        {"no date", false, 4, 1, "B", "  ", buy, StoreResult::NoDate},
        {"price on a dividend",
         false,
         4,
         1,
         "C",
         "1/2/1997",
         {m(1), {}, {}, m(5)},
         StoreResult::Mismatch},
        {"date not read", false, 4, 1, "B", "13/45/1997", buy, StoreResult::BadDate},
        {"file full", false, 1000, 1, "B", "1/2/1997", buy, StoreResult::RecordsFull},
        {"correction in a full file", true, 1000, 3, "B", "1/2/1997", buy, StoreResult::Stored},
        {"correction of no record", true, 4, 0, "B", "1/2/1997", buy, StoreResult::NoRow},
        {"book value out of range",
         false,
         4,
         1,
         "B",
         "1/2/1997",
         {m(1e8), m(1e8), {}, {}},
         StoreResult::Mismatch},
    };
    const Portfolio start = p;
    for (const auto& r : rows) {
        p = start;
        p.recordCount = r.records;
        c.currentFund = 1;
        c.browsePos = static_cast<int16_t>(r.browsePos);
        const FundRecord before = p.records[static_cast<size_t>(std::max(r.browsePos, 1))];
        const StoreResult result =
            StoreEntry(p, c,
                       {QString::fromLatin1(r.code), QString::fromLatin1(r.date), r.figures,
                        QStringLiteral("Alpha Two")},
                       r.correcting);
        EXPECT_EQ(result, r.result) << r.name;
        if (result == StoreResult::Stored) continue;
        EXPECT_EQ(p.recordCount, r.records) << r.name;
        EXPECT_EQ(p.funds[1].FundName, QStringLiteral("Alpha")) << r.name;
        EXPECT_EQ(p.records[static_cast<size_t>(std::max(r.browsePos, 1))].BookValue,
                  before.BookValue)
            << r.name;
    }
}

TEST_F(RecordFlow, AnEntryIsAddedAtTheEndOrWrittenOverTheRecordShown) {
    c.currentFund = 2;
    c.browsePos = 0;
    ASSERT_EQ(StoreEntry(p, c,
                         {QStringLiteral("S"),
                          QStringLiteral("3/4/1998"),
                          {m(10), m(100), m(50), {}},
                          QStringLiteral("Beta Fund")},
                         false),
              StoreResult::Stored);
    EXPECT_EQ(p.recordCount, 5);
    EXPECT_EQ(c.browsePos, 5);
    EXPECT_EQ(p.records[5].FundNo, m(2));
    EXPECT_EQ(p.records[5].Shares, m(-100));
    EXPECT_EQ(p.records[5].TradeDate.toDate(), QDate(1998, 3, 4));
    EXPECT_EQ(p.funds[2].FundName, QStringLiteral("Beta Fund"));

    c.browsePos = 2;
    ASSERT_EQ(StoreEntry(p, c,
                         {QStringLiteral("C"),
                          QStringLiteral("3/4/1998"),
                          {{}, {}, {}, m(7)},
                          QStringLiteral("Beta Fund")},
                         true),
              StoreResult::Stored);
    EXPECT_EQ(p.recordCount, 5);
    EXPECT_EQ(c.browsePos, 2);
    EXPECT_EQ(p.records[2].BookValue, m(-7));
}

TEST_F(RecordFlow, AnEntryOpensOnlyForTheFundShown) {
    c.currentFund = 1;
    EXPECT_EQ(CanOpenEntry(p, c, QStringLiteral("Alpha"), false, QString()), EntryOpening::Allowed);
    EXPECT_EQ(CanOpenEntry(p, c, QStringLiteral("Beta"), false, QString()), EntryOpening::NoFund);
    EXPECT_EQ(CanOpenEntry(p, c, QStringLiteral("Alpha"), true, QString()), EntryOpening::NoRecord);
    EXPECT_EQ(CanOpenEntry(p, c, QStringLiteral("Alpha"), true, QStringLiteral("B")),
              EntryOpening::Allowed);
    c.currentFund = 0;  // slot 0 has an empty name, as an empty list text has
    EXPECT_FALSE(FundSelected(p, c, QString()));
    c.currentFund = 3;
    EXPECT_FALSE(FundSelected(p, c, QString()));
}

TEST_F(RecordFlow, FundsAreAddedUpToThirty) {
    EXPECT_EQ(AddFundNamed(p, c, QStringLiteral("1")), NewFund::Cancelled);
    EXPECT_EQ(AddFundNamed(p, c, QString()), NewFund::Cancelled);
    EXPECT_EQ(p.fundCount, 2);
    ASSERT_EQ(AddFundNamed(p, c, QStringLiteral("Alpha")), NewFund::Added);  // a name in use again
    EXPECT_EQ(p.funds[3].FundName, QStringLiteral("Alpha"));
    EXPECT_EQ(p.funds[3].FundNumberText, QStringLiteral(" 3"));
    EXPECT_EQ(c.currentFund, 3);
    EXPECT_EQ(c.browseFund, 3);
    EXPECT_EQ(CurrentFundName(p, c), QStringLiteral("Alpha"));
    while (p.fundCount < kMaxFunds)
        ASSERT_EQ(AddFundNamed(p, c, QStringLiteral("F")), NewFund::Added);
    EXPECT_EQ(AddFundNamed(p, c, QStringLiteral("One too many")), NewFund::Full);
    EXPECT_EQ(p.fundCount, kMaxFunds);
}

TEST_F(RecordFlow, DeletingTakesTheRecordShownThenTheEmptyFund) {
    c.currentFund = 1;
    c.browsePos = 2;  // Beta's record
    EXPECT_EQ(DeleteShown(p, c), Deletion::NoRecord);
    EXPECT_EQ(p.recordCount, 4);
    c.browsePos = 3;
    EXPECT_EQ(DeleteShown(p, c), Deletion::RecordGone);
    EXPECT_EQ(p.recordCount, 3);
    EXPECT_EQ(c.browsePos, 1);
    EXPECT_EQ(p.records[3].TypeCode, QStringLiteral("U"));  // the rest close up in order

    c.currentFund = 2;
    c.browsePos = 2;
    ASSERT_EQ(DeleteShown(p, c), Deletion::RecordGone);
    EXPECT_EQ(DeleteShown(p, c), Deletion::FundGone);
    EXPECT_EQ(p.fundCount, 1);
    EXPECT_EQ(c.currentFund, 0);
    EXPECT_EQ(p.funds[1].FundName, QStringLiteral("Alpha"));
}

}  // namespace
