#include "investments/ui/fund_chooser_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "investments/model/portfolio_document.h"
#include "platform/controls.h"
#include "platform/twips.h"
#include "platform/window_registry.h"

namespace {
const QString kName = QStringLiteral("FunChose");
}

FunChose::FunChose(PortfolioDocument& doc, QWidget* parent) : QWidget(parent), doc_(doc) {
    setWindowTitle(QStringLiteral("Select Fund to Display"));
    twips::setClientSize(this, 4560, 5400);
    setBackColour(this, colours::Grey);

    auto* label2 =
        makeLabel(this, QStringLiteral("Label2"),
                  QStringLiteral(" Double click a Fund name to show its     records or All "
                                 "Records for complete list."),
                  600, 120, 3360, 600);
    setBackColour(label2, colours::Aqua);
    label2->setAlignment(Qt::AlignCenter);
    fund_ = new QListWidget(this);
    fund_->setObjectName(QStringLiteral("Fund"));
    twips::place(fund_, 240, 840, 4080, 3720);
    auto* label1 = makeLabel(this, QStringLiteral("Label1"), QString(), 0, 4740, 4560, 660);
    label1->lower();
    allRec_ = makeButton(this, QStringLiteral("AllRec"), QStringLiteral("&All Records"), 240, 4860,
                         1980, 400);
    command2_ = makeButton(this, QStringLiteral("Command2"), QStringLiteral("&Cancel"), 2340, 4860,
                           1980, 400);

    const Portfolio& p = doc_.portfolio;
    const int funds = std::min<int>({p.fundCount, kMaxFunds, static_cast<int>(p.funds.size()) - 1});
    for (int k = 1; k <= funds; ++k) fund_->addItem(p.funds[static_cast<size_t>(k)].FundName);
    if (fund_->count() > 0) fund_->setCurrentRow(0);
    fund_->installEventFilter(this);

    connect(fund_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { choose(fund_->row(item) + 1); });
    connect(allRec_, &QPushButton::clicked, this, [this] { choose(kAllRecordsSlot); });
    connect(command2_, &QPushButton::clicked, this, [this] { choose(0); });
    fund_->setFocus();
}

bool FunChose::eventFilter(QObject* watched, QEvent* event) {
    if (watched == fund_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && fund_->currentRow() >= 0) {
            choose(fund_->currentRow() + 1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FunChose::choose(int fund) {
    if (chosen_) return;
    chosen_ = true;
    doc_.cursor.currentFund = static_cast<int16_t>(fund);
    Windows().unload(kName);
}

void FunChose::closeEvent(QCloseEvent* e) {
    // Closing the frame is Cancel.
    if (!chosen_) choose(0);
    e->accept();
}
