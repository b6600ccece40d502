// The mortgage and loan printouts as whole text pages, page breaks included, and the section "With
// extra payments" after them.
#include "planning/model/mortgage_report.h"

#include <gtest/gtest.h>

#include "common/print_device.h"
#include "common/printing.h"
#include "planning/model/mortgage_extras_report.h"
#include "support/money_literals.h"

namespace {

// Two blank lines and "Page n" below the counted lines of a full page.
constexpr int kPageFooter = 3;

class MortgageReport : public ::testing::Test {
  protected:
    PersonalSettings settings{.currencySymbol = QStringLiteral("$"), .linesPerPage = 59};

    // Prints the report of a calculation as the window does; the lines it took.
    int print(TextDevice& d, const MortgageInputs& in) {
        const MortgageSchedule s = CalculateMortgage(in);
        return PrintMortgageReport(d, in, &s, settings);
    }
    // The printout as the window makes it while extras are set.
    ExtraSchedule printWithExtras(TextDevice& d, const MortgageInputs& in,
                                  const MortgageExtras& x) {
        const ExtraSchedule e = CalculateWithExtras(in, CalculateMortgage(in), x);
        PrintExtrasSection(d, in.mode, x, e, settings, print(d, in));
        return e;
    }
};

}  // namespace

// A page of 30 lines: 21 above the table and 9 years, then the page number;
// the next page repeats the heading and takes the rest and the totals.
TEST_F(MortgageReport, MortgagePagesWithABreak) {
    settings.linesPerPage = 30;
    TextDevice d;
    print(d, {MortgageMode::Mortgage, M(100000), M(10), M(25), 12});
    d.endDoc();
    ASSERT_EQ(d.pages().size(), 2u);
    EXPECT_EQ(d.pageText(0).toStdString(), std::string(R"(
                                Mortgage Table

 Amount of Mortgate                              $100,000.00

 Annual Interest Rate (%)                              10.00%

 Term in Years                                            25

 Compounding Periods                                 Monthly

 Monthly Principal and Interest Payment              $908.70

 Total of Monthly Payments over One Year          $10,904.40

 Total of All Payments                           $272,610.23


 Year          Interest Paid           Principal Paid                Balance
 ___________________________________________________________________________

   1                9,957.37                   947.03              99,052.97
   2                9,858.21                 1,046.20              98,006.76
   3                9,748.66                 1,155.75              96,851.01
   4                9,627.63                 1,276.77              95,574.24
   5                9,493.94                 1,410.47              94,163.77
   6                9,346.25                 1,558.16              92,605.60
   7                9,183.08                 1,721.32              90,884.28
   8                9,002.84                 1,901.57              88,982.71
   9                8,803.72                 2,100.69              86,882.02


                                       Page 1 
)"));
    EXPECT_EQ(d.pageText(1).toStdString(), std::string(R"(
 Year          Interest Paid           Principal Paid                Balance
 ___________________________________________________________________________
  10                8,583.75                 2,320.66              84,561.36
  11                8,340.75                 2,563.66              81,997.70
  12                8,072.30                 2,832.11              79,165.59
  13                7,775.74                 3,128.67              76,036.92
  14                7,448.13                 3,456.28              72,580.64
  15                7,086.21                 3,818.20              68,762.44
  16                6,686.39                 4,218.01              64,544.43
  17                6,244.71                 4,659.70              59,884.73
  18                5,756.78                 5,147.63              54,737.10
  19                5,217.76                 5,686.65              49,050.45
  20                4,622.29                 6,282.12              42,768.34
  21                3,964.47                 6,939.94              35,828.40
  22                3,237.77                 7,666.64              28,161.76
  23                2,434.97                 8,469.44              19,692.32
  24                1,548.11                 9,356.30              10,336.02
  25                  568.38                10,336.02                    .00
 ___________________________________________________________________________

 Total:          $172,610.23              $100,000.00                   $.00
)"));
}

// Before any calculation: the inputs as typed, the compounding as the list names it, no results.
TEST_F(MortgageReport, BeforeACalculationTheInputsAlone) {
    TextDevice d;
    PrintMortgageReport(d, {MortgageMode::Mortgage, M(100000), M("7.5"), M(25), 3}, nullptr,
                        settings);
    d.endDoc();
    const QStringList& page = d.pages().front();
    ASSERT_GE(page.size(), 14);
    EXPECT_EQ(page[5], " Annual Interest Rate (%)                               7.50%");
    EXPECT_EQ(page[9], " Compounding Periods                               Quarterly");
    EXPECT_EQ(page[11], " Monthly Principal and Interest Payment" + QString(21, u' '));
    EXPECT_EQ(page[13], " Total of Monthly Payments over One Year" + QString(20, u' '));
    EXPECT_EQ(page.back(),
              " Total:                 $.00                     $.00                   $.00");
}

// A year's loan with another compounding and currency symbol, a break after month 4.
TEST_F(MortgageReport, LoanPageWithABreak) {
    settings.linesPerPage = 25;
    const MortgageInputs in{MortgageMode::Loan, M(10000), M(10), M(12), 2};
    const MortgageSchedule s = CalculateMortgage(in);
    const QString dm = QStringLiteral("DM");
    TextDevice d;
    PrintMortgageReport(d, in, &s, PersonalSettings{.currencySymbol = dm, .linesPerPage = 25});
    d.endDoc();
    ASSERT_EQ(d.pages().size(), 2u);
    // Figures of months 1 to 5 from tests/tools/mortgage_schedule.py.
    EXPECT_EQ((d.pageText(0) + d.pageText(1)).toStdString(), std::string(R"(
                           Monthly Payments on a Loan

 Principal Amount of Loan                        DM10,000.00

 Annual Interest Rate (%)                              10.00%

 Term in Months                                           12

 Compounding Periods                            SemiAnnually

 Monthly Principal and Interest Payment             DM878.22

 Total of Monthly Payments over One Year         DM10,538.64

 Total of All Payments                           DM10,538.63


 Month         Interest Paid           Principal Paid                Balance
 ___________________________________________________________________________

   1                   81.65                   796.57               9,203.43
   2                   75.14                   803.07               8,400.36
   3                   68.59                   809.63               7,590.72
   4                   61.98                   816.24               6,774.48


                                       Page 1 

 Month         Interest Paid           Principal Paid                Balance
 ___________________________________________________________________________
   5                   55.31                   822.91               5,951.58
   6                   48.59                   829.63               5,121.95
   7                   41.82                   836.40               4,285.55
   8                   34.99                   843.23               3,442.32
   9                   28.11                   850.11               2,592.21
  10                   21.17                   857.05               1,735.16
  11                   14.17                   864.05                 871.11
  12                    7.11                   871.11                    .00
 ___________________________________________________________________________

 Total:             DM538.63              DM10,000.00                  DM.00
)"));
}

TEST_F(MortgageReport, ExtrasSectionAfterTheTable) {
    MortgageExtras x;
    x.perPayment = M(50);
    x.lumpSums[3] = {M(2500), 9};
    x.lumpSums[0] = {M(1000), 4};
    TextDevice d;
    printWithExtras(d, {MortgageMode::Loan, M(10000), M(10), M(12), 12}, x);
    d.endDoc();
    ASSERT_EQ(d.pages().size(), 2u);
    const QString all = d.pageText(0) + QStringLiteral("<page>") + d.pageText(1);
    const qsizetype from =
        all.indexOf(QStringLiteral("\n\n"), all.indexOf(QStringLiteral(" Total:")));
    EXPECT_EQ(all.mid(from).toStdString(), std::string(R"(

                             With extra payments

 Extra with every Payment                             $50.00
 Lump Sum at Payment 4                             $1,000.00
 Lump Sum at Payment 9                             $2,500.00
 Payments with Extras                                      9
 Payments Saved                                            3
 Interest without Extras                             $549.89
 Interest with Extras                                $448.89
 Interest Saved                                      $101.00

 Month   Interest Paid   Principal Paid       Extra Paid             Balance
 ___________________________________________________________________________

   1             83.33           845.83            50.00            9,154.17
   2             76.28           852.88            50.00            8,301.29
   3             69.18           859.98            50.00            7,441.31
   4             62.01         1,867.15         1,050.00            5,574.16
   5             46.45           882.71            50.00            4,691.45
   6             39.10           890.06            50.00            3,801.39
   7             31.68           897.48            50.00            2,903.91
   8             24.20           904.96            50.00            1,998.95


                                       Page 1 
<page>
 Month   Interest Paid   Principal Paid       Extra Paid             Balance
 ___________________________________________________________________________
   9             16.66         1,998.95         1,136.45                 .00
 ___________________________________________________________________________

 Total:        $448.89       $10,000.00        $2,536.45                $.00
)"));
}

// Whatever the term and the page capacity, with extras or not, every page holds its counted lines
// and the footer (and the font line with Courier), the pages are numbered in order, every period
// is printed once, and the totals end the last page. The terms end the table, or start the extras
// section, just before, on and just after a page break.
TEST_F(MortgageReport, LongLoansFitTheirPages) {
    MortgageExtras extras;
    extras.perPayment = M(40);
    for (const bool withExtras : {false, true}) {
        for (const int font : {0, 6}) {
            for (const int capacity : {22, 59}) {
                for (const int term :
                     {1, 2, 19, 20, 21, 27, 28, 29, 30, 31, 37, 38, 39, 93, 94, 95, 480}) {
                    SCOPED_TRACE(testing::Message()
                                 << withExtras << " " << font << " " << capacity << " " << term);
                    settings.printerFont =
                        font == 6 ? PrinterFont::CourierNew : PrinterFont::Standard;
                    settings.linesPerPage = static_cast<int16_t>(capacity);
                    TextDevice d;
                    ApplyChosenPrinterFont(d, settings);  // as the To Printer action does
                    const int perPage = settings.linesPerPage;
                    const MortgageInputs in{MortgageMode::Loan, M(10000), M(10), M(term), 12};
                    int rows = 0, footers = 0, expected = term;
                    if (withExtras)
                        expected += static_cast<int>(printWithExtras(d, in, extras).rows.size());
                    else
                        print(d, in);
                    d.endDoc();
                    for (size_t p = 0; p < d.pages().size(); ++p) {
                        const QStringList& page = d.pages()[p];
                        EXPECT_LE(page.size(), perPage + kPageFooter + (font == 6 ? 1 : 0)) << p;
                        for (const QString& line : page) {
                            if (line.size() >= 70 && line.at(3).isDigit()) ++rows;
                            if (line.trimmed().startsWith(QStringLiteral("Page"))) {
                                ++footers;
                                EXPECT_EQ(line, QString(39, u' ') +
                                                    QStringLiteral("Page %1 ").arg(p + 1));
                            }
                        }
                    }
                    EXPECT_EQ(rows, expected);
                    EXPECT_EQ(footers, static_cast<int>(d.pages().size()) - 1);
                    EXPECT_TRUE(d.pages().back().last().startsWith(QStringLiteral(" Total:")));
                }
            }
        }
    }
}
