// The printout's section "With extra payments", after the mortgage printout, page breaks included.
#include "planning/mortgage_extras_report.h"

#include <gtest/gtest.h>

#include "common/print_device.h"
#include "planning/mortgage_report.h"
#include "shell/app_state.h"
#include "shell/printing.h"

namespace {

constexpr int kPageFooter = 3;

class MortgageExtrasReport : public ::testing::Test {
  protected:
    void SetUp() override {
        State().reset();
        State().LinesPerPage = 59;
    }
    void TearDown() override { State().reset(); }

    // The printout as the window makes it while extras are set.
    static ExtraSchedule print(TextDevice& d, const MortgageInputs& in, const MortgageExtras& x) {
        const MortgageSchedule s = CalculateMortgage(in);
        const ExtraSchedule e = CalculateWithExtras(in, s, x);
        const QString $ = QStringLiteral("$");
        const int lines =
            PrintMortgageReport(d, in, s,
                                {QStringLiteral("      Monthly"), MonthlyPaymentText(s, $),
                                 YearlyPaymentsText(s, $), AllPaymentsText(s, $)},
                                $);
        PrintExtrasSection(d, in.mode, x, e, $, lines);
        return e;
    }
};

}  // namespace

TEST_F(MortgageExtrasReport, SectionAfterTheTable) {
    MortgageExtras x;
    x.perPayment = Money::fromInt(50);
    x.lumpSums[3] = {Money::fromInt(2500), 9};
    x.lumpSums[0] = {Money::fromInt(1000), 4};
    TextDevice d;
    print(d,
          {MortgageMode::Loan, Money::fromInt(10000), Money::fromInt(10), Money::fromInt(12), 12},
          x);
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

// Sections that start just before, on and after a page's end, on pages of 22 and 59 lines, with
// Courier chosen (one more line a page) or not: no page runs past its foot, every page but the
// last ends with its number, and every row is printed once.
TEST_F(MortgageExtrasReport, SectionsFitTheirPages) {
    MortgageExtras x;
    x.perPayment = Money::fromInt(40);
    for (const int font : {0, 6}) {
        for (const int capacity : {22, 59}) {
            for (const int term : {1, 2, 19, 20, 21, 27, 28, 29, 30, 31, 37, 38, 39, 93, 480}) {
                SCOPED_TRACE(testing::Message() << font << " " << capacity << " " << term);
                State().PrinterFontChoice = static_cast<int16_t>(font);
                State().LinesPerPage = static_cast<int16_t>(capacity);
                TextDevice d;
                ApplyChosenPrinterFont(d);
                const int perPage = State().LinesPerPage;
                const ExtraSchedule e = print(d,
                                              {MortgageMode::Loan, Money::fromInt(10000),
                                               Money::fromInt(10), Money::fromInt(term), 12},
                                              x);
                d.endDoc();
                int rows = 0, footers = 0;
                for (size_t p = 0; p < d.pages().size(); ++p) {
                    const QStringList& page = d.pages()[p];
                    EXPECT_LE(page.size(), perPage + kPageFooter + (font == 6 ? 1 : 0)) << p;
                    for (const QString& line : page) {
                        if (line.size() >= 70 && line.at(3).isDigit()) ++rows;
                        if (line.trimmed().startsWith(QStringLiteral("Page"))) ++footers;
                    }
                }
                EXPECT_EQ(rows, term + static_cast<int>(e.rows.size()));
                EXPECT_EQ(footers, static_cast<int>(d.pages().size()) - 1);
                EXPECT_TRUE(d.pages().back().last().startsWith(QStringLiteral(" Total:")));
            }
        }
    }
}
