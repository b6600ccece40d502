#include "planning/model/compound_rate_report.h"

#include <QStringList>

#include "common/print_device.h"

void PrintCompoundRates(PrintDevice& d, const QString& reportText) {
    d.line();
    d.at(27, QStringLiteral("Annual Compounding Comparisons"));
    d.endLine();
    d.line();
    d.line();
    d.at(2, QStringLiteral(
                "Term in          Cost of         Current or      Compounded at   Total Rate(%)"));
    d.endLine();
    d.at(2, QStringLiteral(
                " Years        Investment       Future Value     Annual Rate(%)     over Period"));
    d.endLine();
    d.at(2, QString(78, u'_'));
    d.endLine();
    // The accumulated text as one printed item: its own line breaks, then the item's.
    for (const QString& part : reportText.split(QStringLiteral("\r\n"))) d.line(part);
}
