#include "investments/ui/record_entry_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "common/dates.h"
#include "common/number_format.h"
#include "investments/model/portfolio.h"
#include "investments/model/portfolio_document.h"
#include "investments/model/portfolio_sort.h"
#include "investments/model/record_entry.h"
#include "investments/model/record_flow.h"
#include "investments/ui/fund_menu_window.h"
#include "investments/ui/value_commands.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/twips.h"
#include "platform/window_registry.h"
#include "shell/ui/app_state.h"
#include "shell/ui/name_input_window.h"

namespace {

const QString kRecordEntry = QStringLiteral("RecordEntry");
const QString kAddCaption = QStringLiteral("&Add Record");
const QString kSaveCaption = QStringLiteral("&Save Record");
const QString kCompleted = QStringLiteral(" Instruction completed");

// Runs a step of the record flow on the document's portfolio and browse cursor.
template <class Step>
auto onFlow(PortfolioDocument& doc, Step step) {
    return step(doc.portfolio, doc.cursor);
}

}  // namespace

RecordEntry::RecordEntry(PortfolioDocument& doc, QWidget* parent) : QWidget(parent), doc_(doc) {
    AppState& s = State();
    setWindowTitle(QStringLiteral("Edit Funds"));
    twips::setClientSize(this, 9480, 6360);
    twips::moveTo(this, 60, 345);

    BuildForm();

    // Opening: empty entry values, today's date as the example, the fund list,
    // the counts, the help.
    s.DateExample = dates::todayText();
    label2_->setText(s.DateExample + QStringLiteral(" Transaction Date."));
    for (int k = 1; k <= doc_.portfolio.fundCount; ++k)
        funds_->addItem(doc_.portfolio.funds[static_cast<size_t>(k)].FundName);
    funds_->setCurrentIndex(-1);
    funds_->setEditText(QStringLiteral("Click Dn/Arrow for Funds List"));
    funds_->lineEdit()->setCursorPosition(0);
    done_->setText(QStringLiteral("      ") + doc_.fileName);
    ShowCounts();
    doc_.cursor.browseFund = 0;
    doc_.cursor.browsePos = 0;
    txtBox_->setPlainText(
        EntryHelpText(s.DateExample).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    LockEntryBoxes();
    nextRec_->setEnabled(false);
    prevRec_->setEnabled(false);

    flash_ = new QTimer(this);
    flash_->setInterval(180);
    connect(flash_, &QTimer::timeout, this, [this] {
        ++flashStep_;
        if (flashStep_ >= 4) {
            flash_->stop();
            done_->setText(QStringLiteral("      ") + doc_.fileName);
            return;
        }
        done_->setText(flashStep_ % 2 == 0 ? kCompleted : QString(21, u' '));
    });

    // Buttons.
    connect(funds_, qOverload<int>(&QComboBox::activated), this, &RecordEntry::ChooseFund);
    connect(addaRec_, &QPushButton::clicked, this, [this] {
        if (!EntryOpen()) correcting_ = false;
        BeginEntry();
    });
    connect(correctrec_, &QPushButton::clicked, this, [this] {
        correcting_ = true;
        BeginEntry();
    });
    connect(createfund_, &QPushButton::clicked, this, &RecordEntry::AddNewFund);
    connect(delRec_, &QPushButton::clicked, this, &RecordEntry::DeleteRecord);
    connect(nextRec_, &QPushButton::clicked, this, &RecordEntry::NextRecord);
    connect(prevRec_, &QPushButton::clicked, this, &RecordEntry::PreviousRecord);
    connect(exBut_, &QPushButton::clicked, this, &RecordEntry::ExitToMenu);

    InstallKeys();
}

QLabel* RecordEntry::label(const QString& name) const {
    const std::pair<const char*, QLabel*> labels[] = {
        {"Label2", label2_},     {"Label8", label8_},   {"Label9", label9_},
        {"Label10", label10_},   {"Label11", label11_}, {"Label13", label13_},
        {"NumFunds", numFunds_}, {"NumRec", numRec_},   {"Done", done_}};
    for (const auto& [labelName, l] : labels)
        if (name == QLatin1String(labelName)) return l;
    return nullptr;
}

bool RecordEntry::EntryOpen() const {
    return entryOpen_;
}

bool RecordEntry::flashing() const {
    return flash_->isActive();
}

QString RecordEntry::CodeText() const {
    return EntryCode(inTrans_->text());
}

std::array<QLineEdit*, 6> RecordEntry::EntryBoxList() const {
    return {inTrans_, inDate_, inPrice_, inNumber_, inComm_, inCashDiv_};
}

EntryField RecordEntry::FieldOf(QLineEdit* box) const {
    const auto boxes = EntryBoxList();
    const auto at = std::find(boxes.begin(), boxes.end(), box);
    return at == boxes.end() ? EntryField::Save : static_cast<EntryField>(at - boxes.begin());
}

QWidget* RecordEntry::FieldWidget(EntryField field) const {
    if (field == EntryField::Save) return addaRec_;
    return EntryBoxList()[static_cast<size_t>(field)];
}

int RecordEntry::BoxIndex(QLineEdit* box) const {
    return FigureIndex(FieldOf(box));
}

EntryFigures RecordEntry::TypedFigures() const {
    return {EntryValues[1], EntryValues[2], EntryValues[3], EntryValues[4]};
}

void RecordEntry::ShowBadDate() {
    dialogs::message(QStringLiteral("Correct date format is ") + State().DateExample,
                     QStringLiteral("Invalid Date"));
}

void RecordEntry::ShowCounts() {
    numFunds_->setText(NumText(doc_.portfolio.fundCount));
    numRec_->setText(NumText(doc_.portfolio.recordCount));
}

void RecordEntry::ClearEntryBoxes() {
    for (QLineEdit* box : EntryBoxList()) box->clear();
    label8_->clear();
    label13_->clear();
}

void RecordEntry::LockEntryBoxes() {
    for (QLineEdit* box : EntryBoxList()) box->setEnabled(false);
}

// Adding: every box. Correcting: the date and the figures the record's code uses.
void RecordEntry::EnableEntryBoxes() {
    const bool correcting = correcting_;
    const EntryBoxes used = BoxesForCode(correcting ? CodeText() : QString());
    inTrans_->setEnabled(!correcting);
    inDate_->setEnabled(true);
    inPrice_->setEnabled(!correcting || used.price);
    inNumber_->setEnabled(!correcting || used.shares);
    inComm_->setEnabled(!correcting || used.fee);
    inCashDiv_->setEnabled(!correcting || used.cashDiv);
}

void RecordEntry::ResetCodeEntry() {
    for (QLineEdit* box : {inPrice_, inNumber_, inComm_, inCashDiv_}) box->setVisible(true);
    inTrans_->clear();
}

void RecordEntry::HideBoxesForCode(const QString& code) {
    const EntryBoxes used = BoxesForCode(code);
    const std::pair<QLineEdit*, bool> boxes[] = {{inPrice_, used.price},
                                                 {inNumber_, used.shares},
                                                 {inComm_, used.fee},
                                                 {inCashDiv_, used.cashDiv}};
    for (const auto& [box, needed] : boxes)
        if (!needed) box->hide();
}

void RecordEntry::SetToolButtonsVisible(bool visible) {
    for (QPushButton* b : {createfund_, delRec_, correctrec_, exBut_, prevRec_, nextRec_})
        b->setVisible(visible);
}

void RecordEntry::DisplayRecord(int k) {
    const RecordBoxTexts v = BoxTextsOfRecord(doc_.portfolio.records[static_cast<size_t>(k)],
                                              State().settings.currencySymbol);
    inTrans_->setText(v.code);
    inDate_->setText(v.date);
    inPrice_->setText(v.price);
    inNumber_->setText(v.shares);
    inComm_->setText(v.fee);
    inCashDiv_->setText(v.cashDiv);
    showFigure(label13_, v.bookValue);
    EntryValues[1] = v.figures.price;
    EntryValues[2] = v.figures.shares;
    EntryValues[3] = v.figures.fee;
    EntryValues[4] = v.figures.cashDiv;
}

void RecordEntry::ShowNextRecord() {
    if (const int k = onFlow(doc_, FindNextShown)) DisplayRecord(k);
}

void RecordEntry::ShowRecordPosition() {
    if (const int PositionCount = onFlow(doc_, ShownRecordPosition))
        label8_->setText(NumText(PositionCount));
}

void RecordEntry::ChooseFund(int index) {
    if (EntryOpen()) {
        dialogs::message(QStringLiteral("Save Record before changing Fund."),
                         QStringLiteral("Help"));
        const QSignalBlocker block(funds_);
        funds_->setCurrentIndex(doc_.cursor.currentFund - 1);
        funds_->setEditText(onFlow(doc_, CurrentFundName));
        return;
    }
    if (!onFlow(doc_, [index](const Portfolio& p, BrowseCursor& c) {
            return ChooseFundLine(p, c, index);
        }))
        return;
    if (funds_->currentIndex() != index) {
        const QSignalBlocker block(funds_);
        funds_->setCurrentIndex(index);
    }
    nextRec_->setEnabled(true);
    ClearEntryBoxes();
    ShowNextRecord();
    ShowRecordPosition();
    if (inTrans_->text().isEmpty()) {
        doc_.cursor.browsePos = 0;
        correcting_ = false;
        BeginEntry();
    }
}

void RecordEntry::NextRecord() {
    const BrowseStep step = onFlow(doc_, StepForward);
    if (step.record) DisplayRecord(step.record);
    ShowRecordPosition();
    prevRec_->setEnabled(true);
    if (step.atEnd) {
        nextRec_->setEnabled(false);
        dialogs::beep();
    }
}

void RecordEntry::PreviousRecord() {
    const BrowseStep step = onFlow(doc_, StepBack);
    if (step.record) DisplayRecord(step.record);
    ShowRecordPosition();
    nextRec_->setEnabled(true);
    if (step.atEnd) {
        nextRec_->setFocus(Qt::OtherFocusReason);
        prevRec_->setEnabled(false);
        dialogs::beep();
    }
}

void RecordEntry::AddNewFund() {
    correcting_ = false;
    const QString reply = AskName(QString(), this);
    switch (onFlow(doc_,
                   [&reply](Portfolio& p, BrowseCursor& c) { return AddFundNamed(p, c, reply); })) {
        case NewFund::Cancelled:
            return;
        case NewFund::Full:
            dialogs::message(QStringLiteral("Funds are limited to 30. \r\nYou will have to start a "
                                            "new\r\n File."),
                             QStringLiteral("Help"));
            return;
        case NewFund::Added:
            break;
    }
    EnableEntryBoxes();
    {
        const QSignalBlocker block(funds_);
        funds_->addItem(onFlow(doc_, CurrentFundName));
        funds_->setCurrentIndex(funds_->count() - 1);
    }
    ClearEntryBoxes();
    ShowCounts();
    BeginEntry();
}

void RecordEntry::BeginEntry() {
    const bool correcting = correcting_;
    if (!EntryOpen()) {
        const QString fund = funds_->currentText(), code = inTrans_->text();
        switch (onFlow(doc_, [&](const Portfolio& p, const BrowseCursor& c) {
            return CanOpenEntry(p, c, fund, correcting, code);
        })) {
            case EntryOpening::NoFund:
                if (correcting)
                    dialogs::message(QStringLiteral("No Record selected. See Entry Help."),
                                     QStringLiteral("Correct Record"));
                else
                    dialogs::message(QStringLiteral("No Fund selected. See Entry Help."),
                                     QStringLiteral("Add Record"));
                correcting_ = false;
                return;
            case EntryOpening::NoRecord:
                dialogs::message(QStringLiteral("No Record to Correct."),
                                 QStringLiteral("Correct Record"));
                correcting_ = false;
                return;
            case EntryOpening::Allowed:
                break;
        }
        if (correcting) inTrans_->setText(inTrans_->text().left(1));
        EnableEntryBoxes();
        if (!correcting) ClearEntryBoxes();
        addaRec_->setText(kSaveCaption);
        entryOpen_ = true;
        SetToolButtonsVisible(false);
        if (!correcting) inTrans_->setFocus(Qt::OtherFocusReason);
    } else {
        // A figure still being typed counts, however the button was pressed.
        if (auto* box = qobject_cast<QLineEdit*>(focusWidget()); box && BoxIndex(box) > 0)
            TakeTypedFigure(box);
        inTrans_->setText(CodeText());
        addaRec_->setText(kAddCaption);
        entryOpen_ = false;
        SetToolButtonsVisible(true);
        StoreRecord();
    }
    for (QLineEdit* box : {inPrice_, inNumber_, inComm_, inCashDiv_}) box->setVisible(true);
}

// The rejection tail: the typed entry is dropped and the record shown again.
void RecordEntry::RejectEntry() {
    if (!correcting_) ClearEntryBoxes();
    ShowNextRecord();
    ShowRecordPosition();
    EntryFailed = 1;
    correcting_ = false;
    LockEntryBoxes();
}

void RecordEntry::StoreRecord() {
    const bool correcting = correcting_;
    EntryFailed = 0;
    const RecordInput entry{CodeText(), inDate_->text(), TypedFigures(), funds_->currentText()};
    switch (onFlow(
        doc_, [&](Portfolio& p, BrowseCursor& c) { return StoreEntry(p, c, entry, correcting); })) {
        case StoreResult::Stored:
            break;
        case StoreResult::NoDate:
            dialogs::message(QStringLiteral("Record not saved. Must have a date."),
                             QStringLiteral("Entry Error"));
            RejectEntry();
            return;
        case StoreResult::Mismatch:
            // The entry does not match its code as Entry Help shows it.
            dialogs::message(
                (correcting ? QStringLiteral("Record not Corrected.")
                            : QStringLiteral("Record not Saved.")) +
                    QStringLiteral(" Entries must be exactly\r\nas shown in Entry Help. "
                                   "Select it,\r\nthen Pg/Dn to your transaction type."),
                QStringLiteral("Entry Error"));
            RejectEntry();
            return;
        case StoreResult::RecordsFull:
            dialogs::message(QStringLiteral("Files are limited to 1000 records\r\nYou will have to "
                                            "start a new\r\nFile."),
                             QStringLiteral("Help"));
            correcting_ = false;
            RejectEntry();
            return;
        case StoreResult::BadDate:
            ShowBadDate();
            RejectEntry();
            return;
        case StoreResult::NoRow:
            RejectEntry();
            return;
    }
    ShowNextRecord();
    ShowRecordPosition();
    ShowCounts();
    ShowFileInfo();
    FlashDone();
    LockEntryBoxes();
    correcting_ = false;
}

void RecordEntry::DeleteRecord() {
    const QString fund = funds_->currentText();
    if (!onFlow(doc_, [&fund](const Portfolio& p, const BrowseCursor& c) {
            return FundSelected(p, c, fund);
        })) {
        dialogs::message(QStringLiteral("No Record Selected. See Entry Help."),
                         QStringLiteral("Delete Record"));
        return;
    }
    if (dialogs::message(QStringLiteral("Are you sure you wish to delete the current record."),
                         QStringLiteral("Help"), dialogs::Buttons::OkCancel) != dialogs::Answer::Ok)
        return;
    switch (onFlow(doc_, DeleteShown)) {
        case Deletion::NoRecord:
            dialogs::message(QStringLiteral("No Record Selected. See Entry Help."),
                             QStringLiteral("Delete Record"));
            return;
        case Deletion::FundGone:
            // The file has lost a fund: leaving without saving must ask.
            doc_.changed = true;
            Windows().unload(kRecordEntry);
            Windows().show(QStringLiteral("FundMenu"));
            ShowFileInfo();
            return;
        case Deletion::RecordGone:
            break;
    }
    SortRecords(doc_);
    ShowCounts();
    ShowFileInfo();
    ClearEntryBoxes();
    FlashDone();
    ShowNextRecord();
    ShowRecordPosition();
    if (inTrans_->text().isEmpty()) doc_.cursor.browsePos = 0;
}

void RecordEntry::FlashDone() {
    // The portfolio is changed at once; the blink runs on without holding up the user.
    doc_.changed = true;
    flashStep_ = 0;
    done_->setText(kCompleted);
    flash_->start();
}

void RecordEntry::ExitToMenu() {
    PortfolioDocument& doc = doc_;  // the window goes before the cursor is put back
    correcting_ = false;
    Windows().unload(kRecordEntry);
    Windows().show(QStringLiteral("FundMenu"));
    ShowFileInfo();
    doc.cursor.browsePos = 0;
    doc.cursor.shownRecord = 0;
}

void RecordEntry::closeEvent(QCloseEvent* e) {
    // Closing the frame is the exit button; an open entry is dropped.
    e->ignore();
    ExitToMenu();
}
