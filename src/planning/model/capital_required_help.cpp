#include "planning/model/capital_required_help.h"

#include <QStringList>

namespace {
// The help panel's lines per input box, and the lines above the first box.
constexpr int kLinesPerBox = 4;
constexpr int kLinesAboveFirstBox = 2;

void addBlank(QStringList& lines, int count) {
    for (int i = 0; i < count; ++i) lines << QString();
}
}  // namespace

QString CapitalRequiredHelpText(const QString& symbol) {
    QStringList lines;
    addBlank(lines, kLinesAboveFirstBox);
    lines << QStringLiteral("100,000.00");
    addBlank(lines, kLinesPerBox - 1);
    lines << QStringLiteral("           20%");
    addBlank(lines, kLinesPerBox - 1);
    lines << QStringLiteral("            25");
    addBlank(lines, 2);
    lines << QStringLiteral(
        " Example. Will show how much annual savings are required to build your Capital");
    lines << QStringLiteral(" to ") + symbol +
                 QStringLiteral("100,000.00 at 20% compounded over 25 Years.");
    addBlank(lines, 5);
    lines << QString(50, u' ') + QStringLiteral("End");
    return lines.join(QStringLiteral("\r\n"));
}
