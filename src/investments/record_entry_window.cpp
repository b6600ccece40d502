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

#include "common/dates.h"
#include "common/number_format.h"
#include "investments/fund_menu_window.h"
#include "investments/name_input_window.h"
#include "investments/portfolio.h"
#include "investments/portfolio_sort.h"
#include "investments/record_entry.h"
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
const QString kFigurePicture = QStringLiteral("####,,##0.0000");
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

QString moneyText(Money m) {
    return State().CurrencySymbol + Format(m, kFigurePicture);
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
    correctrec_ = makeButton(this, QStringLiteral("Correctrec"), QStringLiteral("&Correct Record"),
                             col3, row1, bw, bh);
    createfund_ = makeButton(this, QStringLiteral("createfund"), QStringLiteral("Add New &Fund"),
                             col1, row2, bw, bh);
    prevRec_ = makeButton(this, QStringLiteral("PrevRec"), QStringLiteral("&Previous"), col1, row1,
                          bw, bh);
    exBut_ = makeButton(this, QStringLiteral("ExBut"), QStringLiteral("E&xit to Menu"), col4, row2,
                        bw, bh);
    delRec_ = makeButton(this, QStringLiteral("DelRec"), QStringLiteral("&Delete Record"), col2,
                         row2, bw, bh);
    addaRec_ = makeButton(this, QStringLiteral("AddaRec"), kAddCaption, col3, row2, bw, bh);
    addaRec_->setAutoDefault(true);  // Enter on the focused button saves
    nextRec_ =
        makeButton(this, QStringLiteral("NextRec"), QStringLiteral("&Next"), col2, row1, bw, bh);

    // The entry column.
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
    label11_ = descriptive(this, "Label11", QStringLiteral(" Transaction Type."), 1);
    inTrans_ = inputBox(this, "InTrans", 1);
    auto* label2 = descriptive(this, "Label2", QString(), 2);
    inDate_ = inputBox(this, "InDate", 2);
    descriptive(this, "Label4", QStringLiteral(" Price of each Share."), 3);
    inPrice_ = inputBox(this, "InPrice", 3);
    descriptive(this, "Label3", QStringLiteral(" Number of Shares."), 4);
    inNumber_ = inputBox(this, "InNumber", 4);
    descriptive(this, "Label5", QStringLiteral(" Total Commission or Fees."), 5);
    inComm_ = inputBox(this, "InComm", 5);
    descriptive(this, "Label6", QStringLiteral(" Total of Cash Dividends."), 6);
    inCashDiv_ = inputBox(this, "InCashDiv", 6);
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
    auto* fundsCaption = makeLabel(label15, QStringLiteral("Label15a"), QStringLiteral("Funds ="),
                                   120, 30, 900, 300);
    numFunds_ = result(label15, "NumFunds", 1020, 15, 840);
    auto* recordsCaption = makeLabel(label15, QStringLiteral("Label15b"),
                                     QStringLiteral("Records ="), 2160, 30, 1200, 300);
    numRec_ = result(label15, "NumRec", 3480, 15, 1020);
    Q_UNUSED(fundsCaption);
    Q_UNUSED(recordsCaption);
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

    setTabOrder(funds_, inTrans_);
    setTabOrder(inTrans_, inDate_);
    setTabOrder(inDate_, inPrice_);
    setTabOrder(inPrice_, inNumber_);
    setTabOrder(inNumber_, inComm_);
    setTabOrder(inComm_, inCashDiv_);
    setTabOrder(inCashDiv_, addaRec_);

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
        if (key == keycode::Backspace) return key;
        if (key == keycode::Enter && !inTrans_->text().isEmpty()) {
            inDate_->setFocus(Qt::TabFocusReason);
            return 0;
        }
        const QString letter = key > 0 && key < 0x10000 ? QString(QChar(key)).toUpper() : QString();
        if (letter.size() == 1 && QStringLiteral("BSCDFU").contains(letter)) {
            ResetCodeEntry();
            if (EntryOpen()) HideBoxesForCode(letter);
            return key;
        }
        inTrans_->setText(key >= 32 ? QString(QChar(key)) : QString());
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

    KeyHook::on(inDate_)->keyPress = [this](int key) {
        if (key == keycode::Enter) {
            const QString c = CodeText();
            if (c == u"C")
                inCashDiv_->setFocus(Qt::TabFocusReason);
            else if (c == u"F")
                inComm_->setFocus(Qt::TabFocusReason);
            else
                inPrice_->setFocus(Qt::TabFocusReason);
            return 0;
        }
        if (key == keycode::Backspace || (key >= '0' && key <= '9') || key == '/' || key == '.' ||
            key == '-' || key == ' ')
            return key;
        dialogs::beep();
        return 0;
    };

    for (QLineEdit* box : {inPrice_, inNumber_, inComm_, inCashDiv_}) {
        KeyHook::on(box)->keyPress = [this, box](int key) {
            if (key == keycode::Enter) {
                const QString c = CodeText();
                QWidget* next = addaRec_;
                if (box == inPrice_)
                    next = inNumber_;
                else if (box == inNumber_)
                    next = (c == u"D" || c == u"U") ? static_cast<QWidget*>(addaRec_) : inComm_;
                else if (box == inComm_)
                    next = QStringLiteral("BSUDF").contains(c) && !c.isEmpty()
                               ? static_cast<QWidget*>(addaRec_)
                               : inCashDiv_;
                next->setFocus(Qt::TabFocusReason);
                return 0;
            }
            // The first key typed into a box replaces what it showed.
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

    for (QWidget* w : {static_cast<QWidget*>(inTrans_), static_cast<QWidget*>(inDate_),
                       static_cast<QWidget*>(inPrice_), static_cast<QWidget*>(inNumber_),
                       static_cast<QWidget*>(inComm_), static_cast<QWidget*>(inCashDiv_)})
        w->installEventFilter(this);
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
    return inTrans_->text().trimmed().left(1).toUpper();
}

QString RecordEntry::CurrentFundName() const {
    const AppState& s = State();
    const int f = s.CurrentFund;
    if (f < 0 || f >= static_cast<int>(s.FundNames.size())) return QString();
    return s.FundNames[static_cast<size_t>(f)].FundName;
}

int RecordEntry::BoxIndex(QLineEdit* box) const {
    if (box == inPrice_) return 1;
    if (box == inNumber_) return 2;
    if (box == inComm_) return 3;
    if (box == inCashDiv_) return 4;
    return 0;
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
            if (!checkingDate_ && !leavingWindow && !CodeText().isEmpty() &&
                !inDate_->text().trimmed().isEmpty() && !dates::fromText(inDate_->text())) {
                checkingDate_ = true;
                dialogs::message(QStringLiteral("Correct date format is ") + State().DateExample,
                                 QStringLiteral("Invalid Date"));
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
    const int i = BoxIndex(box);
    Money value;
    try {
        value = Money::fromDouble(LeadingNumber(box->text()));
    } catch (const MoneyOverflow&) {
        dialogs::beep();
        value = Money();
    }
    EntryValues[static_cast<size_t>(i)] = value;
    const QString shown = Format(value, kFigurePicture);
    box->setText(box == inNumber_ ? shown : State().CurrencySymbol + shown);
}

void RecordEntry::ShowCounts() {
    numFunds_->setText(NumText(State().FundCount()));
    numRec_->setText(NumText(State().RecordCount));
}

void RecordEntry::ClearEntryBoxes() {
    for (QLineEdit* box : {inTrans_, inDate_, inPrice_, inNumber_, inComm_, inCashDiv_})
        box->clear();
    label8_->clear();
    label13_->clear();
}

void RecordEntry::LockEntryBoxes() {
    for (QLineEdit* box : {inTrans_, inDate_, inPrice_, inNumber_, inComm_, inCashDiv_})
        box->setEnabled(false);
}

void RecordEntry::EnableEntryBoxes() {
    const bool correcting = State().CallMode == 1;
    const QString c = correcting ? CodeText() : QString();
    inTrans_->setEnabled(!correcting);
    inDate_->setEnabled(true);
    const bool priced = !correcting || c == u"B" || c == u"S" || c == u"D" || c == u"U";
    inPrice_->setEnabled(priced);
    inNumber_->setEnabled(priced);
    inComm_->setEnabled(!correcting || c == u"B" || c == u"S" || c == u"F");
    inCashDiv_->setEnabled(!correcting || c == u"C");
}

void RecordEntry::ResetCodeEntry() {
    for (QLineEdit* box : {inPrice_, inNumber_, inComm_, inCashDiv_}) box->setVisible(true);
    inTrans_->clear();
}

void RecordEntry::HideBoxesForCode(const QString& c) {
    if (c == u"B" || c == u"S") {
        inCashDiv_->hide();
    } else if (c == u"C") {
        inPrice_->hide();
        inNumber_->hide();
        inComm_->hide();
    } else if (c == u"D" || c == u"U") {
        inComm_->hide();
        inCashDiv_->hide();
    } else if (c == u"F") {
        inPrice_->hide();
        inNumber_->hide();
        inCashDiv_->hide();
    }
}

void RecordEntry::SetToolButtonsVisible(bool visible) {
    for (QPushButton* b : {createfund_, delRec_, correctrec_, exBut_, prevRec_, nextRec_})
        b->setVisible(visible);
}

void RecordEntry::DisplayRecord(int k) {
    const AppState& s = State();
    const FundRecord& r = s.Records[static_cast<size_t>(k)];
    inTrans_->setText(TypeDescription(k));
    if (r.TradeDate.typeId() == QMetaType::QDate)
        inDate_->setText(dates::toText(r.TradeDate.toDate()));
    else
        inDate_->setText(r.TradeDate.toString());
    EntryValues[1] = r.Price;
    inPrice_->setText(r.Price.isZero() ? QString() : moneyText(r.Price));
    EntryValues[2] = r.Shares.abs();
    inNumber_->setText(Format(EntryValues[2], kFigurePicture));
    EntryValues[3] = r.Fee;
    inComm_->setText(r.Fee.isZero() ? QString() : moneyText(r.Fee));
    EntryValues[4] = r.CashDiv;
    inCashDiv_->setText(r.CashDiv.isZero() ? QString() : moneyText(r.CashDiv));
    label13_->setText(moneyText(r.BookValue));
}

void RecordEntry::ShowNextRecord() {
    AppState& s = State();
    if (const int k = NextFundRecord(s.BrowsePos, s.BrowseFund)) {
        s.BrowsePos = s.ShownRecord = static_cast<int16_t>(k);
        DisplayRecord(k);
    }
}

void RecordEntry::ShowPrevRecord() {
    AppState& s = State();
    if (const int k = PreviousFundRecord(s.BrowsePos, s.BrowseFund)) {
        s.BrowsePos = s.ShownRecord = static_cast<int16_t>(k);
        DisplayRecord(k);
    }
}

void RecordEntry::ShowRecordPosition() {
    const AppState& s = State();
    if (const int PositionCount = FundRecordPosition(s.ShownRecord, s.BrowseFund))
        label8_->setText(NumText(PositionCount));
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
    if (index < 0 || index >= s.FundCount()) return;
    if (funds_->currentIndex() != index) {
        const QSignalBlocker block(funds_);
        funds_->setCurrentIndex(index);
    }
    // The line chosen, not the first or last fund of the same name.
    s.CurrentFund = static_cast<int16_t>(index + 1);
    s.BrowseFund = s.CurrentFund;
    nextRec_->setEnabled(true);
    s.BrowsePos = 1;
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
    AppState& s = State();
    s.BrowsePos += 1;
    ShowNextRecord();
    ShowRecordPosition();
    prevRec_->setEnabled(true);
    if (s.BrowsePos != s.ShownRecord) {
        s.BrowsePos = s.ShownRecord;
        nextRec_->setEnabled(false);
        dialogs::beep();
    }
}

void RecordEntry::PreviousRecord() {
    AppState& s = State();
    s.BrowsePos -= 1;
    ShowPrevRecord();
    ShowRecordPosition();
    nextRec_->setEnabled(true);
    if (s.BrowsePos != s.ShownRecord) {
        s.BrowsePos = s.ShownRecord;
        nextRec_->setFocus(Qt::OtherFocusReason);
        prevRec_->setEnabled(false);
        dialogs::beep();
    }
}

void RecordEntry::AddNewFund() {
    AppState& s = State();
    s.CallMode = 0;
    const QString name = AskName(QString(), this);
    if (name == u"1" || name.isEmpty()) return;
    if (s.FundCount() >= kMaxFunds) {
        dialogs::message(QStringLiteral("Funds are limited to 30. \r\nYou will have to start a "
                                        "new\r\n File."),
                         QStringLiteral("Help"));
        return;
    }
    s.FundCount() += 1;
    s.CurrentFund = s.FundCount();
    FundNameRow& row = s.FundNames[static_cast<size_t>(s.CurrentFund)];
    row.FundName = name;
    row.FundNumberText = NumText(s.CurrentFund);
    EnableEntryBoxes();
    {
        const QSignalBlocker block(funds_);
        funds_->addItem(name);
        funds_->setCurrentIndex(funds_->count() - 1);
    }
    s.BrowseFund = s.FundCount();
    s.BrowsePos = 0;
    ClearEntryBoxes();
    ShowCounts();
    BeginEntry();
}

void RecordEntry::BeginEntry() {
    AppState& s = State();
    const bool correcting = s.CallMode == 1;
    if (!EntryOpen() && (funds_->currentText() != CurrentFundName() || s.CurrentFund < 1 ||
                         s.CurrentFund > s.FundCount())) {
        if (correcting)
            dialogs::message(QStringLiteral("No Record selected. See Entry Help."),
                             QStringLiteral("Correct Record"));
        else
            dialogs::message(QStringLiteral("No Fund selected. See Entry Help."),
                             QStringLiteral("Add Record"));
        s.CallMode = 0;
        return;
    }
    if (!EntryOpen() && correcting && inTrans_->text().isEmpty()) {
        dialogs::message(QStringLiteral("No Record to Correct."), QStringLiteral("Correct Record"));
        s.CallMode = 0;
        return;
    }
    if (!EntryOpen()) {
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

bool RecordEntry::CheckEntry() {
    EntryFailed = 0;
    const bool correcting = State().CallMode == 1;
    if (inDate_->text().trimmed().isEmpty()) {
        dialogs::message(QStringLiteral("Record not saved. Must have a date."),
                         QStringLiteral("Entry Error"));
        RejectEntry();
        return false;
    }
    const EntryFigures f{EntryValues[1], EntryValues[2], EntryValues[3], EntryValues[4]};
    if (EntryMatchesCode(CodeText(), f)) return true;
    RejectMismatchedEntry(correcting);
    return false;
}

// The entry does not match its code as Entry Help shows it: said, and dropped.
void RecordEntry::RejectMismatchedEntry(bool correcting) {
    dialogs::message((correcting ? QStringLiteral("Record not Corrected.")
                                 : QStringLiteral("Record not Saved.")) +
                         QStringLiteral(" Entries must be exactly\r\nas shown in Entry Help. "
                                        "Select it,\r\nthen Pg/Dn to your transaction type."),
                     QStringLiteral("Entry Error"));
    RejectEntry();
}

void RecordEntry::StoreRecord() {
    AppState& s = State();
    if (!CheckEntry()) return;
    const bool correcting = s.CallMode == 1;
    // The limit is for adding; a correction changes a record already there.
    if (!correcting && s.RecordCount >= kMaxRecords) {
        dialogs::message(QStringLiteral("Files are limited to 1000 records\r\nYou will have to "
                                        "start a new\r\nFile."),
                         QStringLiteral("Help"));
        s.CallMode = 0;
        RejectEntry();
        return;
    }
    const auto date = dates::fromText(inDate_->text());
    if (!date) {
        dialogs::message(QStringLiteral("Correct date format is ") + s.DateExample,
                         QStringLiteral("Invalid Date"));
        RejectEntry();
        return;
    }
    if (correcting && (s.BrowsePos < 1 || s.BrowsePos > s.RecordCount)) {
        RejectEntry();
        return;
    }
    const EntryFigures f{EntryValues[1], EntryValues[2], EntryValues[3], EntryValues[4]};
    FundRecord record;
    try {
        record = MakeRecord(s.CurrentFund, CodeText(), *date, f);
    } catch (const MoneyOverflow&) {
        RejectMismatchedEntry(correcting);
        return;
    }
    int r = s.BrowsePos;
    if (!correcting) {
        s.RecordCount += 1;
        r = s.RecordCount;
    }
    s.FundNames[static_cast<size_t>(s.CurrentFund)].FundName = funds_->currentText();
    s.Records[static_cast<size_t>(r)] = record;
    s.BrowsePos = static_cast<int16_t>(r);
    ShowNextRecord();
    ShowRecordPosition();
    ShowCounts();
    ShowFileInfo();
    FlashDone();
    LockEntryBoxes();
    s.CallMode = 0;
}

void RecordEntry::DeleteRecord() {
    AppState& s = State();
    if (funds_->currentText() != CurrentFundName() || s.CurrentFund < 1 ||
        s.CurrentFund > s.FundCount()) {
        dialogs::message(QStringLiteral("No Record Selected. See Entry Help."),
                         QStringLiteral("Delete Record"));
        return;
    }
    if (dialogs::message(QStringLiteral("Are you sure you wish to delete the current record."),
                         QStringLiteral("Help"), dialogs::Buttons::OkCancel) != dialogs::Answer::Ok)
        return;
    const int fund = s.CurrentFund;
    if (FundRecordCount(fund) == 0) {
        // The empty fund goes; the others close up and stay in name order.
        RemoveFundSlot(fund);
        SortFunds();
        s.CurrentFund = 0;
        Windows().unload(kRecordEntry);
        Windows().show(QStringLiteral("FundMenu"));
        ShowFileInfo();
        return;
    }
    // Exactly the record shown goes; the rest stay in order.
    const int shown = s.BrowsePos;
    if (shown < 1 || shown > s.RecordCount ||
        s.Records[static_cast<size_t>(shown)].FundNo != Money::fromInt(fund)) {
        dialogs::message(QStringLiteral("No Record Selected. See Entry Help."),
                         QStringLiteral("Delete Record"));
        return;
    }
    RemoveRecord(shown);
    SortRecords();
    ShowCounts();
    ShowFileInfo();
    ClearEntryBoxes();
    s.BrowsePos = 1;
    FlashDone();
    ShowNextRecord();
    ShowRecordPosition();
    if (inTrans_->text().isEmpty()) s.BrowsePos = 0;
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
