#include "help/worked_example_figures.h"

#include <QStringList>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

#include "common/number_format.h"
#include "investments/model/annual_return.h"
#include "investments/model/current_value.h"
#include "investments/model/display_records.h"
#include "investments/model/portfolio.h"
#include "investments/model/record_entry.h"
#include "networth/model/networth_statement.h"
#include "planning/model/capital_required.h"
#include "planning/model/compound_rate.h"
#include "planning/model/k401.h"
#include "planning/model/mortgage.h"
#include "planning/model/mortgage_extras.h"
#include "planning/model/retirement_income.h"
#include "planning/model/savings_plan.h"
#include "planning/model/year_end_amount.h"
#include "shell/ui/app_state.h"
#include "support/money_literals.h"

namespace {

double Num(const ExampleInputs& in, const char* name) {
    return in.value(QString::fromLatin1(name)).toDouble();
}
// Amounts as the documents quote them: grouped, two decimals, "0.00" for zero.
QString Amt(Money v) {
    return Format(v, u"####,,##0.00");
}
QString Amt(double v) {
    return Amt(M(v));
}
QString Whole(double v) {
    return Format(v, u"###,,##0");
}
QString Key(const char* prefix, int n, const char* what) {
    return QStringLiteral("%1%2.%3").arg(QLatin1String(prefix)).arg(n).arg(QLatin1String(what));
}
using Named = std::initializer_list<std::pair<const char*, Money>>;
// Amounts under `prefix` ("year3.", "total."): prefix + name = Amt(amount).
void Put(ExampleFigures& f, const QString& prefix, Named amounts) {
    for (const auto& [name, amount] : amounts) f[prefix + QLatin1String(name)] = Amt(amount);
}
QString YearKey(int year) {
    return QStringLiteral("year%1.").arg(year);
}
const QString kTotal = QStringLiteral("total.");

// ---- Worked out by the program's model ----------------------------------------------------

ExampleFigures Savings(const ExampleInputs& in) {
    SavingsPlanInputs s;
    s.lumpSum = M(Num(in, "lump"));
    s.annual = M(Num(in, "annual"));
    s.ratePercent = M(Num(in, "rate"));
    s.years = M(Num(in, "years"));
    s.inflationPercent = M(Num(in, "inflation"));
    s.increasePercent = M(Num(in, "increase"));
    const SavingsPlan plan = CalculateSavingsPlan(s);
    ExampleFigures f;
    Money previous;
    for (const SavingsYear& y : plan.rows) {
        Put(f, YearKey(y.year),
            {{"invested", y.invested},
             {"base", previous + y.invested},
             {"interest", y.interest},
             {"value", y.value}});
        previous = y.value;
    }
    Put(f, kTotal,
        {{"invested", plan.totalInvested},
         {"interest", plan.totalInterest},
         {"value", plan.finalValue}});
    return f;
}

ExampleFigures YearEnd(const ExampleInputs& in) {
    const Money deposit = M(Num(in, "deposit"));
    const int periods = static_cast<int>(Num(in, "periods"));
    const Money amount = YearEndAmount(deposit, M(Num(in, "rate")), periods);
    const Money saved = deposit * Money::fromInt(periods);
    return {{QStringLiteral("amount"), Amt(amount)},
            {QStringLiteral("saved"), Amt(saved)},
            {QStringLiteral("interest"), Amt(amount - saved)}};
}

ExampleFigures Record(const ExampleInputs& in) {
    const EntryFigures e{M(Num(in, "price")), M(Num(in, "shares")), M(Num(in, "fee")),
                         M(Num(in, "cashdiv"))};
    const FundRecord r = MakeRecord(1, in.value(QStringLiteral("code")), QDate(1996, 3, 15), e);
    return {{QStringLiteral("shares"), Whole(r.Shares.toDouble())},
            {QStringLiteral("book"), Amt(r.BookValue)}};
}

ExampleFigures FundGain(const ExampleInputs& in) {
    const Money book = M(Num(in, "book")), value = M(Num(in, "value"));
    return {{QStringLiteral("gain"), Amt(value - book)},
            {QStringLiteral("percent"), Amt(FundGainPercent(value - book, book, book))}};
}

// The sample portfolio valued at one price for every fund, and one fund's record view.
ExampleFigures Sample(const ExampleInputs& in) {
    ExampleFigures f;
    const auto p = ReadPortfolioFile(QStringLiteral(VANTORA_SAMPLES "/Dtasampl.WMS"));
    if (!p) return f;
    FundTotalsTable t;
    ResetFundTotals(t);
    const int fund = static_cast<int>(Num(in, "fund"));
    const RecordView view = BuildRecordView(*p, t, fund, QStringLiteral("$"));
    f[QStringLiteral("fund.records")] = QString::number(view.records.size());
    f[QStringLiteral("fund.shares")] = Format(t(31, 0), u"####,,##0.0000");
    f[QStringLiteral("fund.book")] = Amt(t(31, 1));
    f[QStringLiteral("fund.avgcost")] = Format(view.avgCost, u"####,,##0.0000");

    PrepareFundTotals(t);
    for (int k = 1; k <= p->fundCount; ++k) t(k, 2) = M(Num(in, "price"));
    AccumulateHoldings(*p, t);
    ComputeFundValues(*p, t, QStringLiteral("$"));
    Put(f, kTotal,
        {{"book", t(31, 1)}, {"value", t(31, 3)}, {"gain", t(31, 4)}, {"percent", t(31, 5)}});
    return f;
}

// One fund bought for `in` (100 shares), a cash dividend `div` on `divon` (none when 0), valued
// at `value` on `on`.
ExampleFigures Returns(const ExampleInputs& in) {
    auto date = [&in](const char* name) {
        return QDate::fromString(in.value(QString::fromLatin1(name)), Qt::ISODate);
    };
    std::vector<FundNameRow> funds(32);
    funds[1] = {QStringLiteral("Fund"), QStringLiteral(" 1")};
    std::vector<FundRecord> records(3);
    FundRecord& bought = records[1];
    bought.FundNo = Money::fromInt(1);
    bought.TypeCode = QStringLiteral("B");
    bought.TradeDate = date("from");
    bought.Price = M(Num(in, "in") / 100);
    bought.Shares = M(100);
    bought.BookValue = M(Num(in, "in"));
    int count = 1;
    if (Num(in, "div") != 0) {
        FundRecord& div = records[++count];
        div.FundNo = Money::fromInt(1);
        div.TypeCode = QStringLiteral("C");
        div.TradeDate = date("divon");
        div.CashDiv = M(Num(in, "div"));
        div.BookValue = -div.CashDiv;
    }
    std::vector<Money> prices(32);
    prices[1] = M(Num(in, "value") / 100);
    const ReturnLine line =
        WorkOutReturns(funds, 1, records, count, prices, date("on")).funds.at(0);
    const QStringList cells = ReturnCells(line);
    return {{QStringLiteral("in"), cells.at(1)},
            {QStringLiteral("out"), cells.at(2)},
            {QStringLiteral("value"), cells.at(3)},
            {QStringLiteral("gain"), cells.at(4)},
            {QStringLiteral("years"), cells.at(5)},
            {QStringLiteral("return"), cells.at(6)},
            {QStringLiteral("basis"), cells.at(7)},
            // What a plain average would say: the gain in per cent of the money in, per year.
            {QStringLiteral("simple"),
             Amt(line.gain.toDouble() / line.moneyIn.toDouble() / line.years * 100)}};
}

// ---- Reference calculations for the tools whose model is still to come ------------------

// The mortgage of an example: "amount" at "rate" over "term" years (mode 1) or months (mode 2),
// compounded "periods" times a year.
MortgageInputs MortgageInputsOf(const ExampleInputs& in) {
    MortgageInputs m;
    m.mode = static_cast<int>(Num(in, "mode")) == 2 ? MortgageMode::Loan : MortgageMode::Mortgage;
    m.amount = M(Num(in, "amount"));
    m.ratePercent = M(Num(in, "rate"));
    m.term = M(Num(in, "term"));
    m.perYear = static_cast<int>(Num(in, "periods"));
    return m;
}

// Monthly payments at a compounding of `periods` times a year. Term in years
// (mode 1) or months (mode 2).
ExampleFigures Mortgage(const ExampleInputs& in) {
    const MortgageInputs m = MortgageInputsOf(in);
    const MortgageSchedule s = CalculateMortgage(m);
    ExampleFigures f;
    for (const AmortizationRow& row : s.rows) {
        f[Key("row", row.period, "interest")] = Amt(row.interest);
        f[Key("row", row.period, "principal")] = Amt(row.principal);
        f[Key("row", row.period, "balance")] = Amt(row.balance);
    }
    f[QStringLiteral("payment")] = Amt(s.payment);
    f[QStringLiteral("yearly")] = Amt(s.yearlyPayments);
    f[QStringLiteral("interest")] = Amt(s.totalInterest);
    f[QStringLiteral("all")] = Amt(s.allPayments());
    return f;
}

// Two forms of the same mortgage (another compounding, "periods1"/"periods2",
// or another term, "term1"/"term2"): how much their payments and their
// interest differ.
ExampleFigures MortgageDifference(const ExampleInputs& in) {
    auto variant = [&in](const char* suffix) {
        ExampleInputs v = in;
        for (const char* name : {"periods", "term"}) {
            const QString key = QLatin1String(name) + QLatin1String(suffix);
            if (in.contains(key)) v[QLatin1String(name)] = in.value(key);
        }
        return Mortgage(v);
    };
    const ExampleFigures a = variant("1"), b = variant("2");
    auto money = [](const QString& text) { return *Money::parse(QString(text).remove(u',')); };
    auto apart = [&](const char* what) {
        const Money d = money(a[QLatin1String(what)]) - money(b[QLatin1String(what)]);
        return Amt(d < Money() ? -d : d);
    };
    return {{QStringLiteral("difference"), apart("payment")},
            {QStringLiteral("interestdifference"), apart("interest")}};
}

// The schedule with a fixed extra a payment ("extra") and one lump sum ("lump" at payment "at").
ExampleFigures MortgageWithExtras(const ExampleInputs& in) {
    const MortgageInputs m = MortgageInputsOf(in);
    MortgageExtras x;
    x.perPayment = M(Num(in, "extra"));
    x.lumpSums[0] = {M(Num(in, "lump")), static_cast<int>(Num(in, "at"))};
    const ExtraSchedule s = CalculateWithExtras(m, CalculateMortgage(m), x);
    ExampleFigures f;
    for (const ExtraRow& row : s.rows) {
        f[Key("row", row.period, "interest")] = Amt(row.interest);
        f[Key("row", row.period, "principal")] = Amt(row.principal);
        f[Key("row", row.period, "extra")] = Amt(row.extra);
        f[Key("row", row.period, "balance")] = Amt(row.balance);
    }
    f[QStringLiteral("payments")] = QString::number(s.payments);
    f[QStringLiteral("without")] = QString::number(s.paymentsWithout);
    f[QStringLiteral("saved")] = QString::number(s.paymentsSaved());
    f[QStringLiteral("interest.with")] = Amt(s.totals.interest);
    f[QStringLiteral("interest.without")] = Amt(s.interestWithout);
    f[QStringLiteral("interest.saved")] = Amt(s.interestSaved());
    f[QStringLiteral("total.extra")] = Amt(s.totals.extra);
    return f;
}

ExampleFigures CompoundRate(const ExampleInputs& in) {
    const CompoundRateInputs figures{M(Num(in, "cost")), M(Num(in, "value")), M(Num(in, "years"))};
    const CompoundRateEntry entry = CalculateCompoundRate(figures);
    const QStringList cells = CompoundRateCells(figures, entry, QString(), QString());
    return {{QStringLiteral("rate"), Format(entry.rate, kReportPercentPicture)},
            {QStringLiteral("shown"), cells.at(4)},
            {QStringLiteral("gain"), cells.at(5)}};
}

ExampleFigures Capital(const ExampleInputs& in) {
    CapitalInputs c;
    c.capital = M(Num(in, "capital"));
    c.ratePercent = M(Num(in, "rate"));
    c.years = M(Num(in, "years"));
    const CapitalPlan plan = CalculateCapitalRequired(c);
    ExampleFigures f;
    for (const CapitalYear& y : plan.rows) {
        Put(f, YearKey(y.year),
            {{"invested", y.invested}, {"interest", y.interest}, {"value", y.value}});
    }
    f[QStringLiteral("payment")] = Amt(plan.payment);
    Put(f, kTotal,
        {{"invested", plan.totalInvested},
         {"interest", plan.totalInterest},
         {"value", plan.finalValue}});
    return f;
}

ExampleFigures K401(const ExampleInputs& in) {
    K401Inputs k;
    k.balance = M(Num(in, "balance"));
    k.salary = M(Num(in, "salary"));
    k.ownPercent = M(Num(in, "own"));
    k.companyPercent = M(Num(in, "company"));
    k.raisePercent = M(Num(in, "raise"));
    k.returnPercent = M(Num(in, "return"));
    k.inflationPercent = M(Num(in, "inflation"));
    k.years = M(Num(in, "years"));
    const K401Plan plan = CalculateK401(k);
    ExampleFigures f;
    Money previous = plan.balance;
    for (const K401Year& y : plan.rows) {
        Put(f, YearKey(y.year),
            {{"salary", y.salary},
             {"contribution", y.contribution},
             {"base", previous + y.contribution},
             {"interest", y.interest},
             {"value", y.value}});
        previous = y.value;
    }
    Put(f, kTotal,
        {{"invested", plan.totalInvested},
         {"interest", plan.totalInterest},
         {"value", plan.finalValue}});
    return f;
}

// Retirement income, a percentage of the value withdrawn once a year.
ExampleFigures RetirementPercentage(const ExampleInputs& in) {
    RetirementIncomeInputs r;
    r.capital = M(Num(in, "capital"));
    r.ratePercent = M(Num(in, "rate"));
    r.withdrawal = M(Num(in, "withdrawn"));
    r.years = M(Num(in, "years"));
    const RetirementIncome result = CalculateRetirementIncome(r);
    ExampleFigures f;
    for (const RetirementYear& y : result.rows) {
        Put(f, YearKey(y.year),
            {{"interest", y.interest}, {"withdrawn", y.withdrawn}, {"value", y.value}});
    }
    Put(f, kTotal, {{"withdrawn", result.totalWithdrawn}, {"value", result.finalValue}});
    return f;
}

// Retirement income, a fixed amount withdrawn every month until the capital
// is gone (the final year takes what is left) or 50 years have passed.
ExampleFigures RetirementFixed(const ExampleInputs& in) {
    RetirementIncomeInputs r;
    r.choice = WithdrawalChoice::FixedAmount;
    r.capital = M(Num(in, "capital"));
    r.ratePercent = M(Num(in, "rate"));
    r.withdrawal = M(Num(in, "monthly"));
    const RetirementIncome result = CalculateRetirementIncome(r);
    const Money m4 = M(MonthlyRate(static_cast<float>(r.ratePercent.toDouble() / 100)));
    const Money firstInterest = r.capital * m4;
    ExampleFigures f;
    f[QStringLiteral("monthrate")] = Format(m4, u"##0.00%");
    f[QStringLiteral("month1.interest")] = Amt(firstInterest);
    f[QStringLiteral("month1.value")] = Amt(firstInterest + r.capital - r.withdrawal);
    for (const RetirementYear& y : result.rows) {
        Put(f, YearKey(y.year),
            {{"interest", y.interest}, {"withdrawn", y.withdrawn}, {"value", y.value}});
    }
    const int years = static_cast<int>(result.rows.size());
    f[QStringLiteral("fullyears")] = QString::number(result.ranOut ? years - 1 : years);
    if (result.ranOut) {
        f[QStringLiteral("last.year")] = QString::number(years);
        f[QStringLiteral("last.withdrawn")] = Amt(result.rows.back().withdrawn);
    }
    Put(f, kTotal,
        {{"interest", result.totalInterest},
         {"withdrawn", result.totalWithdrawn},
         {"value", result.finalValue}});
    return f;
}

// The net worth statement: "name:value|name:value|..." per side; a row named
// Sub Total (any case) shows the sum since the previous one.
ExampleFigures NetWorth(const ExampleInputs& in) {
    NetTables st = EmptyNetTables();
    SharedTable<NetCell>* tables[2] = {&st.assets, &st.liabilities};
    const char* sides[2] = {"assets", "liabilities"};
    for (int s = 0; s < 2; ++s) {
        int r = 0;
        for (const QString& row : in.value(QLatin1String(sides[s])).split(u'|')) {
            const QString name = row.section(u':', 0, 0).replace(u'_', u' ');
            const QString value = row.section(u':', 1);
            (*tables[s])(++r, 0) = TextCell(name);
            (*tables[s])(r, 1) = value.isEmpty() ? EmptyCell() : NumberCell(value.toDouble());
        }
    }
    ExampleFigures f;
    const std::optional<NetTotals> totals = CalcTotals(st);
    if (!totals) return f;
    for (int s = 0; s < 2; ++s) {
        int sub = 0;
        for (int r = 1; r <= kNetWorkingRows; ++r)
            if (IsSubTotalName(CellName((*tables[s])(r, 0))))
                f[QStringLiteral("%1.sub%2").arg(QLatin1String(sides[s])).arg(++sub)] =
                    Amt(M(CellNumber((*tables[s])(r, 1))));
    }
    f[QStringLiteral("assets.total")] = Amt(totals->TotalAssets);
    f[QStringLiteral("liabilities.total")] = Amt(totals->TotalLiabilities);
    f[QStringLiteral("net")] = Amt(totals->NetWorth);
    return f;
}

struct Calc {
    const char* name;
    bool model;
    ExampleFigures (*work)(const ExampleInputs&);
};

const Calc kCalcs[] = {
    {"savings", true, Savings},
    {"yearend", true, YearEnd},
    {"record", true, Record},
    {"fundgain", true, FundGain},
    {"sample", true, Sample},
    {"mortgage", true, Mortgage},
    {"mortgagediff", true, MortgageDifference},
    {"mortgageextras", true, MortgageWithExtras},
    {"compound", true, CompoundRate},
    {"capital", true, Capital},
    {"k401", true, K401},
    {"retirepct", true, RetirementPercentage},
    {"retirefixed", true, RetirementFixed},
    {"networth", true, NetWorth},
    {"returns", true, Returns},
};

}  // namespace

ExampleFigures WorkOutExample(const QString& calc, const ExampleInputs& in) {
    for (const Calc& c : kCalcs)
        if (calc == QLatin1String(c.name)) return c.work(in);
    return {};
}

bool FromModel(const QString& calc) {
    for (const Calc& c : kCalcs)
        if (calc == QLatin1String(c.name)) return c.model;
    return false;
}
