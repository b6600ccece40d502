#include "planning/model/savings_plan_help.h"

#include <QStringList>

namespace {

// Blank lines between two figures of a worked example: one figure per input box.
constexpr int kLinesPerBox = 4;

void addBlank(QStringList& lines, int count) {
    for (int i = 0; i < count; ++i) lines << QString();
}

void addExample(QStringList& lines, const QStringList& figures, const QString& sentence) {
    for (int i = 0; i < figures.size(); ++i) {
        if (i > 0) addBlank(lines, kLinesPerBox - 1);
        lines << figures.at(i);
    }
    addBlank(lines, 1);
    lines << sentence;
    addBlank(lines, 2);
}

}  // namespace

QString SavingsPlanHelpText(SavingsMode mode, const QString& s) {
    QStringList lines;
    if (mode == SavingsMode::Comparisons) {
        lines << QStringLiteral(
            " Change entries in any Input Box and click Calculate for comparisions.");
    } else {
        lines << QStringLiteral(
            " Always PgDn to End to read all text.          For results click Calculate.");
    }
    lines << QStringLiteral(
        " To change any number, click yellow box, delete and type in your own.");

    addExample(
        lines,
        {QStringLiteral("      0"), QStringLiteral("1,000.00"), QStringLiteral("       0%"),
         QStringLiteral("      20%"), QStringLiteral("      25"), QStringLiteral("       0%")},
        QStringLiteral("Shows the future value of ") + s +
            QStringLiteral("1,000.00 invested each year for 25 years at a 20% "
                           "Interest/Growth Rate compounded annually."));
    addExample(
        lines,
        {QStringLiteral("1,000.00"), QStringLiteral("       0"), QStringLiteral("       0%"),
         QStringLiteral("      20%"), QStringLiteral("      25"), QStringLiteral("       0%")},
        QStringLiteral("Shows the future value of a lump sum of ") + s +
            QStringLiteral("1,000.00 invested for 25 years at a 20% Interest/Growth Rate "
                           "compounded annually."));
    addExample(
        lines,
        {QStringLiteral("      0"), QStringLiteral("1,000.00"), QStringLiteral("       5%"),
         QStringLiteral("      20%"), QStringLiteral("      25"), QStringLiteral("       0%")},
        QStringLiteral("Shows the future value of ") + s +
            QStringLiteral("1,000.00 invested the first year and increased by a 5% annual "
                           "Rate in each year, for 25 years at 20% Interest/Growth Rate "
                           "compounded annually."));
    addExample(
        lines,
        {QStringLiteral("30,000.00"), QStringLiteral("      0"), QStringLiteral("       0%"),
         QStringLiteral("       0%"), QStringLiteral("      25"), QStringLiteral("       5%")},
        QStringLiteral("Shows you the future value of ") + s +
            QStringLiteral("30,000.00 at a 5% annnual inflation Rate for 25 years. What its "
                           "future purchasing power is compared to today."));
    addExample(
        lines,
        {QStringLiteral("30,000.00"), QStringLiteral("      0"), QStringLiteral("       0%"),
         QStringLiteral("       0%"), QStringLiteral("      25"), QStringLiteral("      -5%")},
        QStringLiteral("Shows the future value of ") + s +
            QStringLiteral("30,000.00 at 5% annual inflation Rate for 25 years. What it would "
                           "have to be worth in future to have the same buying power as "
                           "today. Minus factor should be used only in this one "
                           "calculation."));

    lines << QStringLiteral(
        "For Investments made on a more frequent basis than each year click Year button and "
        "enter Amount of each Investment, Annual Interest/Growth Rate and then select option "
        "whether Investments are made monthly, quarterly or semi-annually. Insert this Amount as "
        "your Annual Amount Invested each Year.");
    addBlank(lines, 1);

    if (mode != SavingsMode::Comparisons) {
        lines << QStringLiteral(
            "As the program is very flexible you can tailor it to meet any situation such as "
            "varying the amounts invested or interest/growth Rates each year.");
        addBlank(lines, 1);
        lines << QStringLiteral(
                     "For more complex calculations use several steps. For instance if you plan "
                     "on investing ") +
                     s +
                     QStringLiteral(
                         "1,000.00 each year for 5 years and then adding a lump sum of ") +
                     s + QStringLiteral("10,000.00 the sixth year for a total");
        lines << QStringLiteral(" period of 25 years.");
        addBlank(lines, 1);
        lines << QStringLiteral("First find Total Current Value for 5 years, add this to the") +
                     u' ' + s +
                     QStringLiteral(
                         "10,000.00, enter this figure in ' Amount of Lump Sum Invested "
                         "at Start' and calculate for the remaining 20 years.");
        addBlank(lines, 1);
        lines << QStringLiteral(
            "Another situation may be investing varying amounts each year over 25 years. Enter as "
            "a lump sum each year and calculate for the remaining years (25, 24, ...1).");
    }
    addBlank(lines, mode == SavingsMode::Comparisons ? 20 : 5);
    lines << QString(50, u' ') + QStringLiteral("End");
    return lines.join(QStringLiteral("\r\n"));
}
