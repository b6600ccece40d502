#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <iterator>

#include "investments/model/record_entry.h"
#include "investments/ui/record_entry_window.h"
#include "platform/controls.h"
#include "platform/twips.h"

// The record window's form: where each control stands and how it looks.

namespace {

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

void RecordEntry::BuildForm() {
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
    label2_ = captions[1];
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
    label10_ = makeLabel(this, QStringLiteral("Label10"),
                         QStringLiteral("  Entry Help                          PgDn to End"), 4860,
                         120, 4500, kRowHeight, false);
    label10_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setBackColour(label10_, colours::Aqua);
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
}
