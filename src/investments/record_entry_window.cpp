#include "investments/record_entry_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>
#include <iterator>

#include "common/dates.h"
#include "common/number_format.h"
#include "investments/fund_menu_window.h"
#include "investments/name_input_window.h"
#include "investments/portfolio.h"
#include "investments/portfolio_sort.h"
#include "investments/record_entry.h"
#include "investments/record_flow.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/keys.h"
#include "platform/twips.h"
#include "platform/window_registry.h"
#include "shell/app_state.h"
#include "shell/input_conventions_ui.h"
#include "shell/key_filters.h"

namespace {

const QString kRecordEntry = QStringLiteral("RecordEntry");
const QString kAddCaption = QStringLiteral("&Add Record");
const QString kSaveCaption = QStringLiteral("&Save Record");
const QString kCompleted = QStringLiteral(" Instruction completed");

// Rows of the entry column, in twips.
constexpr int kLabelLeft = 120, kLabelWidth = 2940, kBoxLeft = 3120, kBoxWidth = 1620;
constexpr int kRowHeight = 330;
constexpr int rowTop(int row) {
    return 120 + row * 420;
}

QLabel* descriptive(QWidget* parent, const char* name, const QString& text, int row) {
    QLabel* l = makeLabel(parent, QString::fromLatin1(name), text, kLabelLeft, rowTop(row),
                          kLabelWidth, kRowHeight, false);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setBackColour(l, colours::Aqua);
    return l;
}

QLineEdit* inputBox(QWidget* parent, const char* name, int row) {
    QLineEdit* e = makeTextBox(parent, QString::fromLatin1(name), kBoxLeft, rowTop(row), kBoxWidth,
                               kRowHeight);
    setBoxColour(e, colours::Yellow);
    // A record shown while browsing stays readable in the locked boxes.
    QPalette p = e->palette();
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x30, 0x30, 0x30));
    e->setPalette(p);
    return e;
}

QLabel* result(QWidget* parent, const char* name, int left, int top, int width) {
    QLabel* l = makeLabel(parent, QString::fromLatin1(name), QString(), left, top, width,
                          kRowHeight, false);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setBackColour(l, colours::Green);
    return l;
}

}  // namespace

RecordEntry::RecordEntry(QWidget* parent) : QWidget(parent) {
    AppState& s = State();
    if (s.Records.empty() || s.FundNames.empty()) ResetTables();
    setWindowTitle(QStringLiteral("Edit Funds"));
    twips::setClientSize(this, 9480, 6360);
    twips::moveTo(this, 60, 345);

    // Buttons along the bottom, in the form's order.
    constexpr int bw = 2220, bh = 420, row1 = 5160, row2 = 5700;
    constexpr int col1 = 120, col2 = 2430, col3 = 4740, col4 = 7050;
    const struct {
        QPushButton** button;
        const char *name, *caption;
        int left, top;
    } buttons[] = {{&correctrec_, "Correctrec", "&Correct Record", col3, row1},
                   {&createfund_, "createfund", "Add New &Fund", col1, row2},
                   {&prevRec_, "PrevRec", "&Previous", col1, row1},
                   {&exBut_, "ExBut", "E&xit to Menu", col4, row2},
                   {&delRec_, "DelRec", "&Delete Record", col2, row2},
                   {&addaRec_, "AddaRec", "&Add Record", col3, row2},
                   {&nextRec_, "NextRec", "&Next", col2, row1}};
    for (const auto& b : buttons)
        *b.button = makeButton(this, QString::fromLatin1(b.name), QString::fromLatin1(b.caption),
                               b.left, b.top, bw, bh);
    addaRec_->setAutoDefault(true);  // Enter on the focused button saves

    // The entry column: the fund list, then a caption and a box a row.
    descriptive(this, "Label7", QStringLiteral(" Name of Fund"), 0)
        ->resize(twips::px(1380), twips::px(kRowHeight));
    funds_ = new QComboBox(this);
    funds_->setObjectName(QStringLiteral("Funds"));
    funds_->setEditable(true);
    funds_->setInsertPolicy(QComboBox::NoInsert);
    funds_->lineEdit()->setReadOnly(true);
    setBoxColour(funds_, colours::Yellow);
    setBoxColour(funds_->lineEdit(), colours::Yellow);
    twips::place(funds_, 1560, rowTop(0), kBoxLeft + kBoxWidth - 1560, kRowHeight);
    const struct {
        const char *label, *caption;
        QLineEdit** box;
        const char* boxName;
    } rows[] = {{"Label11", " Transaction Type.", &inTrans_, "InTrans"},
                {"Label2", "", &inDate_, "InDate"},
                {"Label4", " Price of each Share.", &inPrice_, "InPrice"},
                {"Label3", " Number of Shares.", &inNumber_, "InNumber"},
                {"Label5", " Total Commission or Fees.", &inComm_, "InComm"},
                {"Label6", " Total of Cash Dividends.", &inCashDiv_, "InCashDiv"}};
    QLabel* captions[std::size(rows)];
    for (size_t i = 0; i < std::size(rows); ++i) {
        const int row = static_cast<int>(i) + 1;
        captions[i] = descriptive(this, rows[i].label, QString::fromLatin1(rows[i].caption), row);
        *rows[i].box = inputBox(this, rows[i].boxName, row);
    }
    label11_ = captions[0];
    QLabel* label2 = captions[1];
    descriptive(this, "Label12", QStringLiteral(" Book Value."), 7);
    label13_ = result(this, "Label13", kBoxLeft, rowTop(7), kBoxWidth);
    descriptive(this, "Label14", QStringLiteral(" Record:"), 8);
    label8_ = result(this, "Label8", kBoxLeft, rowTop(8), kBoxWidth);
    for (QLineEdit* box : {inPrice_, inNumber_, inComm_, inCashDiv_, inDate_})
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label13_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label8_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    // The counts: "Funds =" and "Records =" with their figures.
    auto* label15 = makeLabel(this, QStringLiteral("Label15"), QString(), kLabelLeft, rowTop(9),
                              4620, 390, false);
    label15->setFrameStyle(QFrame::Box | QFrame::Plain);
    makeLabel(label15, QStringLiteral("Label15a"), QStringLiteral("Funds ="), 120, 30, 900, 300);
    numFunds_ = result(label15, "NumFunds", 1020, 15, 840);
    makeLabel(label15, QStringLiteral("Label15b"), QStringLiteral("Records ="), 2160, 30, 1200,
              300);
    numRec_ = result(label15, "NumRec", 3480, 15, 1020);
    done_ = makeLabel(this, QStringLiteral("Done"), QString(), kLabelLeft, rowTop(10), 4380,
                      kRowHeight, false);
    done_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    makeLabel(this, QStringLiteral("Label1"), QString(), kLabelLeft, rowTop(11), 10, 10)->hide();

    // The help beside it; the code legend over its top while the code box has the focus.
    auto* label10 = makeLabel(this, QStringLiteral("Label10"),
                              QStringLiteral("  Entry Help                          PgDn to End"),
                              4860, 120, 4500, kRowHeight, false);
    label10->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setBackColour(label10, colours::Aqua);
    txtBox_ = makeTextPanel(this, QStringLiteral("TxtBox"), 4860, 480, 4500, 4560);
    // The legend's items, one a line, beside the code box.
    label9_ = makeLabel(
        this, QStringLiteral("Label9"),
        CodeLegend().trimmed().split(QRegularExpression(QStringLiteral(" {2,}"))).join(u'\n'), 4860,
        480, 2160, 1560, false);
    setBackColour(label9_, colours::Yellow);
    label9_->setFrameStyle(QFrame::Box | QFrame::Plain);
    label9_->raise();
    label9_->hide();

    QWidget* previous = funds_;
    for (QLineEdit* box : EntryBoxList()) {
        setTabOrder(previous, box);
        previous = box;
    }
    setTabOrder(previous, addaRec_);

    // Opening: empty entry values, today's date as the example, the fund list,
    // the counts, the help.
    s.DateExample = dates::todayText();
    label2->setText(s.DateExample + QStringLiteral(" Transaction Date."));
    for (int k = 1; k <= s.FundCount(); ++k)
        funds_->addItem(s.FundNames[static_cast<size_t>(k)].FundName);
    funds_->setCurrentIndex(-1);
    funds_->setEditText(QStringLiteral("Click Dn/Arrow for Funds List"));
    funds_->lineEdit()->setCursorPosition(0);
    done_->setText(QStringLiteral("      ") + s.FundFileName);
    ShowCounts();
    s.BrowseFund = 0;
    s.BrowsePos = 0;
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
            done_->setText(QStringLiteral("      ") + State().FundFileName);
            return;
        }
        done_->setText(flashStep_ % 2 == 0 ? kCompleted : QString(21, u' '));
    });

    // Buttons.
    connect(funds_, qOverload<int>(&QComboBox::activated), this, &RecordEntry::ChooseFund);
    connect(addaRec_, &QPushButton::clicked, this, [this] {
        if (!EntryOpen()) State().CallMode = 0;
        BeginEntry();
    });
    connect(correctrec_, &QPushButton::clicked, this, [this] {
        State().CallMode = 1;
        BeginEntry();
    });
    connect(createfund_, &QPushButton::clicked, this, &RecordEntry::AddNewFund);
    connect(delRec_, &QPushButton::clicked, this, &RecordEntry::DeleteRecord);
    connect(nextRec_, &QPushButton::clicked, this, &RecordEntry::NextRecord);
    connect(prevRec_, &QPushButton::clicked, this, &RecordEntry::PreviousRecord);
    connect(exBut_, &QPushButton::clicked, this, &RecordEntry::ExitToMenu);

    // Keys. The fund list takes no typing.
    KeyHook* fundKeys = KeyHook::on(funds_);
    fundKeys->keyPress = [this](int key) {
        if (key == keycode::Enter) {
            nextRec_->setFocus(Qt::TabFocusReason);
            return 0;
        }
        dialogs::beep();
        return 0;
    };
    fundKeys->keyDown = [](int& code) {
        if (code == keycode::Delete) code = 0;
    };

    KeyHook* codeKeys = KeyHook::on(inTrans_);
    codeKeys->keyPress = [this](int key) {
        EntryValues.fill(Money());
        const CodeKey k = ReadCodeKey(key, inTrans_->text().isEmpty());
        switch (k.kind) {
            case CodeKey::Pass:
                return key;
            case CodeKey::ToDate:
                inDate_->setFocus(Qt::TabFocusReason);
                return 0;
            case CodeKey::Code:
                ResetCodeEntry();
                if (EntryOpen()) HideBoxesForCode(k.text);
                return key;
            case CodeKey::Refused:
                break;
        }
        inTrans_->setText(k.text);
        dialogs::message(QStringLiteral("Transaction Code, one letter, must be:\r\n"
                                        "B=Bought, S=Sold, C=Cash Div, D=Div. Shares, \r\n"
                                        "F=Fee Cash or U=Unit Fee"),
                         QStringLiteral("Help"));
        ResetCodeEntry();
        return 0;
    };
    codeKeys->keyDown = [this](int& code) {
        if (code == keycode::Delete) ResetCodeEntry();
    };

    // Enter moves on by the entry's code; the date box takes date characters, the figure boxes
    // numbers, the first key typed into a figure box replacing what it showed.
    for (QLineEdit* box : {inDate_, inPrice_, inNumber_, inComm_, inCashDiv_}) {
        KeyHook::on(box)->keyPress = [this, box](int key) {
            if (key == keycode::Enter) {
                FieldWidget(NextFieldOnEnter(FieldOf(box), CodeText()))
                    ->setFocus(Qt::TabFocusReason);
                return 0;
            }
            if (box == inDate_) {
                if (DateKeyAccepted(key)) return key;
                dialogs::beep();
                return 0;
            }
            if (EntryStarted == 0) {
                box->clear();
                EntryStarted = 1;
            }
            return FilterKey(NumericKeyFilter, key);
        };
    }

    KeyHook* helpKeys = KeyHook::on(txtBox_);
    helpKeys->keyPress = [](int) {
        dialogs::beep();
        return 0;
    };

    for (QLineEdit* box : EntryBoxList()) box->installEventFilter(this);
}

QLabel* RecordEntry::label(const QString& name) const {
    return findChild<QLabel*>(name);
}

bool RecordEntry::EntryOpen() const {
    return addaRec_->text() == kSaveCaption;
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

bool RecordEntry::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && watched == inTrans_) {
        label9_->show();
        label9_->raise();
        label11_->setText(QStringLiteral(" Transaction Type Code."));
    } else if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (watched == inTrans_) {
            inTrans_->setText(CodeText());
            label9_->hide();
            label11_->setText(QStringLiteral(" Transaction Type."));
        } else if (watched == inDate_) {
            // The date must be one the system reads; the check is skipped when
            // the whole window loses the focus (a message box, another window).
            const bool leavingWindow =
                reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
            if (!checkingDate_ && !leavingWindow &&
                DateNeedsCorrection(CodeText(), inDate_->text())) {
                checkingDate_ = true;
                ShowBadDate();
                inDate_->setFocus(Qt::OtherFocusReason);
                checkingDate_ = false;
            }
        } else if (auto* box = qobject_cast<QLineEdit*>(watched); box && BoxIndex(box) > 0) {
            TakeTypedFigure(box);
        }
    }
    return QWidget::eventFilter(watched, event);
}

// A number box that was typed into keeps its figure, rounded to four decimals.
void RecordEntry::TakeTypedFigure(QLineEdit* box) {
    if (EntryStarted == 0) return;
    EntryStarted = 0;
    const TypedFigure typed = ReadTypedFigure(box->text(), box != inNumber_);
    if (typed.outOfRange) dialogs::beep();
    EntryValues[static_cast<size_t>(BoxIndex(box))] = typed.value;
    box->setText(typed.shown);
}

void RecordEntry::ShowBadDate() {
    dialogs::message(QStringLiteral("Correct date format is ") + State().DateExample,
                     QStringLiteral("Invalid Date"));
}

void RecordEntry::ShowCounts() {
    numFunds_->setText(NumText(State().FundCount()));
    numRec_->setText(NumText(State().RecordCount));
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
    const bool correcting = State().CallMode == 1;
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
    const RecordBoxTexts v = BoxTextsOfRecord(k);
    inTrans_->setText(v.code);
    inDate_->setText(v.date);
    inPrice_->setText(v.price);
    inNumber_->setText(v.shares);
    inComm_->setText(v.fee);
    inCashDiv_->setText(v.cashDiv);
    label13_->setText(v.bookValue);
    EntryValues[1] = v.figures.price;
    EntryValues[2] = v.figures.shares;
    EntryValues[3] = v.figures.fee;
    EntryValues[4] = v.figures.cashDiv;
}

void RecordEntry::ShowNextRecord() {
    if (const int k = FindNextShown()) DisplayRecord(k);
}

void RecordEntry::ShowRecordPosition() {
    if (const int PositionCount = ShownRecordPosition()) label8_->setText(NumText(PositionCount));
}

void RecordEntry::ChooseFund(int index) {
    AppState& s = State();
    if (EntryOpen()) {
        dialogs::message(QStringLiteral("Save Record before changing Fund."),
                         QStringLiteral("Help"));
        const QSignalBlocker block(funds_);
        funds_->setCurrentIndex(s.CurrentFund - 1);
        funds_->setEditText(CurrentFundName());
        return;
    }
    if (!ChooseFundLine(index)) return;
    if (funds_->currentIndex() != index) {
        const QSignalBlocker block(funds_);
        funds_->setCurrentIndex(index);
    }
    nextRec_->setEnabled(true);
    ClearEntryBoxes();
    ShowNextRecord();
    ShowRecordPosition();
    if (inTrans_->text().isEmpty()) {
        s.BrowsePos = 0;
        s.CallMode = 0;
        BeginEntry();
    }
}

void RecordEntry::NextRecord() {
    const BrowseStep step = StepForward();
    if (step.record) DisplayRecord(step.record);
    ShowRecordPosition();
    prevRec_->setEnabled(true);
    if (step.atEnd) {
        nextRec_->setEnabled(false);
        dialogs::beep();
    }
}

void RecordEntry::PreviousRecord() {
    const BrowseStep step = StepBack();
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
    State().CallMode = 0;
    switch (AddFundNamed(AskName(QString(), this))) {
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
        funds_->addItem(CurrentFundName());
        funds_->setCurrentIndex(funds_->count() - 1);
    }
    ClearEntryBoxes();
    ShowCounts();
    BeginEntry();
}

void RecordEntry::BeginEntry() {
    AppState& s = State();
    const bool correcting = s.CallMode == 1;
    if (!EntryOpen()) {
        switch (CanOpenEntry(funds_->currentText(), correcting, inTrans_->text())) {
            case EntryOpening::NoFund:
                if (correcting)
                    dialogs::message(QStringLiteral("No Record selected. See Entry Help."),
                                     QStringLiteral("Correct Record"));
                else
                    dialogs::message(QStringLiteral("No Fund selected. See Entry Help."),
                                     QStringLiteral("Add Record"));
                s.CallMode = 0;
                return;
            case EntryOpening::NoRecord:
                dialogs::message(QStringLiteral("No Record to Correct."),
                                 QStringLiteral("Correct Record"));
                s.CallMode = 0;
                return;
            case EntryOpening::Allowed:
                break;
        }
        if (correcting) inTrans_->setText(inTrans_->text().left(1));
        EnableEntryBoxes();
        if (!correcting) ClearEntryBoxes();
        addaRec_->setText(kSaveCaption);
        SetToolButtonsVisible(false);
        if (!correcting) inTrans_->setFocus(Qt::OtherFocusReason);
    } else {
        // A figure still being typed counts, however the button was pressed.
        if (auto* box = qobject_cast<QLineEdit*>(focusWidget()); box && BoxIndex(box) > 0)
            TakeTypedFigure(box);
        inTrans_->setText(CodeText());
        addaRec_->setText(kAddCaption);
        SetToolButtonsVisible(true);
        StoreRecord();
    }
    for (QLineEdit* box : {inPrice_, inNumber_, inComm_, inCashDiv_}) box->setVisible(true);
}

// The rejection tail: the typed entry is dropped and the record shown again.
void RecordEntry::RejectEntry() {
    AppState& s = State();
    if (s.CallMode != 1) ClearEntryBoxes();
    ShowNextRecord();
    ShowRecordPosition();
    EntryFailed = 1;
    s.CallMode = 0;
    LockEntryBoxes();
}

void RecordEntry::StoreRecord() {
    AppState& s = State();
    const bool correcting = s.CallMode == 1;
    EntryFailed = 0;
    switch (StoreEntry({CodeText(), inDate_->text(), TypedFigures(), funds_->currentText()},
                       correcting)) {
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
            s.CallMode = 0;
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
    s.CallMode = 0;
}

void RecordEntry::DeleteRecord() {
    if (!FundSelected(funds_->currentText())) {
        dialogs::message(QStringLiteral("No Record Selected. See Entry Help."),
                         QStringLiteral("Delete Record"));
        return;
    }
    if (dialogs::message(QStringLiteral("Are you sure you wish to delete the current record."),
                         QStringLiteral("Help"), dialogs::Buttons::OkCancel) != dialogs::Answer::Ok)
        return;
    switch (DeleteShown()) {
        case Deletion::NoRecord:
            dialogs::message(QStringLiteral("No Record Selected. See Entry Help."),
                             QStringLiteral("Delete Record"));
            return;
        case Deletion::FundGone:
            Windows().unload(kRecordEntry);
            Windows().show(QStringLiteral("FundMenu"));
            ShowFileInfo();
            return;
        case Deletion::RecordGone:
            break;
    }
    SortRecords();
    ShowCounts();
    ShowFileInfo();
    ClearEntryBoxes();
    FlashDone();
    ShowNextRecord();
    ShowRecordPosition();
    if (inTrans_->text().isEmpty()) State().BrowsePos = 0;
}

void RecordEntry::FlashDone() {
    // The portfolio is changed at once; the blink runs on without holding up the user.
    State().FileChanged = 1;
    flashStep_ = 0;
    done_->setText(kCompleted);
    flash_->start();
}

void RecordEntry::ExitToMenu() {
    AppState& s = State();
    s.CallMode = 0;
    Windows().unload(kRecordEntry);
    Windows().show(QStringLiteral("FundMenu"));
    ShowFileInfo();
    s.BrowsePos = 0;
    s.ShownRecord = 0;
}

void RecordEntry::closeEvent(QCloseEvent* e) {
    // Closing the frame is the exit button; an open entry is dropped.
    e->ignore();
    ExitToMenu();
}
