#include "investments/model/record_entry.h"

#include <QStringList>

#include "common/dates.h"
#include "common/key_filters.h"
#include "common/number_format.h"

QString EntryCode(const QString& codeBoxText) {
    return codeBoxText.trimmed().left(1).toUpper();
}

QString TypeCodeOfKey(int key) {
    const QString letter = key > 0 && key < 0x10000 ? QString(QChar(key)).toUpper() : QString();
    if (letter.size() == 1 && QStringLiteral("BSCDFU").contains(letter)) return letter;
    return QString();
}

CodeKey ReadCodeKey(int key, bool boxEmpty) {
    if (key == keycode::Backspace) return {CodeKey::Pass, {}};
    if (key == keycode::Enter && !boxEmpty) return {CodeKey::ToDate, {}};
    if (QString letter = TypeCodeOfKey(key); !letter.isEmpty()) return {CodeKey::Code, letter};
    return {CodeKey::Refused, key >= 32 ? QString(QChar(key)) : QString()};
}

EntryBoxes BoxesForCode(const QString& code) {
    if (code == u"B" || code == u"S") return {.price = true, .shares = true, .fee = true};
    if (code == u"C") return {.cashDiv = true};
    if (code == u"D" || code == u"U") return {.price = true, .shares = true};
    if (code == u"F") return {.fee = true};
    return {};
}

int FigureIndex(EntryField field) {
    switch (field) {
        case EntryField::Price:
            return 1;
        case EntryField::Shares:
            return 2;
        case EntryField::Fee:
            return 3;
        case EntryField::CashDiv:
            return 4;
        default:
            return 0;
    }
}

EntryField NextFieldOnEnter(EntryField from, const QString& code) {
    switch (from) {
        case EntryField::Code:
            return EntryField::Date;
        case EntryField::Date:
            if (code == u"C") return EntryField::CashDiv;
            if (code == u"F") return EntryField::Fee;
            return EntryField::Price;
        case EntryField::Price:
            return EntryField::Shares;
        case EntryField::Shares:
            return code == u"D" || code == u"U" ? EntryField::Save : EntryField::Fee;
        case EntryField::Fee:
            return !code.isEmpty() && QStringLiteral("BSUDF").contains(code) ? EntryField::Save
                                                                             : EntryField::CashDiv;
        case EntryField::CashDiv:
        case EntryField::Save:
            break;
    }
    return EntryField::Save;
}

bool DateKeyAccepted(int key) {
    return key == keycode::Backspace || (key >= '0' && key <= '9') || key == '/' || key == '.' ||
           key == '-' || key == ' ';
}

bool DateNeedsCorrection(const QString& code, const QString& dateText) {
    return !code.isEmpty() && !dateText.trimmed().isEmpty() && !dates::fromText(dateText);
}

QString FigureText(Money value, const QString& currency) {
    return currency + Format(value, QStringLiteral("####,,##0.0000"));
}

TypedFigure ReadTypedFigure(const QString& text, const QString& currency) {
    TypedFigure t;
    try {
        t.value = Money::fromDouble(LeadingNumber(text));
    } catch (const MoneyOverflow&) {
        t.value = Money();
        t.outOfRange = true;
    }
    t.shown = FigureText(t.value, currency);
    return t;
}

EntryCheck CheckRecordEntry(const QString& dateText, const QString& code, const EntryFigures& f) {
    if (dateText.trimmed().isEmpty()) return EntryCheck::NoDate;
    return EntryMatchesCode(code, f) ? EntryCheck::Accepted : EntryCheck::Mismatch;
}

bool EntryMatchesCode(const QString& code, const EntryFigures& f) {
    const Money zero;
    const QString c = EntryCode(code);
    const bool priced = f.price > zero && f.shares > zero;
    if (c == u"B" || c == u"S") return priced && f.cashDiv == zero;
    if (c == u"D" || c == u"U") return priced && f.fee == zero && f.cashDiv == zero;
    if (c == u"C") return f.price == zero && f.shares == zero && f.fee == zero && f.cashDiv > zero;
    if (c == u"F") return f.price == zero && f.shares == zero && f.fee > zero && f.cashDiv == zero;
    return false;
}

FundRecord MakeRecord(int fund, const QString& code, const QDate& date, const EntryFigures& f) {
    FundRecord r;
    r.FundNo = Money::fromInt(fund);
    r.TypeCode = EntryCode(code);
    r.TradeDate = date;
    r.Price = f.price;
    r.Shares = f.shares;
    r.Fee = f.fee;
    r.CashDiv = f.cashDiv;
    const QString& c = r.TypeCode;
    if (c == u"S") r.Shares = -r.Shares;
    if (c == u"C") r.BookValue = -r.CashDiv;
    if (c == u"D") r.BookValue = Money();
    if (c == u"F" && r.Price.isZero() && r.Shares.isZero()) r.BookValue = r.Fee;
    if (c == u"U" && r.Shares > Money()) {
        r.Shares = -r.Shares;
        r.BookValue = Money();
    }
    if (c == u"B" || c == u"S") r.BookValue = r.Price * r.Shares + r.Fee;
    return r;
}

QString CodeLegend() {
    return QStringLiteral(
        " B= Bought               S=Sold          D=Dividend Shares   C=Cash Dividend     F=Fee "
        "Cash    U=Unit/Share Fee");
}

QString EntryHelpText(const QString& dateExample) {
    const QString date = u' ' + dateExample;
    QStringList l;
    l << QStringLiteral(
             "On startup the edit/display form on left will be blank, if you have loaded a file "
             "then click on DnArrow beside Name of Fund to see list of funds in the file, select a "
             "company by clicking it and its records will be shown.")
      << QString()
      << QStringLiteral(
             "You must use the Add New Fund, Add Record or Correct Record buttons to activate the "
             "record form for data entry  - all toolbar buttons will disappear and be replaced "
             "with Save Record button.")
      << QString()
      << QStringLiteral(
             "When a transaction code is chosen only the input boxes required will be "
             "shown.")
      << QString()
      << QStringLiteral(
             "It is important to choose the right code for a transaction as this code "
             "is used by the program to calculate results.")
      << QString()
      << QStringLiteral(
             "The following 6 examples cover all possible transactions - most people "
             "will use only 3 of them.")
      << QString() << QStringLiteral("              To Create a New File.")
      << QStringLiteral("With no file loaded.")
      << QStringLiteral("Click Add New Fund, type the fund name, Ok.")
      << QStringLiteral("Type the Transaction Type Code.") << QStringLiteral("Type the date.")
      << QStringLiteral("Type your data in the input boxes shown, click Save Record.")
      << QStringLiteral("Add more funds to the file at anytime by clicking Add New Fund.")
      << QStringLiteral(
             "To add additional records to a company, select it from the fund list so "
             "that it shows in the Name of Fund box. Click Add Record and enter your "
             "data then click Save Record.")
      << QStringLiteral(
             "Save and name your file with Save Current File to Disk from the Fund "
             "Management Menu.");
    struct Example {
        QStringList heading;
        const char* code;
        QStringList values;
    };
    const Example examples[] = {
        {{QStringLiteral(" Shows data entry for shares Bought.")},
         " B",
         {QStringLiteral(" 10.00"), QStringLiteral(" 100"), QStringLiteral(" 50.00 or 0")}},
        {{QStringLiteral(" Shows data entry for shares Sold. ")},
         " S",
         {QStringLiteral(" 10.00"), QStringLiteral(" 100"), QStringLiteral(" 50.00 or 0")}},
        {{QStringLiteral(" Shows data entry for total Cash Dividends.")},
         " C",
         {QStringLiteral(" 100.00")}},
        {{QStringLiteral(" Shows data entry for shares received as"),
          QStringLiteral(" Dividends. (Mainly used by Mutual Funds).")},
         " D",
         {QStringLiteral(" 10.00"), QStringLiteral(" 10")}},
        {{QStringLiteral(" Shows data entry for a cash Fee charged"),
          QStringLiteral(" that was not part of a trade.")},
         " F",
         {QStringLiteral(" 100.00 ")}},
        {{QStringLiteral(" Shows data entry for Units/Shares sold to"),
          QStringLiteral(" pay Management Fee. (Mutual Funds).")},
         " U",
         {QStringLiteral(" 10.00"), QStringLiteral(" 5")}},
    };
    for (const Example& e : examples) {
        l << QString() << e.heading << QString::fromLatin1(e.code) << date << e.values;
    }
    l << QString()
      << QStringLiteral(
             "Record: Clicking Previous or Next will scroll through the selected Fund "
             "and show its records and number.")
      << QString() << QStringLiteral("Correct Record: With the record displayed.")
      << QStringLiteral(
             "click Correct Record button. Only cells used by that transaction type "
             "code will be active. ")
      << QStringLiteral("Make your changes then click Save Record.")
      << QStringLiteral("Name or Type Code cannot be changed.") << QString()
      << QStringLiteral("Click Delete Record to delete record shown.")
      << QStringLiteral(
             "To Delete a Fund Name all records in Fund must be deleted first. With no "
             "records left in Fund, Delete Record will delete the Fund Name from File.")
      << QString()
      << QStringLiteral(
             "Book Value: A positive figure represents cash paid out by you, a negative "
             "figure cash received.")
      << QString() << QStringLiteral("Load the file DtaSampl.WMS and try out all the features.")
      << QStringLiteral("For greater detail read 'How to use the Program'.") << QString()
      << QStringLiteral("End");
    return l.join(QStringLiteral("\r\n"));
}
