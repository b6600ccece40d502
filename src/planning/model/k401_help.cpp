#include "planning/model/k401_help.h"

#include <QStringList>

QString K401HelpText() {
    const QStringList prompts[] = {
        {QStringLiteral(
            " If you have already have a plan, type the current balance. If none type 0.")},
        {QStringLiteral(" Type in your current annual salary.")},
        {QStringLiteral(" Type in your annual contribution rate.")},
        {QStringLiteral(" Your company contribution rate. If none type 0.")},
        {QStringLiteral(" Type in the estimated percentage of annual salary increase.")},
        {QStringLiteral(" Type in the estimated annual income/growth rate of your plan.")},
        {QStringLiteral(
             " Leave at 0 unless you want to see the purchasing power in today's dollars."),
         QStringLiteral(
             " Type in inflation rate. Current Value each year will be reduced at this rate.")},
        {QStringLiteral(" Type in the estimated number of years to retirement.")},
    };
    QStringList lines;
    lines << QStringLiteral(" For results click Calculate.")
          << QStringLiteral(" Click any yellow box and type in your figures.");
    for (const QStringList& prompt : prompts) {
        // Each box's prompt starts on the line level with the box.
        const int line = K401PromptLine(static_cast<int>(&prompt - prompts));
        while (lines.size() < line) lines << QString();
        lines << prompt;
    }
    for (int i = 0; i < 5; ++i) lines << QString();
    lines << QString(50, u' ') + QStringLiteral("End");
    return lines.join(QStringLiteral("\r\n"));
}
