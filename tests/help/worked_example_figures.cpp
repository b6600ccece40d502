#include "help/worked_example_figures.h"

#include <QStringList>
#include <cmath>
#include <functional>
#include <vector>

#include "common/number_format.h"
#include "investments/current_value.h"
#include "investments/display_records.h"
#include "investments/portfolio.h"
#include "investments/record_entry.h"
#include "planning/retirement_income.h"
#include "planning/savings_plan.h"
#include "planning/year_end_amount.h"
#include "shell/app_state.h"

namespace {

double Num(const ExampleInputs& in, const char* name) {
    return in.value(QString::fromLatin1(name)).toDouble();
}
Money M(double v) {
    return Money::fromDouble(v);
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
        f[Key("year", y.year, "invested")] = Amt(y.invested);
        f[Key("year", y.year, "base")] = Amt(previous + y.invested);
        f[Key("year", y.year, "interest")] = Amt(y.interest);
        f[Key("year", y.year, "value")] = Amt(y.value);
        previous = y.value;
    }
    f[QStringLiteral("total.invested")] = Amt(plan.totalInvested);
    f[QStringLiteral("total.interest")] = Amt(plan.totalInterest);
    f[QStringLiteral("total.value")] = Amt(plan.finalValue);
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
    State().reset();
    State().CurrencySymbol = QStringLiteral("$");
    ResetTables();
    ExampleFigures f;
    if (!ReadPortfolioFile(QStringLiteral(VANTORA_SAMPLES "/Dtasampl.WMS"))) return f;
    ResetFundTotals();
    const int fund = static_cast<int>(Num(in, "fund"));
    const RecordView view = BuildRecordView(fund);
    const auto& t = State().FundTotals;
    f[QStringLiteral("fund.records")] = QString::number(view.records.size());
    f[QStringLiteral("fund.shares")] = Format(t(31, 0), u"####,,##0.0000");
    f[QStringLiteral("fund.book")] = Amt(t(31, 1));
    f[QStringLiteral("fund.avgcost")] = Format(view.avgCost, u"####,,##0.0000");

    PrepareFundTotals();
    for (int k = 1; k <= State().FundCount(); ++k) State().FundTotals(k, 2) = M(Num(in, "price"));
    AccumulateHoldings();
    ComputeFundValues();
    f[QStringLiteral("total.book")] = Amt(t(31, 1));
    f[QStringLiteral("total.value")] = Amt(t(31, 3));
    f[QStringLiteral("total.gain")] = Amt(t(31, 4));
    f[QStringLiteral("total.percent")] = Amt(t(31, 5));
    State().reset();
    return f;
}

// ---- Reference calculations for the tools whose model is still to come ------------------

// Monthly payments at a compounding of `m` times a year; the annual rate is
// single precision. Term in years (mode 1) or months (mode 2).
ExampleFigures Mortgage(const ExampleInputs& in) {
    const double P = Num(in, "amount");
    const float r = static_cast<float>(Num(in, "rate") / 100);
    const int mode = static_cast<int>(Num(in, "mode"));
    const int m = static_cast<int>(Num(in, "periods"));
    const int k = 12 / m;
    double N = Num(in, "term");
    const double years = mode == 2 ? N / 12 : N;
    const double e = std::pow(1 + double(r) / m, 1.0 / k) - 1;
    const double D = 1 / std::pow(1 + double(r) / m, years * m);
    const double A = P * e / (1 - D);
    double B = P, i = e * B, p = A - i, TI = 0, TP = 0;
    ExampleFigures f;
    const int T = static_cast<int>(std::nearbyint(N));
    for (int t = 1; t <= T; ++t) {
        double I = 0, Pp = 0;
        for (int j = 0; j < (mode == 1 ? 12 : 1); ++j) {
            I += i;
            Pp += p;
            B -= p;
            i = e * B;
            p = A - i;
        }
        f[Key("row", t, "interest")] = Amt(I);
        f[Key("row", t, "principal")] = Amt(Pp);
        f[Key("row", t, "balance")] = Amt(B);
        TI += I;
        TP += Pp;
    }
    if (TP > 0.5) TP = P;
    f[QStringLiteral("payment")] = Amt(A);
    f[QStringLiteral("yearly")] = Amt(std::floor(A * 100 + 0.5) / 100 * 12);
    f[QStringLiteral("interest")] = Amt(TI);
    f[QStringLiteral("all")] = Amt(M(TI) + M(TP));
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

ExampleFigures CompoundRate(const ExampleInputs& in) {
    const double C = Num(in, "cost"), V = Num(in, "value"), n = Num(in, "years");
    const double rate = std::exp((1 / n) * std::log(V / C)) - 1;
    const double gain = (V - C) / C;
    return {{QStringLiteral("rate"), Format(rate, u"#,,##0.0000%")},
            {QStringLiteral("shown"), Format(rate, u"#,,##0.000%")},
            {QStringLiteral("gain"), Format(gain, u"#,,##0.00%")}};
}

ExampleFigures Capital(const ExampleInputs& in) {
    const double C = Num(in, "capital"), i = Num(in, "rate") / 100;
    const int n = static_cast<int>(std::nearbyint(Num(in, "years")));
    const double P = C / (((std::pow(1 + i, n) - 1) / i) * (1 + i));
    double I = P * i, D = P * i, V = 0, T = 0, TI = 0;
    ExampleFigures f;
    for (int y = 1; y <= n; ++y) {
        V = V + P + I;
        T += P;
        TI += I;
        f[Key("year", y, "invested")] = Amt(P);
        f[Key("year", y, "interest")] = Amt(D);
        f[Key("year", y, "value")] = Amt(V);
        I = (V + P) * i;
        D = std::floor((V + P) * i * 100 + 0.5) / 100;
    }
    f[QStringLiteral("payment")] = Amt(P);
    f[QStringLiteral("total.invested")] = Amt(T);
    f[QStringLiteral("total.interest")] = Amt(TI);
    f[QStringLiteral("total.value")] = Amt(V);
    return f;
}

// The 401(k): contributions of a rising salary, each year's base earning the
// single-precision rate of return (rounded to currency), less inflation.
ExampleFigures K401(const ExampleInputs& in) {
    const Money B = M(Num(in, "balance"));
    double S = Num(in, "salary");
    const float r = static_cast<float>(Num(in, "return") / 100);
    const double c = Num(in, "own") / 100, k = Num(in, "company") / 100;
    const double s = Num(in, "raise") / 100, fl = Num(in, "inflation") / 100;
    const int n = static_cast<int>(std::nearbyint(Num(in, "years")));
    auto interestFor = [r](double amount) { return M(M(amount).toDouble() * double(r)); };
    double C = S * (c + k);
    Money I = interestFor(B.toDouble() + C);
    double T = C + B.toDouble();
    double V = I.toDouble() + B.toDouble() + C;
    V = V - V * fl;
    ExampleFigures f;
    auto row = [&](int y, double base) {
        f[Key("year", y, "salary")] = Amt(S);
        f[Key("year", y, "contribution")] = Amt(C);
        f[Key("year", y, "base")] = Amt(base);
        f[Key("year", y, "interest")] = Amt(I);
        f[Key("year", y, "value")] = Amt(V);
    };
    row(1, B.toDouble() + C);
    Money Cc = M(C);
    for (int y = 2; y <= n; ++y) {
        S = S + S * s;
        Cc = M(Cc.toDouble() + Cc.toDouble() * s);
        C = Cc.toDouble();
        const double base = V + C;
        I = interestFor(base);
        V = base + I.toDouble();
        V = V - V * fl;
        T += C;
        row(y, base);
    }
    f[QStringLiteral("total.invested")] = Amt(T);
    f[QStringLiteral("total.interest")] = Amt(M(V) - M(T));
    f[QStringLiteral("total.value")] = Amt(V);
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
        f[Key("year", y.year, "interest")] = Amt(y.interest);
        f[Key("year", y.year, "withdrawn")] = Amt(y.withdrawn);
        f[Key("year", y.year, "value")] = Amt(y.value);
    }
    f[QStringLiteral("total.withdrawn")] = Amt(result.totalWithdrawn);
    f[QStringLiteral("total.value")] = Amt(result.finalValue);
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
        f[Key("year", y.year, "interest")] = Amt(y.interest);
        f[Key("year", y.year, "withdrawn")] = Amt(y.withdrawn);
        f[Key("year", y.year, "value")] = Amt(y.value);
    }
    const int years = static_cast<int>(result.rows.size());
    f[QStringLiteral("fullyears")] = QString::number(result.ranOut ? years - 1 : years);
    if (result.ranOut) {
        f[QStringLiteral("last.year")] = QString::number(years);
        f[QStringLiteral("last.withdrawn")] = Amt(result.rows.back().withdrawn);
    }
    f[QStringLiteral("total.interest")] = Amt(result.totalInterest);
    f[QStringLiteral("total.withdrawn")] = Amt(result.totalWithdrawn);
    f[QStringLiteral("total.value")] = Amt(result.finalValue);
    return f;
}

// The net worth statement: "name:value|name:value|..." per side; a row named
// Sub Total (any case) shows the sum since the previous one.
ExampleFigures NetWorth(const ExampleInputs& in) {
    ExampleFigures f;
    Money totals[2];
    const char* sides[2] = {"assets", "liabilities"};
    for (int s = 0; s < 2; ++s) {
        double running = 0;
        int sub = 0;
        for (const QString& row : in.value(QLatin1String(sides[s])).split(u'|')) {
            const QString name = row.section(u':', 0, 0).replace(u'_', u' ');
            const double value = row.section(u':', 1).toDouble();
            if (name.trimmed().compare(QLatin1String("Sub Total"), Qt::CaseInsensitive) == 0) {
                f[QStringLiteral("%1.sub%2").arg(QLatin1String(sides[s])).arg(++sub)] =
                    Amt(running);
                running = 0;
                continue;
            }
            running += value;
            totals[s] = totals[s] + M(value);
        }
        f[QStringLiteral("%1.total").arg(QLatin1String(sides[s]))] = Amt(totals[s]);
    }
    f[QStringLiteral("net")] = Amt(totals[0] - totals[1]);
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
    {"mortgage", false, Mortgage},
    {"mortgagediff", false, MortgageDifference},
    {"compound", false, CompoundRate},
    {"capital", false, Capital},
    {"k401", false, K401},
    {"retirepct", true, RetirementPercentage},
    {"retirefixed", true, RetirementFixed},
    {"networth", false, NetWorth},
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
