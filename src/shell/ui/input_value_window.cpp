#include "shell/ui/input_value_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/key_filters.h"
#include "common/number_format.h"
#include "platform/controls.h"
#include "platform/keys.h"
#include "platform/twips.h"
#include "platform/window_registry.h"
#include "shell/ui/input_conventions_ui.h"

namespace {
const QString kName = QStringLiteral("InCurVal");
}

InCurVal::InCurVal(std::optional<int> insertLine, QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Input "));
    twips::setClientSize(this, 3600, 2160);
    setBackColour(this, colours::Grey);

    QString prompt = QStringLiteral("   Current Price per         Share");
    if (insertLine)
        prompt = QStringLiteral("   Insert a blank line       at line number ") +
                 NumText(static_cast<int64_t>(*insertLine)) + QStringLiteral(" ?");
    label1_ = makeLabel(this, QStringLiteral("Label1"), prompt, 840, 150, 1920, 600);
    setBackColour(label1_, colours::Aqua);
    label1_->setAlignment(Qt::AlignCenter);
    label2_ = makeLabel(this, QStringLiteral("Label2"), QString(), 0, 1620, 3600, 540);
    label2_->lower();
    curVal_ = makeTextBox(this, QStringLiteral("CurVal"), 840, 900, 1920, 360);
    setBoxColour(curVal_, colours::Yellow);
    curVal_->setAlignment(Qt::AlignRight);
    curVal_->setMaxLength(15);
    accept_ =
        makeButton(this, QStringLiteral("Accept"), QStringLiteral("&OK"), 360, 1680, 1320, 380);
    noAccept_ = makeButton(this, QStringLiteral("NoAccept"), QStringLiteral("&Cancel"), 1920, 1680,
                           1320, 380);
    setTabOrder(curVal_, accept_);
    setTabOrder(accept_, noAccept_);

    // Enter moves on to OK; typed and pasted text alike pass the number filter.
    ApplyNumberBoxRules(curVal_, NumericKeyFilter, accept_);
    connect(accept_, &QPushButton::clicked, this, [this] { finish(curVal_->text()); });
    connect(noAccept_, &QPushButton::clicked, this, [this] { finish(QString()); });
    curVal_->setFocus();
}

void InCurVal::finish(const QString& reply) {
    if (finished_) return;
    finished_ = true;
    emit answered(reply);
    Windows().unload(kName);
}

void InCurVal::closeEvent(QCloseEvent* e) {
    // Closing the frame is Cancel.
    if (!finished_) finish(QString());
    e->accept();
}

namespace {
QString ask(std::optional<int> insertLine) {
    Windows().unload(kName);
    auto* w = new InCurVal(insertLine);
    QString reply;
    const QMetaObject::Connection answer =
        QObject::connect(w, &InCurVal::answered, w, [&reply](const QString& r) { reply = r; });
    Windows().add(kName, w);
    Windows().showModal(kName);
    QObject::disconnect(answer);  // a window left open answers no one later
    return reply;
}
}  // namespace

QString AskCurrentValue() {
    return ask(std::nullopt);
}

QString AskInsertLine(int line) {
    return ask(line);
}
