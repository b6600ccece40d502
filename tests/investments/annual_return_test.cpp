// The money-weighted annual return: the rate solver, the funds' payments and the printout.
#include "investments/model/annual_return.h"

#include <gtest/gtest.h>

#include "common/print_device.h"
#include "investments/table_test_portfolio.h"

using namespace testportfolio;

namespace {

std::vector<Money> Prices(std::initializer_list<double> bySlot) {
    std::vector<Money> p(32);
    int k = 1;
    for (double v : bySlot) p[static_cast<size_t>(k++)] = M(v);
    return p;
}

}  // namespace

class AnnualReturn : public PortfolioTest {
  protected:
    PortfolioReturns Work(const std::vector<Money>& prices, const QDate& on) const {
        return WorkOutReturns(p.funds, p.fundCount, p.records, p.recordCount, prices, on);
    }
};

// The published example of the annual rate of irregular payments.
TEST_F(AnnualReturn, PublishedXirrExample) {
    const std::optional<double> r = Xirr({{QDate(2008, 1, 1), -10000},
                                          {QDate(2008, 3, 1), 2750},
                                          {QDate(2008, 10, 30), 4250},
                                          {QDate(2009, 2, 15), 3250},
                                          {QDate(2009, 4, 1), 2750}});
    ASSERT_TRUE(r);
    EXPECT_NEAR(*r, 0.373362535, 1e-8);
}

TEST_F(AnnualReturn, SolverRefusesWhatHasNoSingleRate) {
    // One rate: -100 now, 121 in two years is 10 % a year; losses down to -99 % solve too.
    EXPECT_NEAR(*SolveRate({{0, -100}, {2, 121}}), 0.10, 1e-12);
    EXPECT_NEAR(*SolveRate({{0, -100}, {1, 2}}), -0.98, 1e-12);
    EXPECT_NEAR(*SolveRate({{0, -100}, {1, 1e6}}), 9999, 1e-6);
    EXPECT_FALSE(SolveRate({}));
    EXPECT_FALSE(SolveRate({{0, -100}, {1, -5}}));  // never any money back
    EXPECT_FALSE(SolveRate({{0, 100}, {1, 5}}));    // never any money in
    // -100, +230, -132 is explained by 10 % and by 20 % alike.
    EXPECT_FALSE(SolveRate({{0, -100}, {1, 230}, {2, -132}}));
    EXPECT_FALSE(SolveRate({{0, -100}, {std::nan(""), 120}}));
}

// The sample portfolio at 20.00 a share on 12/31/1998, as tests/tools/annual_return.py works it
// out from the records' types, prices, shares, fees and dividends.
TEST_F(AnnualReturn, SamplePortfolioAgreesWithTheIndependentScript) {
    const auto sample = ReadPortfolioFile(QStringLiteral(VANTORA_SAMPLES "/Dtasampl.WMS"));
    ASSERT_TRUE(sample);
    const PortfolioReturns r =
        WorkOutReturns(sample->funds, sample->fundCount, sample->records, sample->recordCount,
                       Prices({20, 20, 20, 20, 20}), QDate(1998, 12, 31));
    const QStringList expected[] = {
        {"Atlas Growth Fund", "5,025.00", "0.00", "7,315.00", "2,290.00", "2.96", "18.64%", "year"},
        {"Birchwood Utilities", "5,445.00", "2,624.00", "4,000.00", "1,179.00", "2.90", "8.70%",
         "year"},
        {"Cedar Bond Income", "5,035.00", "0.00", "10,980.00", "5,945.00", "2.75", "32.86%",
         "year"},
        {"Delta Technology", "5,800.00", "1,165.00", "4,000.00", "-635.00", "2.39", "-5.83%",
         "year"},
        {"Evergreen Balanced", "3,770.00", "0.00", "5,210.00", "1,440.00", "1.98", "17.76%",
         "year"},
        {"Total:", "25,075.00", "3,789.00", "31,505.00", "10,219.00", "2.96", "16.16%", "year"},
    };
    ASSERT_EQ(r.funds.size(), 5u);
    for (size_t i = 0; i < 5; ++i) EXPECT_EQ(ReturnCells(r.funds[i]), expected[i]);
    EXPECT_EQ(ReturnCells(r.total), expected[5]);
}

// One fund per case, valued on 1/1/2020 unless the case says otherwise.
TEST_F(AnnualReturn, EdgeCases) {
    const QDate on(2020, 1, 1);
    struct Case {
        const char* what;
        std::vector<std::tuple<const char*, double, double, double, double, QDate>> records;
        double price;
        QDate priceDate;
        QStringList cells;  // money in .. basis
    };
    const Case cases[] = {
        {"held two years",
         {{"B", 10, 100, 0, 0, QDate(2018, 1, 1)}},
         12.1,
         on,
         {"1,000.00", "0.00", "1,210.00", "210.00", "2.00", "10.00%", "year"}},
        {"under a year: the period's return, not annualised",
         {{"B", 10, 100, 0, 0, QDate(2019, 7, 1)}},
         11,
         on,
         {"1,000.00", "0.00", "1,100.00", "100.00", "0.50", "10.00%", "period"}},
        {"all sold: the period ends at the sale, no price needed",
         {{"B", 10, 100, 0, 0, QDate(2017, 1, 1)}, {"S", 12.1, 100, 0, 0, QDate(2019, 1, 1)}},
         0,
         on,
         {"1,000.00", "1,210.00", "0.00", "210.00", "2.00", "10.00%", "year"}},
        {"fees are money in, cash dividends money out",
         {{"B", 10, 100, 50, 0, QDate(2018, 1, 1)},
          {"C", 0, 0, 0, 60, QDate(2019, 1, 1)},
          {"F", 0, 0, 25, 0, QDate(2019, 6, 1)}},
         10,
         on,
         {"1,075.00", "60.00", "1,000.00", "-15.00", "2.00", "-0.73%", "year"}},
        {"reinvested dividends move no money but add value",
         {{"B", 10, 100, 0, 0, QDate(2018, 1, 1)}, {"D", 10, 10, 0, 0, QDate(2019, 1, 1)}},
         11,
         on,
         {"1,000.00", "0.00", "1,210.00", "210.00", "2.00", "10.00%", "year"}},
        {"only reinvestments: no money in",
         {{"D", 10, 10, 0, 0, QDate(2018, 1, 1)}},
         11,
         on,
         {"0.00", "0.00", "110.00", "110.00", "0.00", "n/a", ""}},
        {"shares held without a price",
         {{"B", 10, 100, 0, 0, QDate(2018, 1, 1)}},
         0,
         on,
         {"1,000.00", "0.00", "n/a", "n/a", "2.00", "n/a", ""}},
        {"bought and priced the same day: no period",
         {{"B", 10, 100, 0, 0, on}},
         11,
         on,
         {"1,000.00", "0.00", "1,100.00", "100.00", "0.00", "n/a", ""}},
        {"a record after the price date",
         {{"B", 10, 100, 0, 0, QDate(2018, 1, 1)}, {"B", 10, 10, 0, 0, QDate(2020, 2, 1)}},
         11,
         on,
         {"1,100.00", "0.00", "1,210.00", "110.00", "2.00", "n/a", ""}},
        {"nearly everything lost",
         {{"B", 10, 100, 0, 0, QDate(2018, 1, 1)}},
         0.1,
         on,
         {"1,000.00", "0.00", "10.00", "-990.00", "2.00", "-90.00%", "year"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        p = EmptyPortfolio();
        AddFund(QStringLiteral("Fund"));
        for (const auto& [code, price, shares, fee, div, date] : c.records)
            AddRecord(1, QString::fromLatin1(code), price, shares, fee, div, date);
        const PortfolioReturns r = Work(Prices({c.price}), c.priceDate);
        ASSERT_EQ(r.funds.size(), 1u);
        EXPECT_EQ(ReturnCells(r.funds[0]).mid(1), c.cells);
        // One fund: the total says the same.
        EXPECT_EQ(ReturnCells(r.total).mid(1), c.cells);
    }
}

TEST_F(AnnualReturn, TotalIsUnknownWhileAHeldFundHasNoPrice) {
    p = EmptyPortfolio();
    AddFund(QStringLiteral("Priced"));
    AddFund(QString());  // a deleted slot is left out
    AddFund(QStringLiteral("Unpriced"));
    AddRecord(1, QStringLiteral("B"), 10, 100, 0, 0, QDate(2018, 1, 1));
    AddRecord(3, QStringLiteral("B"), 10, 100, 0, 0, QDate(2018, 1, 1));
    const PortfolioReturns r = Work(Prices({12.1, 0, 0}), QDate(2020, 1, 1));
    ASSERT_EQ(r.funds.size(), 2u);
    EXPECT_EQ(ReturnCells(r.funds[0]).at(6), "10.00%");
    EXPECT_EQ(ReturnCells(r.total),
              (QStringList{"Total:", "2,000.00", "0.00", "n/a", "n/a", "2.00", "n/a", ""}));
}

TEST_F(AnnualReturn, PrintoutPage) {
    p = EmptyPortfolio();
    AddFund(QStringLiteral("Alpha"));
    AddFund(QStringLiteral("Beta"));
    AddRecord(1, QStringLiteral("B"), 10, 100, 0, 0, QDate(2018, 1, 1));
    AddRecord(2, QStringLiteral("B"), 10, 100, 0, 0, QDate(2019, 7, 1));
    const PortfolioReturns r = Work(Prices({12.1, 11}), QDate(2020, 1, 1));
    TextDevice d;
    PrintReturnsReport(d, r,
                       PersonalSettings{.currencySymbol = QStringLiteral("$"), .linesPerPage = 50});
    d.endDoc();
    ASSERT_EQ(d.pages().size(), 1u);
    const QString expected =
        "               Money-weighted return at the prices of 1/1/2020\n"
        "\n"
        "      Money In   Money Out Current Value  Gain or Loss  Years    Return Per\n"
        "  ____________________________________________________________________________\n"
        "  Alpha\n"
        "      1,000.00        0.00      1,210.00        210.00   2.00    10.00% year\n"
        "\n"
        "  Beta\n"
        "      1,000.00        0.00      1,100.00        100.00   0.50    10.00% period\n"
        "\n"
        "  Total:\n"
        "      2,000.00        0.00      2,310.00        310.00   2.00    11.88% year\n"
        "\n"
        "  Per year when held a year or more; under a year, for the period.\n";
    EXPECT_EQ(d.pageText(0).toStdString(), expected.toStdString());
}
