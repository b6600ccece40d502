// Under a decimal-comma C locale (a German desktop) figures, printouts and files stay the same.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <clocale>
#include <string>

#include "common/money.h"
#include "common/number_format.h"
#include "common/print_device.h"
#include "investments/model/portfolio.h"
#include "planning/model/savings_plan_report.h"
#include "shell/model/settings.h"
#include "support/file_bytes.h"

namespace {

// What the figures and files below come to: the same under any locale.
struct Results {
    QStringList texts;
    QString page;
    QByteArray portfolio;
    QByteArray settings;
};

Results produce() {
    Results r;
    r.texts << Format(1234567.891, u"####,,###.00") << Format(0.5, u"###.00")
            << Format(0.148698, u"#,,###.000%")
            << Format(Money::fromDouble(12.5), u"####,,##0.0000") << NumText(12.5) << NumText(-0.25)
            << Money::fromDouble(0.00015).toFileText()
            << Money::fromDouble(98765432109876.55).toFileText()
            << Money::parse(u"1234.5678")->toFileText() << QString::number(LeadingNumber(u"12.5x"));

    SavingsPlanInputs in;
    in.lumpSum = Money::fromInt(10000);
    in.annual = Money::fromInt(1000);
    in.ratePercent = Money::fromDouble(12.5);
    in.years = Money::fromInt(3);
    in.increasePercent = Money::fromInt(5);
    in.inflationPercent = Money::fromInt(3);
    TextDevice d;
    PrintSavingsCalculation(d, in, CalculateSavingsPlan(in), QStringLiteral("$"));
    d.endDoc();
    r.page = d.pageText(0);

    QTemporaryDir dir;
    const QByteArray sample = readFile(QStringLiteral(VANTORA_SAMPLES "/Dtasampl.WMS"));
    const QString wms = dir.filePath(QStringLiteral("out.wms"));
    if (auto data = ParsePortfolio(sample); data && WritePortfolioFile(wms, *data))
        r.portfolio = readFile(wms);
    const PersonalSettings settings{QStringLiteral("\u20ac"), PrinterFont::CourierNew,
                                    QStringLiteral("Anna M\u00fcller")};
    const QString vtp = dir.filePath(QStringLiteral("Personal.vtp"));
    if (SavePersonalSettingsFile(vtp, settings)) r.settings = readFile(vtp);
    return r;
}

}  // namespace

TEST(DecimalCommaLocale, FiguresPrintoutsAndFilesAreTheSameAsUnderC) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "C");
    const Results plain = produce();
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) {
        std::setlocale(LC_ALL, saved.c_str());
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed (scripts/deps.sh installs it)";
    }
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    const Results german = produce();
    std::setlocale(LC_ALL, saved.c_str());

    EXPECT_EQ(plain.texts,
              QStringList({"1,234,567.89", ".50", "14.870%", "12.5000", " 12.5", "-.25", "0.0002",
                           "98765432109876.5469", "1234.5678", "12.5"}));
    EXPECT_EQ(german.texts, plain.texts);
    EXPECT_TRUE(plain.page.contains(QStringLiteral("$16,747.86")));
    EXPECT_EQ(german.page, plain.page);
    EXPECT_EQ(plain.portfolio, readFile(QStringLiteral(VANTORA_SAMPLES "/Dtasampl.WMS")));
    EXPECT_EQ(german.portfolio, plain.portfolio);
    EXPECT_EQ(plain.settings, QByteArray("\"\x80\",6,\"Anna M\xfcller\"\r\n"));
    EXPECT_EQ(german.settings, plain.settings);
}
