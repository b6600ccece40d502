#include "planning/model/mortgage_extras_report.h"

#include <QStringList>
#include <algorithm>
#include <utility>
#include <vector>

#include "common/number_format.h"
#include "common/print_device.h"
#include "common/printing.h"
#include "planning/model/calculator_tables.h"

namespace {

// Period; interest paid, principal paid, extra paid and balance.
const YearPrintLayout kTableLayout{{2, 3}, {{9, 14}, {26, 14}, {43, 14}, {63, 14}}};
constexpr int kValueColumn = 47;
constexpr int kLinesAfterBreak = 3;
constexpr int kAssumedLinesPerPage = 59;

void heading(PrintDevice& d, bool loan) {
    d.at(2, loan ? QStringLiteral("Month") : QStringLiteral("Year"));
    d.at(10, QStringLiteral("Interest Paid"));
    d.at(26, QStringLiteral("Principal Paid"));
    d.at(47, QStringLiteral("Extra Paid"));
    d.at(70, QStringLiteral("Balance"));
    d.endLine();
    d.at(2, QString(75, u'_'));
    d.endLine();
}

}  // namespace

void PrintExtrasSection(PrintDevice& d, MortgageMode mode, const MortgageExtras& extras,
                        const ExtraSchedule& s, const PersonalSettings& settings, int counted) {
    const QString& symbol = settings.currencySymbol;
    PersonalSettings printing = settings;  // the font set again on a new page measures again
    const bool loan = mode == MortgageMode::Loan;
    auto money = [&symbol](Money v) {
        return RightJustifyWhole(symbol + Format(v, u"#####,,##0.00"), 14);
    };
    std::vector<std::pair<QString, QString>> items;
    if (extras.perPayment > Money())
        items.emplace_back(QStringLiteral("Extra with every Payment"), money(extras.perPayment));
    std::vector<LumpSum> lumps;
    for (const LumpSum& l : extras.lumpSums)
        if (l.amount > Money() && l.payment > 0) lumps.push_back(l);
    std::stable_sort(lumps.begin(), lumps.end(),
                     [](const LumpSum& a, const LumpSum& b) { return a.payment < b.payment; });
    for (const LumpSum& l : lumps)
        items.emplace_back(QStringLiteral("Lump Sum at Payment %1").arg(l.payment),
                           money(l.amount));
    const QStringList results = ExtraResultTexts(s, symbol);
    const char* labels[] = {"Payments with Extras", "Payments Saved", "Interest without Extras",
                            "Interest with Extras", "Interest Saved"};
    for (int i = 0; i < results.size(); ++i)
        items.emplace_back(QString::fromLatin1(labels[i]), RightJustifyWhole(results.at(i), 14));

    auto perPage = [&printing] {
        return printing.linesPerPage > 0 ? printing.linesPerPage : kAssumedLinesPerPage;
    };
    auto newPage = [&d, &printing] {
        PrintPageNumber(d);
        d.newPage();
        ApplyChosenPrinterFont(d, printing);
        d.line();
    };
    // The title, the items, the heading and one row stay together. The table's totals may
    // have taken up to two of the page number's three lines: it gets what is left.
    const int summary = 3 + static_cast<int>(items.size()) + 1 + 3;
    if (counted + summary + 1 >= perPage()) {
        if (counted <= perPage()) {
            newPage();
        } else {
            for (int blank = counted; blank < perPage() + 2; ++blank) d.line();
            d.at(40, QStringLiteral("Page") + NumText(static_cast<int64_t>(d.page())) + u' ');
            d.endLine();
            d.newPage();
            ApplyChosenPrinterFont(d, printing);
            d.line();
        }
        counted = 1;
    }
    d.line();
    d.at(30, QStringLiteral("With extra payments"));
    d.endLine();
    d.line();
    for (const auto& [label, value] : items) {
        d.at(2, label);
        d.at(kValueColumn, value);
        d.endLine();
    }
    d.line();
    heading(d, loan);
    d.line();
    counted += summary;

    for (const ExtraRow& row : s.rows) {
        PrintYearLine(d, kTableLayout, row.period,
                      {row.interest, row.principal, row.extra, row.balance});
        ++counted;
        if (counted % perPage() == 0) {
            newPage();
            heading(d, loan);
            counted = kLinesAfterBreak;
        }
    }
    d.at(2, QString(75, u'_'));
    d.endLine();
    d.line();
    PrintTotalLine(d, kTableLayout,
                   {s.totals.interest, s.totals.principal, s.totals.extra, Money()}, symbol);
}
