// Extra payments in the mortgage and loan window: the ExtraPay window, the schedule with extras
// in the grid and the strip's results, and its printout section through the PDF device.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "planning/model/mortgage_extras_help.h"
#include "planning/model/mortgage_help.h"
#include "planning/ui/extra_payments_window.h"
#include "planning/ui/mortgage_window.h"
#include "platform/grid.h"
#include "platform/printer_device.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "support/calculator_test_support.h"

namespace {

class MortgageExtrasWindow : public CalculatorTest<CdnMort> {
  protected:
    MortgageExtrasWindow() : CalculatorTest("CdnMort", "Grid4") {}
    CdnMort* open(int mode) { return openFrom(mode == 2 ? "LoanPmt" : "Canadian"); }
    QString label(const char* name) const { return child<QLabel>(name)->text().trimmed(); }
    QStringList strip() const {
        QStringList texts;
        for (const char* name :
             {"PaymentsWith", "PaymentsSaved", "InterestWithout", "InterestWith", "InterestSaved"})
            texts << label(name);
        return texts;
    }
    // Opens ExtraPay from the window's button and runs `fill` on it.
    void extras(std::function<void(ExtraPay*)> fill) {
        script.onModal([fill](QWidget* window) { fill(qobject_cast<ExtraPay*>(window)); });
        button("Extras")->click();
        settle();
    }
    static void type(QLineEdit* box, const QString& keys) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, keys);
    }
};

}  // namespace

TEST_F(MortgageExtrasWindow, ExtrasShortenTheMortgageAndEveryTotalReconciles) {
    open(1);
    // The access key is the window's own.
    QSet<QChar> keys;
    for (QPushButton* b : w->findChildren<QPushButton*>()) {
        const qsizetype amp = b->text().indexOf(u'&');
        ASSERT_GE(amp, 0) << b->objectName().toStdString();
        EXPECT_FALSE(keys.contains(b->text().at(amp + 1).toLower())) << b->text().toStdString();
        keys.insert(b->text().at(amp + 1).toLower());
    }
    EXPECT_EQ(button("Extras")->text(), "&Extra Payments...");

    button("Calc4")->click();
    extras([](ExtraPay* x) {
        ASSERT_NE(x, nullptr);
        EXPECT_EQ(x->windowTitle(), "Extra Payments");
        type(x->perPaymentBox(), QStringLiteral("100"));
        type(x->lumpBox(0), QStringLiteral("5000"));
        type(x->atBox(0), QStringLiteral("12"));
        x->okButton()->click();
    });
    EXPECT_EQ(script.modalWindows().back(), "ExtraPay");
    // A change of the extras clears the results, as an edited figure does.
    EXPECT_TRUE(label("InMonthPI").isEmpty());
    EXPECT_TRUE(bodyBlank());
    EXPECT_EQ(grid()->Cols(), 5);
    EXPECT_EQ(grid()->cellText(0, 3), "    Extra     Payment");

    button("Calc4")->click();
    EXPECT_EQ(label("InMonthPI"), "$908.70");
    EXPECT_EQ(label("AllPayments"), "$272,610.23");
    EXPECT_EQ(strip(), (QStringList{"188", "112", "$172,610.71", "$93,974.78", "$78,635.93"}));
    EXPECT_EQ(row(1), (QStringList{"1", "9,900.80", "7,203.60", "6,200.00", "92,796.40"}));
    EXPECT_EQ(row(16), (QStringList{"16", "251.96", "7,156.82", "700.00", ".00"}));
    EXPECT_EQ(row(17), (QStringList{"Total:", "$93,974.78", "$100,000.00", "$23,700.00", "$.00"}));
    EXPECT_TRUE(row(18).join(QString()).isEmpty());
    // The chart follows the table shown: 16 years, from the amount borrowed down.
    EXPECT_EQ(w->graphPoints(), 16);
    Form1* chart = showGraph();
    ASSERT_TRUE(chart);
    ASSERT_EQ(chart->graph()->pointCount(), 16);
    EXPECT_EQ(chart->graph()->value(1), 92796.40);
    Windows().hide(QStringLiteral("Form1"));
    Windows().show(QStringLiteral("CdnMort"));
    // The help explains the extras while they are set.
    button("Help4")->click();
    EXPECT_EQ(panel()->toPlainText(), WithExtrasHelp(MortgageHelpText(MortgageMode::Mortgage))
                                          .replace(QStringLiteral("\r\n"), "\n"));
    button("Help4")->click();

    // Bad entries change nothing: a lump sum without its payment number, a figure out of range.
    button("Calc4")->click();
    extras([this](ExtraPay* x) {
        type(x->lumpBox(1), QStringLiteral("300"));
        x->okButton()->click();
        EXPECT_EQ(script.lastMessage().text, "Wrong entry, try again");
        EXPECT_TRUE(x->isVisible());
        type(x->atBox(1), QStringLiteral("99999"));
        x->okButton()->click();
        EXPECT_EQ(script.messages().size(), 2u);
        EXPECT_TRUE(x->atBox(1)->text().isEmpty());
        QTest::keyClicks(x->atBox(1), QStringLiteral("x-"));  // refused keys beep
        EXPECT_EQ(script.beeps(), 2);
        x->close();  // the frame, as Cancel
    });
    EXPECT_EQ(strip()[0], "188");
    EXPECT_EQ(row(1)[3], "6,200.00");

    // Cleared: the window is as it was without extras.
    extras([](ExtraPay* x) {
        EXPECT_EQ(x->lumpBox(0)->text().trimmed(), "$5,000.00");
        x->findChild<QPushButton*>(QStringLiteral("ClearAll"))->click();
        x->okButton()->click();
    });
    EXPECT_EQ(grid()->Cols(), 4);
    button("Calc4")->click();
    EXPECT_EQ(row(26), (QStringList{"Total:", "$172,610.23", "$100,000.00", "$.00"}));
    EXPECT_TRUE(label("PaymentsWith").isEmpty());
    exitToMenu();
}

// A loan paid off by a lump sum with the first payment, printed through the real PDF device.
TEST_F(MortgageExtrasWindow, PrintoutSectionThroughThePdfDevice) {
    State().settings.linesPerPage = StartupLinesPerPage();
    open(2);
    enter("InTerm", QStringLiteral("48"));
    extras([](ExtraPay* x) {
        type(x->perPaymentBox(), QStringLiteral("50"));
        type(x->lumpBox(0), QStringLiteral("2500"));
        type(x->atBox(0), QStringLiteral("20"));
        x->okButton()->click();
    });
    button("Calc4")->click();
    const QStringList pages = printedPages("Ptr3");
    ASSERT_GE(pages.size(), 2);
    const QString text = pages.join(u'\f');
    const int margin = expectColumns(text, {"Monthly Payments on a Loan", 28},
                                     {{"With extra payments", 30},
                                      {"Lump Sum at Payment 20", 2},
                                      {"$50.00", 47 + 13 - 5},
                                      {"Extra Paid", 47}});
    // The section's total line: interest, principal, extras and the 0 balance in their columns.
    QString total;
    for (const QString& line : text.split(u'\n'))
        if (total.isEmpty() && line.contains(QStringLiteral("$10,000.00        $"))) total = line;
    ASSERT_FALSE(total.isEmpty()) << text.toStdString();
    EXPECT_EQ(static_cast<int>(total.indexOf(QStringLiteral("$10,000.00"))) + 10 - margin, 39);
    EXPECT_EQ(static_cast<int>(total.lastIndexOf(QStringLiteral("$.00"))) + 4 - margin, 76);
    // Every page but the last ends with its number.
    for (int i = 0; i + 1 < pages.size(); ++i)
        EXPECT_TRUE(pages[i].contains(QStringLiteral("Page %1").arg(i + 1))) << i;
}
