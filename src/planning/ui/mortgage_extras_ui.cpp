#include "planning/ui/mortgage_extras_ui.h"

#include <QLabel>
#include <QPushButton>

#include "planning/ui/calculator_window.h"
#include "platform/controls.h"
#include "platform/twips.h"

namespace {
constexpr int kStripHeight = 840;
constexpr int kFirstLeft = 2295, kPairWidth = 1434, kGap = 45;
}  // namespace

void ExtrasStrip::show(const QStringList& texts) const {
    for (int i = 0; i < results.size() && i < texts.size(); ++i) showFigure(results[i], texts[i]);
}

ExtrasStrip AddExtrasStrip(QWidget* window, int width, int height) {
    twips::setClientSize(window, width, height + kStripHeight);
    ExtrasStrip strip;
    strip.button = makeButton(window, QStringLiteral("Extras"),
                              QStringLiteral("&Extra Payments..."), 150, height + 270, 1995, 375);
    const char* names[] = {"PaymentsWith", "PaymentsSaved", "InterestWithout", "InterestWith",
                           "InterestSaved"};
    const char* captions[] = {" Payments with Extras", " Payments Saved",
                              " Interest without Extras", " Interest with Extras",
                              " Interest Saved"};
    for (int i = 0; i < 5; ++i) {
        const int left = kFirstLeft + i * kPairWidth;
        QLabel* caption =
            makeLabel(window, QStringLiteral("ExtrasLabel%1").arg(i + 1),
                      QString::fromLatin1(captions[i]), left, height + 60, kPairWidth - kGap, 390);
        StyleInputCaption(caption);
        QLabel* figure = makeLabel(window, QString::fromLatin1(names[i]), QString(), left,
                                   height + 480, kPairWidth - kGap, 315, false);
        figure->setAlignment(Qt::AlignCenter);
        setBackColour(figure, colours::Green);
        strip.results << figure;
    }
    return strip;
}

void LayOutExtrasGrid(Grid* grid, bool loan) {
    CalculatorGridLayout layout;
    layout.rows = 25;
    layout.headingHeight = 500;
    layout.widthIncrements = {360, 960, 960, 870, 1080};
    layout.headings = {
        loan ? QStringLiteral("Month Number") : QStringLiteral("Year Number"),
        QStringLiteral("    Interest     Payment"), QStringLiteral("    Principal     Payment"),
        QStringLiteral("    Extra     Payment"), QStringLiteral("  Remaining     Balance")};
    layout.defaultColWidth = 510;
    LayOutCalculatorGrid(grid, layout);
}
