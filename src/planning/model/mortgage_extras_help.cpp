#include "planning/model/mortgage_extras_help.h"

#include <QStringList>

QString WithExtrasHelp(const QString& help) {
    const QStringList lines = {
        QStringLiteral(" Extra Payments: a fixed extra with every payment, and lump sums each"),
        QStringLiteral(" at a payment number, repay the principal sooner. The table then shows"),
        QStringLiteral(" the months (or years) until the balance is 0.00, with the Extra paid;"),
        QStringLiteral(" each row's interest is rounded to the cent and the last payment is"),
        QStringLiteral(" only what is still owed. Example: 100,000.00 at 10% over 25 years,"),
        QStringLiteral(" Monthly, with 100.00 extra a payment and 5,000.00 at payment 12:"),
        QStringLiteral(" 188 payments instead of 300 (112 saved), interest 93,974.78 instead"),
        QStringLiteral(" of 172,610.71, so 78,635.93 of interest saved."),
    };
    const QString crlf = QStringLiteral("\r\n");
    // The "End" line stands after three line breaks; the paragraph goes before them.
    const qsizetype end = help.lastIndexOf(crlf + crlf + crlf);
    if (end < 0) return help + crlf + lines.join(crlf);
    return help.left(end) + crlf + crlf + lines.join(crlf) + help.mid(end);
}
