#include "networth/model/networth_statement.h"

#include <QStringList>

#include "common/number_format.h"
#include "networth/model/networth_file.h"

namespace {

SharedTable<NetCell>& tableOf(NetTables& t, bool liabilities) {
    return liabilities ? t.liabilities : t.assets;
}

int& countOf(NetTables& t, bool liabilities) {
    return liabilities ? t.liabilityCount : t.assetCount;
}

bool rowIsEmpty(const SharedTable<NetCell>& t, int row) {
    return CellIsEmpty(t(row, 0)) && CellIsEmpty(t(row, 1));
}

// One table compacted: its rows, count and total.
struct Compacted {
    SharedTable<NetCell> table;
    int count = 0;
    Money total;
};

Compacted compact(const SharedTable<NetCell>& source) {
    Compacted c;
    c.table.create(kNetRows, 2);
    double subTotal = 0;
    for (int i = 1; i <= kNetWorkingRows; ++i) {
        const QString name = CellName(source(i, 0));
        if (name.isEmpty()) continue;  // a row without a name vanishes, value and all
        const int k = ++c.count;
        c.table(k, 0) = source(i, 0);
        c.table(k, 1) = source(i, 1);
        const bool subTotalRow = IsSubTotalName(name);
        if (subTotalRow) c.table(k, 1) = EmptyCell();
        const double value = CellNumber(c.table(k, 1));
        subTotal += value;
        c.total += Money::fromDouble(value);
        if (subTotalRow) {
            // A sub total that comes out as it stood keeps the text it was read as.
            const NetCell& before = source(i, 1);
            const QString fileText =
                before.kind == NetCell::Kind::Number &&
                        NumberFileText(before.number) == NumberFileText(subTotal)
                    ? before.text
                    : QString();
            c.table(k, 1) = NumberCell(subTotal, fileText);
            subTotal = 0;
        }
    }
    return c;
}

}  // namespace

NetCell EmptyCell() {
    return NetCell();
}

NetCell TextCell(const QString& text) {
    NetCell c;
    c.kind = NetCell::Kind::Text;
    c.text = text;
    return c;
}

NetCell NumberCell(double value, const QString& fileText) {
    NetCell c;
    c.kind = NetCell::Kind::Number;
    c.number = value;
    c.text = fileText;
    return c;
}

QString CellName(const NetCell& cell) {
    switch (cell.kind) {
        case NetCell::Kind::Text:
            return cell.text;
        case NetCell::Kind::Number:
            return NumText(cell.number).trimmed();
        default:
            return QString();
    }
}

double CellNumber(const NetCell& cell) {
    switch (cell.kind) {
        case NetCell::Kind::Number:
            return cell.number;
        case NetCell::Kind::Text:
            return LeadingNumber(cell.text);
        default:
            return 0;
    }
}

bool CellIsEmpty(const NetCell& cell) {
    return cell.kind == NetCell::Kind::Empty ||
           (cell.kind == NetCell::Kind::Text && cell.text.isEmpty());
}

NetTables EmptyNetTables() {
    NetTables t;
    t.assets.create(kNetRows, 2);
    t.liabilities.create(kNetRows, 2);
    return t;
}

bool NetHasData(const NetTables& tables) {
    for (const SharedTable<NetCell>* t : {&tables.assets, &tables.liabilities})
        for (int r = 1; r < t->rows(); ++r)
            if (!rowIsEmpty(*t, r)) return true;
    return false;
}

bool IsSubTotalName(const QString& name) {
    return name.toUpper() == u"SUB TOTAL";
}

std::optional<NetTotals> CalcTotals(NetTables& s) {
    if (!s.assets.created() || !s.liabilities.created()) s = EmptyNetTables();
    try {
        Compacted assets = compact(s.assets);
        Compacted liabilities = compact(s.liabilities);
        NetTotals t{assets.total, liabilities.total, assets.total - liabilities.total};
        s.assets = std::move(assets.table);
        s.liabilities = std::move(liabilities.table);
        s.assetCount = assets.count;
        s.liabilityCount = liabilities.count;
        return t;
    } catch (const MoneyOverflow&) {
        return std::nullopt;
    }
}

bool InsertBlankLine(NetTables& tables, bool liabilities, int row) {
    if (row < 1 || row > kNetLastInsertRow) return false;
    SharedTable<NetCell>& t = tableOf(tables, liabilities);
    if (!t.created()) return false;
    // The last row in use: the calculated rows, and any typed below them.
    int last = countOf(tables, liabilities);
    for (int r = last + 1; r <= kNetWorkingRows; ++r)
        if (!rowIsEmpty(t, r)) last = r;
    if (last >= kNetWorkingRows) return false;  // the list is full
    for (int j = last + 1; j > row; --j) {
        t(j, 0) = t(j - 1, 0);
        t(j, 1) = t(j - 1, 1);
    }
    t(row, 0) = TextCell(QStringLiteral("BlankLine"));
    t(row, 1) = liabilities ? NumberCell(0) : EmptyCell();
    countOf(tables, liabilities) = last + 1;
    return true;
}

QString ValueText(const NetCell& cell) {
    if (cell.kind == NetCell::Kind::Empty) return QString();
    const double v = CellNumber(cell);
    return v > 0 ? Format(v, u"####,,###.00") : QString();
}

QString TotalText(Money total, const QString& currency) {
    return currency + Format(total, u"####,,##0.00");
}

QString NetWorthText(Money netWorth, const QString& currency) {
    return currency + Format(netWorth, u"####,,###.00");
}

KeyEffect TypeIntoCell(int column, int key, QString& typed, NetCell& cell, QString& shown) {
    const bool value = column == 1;
    if (key == 8) {  // Backspace
        if (value) {
            typed.clear();
            cell = EmptyCell();
            shown.clear();
        } else {
            typed = shown;
            typed.chop(1);
            cell = TextCell(typed);
            shown = typed;
        }
        return KeyEffect::Changed;
    }
    const QChar c(static_cast<char16_t>(key));
    if (value) {
        if (c != u'.' && (c < u'0' || c > u'9')) return KeyEffect::Refused;
        const QString next = typed + c;
        const qsizetype point = next.indexOf(u'.');
        // At most two decimals.
        if (point >= 0 && typed.size() >= point + 3) return KeyEffect::Ignored;
        const double v = LeadingNumber(next);
        try {
            (void)Money::fromDouble(v);  // an amount the totals can hold
        } catch (const MoneyOverflow&) {
            return KeyEffect::Refused;
        }
        typed = next;
        cell = NumberCell(v);
        shown = Format(v, u"###,,###.00");
        return KeyEffect::Changed;
    }
    // A quote cannot be stored in the file; control characters and halves of
    // a character pair are never part of a name.
    if (c == u'"') return KeyEffect::Refused;
    if (key < 32 || key == 127 || c.category() == QChar::Other_Control || c.isSurrogate() ||
        c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
        return KeyEffect::Ignored;
    typed += c;
    cell = TextCell(typed);
    shown = typed;
    return KeyEffect::Changed;
}

QString NetWorthHelpText() {
    const QStringList paragraphs = {
        QStringLiteral("                         To close this Help box click outside of box or "
                       "<ENTER>."),
        QStringLiteral("Open File from disk or start a new file. Load NetSampl.WMW to try out the "
                       "various features."),
        QStringLiteral("To start new file, Click on either spreadsheet, choose cell by clicking on "
                       "it or use arrow keys. Selected Cell will show dotted line around it, enter "
                       "your data."),
        QStringLiteral("Place catagory names in first column and values in the second column. "
                       "Delete an entry with the Backspace key."),
        QStringLiteral("Enter the exact words Sub Total in first column at the end of each group "
                       "where you want it to appear."),
        QStringLiteral("Empty rows are not allowed, for a blank row enter a space in column one. "
                       "(It's no longer empty). To remove a row, delete all entries in that row "
                       "then Calculate."),
        QStringLiteral("Column two will only accept figures and the period key as the decimal "
                       "separator. Names or Values can be changed at any time."),
        QStringLiteral("To insert a row, Click the row where it is required then the Insert Blank "
                       "Line button, type in the row number shown in the Dialog box then OK."),
        QStringLiteral("You must Calculate after any changes, to reformat the spreadsheet and "
                       "Totals."),
    };
    QString text;
    for (const QString& p : paragraphs) text += p + QStringLiteral("\r\n\r\n");
    return text + QString(70, u' ') + QStringLiteral("End");
}
