#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>

#include "charts/model/chart_points.h"
#include "charts/ui/chart_hand_over.h"
#include "charts/ui/chart_window.h"
#include "investments/model/current_value.h"
#include "investments/table_test_ui_state.h"
#include "investments/ui/current_value_window.h"
#include "investments/ui/table_window.h"
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

    void funds(const QStringList& names, const std::vector<double>& gains,
               const std::vector<double>& values) {
        State().FundNames.assign(32, FundNameRow());
        State().FundTotals.create(32, 9);
        for (int k = 1; k <= names.size(); ++k) {
            State().FundNames[static_cast<size_t>(k)].FundName = names[k - 1];
            State().FundTotals(k, 5) = Money::fromDouble(gains[static_cast<size_t>(k - 1)]);
            State().FundTotals(k, 3) = Money::fromDouble(values[static_cast<size_t>(k - 1)]);
        }
        State().FundCount() = static_cast<int16_t>(names.size());
        State().GraphSource = ChartSource::Investments;
    }

    // The savings plan's defaults (1,000.00 a year at 20 %), `years` of them.
    void savingsYears(int years) {
        State().createCalculatorTables();
        double v = 0;
        for (int y = 1; y <= years; ++y) {
            v = (v + 1000) * 1.2;
            State().YearTable(y, 1) = Money::fromInt(y);
            State().YearTable(y, 4) = Money::fromDouble(v);
        }
        State().CallMode = 1;
        State().GraphSource = ChartSource::Savings;
        State().GraphPoints = static_cast<int16_t>(years);
        State().GraphTitle = QStringLiteral("Investment value at end of each Year");
    }

    void comparisons(int rows, int source, int callMode) {
        State().createCalculatorTables();
        for (int k = 1; k <= rows; ++k) {
            State().ComparisonLabels(k, 0) =
                QStringLiteral("Row ") + QString::number(k).prepend(' ');
            State().ComparisonTable(k, 5) = Money::fromDouble(1000.0 * k);
        }
        State().GraphPoints = static_cast<int16_t>(rows);
        State().GraphSource = static_cast<ChartSource>(source);
        State().CallMode = static_cast<int16_t>(callMode);
        State().GraphTitle = source == 6 ? QStringLiteral("Annual compound growth comparisons")
                                         : QStringLiteral("Savings Comparisons");
    }

    Form1* open() {
        Windows().show(QStringLiteral("Form1"));
        return Windows().get<Form1>(QStringLiteral("Form1"));
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
    funds({"Growth Fund", "Bond Fund", "Index Fund"}, {50, -12.5, 100}, {1500.75, 980.2, 2000});
    Form1* f = open();
    ChartView* g = f->graph();
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Charts"));
    EXPECT_EQ(f->chartShown(), 1);
    EXPECT_EQ(f->chartColour(), 0);
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
    EXPECT_EQ(f->chartShown(), 2);
    EXPECT_EQ(g->title(), QStringLiteral("Distribution"));
    EXPECT_EQ(g->axisTitle(), QStringLiteral("Value"));
    EXPECT_EQ(g->kind(), ChartView::Kind::Pie);
    EXPECT_EQ(values(g), (std::vector<double>{1500, 980, 2000}));

    click(f, "ThreeDee");
    EXPECT_EQ(f->chartShown(), 4);
    EXPECT_TRUE(g->threeD());
    EXPECT_EQ(g->kind(), ChartView::Kind::Pie);  // the same chart, not reloaded
    EXPECT_FALSE(enabled(f, "ThreeDee"));
    EXPECT_EQ(f->focusWidget(), f->button(QStringLiteral("Pie2d")));

    click(f, "Oned");
    EXPECT_EQ(f->chartShown(), 1);
    EXPECT_FALSE(g->threeD());
    EXPECT_EQ(g->kind(), ChartView::Kind::Bars);
    EXPECT_TRUE(enabled(f, "ThreeDee"));
    click(f, "ThreeDee");
    EXPECT_EQ(f->chartShown(), 4);
    EXPECT_EQ(g->kind(), ChartView::Kind::Bars);
    EXPECT_TRUE(g->threeD());
}

TEST_F(ChartWindowTest, SingleFundChartsTwoPoints) {
    funds({"Only Fund"}, {100}, {1000});
    ChartView* g = open()->graph();
    EXPECT_EQ(labels(g), QStringList({"Only Fund", ""}));
    EXPECT_EQ(values(g), (std::vector<double>{100, 0}));
}

TEST_F(ChartWindowTest, YearChartTogglesItsFlatAnd3DForms) {
    savingsYears(25);
    Form1* f = open();
    ChartView* g = f->graph();
    EXPECT_EQ(f->chartShown(), 3);
    EXPECT_EQ(g->title(), QStringLiteral("Investment value at end of each Year"));
    ASSERT_EQ(g->pointCount(), 25);
    EXPECT_EQ(g->label(0), QStringLiteral("1"));
    EXPECT_EQ(g->label(24), QStringLiteral("25"));
    EXPECT_EQ(g->value(0), 1200);  // 1,000.00 at 20 %
    EXPECT_EQ(g->value(1), 2640);  // (1,200.00 + 1,000.00) at 20 %
    EXPECT_EQ(State().YearTable(25, 5), State().YearTable(25, 4));
    EXPECT_FALSE(shown(f, "Oned") || shown(f, "Pie2d"));
    EXPECT_TRUE(shown(f, "Sav2D"));
    EXPECT_FALSE(enabled(f, "Sav2D"));
    EXPECT_TRUE(enabled(f, "ThreeDee"));

    click(f, "ThreeDee");
    EXPECT_EQ(f->chartShown(), 5);
    EXPECT_TRUE(g->threeD());
    EXPECT_TRUE(enabled(f, "Sav2D"));
    EXPECT_FALSE(enabled(f, "ThreeDee"));
    EXPECT_EQ(f->focusWidget(), f->button(QStringLiteral("Sav2D")));

    click(f, "Sav2D");
    EXPECT_EQ(f->chartShown(), 3);  // so that a printout redraws the flat chart
    EXPECT_FALSE(g->threeD());
    EXPECT_FALSE(enabled(f, "Sav2D"));
    EXPECT_TRUE(enabled(f, "ThreeDee"));
    EXPECT_EQ(f->focusWidget(), f->button(QStringLiteral("ThreeDee")));
    EXPECT_EQ(g->pointCount(), 25);
}

TEST_F(ChartWindowTest, ComparisonChartsOfBothTools) {
    comparisons(3, 1, 2);
    Form1* f = open();
    ChartView* g = f->graph();
    EXPECT_EQ(f->chartShown(), 6);
    EXPECT_EQ(g->title(), QStringLiteral("Savings Comparisons"));
    EXPECT_EQ(g->axisTitle(), QStringLiteral("Value $"));
    EXPECT_EQ(labels(g), QStringList({"Row  1", "Row  2", "Row  3"}));
    EXPECT_EQ(values(g), (std::vector<double>{1000, 2000, 3000}));
    click(f, "ThreeDee");
    EXPECT_EQ(f->chartShown(), 7);
    EXPECT_TRUE(g->threeD());
    click(f, "Sav2D");
    EXPECT_EQ(f->chartShown(), 6);
    EXPECT_FALSE(g->threeD());
    click(f, "ExitBut");
    settle();

    comparisons(1, 6, 0);
    f = open();
    g = f->graph();
    EXPECT_EQ(f->chartShown(), 6);
    EXPECT_EQ(g->axisTitle(), QStringLiteral("Gain %"));
    EXPECT_EQ(labels(g), QStringList({"Row  1", ""}));
    EXPECT_EQ(values(g), (std::vector<double>{1000, 0}));
}

TEST_F(ChartWindowTest, MortgageAndRetirementBarsStartWithTheStartingAmount) {
    for (int source : {3, 4}) {
        State().YearTable.create(501, 6);
        State().CalcInputs.assign(6, Money());
        State().CalcInputs[1] = Money::fromDouble(100000);
        for (int t = 1; t <= 25; ++t) {
            State().YearTable(t, 1) = Money::fromInt(t);
            State().YearTable(t, 4) = Money::fromDouble(100000 - 4000.0 * t);
        }
        State().GraphSource = static_cast<ChartSource>(source);
        State().CallMode = 1;
        State().GraphPoints = 25;
        State().GraphTitle = QStringLiteral("Mortgage balance at start of each Year");
        Form1* f = open();
        ChartView* g = f->graph();
        EXPECT_EQ(f->chartShown(), 3);
        ASSERT_EQ(g->pointCount(), 25);
        EXPECT_EQ(g->value(0), 100000) << "source " << source;
        EXPECT_EQ(g->value(24), 4000) << "source " << source;  // the start of year 25
        // Drawing it again in 2D uses the values already prepared.
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
        int source;
        const char* opener;
    } cases[] = {{0, "Table1"},   {1, "CalcInpt"}, {2, "Income"}, {3, "Income"},   {4, "CdnMort"},
                 {5, "CalCaptl"}, {6, "FindComp"}, {7, "PlanK"},  {12, "MenuMain"}};
    for (const auto& c : cases) {
        savingsYears(3);
        State().GraphSource = static_cast<ChartSource>(c.source);
        Form1* f = open();
        click(f, "ExitBut");
        settle();
        EXPECT_FALSE(Windows().exists(QStringLiteral("Form1"))) << c.source;
        EXPECT_TRUE(Windows().visible(QString::fromLatin1(c.opener))) << c.source;
        Windows().unloadAll();
        settle();
    }
}

TEST_F(ChartWindowTest, ClosingTheFrameLeavesLikeTheExitButton) {
    funds({"A", "B"}, {1, 2}, {3, 4});
    Form1* f = open();
    f->close();
    settle();
    EXPECT_FALSE(Windows().exists(QStringLiteral("Form1")));
    EXPECT_TRUE(Windows().visible(QStringLiteral("Table1")));
}

TEST_F(ChartWindowTest, ReopenedWindowStartsAfresh) {
    funds({"A", "B"}, {1, 2}, {3, 4});
    Form1* f = open();
    click(f, "Pie2d");
    click(f, "ThreeDee");
    Windows().hide(QStringLiteral("Form1"));
    savingsYears(5);
    f = open();
    EXPECT_EQ(f->chartShown(), 3);
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
    savingsYears(10);
    Form1* f = open();
    click(f, "ThreeDee");
    const int normalWidth = f->width();
    EXPECT_EQ(normalWidth, twips::px(6765));
    const QFont screenFont = f->graph()->font();

    script.answer(dialogs::Answer::No);  // "Continue with Printout."
    click(f, "Ptr");
    EXPECT_TRUE(printouts().empty());
    EXPECT_EQ(f->chartColour(), 0);

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
    EXPECT_EQ(f->chartColour(), 0);
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
    EXPECT_EQ(f->chartShown(), 5);
    EXPECT_TRUE(f->graph()->threeD());

    script.clear();
    script.answer(dialogs::Answer::Yes);
    script.answer(dialogs::Answer::Yes);
    watch.width = 0;
    click(f, "Ptr");
    EXPECT_EQ(f->chartColour(), 1);
    EXPECT_TRUE(watch.colour);
}

TEST_F(ChartWindowTest, PrintedChartIsDrawnOnThePageAndFillsItsWidth) {
    funds({"Growth Fund", "Bond Fund"}, {50, -10}, {1500, 900});
    Form1* f = open();
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
    State().settings.currencySymbol = QStringLiteral("£");
    const struct {
        int source, mode;
        bool rate;
    } cases[] = {{1, 1, false}, {1, 2, false}, {2, 1, false}, {3, 1, false},
                 {4, 1, false}, {5, 1, false}, {6, 0, true},  {7, 1, false}};
    for (const auto& c : cases) {
        savingsYears(10);
        for (int k = 1; k <= 3; ++k) {
            State().ComparisonLabels(k, 0) = QStringLiteral("Row  ") + QString::number(k);
            State().ComparisonTable(k, 5) = Money::fromDouble(12.5 * k);
        }
        State().CalcInputs.assign(6, Money::fromDouble(1000));
        State().GraphSource = static_cast<ChartSource>(c.source);
        State().CallMode = static_cast<int16_t>(c.mode);
        if (ShowsComparisons(State())) State().GraphPoints = 3;
        Form1* f = open();
        const QStringList ticks = f->graph()->axisTexts();
        ASSERT_GE(ticks.size(), 2) << c.source;
        for (const QString& t : ticks) {
            if (c.rate)
                EXPECT_TRUE(t.endsWith(u'%')) << c.source << " " << t.toStdString();
            else
                EXPECT_TRUE(t.startsWith(u'£')) << c.source << " " << t.toStdString();
        }
        click(f, "ExitBut");
        settle();
    }
    funds({"Growth Fund", "Bond Fund"}, {1250, -10}, {1500, 900});
    Form1* f = open();
    // Rates above a thousand per cent are grouped as the table shows them.
    const QRegularExpression grouped(QStringLiteral("^\\d{1,3}(,\\d{3})+%$"));
    EXPECT_FALSE(f->graph()->axisTexts().filter(grouped).isEmpty())
        << f->graph()->axisTexts().join(' ').toStdString();
}

TEST_F(ChartWindowTest, WindowOpensAtItsSizeAndTheChartGrowsWithIt) {
    savingsYears(25);
    Form1* f = open();
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
    EXPECT_EQ(f->chartShown(), 3);
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
    EXPECT_EQ(f->chartShown(), 6);
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
    State().GraphSource = ChartSource::RetirementFixedAmount;  // left over from a calculator
    ASSERT_TRUE(ComputeCurrentValue(Doc()));
    auto* table = Windows().get<Table1>(QStringLiteral("Table1"));
    table->DrwGraph()->click();
    auto* f = Windows().get<Form1>(QStringLiteral("Form1"));
    ASSERT_TRUE(f->isVisible());
    EXPECT_FALSE(table->isVisible());
    EXPECT_EQ(f->chartShown(), 1);
    EXPECT_EQ(f->graph()->label(0), QStringLiteral("Growth Fund"));
    EXPECT_EQ(f->graph()->value(1), -5);
    f->button(QStringLiteral("ExitBut"))->click();
    settle();
    EXPECT_TRUE(Windows().visible(QStringLiteral("Table1")));
    EXPECT_FALSE(Windows().visible(QStringLiteral("FundMenu")));
}

}  // namespace
