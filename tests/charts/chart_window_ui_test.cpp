#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>

#include "charts/ui/chart_window.h"
#include "investments/model/current_value.h"
#include "investments/model/fund_charts.h"
#include "investments/table_test_ui_state.h"
#include "investments/ui/current_value_window.h"
#include "investments/ui/table_window.h"
#include "planning/model/calculator_charts.h"
#include "planning/ui/savings_plan_window.h"
#include "platform/chart_view.h"
#include "platform/printer_device.h"
#include "platform/twips.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "support/ui_test_support.h"

namespace {

class ChartWindowTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        // The openers stand in as plain windows, so that each test sees where
        // the chart returns whatever state those tools are in.
        for (const char* name :
             {"Table1", "CalcInpt", "Income", "CdnMort", "CalCaptl", "FindComp", "PlanK"})
            Windows().define(QString::fromLatin1(name), [] { return new QWidget; });
    }

    static ChartData funds(const QStringList& names, const std::vector<double>& gains,
                           const std::vector<double>& values) {
        std::vector<FundNameRow> rows(32);
        SharedTable<Money> totals;
        totals.create(32, 9);
        for (int k = 1; k <= names.size(); ++k) {
            rows[static_cast<size_t>(k)].FundName = names[k - 1];
            totals(k, 5) = Money::fromDouble(gains[static_cast<size_t>(k - 1)]);
            totals(k, 3) = Money::fromDouble(values[static_cast<size_t>(k - 1)]);
        }
        ChartData chart =
            FundCharts(totals, rows, static_cast<int>(names.size()), QStringLiteral("$"));
        chart.opener = QStringLiteral("Table1");
        return chart;
    }

    // The savings plan's defaults (1,000.00 a year at 20 %), `years` of them.
    static ChartData savingsYears(int years, const QString& symbol = QStringLiteral("$")) {
        SavingsPlan plan;
        plan.years = plan.yearsComputed = years;
        double v = 0;
        for (int y = 1; y <= years; ++y) {
            v = (v + 1000) * 1.2;
            plan.rows.push_back({y, {}, {}, Money::fromDouble(v)});
        }
        ChartData chart = YearChart(plan, symbol);
        chart.opener = QStringLiteral("CalcInpt");
        return chart;
    }

    // `rows` comparison rows of 1,000.00 x k: the savings plan's or the compound rate tool's.
    static ChartData comparisons(int rows, bool savings,
                                 const QString& symbol = QStringLiteral("$")) {
        std::vector<Money> values;
        for (int k = 1; k <= rows; ++k) values.push_back(Money::fromDouble(1000.0 * k));
        return savings ? SavingsComparisonChart(values, symbol) : CompoundRateChart(values, symbol);
    }

    // 25 years falling from 100,000.00 by 4,000.00 a year, charted from the start of each.
    static ChartData startingAmountBars(bool mortgage,
                                        const QString& symbol = QStringLiteral("$")) {
        if (mortgage) {
            MortgageSchedule s;
            MortgageInputs in;
            in.amount = Money::fromDouble(100000);
            s.periods = 25;
            for (int t = 1; t <= 25; ++t)
                s.rows.push_back({t, Money(), Money(), Money::fromDouble(100000 - 4000.0 * t)});
            return YearChart(s, in, symbol);
        }
        RetirementIncome r;
        RetirementIncomeInputs in;
        in.choice = WithdrawalChoice::FixedAmount;
        in.capital = Money::fromDouble(100000);
        for (int t = 1; t <= 25; ++t)
            r.rows.push_back({t, Money(), Money(), Money::fromDouble(100000 - 4000.0 * t)});
        return YearChart(r, in, symbol);
    }

    static Form1* open(const ChartData& chart) { return Form1::open(chart); }
    // The chart on screen and its form.
    static bool showing(Form1* f, ChartKind kind, bool threeD) {
        return f->chartShown() == kind && f->threeD() == threeD;
    }

    static void click(Form1* f, const char* name) { f->button(QString::fromLatin1(name))->click(); }
    static bool shown(Form1* f, const char* name) {
        return !f->button(QString::fromLatin1(name))->isHidden();
    }
    static bool enabled(Form1* f, const char* name) {
        return f->button(QString::fromLatin1(name))->isEnabled();
    }
    static QStringList labels(ChartView* g) {
        QStringList l;
        for (int i = 0; i < g->pointCount(); ++i) l << g->label(i);
        return l;
    }
    static std::vector<double> values(ChartView* g) {
        std::vector<double> v;
        for (int i = 0; i < g->pointCount(); ++i) v.push_back(g->value(i));
        return v;
    }
};

TEST_F(ChartWindowTest, InvestmentChartsSwitchBetweenPerCentValueAnd3D) {
    Form1* f = open(funds({"Growth Fund", "Bond Fund", "Index Fund"}, {50, -12.5, 100},
                          {1500.75, 980.2, 2000}));
    ChartView* g = f->graph();
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Charts"));
    EXPECT_TRUE(showing(f, ChartKind::FundGain, false));
    EXPECT_FALSE(f->printsInColour());
    EXPECT_EQ(g->title(), QStringLiteral("Current Value "));
    EXPECT_EQ(g->axisTitle(), QStringLiteral("Gain %"));
    EXPECT_EQ(g->kind(), ChartView::Kind::Bars);
    EXPECT_FALSE(g->threeD());
    EXPECT_EQ(labels(g), QStringList({"Growth Fund", "Bond Fund", "Index Fund"}));
    EXPECT_EQ(values(g), (std::vector<double>{50, -12.5, 100}));
    EXPECT_TRUE(shown(f, "Oned") && shown(f, "Pie2d") && shown(f, "ThreeDee"));
    EXPECT_FALSE(shown(f, "Sav2D"));
    EXPECT_TRUE(enabled(f, "ThreeDee"));

    click(f, "Pie2d");
    EXPECT_TRUE(showing(f, ChartKind::FundValues, false));
    EXPECT_EQ(g->title(), QStringLiteral("Distribution"));
    EXPECT_EQ(g->axisTitle(), QStringLiteral("Value"));
    EXPECT_EQ(g->kind(), ChartView::Kind::Pie);
    EXPECT_EQ(values(g), (std::vector<double>{1500, 980, 2000}));

    click(f, "ThreeDee");
    EXPECT_TRUE(showing(f, ChartKind::FundValues, true));
    EXPECT_TRUE(g->threeD());
    EXPECT_EQ(g->kind(), ChartView::Kind::Pie);  // the same chart, not reloaded
    EXPECT_FALSE(enabled(f, "ThreeDee"));
    EXPECT_EQ(f->focusWidget(), f->button(QStringLiteral("Pie2d")));

    click(f, "Oned");
    EXPECT_TRUE(showing(f, ChartKind::FundGain, false));
    EXPECT_FALSE(g->threeD());
    EXPECT_EQ(g->kind(), ChartView::Kind::Bars);
    EXPECT_TRUE(enabled(f, "ThreeDee"));
    click(f, "ThreeDee");
    EXPECT_TRUE(showing(f, ChartKind::FundGain, true));
    EXPECT_EQ(g->kind(), ChartView::Kind::Bars);
    EXPECT_TRUE(g->threeD());
}

TEST_F(ChartWindowTest, SingleFundChartsTwoPoints) {
    ChartView* g = open(funds({"Only Fund"}, {100}, {1000}))->graph();
    EXPECT_EQ(labels(g), QStringList({"Only Fund", ""}));
    EXPECT_EQ(values(g), (std::vector<double>{100, 0}));
}

TEST_F(ChartWindowTest, YearChartTogglesItsFlatAnd3DForms) {
    Form1* f = open(savingsYears(25));
    ChartView* g = f->graph();
    EXPECT_TRUE(showing(f, ChartKind::YearBars, false));
    EXPECT_EQ(g->title(), QStringLiteral("Investment value at end of each Year"));
    ASSERT_EQ(g->pointCount(), 25);
    EXPECT_EQ(g->label(0), QStringLiteral("1"));
    EXPECT_EQ(g->label(24), QStringLiteral("25"));
    EXPECT_EQ(g->value(0), 1200);  // 1,000.00 at 20 %
    EXPECT_EQ(g->value(1), 2640);  // (1,200.00 + 1,000.00) at 20 %
    EXPECT_FALSE(shown(f, "Oned") || shown(f, "Pie2d"));
    EXPECT_TRUE(shown(f, "Sav2D"));
    EXPECT_FALSE(enabled(f, "Sav2D"));
    EXPECT_TRUE(enabled(f, "ThreeDee"));

    click(f, "ThreeDee");
    EXPECT_TRUE(showing(f, ChartKind::YearBars, true));
    EXPECT_TRUE(g->threeD());
    EXPECT_TRUE(enabled(f, "Sav2D"));
    EXPECT_FALSE(enabled(f, "ThreeDee"));
    EXPECT_EQ(f->focusWidget(), f->button(QStringLiteral("Sav2D")));

    click(f, "Sav2D");
    EXPECT_TRUE(showing(f, ChartKind::YearBars, false));  // a printout redraws the flat chart
    EXPECT_FALSE(g->threeD());
    EXPECT_FALSE(enabled(f, "Sav2D"));
    EXPECT_TRUE(enabled(f, "ThreeDee"));
    EXPECT_EQ(f->focusWidget(), f->button(QStringLiteral("ThreeDee")));
    EXPECT_EQ(g->pointCount(), 25);
}

TEST_F(ChartWindowTest, ComparisonChartsOfBothTools) {
    Form1* f = open(comparisons(3, true));
    ChartView* g = f->graph();
    EXPECT_TRUE(showing(f, ChartKind::ComparisonBars, false));
    EXPECT_EQ(g->title(), QStringLiteral("Savings Comparisons"));
    EXPECT_EQ(g->axisTitle(), QStringLiteral("Value $"));
    EXPECT_EQ(labels(g), QStringList({"Row  1", "Row  2", "Row  3"}));
    EXPECT_EQ(values(g), (std::vector<double>{1000, 2000, 3000}));
    click(f, "ThreeDee");
    EXPECT_TRUE(showing(f, ChartKind::ComparisonBars, true));
    EXPECT_TRUE(g->threeD());
    click(f, "Sav2D");
    EXPECT_TRUE(showing(f, ChartKind::ComparisonBars, false));
    EXPECT_FALSE(g->threeD());
    click(f, "ExitBut");
    settle();

    f = open(comparisons(1, false));
    g = f->graph();
    EXPECT_TRUE(showing(f, ChartKind::ComparisonBars, false));
    EXPECT_EQ(g->axisTitle(), QStringLiteral("Gain %"));
    EXPECT_EQ(labels(g), QStringList({"Row  1", ""}));
    EXPECT_EQ(values(g), (std::vector<double>{1000, 0}));
}

TEST_F(ChartWindowTest, MortgageAndRetirementBarsStartWithTheStartingAmount) {
    for (bool mortgage : {false, true}) {
        Form1* f = open(startingAmountBars(mortgage));
        ChartView* g = f->graph();
        EXPECT_TRUE(showing(f, ChartKind::YearBars, false));
        ASSERT_EQ(g->pointCount(), 25);
        EXPECT_EQ(g->value(0), 100000) << "mortgage " << mortgage;
        EXPECT_EQ(g->value(24), 4000) << "mortgage " << mortgage;  // the start of year 25
        // Drawing it again in 2D draws the same bars.
        click(f, "ThreeDee");
        click(f, "Sav2D");
        EXPECT_EQ(g->value(0), 100000);
        EXPECT_EQ(g->value(1), 96000);
        click(f, "ExitBut");
        settle();
    }
}

TEST_F(ChartWindowTest, ExitReturnsToTheOpener) {
    const struct {
        const char* opener;
        const char* shown;
    } cases[] = {{"Table1", "Table1"},   {"CalcInpt", "CalcInpt"}, {"Income", "Income"},
                 {"CdnMort", "CdnMort"}, {"CalCaptl", "CalCaptl"}, {"FindComp", "FindComp"},
                 {"PlanK", "PlanK"},     {"", "MenuMain"},         {"NoSuchWindow", "MenuMain"}};
    for (const auto& c : cases) {
        ChartData chart = savingsYears(3);
        chart.opener = QString::fromLatin1(c.opener);
        Form1* f = open(chart);
        click(f, "ExitBut");
        settle();
        EXPECT_FALSE(Windows().exists(QStringLiteral("Form1"))) << c.opener;
        EXPECT_TRUE(Windows().visible(QString::fromLatin1(c.shown))) << c.opener;
        Windows().unloadAll();
        settle();
    }
}

TEST_F(ChartWindowTest, ClosingTheFrameLeavesLikeTheExitButton) {
    Form1* f = open(funds({"A", "B"}, {1, 2}, {3, 4}));
    f->close();
    settle();
    EXPECT_FALSE(Windows().exists(QStringLiteral("Form1")));
    EXPECT_TRUE(Windows().visible(QStringLiteral("Table1")));
}

TEST_F(ChartWindowTest, ReopenedWindowStartsAfresh) {
    Form1* f = open(funds({"A", "B"}, {1, 2}, {3, 4}));
    click(f, "Pie2d");
    click(f, "ThreeDee");
    Windows().hide(QStringLiteral("Form1"));
    f = open(savingsYears(5));
    EXPECT_TRUE(showing(f, ChartKind::YearBars, false));
    EXPECT_FALSE(f->graph()->threeD());
    EXPECT_EQ(f->graph()->pointCount(), 5);
    EXPECT_TRUE(enabled(f, "ThreeDee"));
}

// Watches the chart as the printout is drawn: the window's width and the
// chart's font and colours when it was widest.
class PrintWatch : public QObject {
  public:
    explicit PrintWatch(Form1* f) : f_(f) { f->graph()->installEventFilter(this); }
    int width = 0;
    QFont font;
    bool colour = true;
    // The size of the chart's smallest text on a page `pageInches` wide.
    double paperPoints(double pageInches) const {
        return font.pointSizeF() * f_->logicalDpiX() * pageInches / width;
    }

  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && f_->width() > width) {
            width = f_->width();
            font = f_->graph()->font();
            colour = f_->graph()->colour();
        }
        return false;
    }

  private:
    Form1* f_;
};

TEST_F(ChartWindowTest, PrinterQuestionsSetTheColourAndPrintTheWideWindow) {
    Form1* f = open(savingsYears(10));
    click(f, "ThreeDee");
    const int normalWidth = f->width();
    EXPECT_EQ(normalWidth, twips::px(6765));
    const QFont screenFont = f->graph()->font();

    script.answer(dialogs::Answer::No);  // "Continue with Printout."
    click(f, "Ptr");
    EXPECT_TRUE(printouts().empty());
    EXPECT_FALSE(f->printsInColour());

    // A text device that leaves its text behind when the printout is done with it.
    struct KeptText : TextDevice {
        QString* kept = nullptr;
        ~KeptText() override { *kept = allText(); }
    };
    QString printed;
    setPrintDeviceFactory([&](const QString&) -> std::unique_ptr<PrintDevice> {
        auto device = std::make_unique<KeptText>();
        device->kept = &printed;
        return device;
    });
    PrintWatch watch(f);
    script.clear();
    script.answer(dialogs::Answer::Yes);
    script.answer(dialogs::Answer::No);  // "Print in Color."
    click(f, "Ptr");
    ASSERT_EQ(script.messages().size(), 2u);
    EXPECT_EQ(script.messages()[0].text, QStringLiteral("Continue with Printout."));
    EXPECT_EQ(script.messages()[1].text, QStringLiteral("Print in Color."));
    EXPECT_EQ(script.messages()[1].title, QStringLiteral("Printer"));
    EXPECT_EQ(script.messages()[1].buttons, dialogs::Buttons::YesNo);
    EXPECT_FALSE(f->printsInColour());
    EXPECT_FALSE(watch.colour);
    EXPECT_EQ(watch.width, static_cast<int>(f->screen()->geometry().width() * 0.88));
    // Scaled to the 7.5 inches of a Letter page, the text is 9 points or more.
    EXPECT_GE(watch.paperPoints(7.5), 9.0);
    EXPECT_TRUE(printed.startsWith(QStringLiteral("[window image 720 x ")))
        << printed.toStdString();
    // The window is back as it was.
    EXPECT_EQ(f->width(), normalWidth);
    EXPECT_EQ(f->graph()->font(), screenFont);
    EXPECT_TRUE(f->graph()->colour());  // black and white was for the paper only
    EXPECT_TRUE(showing(f, ChartKind::YearBars, true));
    EXPECT_TRUE(f->graph()->threeD());

    script.clear();
    script.answer(dialogs::Answer::Yes);
    script.answer(dialogs::Answer::Yes);
    watch.width = 0;
    click(f, "Ptr");
    EXPECT_TRUE(f->printsInColour());
    EXPECT_TRUE(watch.colour);
}

TEST_F(ChartWindowTest, PrintedChartIsDrawnOnThePageAndFillsItsWidth) {
    Form1* f = open(funds({"Growth Fund", "Bond Fund"}, {50, -10}, {1500, 900}));
    QTemporaryDir out;
    for (bool colour : {true, false}) {
        const QString pdf =
            out.filePath(colour ? QStringLiteral("colour.pdf") : QStringLiteral("mono.pdf"));
        QString jobName;
        setPrintDeviceFactory([&](const QString& job) -> std::unique_ptr<PrintDevice> {
            jobName = job;
            return std::make_unique<PrinterDevice>(pdf, job);
        });
        script.clear();
        script.answer(dialogs::Answer::Yes);
        script.answer(colour ? dialogs::Answer::Yes : dialogs::Answer::No);
        click(f, "Ptr");
        ASSERT_TRUE(QFile::exists(pdf));
        // The printout is named after the chart it holds.
        EXPECT_FALSE(f->graph()->title().isEmpty());
        EXPECT_EQ(jobName, f->graph()->title().simplified());
        // The chart is drawn on the page, its texts as text: the title, the value axis, the
        // figures over the bars and the fund names read back from the file.
        const QString text = pdfText(pdf, 4).simplified();
        for (const QString& shown :
             {f->graph()->title(), QStringLiteral("Gain %"), QStringLiteral("60%"),
              QStringLiteral("-20%"), QStringLiteral("50.00%"), QStringLiteral("-10.00%"),
              QStringLiteral("Growth Fund"), QStringLiteral("Bond Fund")})
            EXPECT_TRUE(text.contains(shown))
                << shown.toStdString() << " in " << text.toStdString();
        QProcess list;
        list.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
        ASSERT_TRUE(list.waitForFinished(20000));
        const QStringList lines = QString::fromUtf8(list.readAllStandardOutput()).split('\n');
        // A heading, a rule, then one line per image: page, number, type,
        // width, height, colour ... x-ppi, y-ppi.
        ASSERT_GE(lines.size(), 3);
        EXPECT_TRUE(lines.size() == 3 || lines[3].trimmed().isEmpty()) << "one image only";
        const QStringList image = lines[2].simplified().split(' ');
        ASSERT_GE(image.size(), 14);
        EXPECT_EQ(image[0], QStringLiteral("1"));
        EXPECT_EQ(image[2], QStringLiteral("image"));
        const double width = image[3].toDouble(), height = image[4].toDouble();
        const double ppi = image[12].toDouble();
        // Only the strip of buttons under the chart is an image: at 600 dots per inch (the
        // PDF printer's 1200, capped) across the 7.5 inches between the margins of a Letter
        // page, and a row of buttons high.
        EXPECT_EQ(ppi, 600);
        EXPECT_NEAR(width / ppi, 7.5, 0.01);
        EXPECT_GT(height / ppi, 0.2);
        EXPECT_LT(height / ppi, 1);
        EXPECT_EQ(f->width(), twips::px(6765));
    }
}

TEST_F(ChartWindowTest, ValueAxisShowsTheCurrencyForAmountsAndPerCentForRates) {
    const QString pound = QStringLiteral("£");
    const struct {
        const char* chart;
        ChartData data;
        bool rate;
    } cases[] = {{"savings years", savingsYears(10, pound), false},
                 {"savings comparisons", comparisons(3, true, pound), false},
                 {"mortgage", startingAmountBars(true, pound), false},
                 {"retirement", startingAmountBars(false, pound), false},
                 {"compound rates", comparisons(3, false, pound), true}};
    for (const auto& c : cases) {
        Form1* f = open(c.data);
        const QStringList ticks = f->graph()->axisTexts();
        ASSERT_GE(ticks.size(), 2) << c.chart;
        for (const QString& t : ticks) {
            if (c.rate)
                EXPECT_TRUE(t.endsWith(u'%')) << c.chart << " " << t.toStdString();
            else
                EXPECT_TRUE(t.startsWith(u'£')) << c.chart << " " << t.toStdString();
        }
        click(f, "ExitBut");
        settle();
    }
    Form1* f = open(funds({"Growth Fund", "Bond Fund"}, {1250, -10}, {1500, 900}));
    // Rates above a thousand per cent are grouped as the table shows them.
    const QRegularExpression grouped(QStringLiteral("^\\d{1,3}(,\\d{3})+%$"));
    EXPECT_FALSE(f->graph()->axisTexts().filter(grouped).isEmpty())
        << f->graph()->axisTexts().join(' ').toStdString();
}

TEST_F(ChartWindowTest, WindowOpensAtItsSizeAndTheChartGrowsWithIt) {
    Form1* f = open(savingsYears(25));
    EXPECT_EQ(f->size(), QSize(twips::px(6765), twips::px(6360)));
    // Not a fixed-size window: it can be resized and maximized.
    EXPECT_NE(f->minimumSize(), f->maximumSize());
    const QSize opening = f->graph()->size();
    EXPECT_EQ(f->graph()->shownBarLabels().last(), QStringLiteral("25"));
    f->resize(1200, 900);
    EXPECT_GT(f->graph()->width(), opening.width() * 2);
    EXPECT_GT(f->graph()->height(), opening.height() * 2);
    EXPECT_EQ(f->graph()->shownBarLabels().first(), QStringLiteral("1"));
    EXPECT_EQ(f->graph()->shownBarLabels().last(), QStringLiteral("25"));
    // The buttons stay at the bottom, inside the window.
    for (const char* name : {"Sav2D", "ThreeDee", "Ptr", "ExitBut"}) {
        const QRect b = f->button(QString::fromLatin1(name))->geometry();
        EXPECT_TRUE(f->rect().contains(b)) << name;
        EXPECT_GE(b.top(), f->graph()->geometry().bottom()) << name;
    }
}

}  // namespace

namespace {

// The savings plan as the user drives it: Calculate, Show Graph, back again.
class ChartFromSavingsPlan : public WindowTest {
  protected:
    QWidget* openPlan(int mode) { return CalcInpt::open(static_cast<SavingsMode>(mode)); }
    static void press(QWidget* w, const char* name) {
        auto* b = w->findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_TRUE(b) << name;
        b->click();
    }
};

TEST_F(ChartFromSavingsPlan, YearChartOfTheDefaultsAndBack) {
    QWidget* plan = openPlan(1);
    press(plan, "Calc");
    press(plan, "Graphs");
    ASSERT_TRUE(Windows().visible(QStringLiteral("Form1")));
    EXPECT_FALSE(plan->isVisible());
    auto* f = Windows().get<Form1>(QStringLiteral("Form1"));
    ChartView* g = f->graph();
    EXPECT_EQ(f->chartShown(), ChartKind::YearBars);
    EXPECT_EQ(g->title(), QStringLiteral("Investment value at end of each Year"));
    ASSERT_EQ(g->pointCount(), 25);
    EXPECT_EQ(g->value(0), 1200);  // 1,000.00 a year at 20 %
    EXPECT_EQ(g->value(1), 2640);
    f->button(QStringLiteral("ExitBut"))->click();
    settle();
    EXPECT_TRUE(Windows().visible(QStringLiteral("CalcInpt")));
    EXPECT_FALSE(Windows().exists(QStringLiteral("Form1")));
}

TEST_F(ChartFromSavingsPlan, ComparisonRowsChartAsValues) {
    QWidget* plan = openPlan(2);
    press(plan, "Calc");
    press(plan, "Calc");
    press(plan, "Graphs");
    auto* f = Windows().get<Form1>(QStringLiteral("Form1"));
    ASSERT_TRUE(f->isVisible());
    EXPECT_EQ(f->chartShown(), ChartKind::ComparisonBars);
    EXPECT_EQ(f->graph()->axisTitle(), QStringLiteral("Value $"));
    EXPECT_EQ(f->graph()->title(), QStringLiteral("Savings Comparisons"));
    ASSERT_EQ(f->graph()->pointCount(), 2);
    EXPECT_EQ(f->graph()->label(1), QStringLiteral("Row  2"));
    EXPECT_EQ(f->graph()->value(0), f->graph()->value(1));  // the same figures twice
    EXPECT_GT(f->graph()->value(0), 25000);
}

}  // namespace

namespace {

class ChartFromCurrentValue : public WindowTest {};

TEST_F(ChartFromCurrentValue, ShowGraphChartsTheFundsAndReturnsToTheTable) {
    using namespace testportfolio;
    Fresh();
    AddFund(QStringLiteral("Growth Fund"));
    AddFund(QStringLiteral("Bond Fund"));
    AddRecord(1, "B", 10, 100, 0, 0, QDate(1996, 1, 2));
    AddRecord(2, "B", 10, 100, 0, 0, QDate(1996, 1, 2));
    PrepareFundTotals(Doc().totals);
    Doc().totals(1, 2) = M(15);  // 1000 grown to 1500
    Doc().totals(2, 2) = M(9.5);
    AccumulateHoldings(Doc().portfolio, Doc().totals);
    ASSERT_TRUE(ComputeCurrentValue(Doc()));
    auto* table = Windows().get<Table1>(QStringLiteral("Table1"));
    table->DrwGraph()->click();
    auto* f = Windows().get<Form1>(QStringLiteral("Form1"));
    ASSERT_TRUE(f->isVisible());
    EXPECT_FALSE(table->isVisible());
    EXPECT_EQ(f->chartShown(), ChartKind::FundGain);
    EXPECT_EQ(f->graph()->pointCount(), 2);
    EXPECT_EQ(f->graph()->label(0), QStringLiteral("Growth Fund"));
    EXPECT_EQ(f->graph()->value(1), -5);
    f->button(QStringLiteral("ExitBut"))->click();
    settle();
    EXPECT_TRUE(Windows().visible(QStringLiteral("Table1")));
    EXPECT_FALSE(Windows().visible(QStringLiteral("FundMenu")));
}

}  // namespace
