#include "shell/ui/name_input_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/key_filters.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/keys.h"
#include "platform/twips.h"
#include "platform/window_registry.h"
#include "shell/ui/input_conventions_ui.h"

namespace {
const QString kName = QStringLiteral("NamInput");
const QString kFundPrompt = QStringLiteral(" Type in new Fund or Company Name");
}  // namespace

NamInput::NamInput(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Input"));
    twips::setClientSize(this, 4800, 1800);
    setBackColour(this, colours::Grey);
    fName_ = makeLabel(this, QStringLiteral("FName"), kFundPrompt, 240, 180, 4320, 300, false);
    setBackColour(fName_, colours::Aqua);
    inFName_ = makeTextBox(this, QStringLiteral("InFName"), 240, 600, 4320, 360);
    setBoxColour(inFName_, colours::Yellow);
    inFName_->setMaxLength(60);
    acept_ = makeButton(this, QStringLiteral("Acept"), QStringLiteral("&OK"), 840, 1200, 1400, 400);
    acept_->setAutoDefault(true);
    nAcept_ = makeButton(this, QStringLiteral("NAcept"), QStringLiteral("&Cancel"), 2560, 1200,
                         1400, 400);
    setTabOrder(inFName_, acept_);
    setTabOrder(acept_, nAcept_);

    // Enter goes to OK; no quote and no line break, however the name comes in.
    ApplyNameBoxRules(inFName_, acept_);
    connect(acept_, &QPushButton::clicked, this, [this] {
        // Pasted text can bring a quote the keys would have refused.
        finish(inFName_->text().remove(u'"'));
    });
    connect(nAcept_, &QPushButton::clicked, this, [this] { finish(QStringLiteral("1")); });
    inFName_->setFocus();
}

void NamInput::finish(const QString& reply) {
    if (finished_) return;
    finished_ = true;
    emit answered(reply);
    Windows().unload(kName);
}

void NamInput::closeEvent(QCloseEvent* e) {
    // Closing the frame is Cancel.
    if (!finished_) finish(QStringLiteral("1"));
    e->accept();
}

QString AskName(const QString& prompt, QWidget* over) {
    if (!Windows().defined(kName)) Windows().define(kName, [] { return new NamInput; });
    Windows().unload(kName);
    auto* w = Windows().get<NamInput>(kName);
    w->FName()->setText(prompt.isEmpty() ? kFundPrompt : prompt);
    QString reply;
    const QMetaObject::Connection answer =
        QObject::connect(w, &NamInput::answered, w, [&reply](const QString& r) { reply = r; });
    // Over the middle of the window that asks.
    if (!over) over = QApplication::activeWindow();
    if (over && over != w) w->move(over->geometry().center() - w->rect().center());
    Windows().showModal(kName);
    QObject::disconnect(answer);  // a window left open answers no one later
    return reply;
}
