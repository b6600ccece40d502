// The field codec of the program's files: comma-separated fields, "strings", #dates#, CR LF lines.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <stdexcept>

#include "common/money.h"

// A file that ends early or breaks the field syntax.
class FormatError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Text of the program's files, decided from the whole file: UTF-8 when all of
// its bytes are valid UTF-8, otherwise Windows-1252 (the files of the earlier
// Windows version).
QString decodeFileText(const QByteArray& bytes);
// Windows-1252 when every character has a place there and those bytes cannot
// be taken for UTF-8 (no byte above 127, or not valid UTF-8); otherwise UTF-8.
// So decodeFileText gives back exactly the text written, and a file of the
// earlier version is written back byte for byte.
QByteArray encodeFileText(const QString& text);

// The text without control characters (C0, DEL and C1, but for the five C1
// characters that stand for the bytes Windows-1252 leaves unassigned) and
// without halves of surrogate pairs standing alone: what a name in a file may hold.
QString WithoutControlCharacters(QStringView text);

class FieldWriter {
  public:
    // In double quotes; a '"' cannot be stored and becomes '\'', control
    // characters are left out.
    void text(const QString& value);
    void number(Money value);  // plain decimal
    void integer(int64_t value);
    void date(const QDate& value);  // #yyyy-mm-dd#
    void endLine();                 // CR LF
    const QString& contents() const { return out_; }
    QByteArray bytes() const { return encodeFileText(out_); }

  private:
    void separator();
    QString out_;
    bool lineStarted_ = false;
};

// One field as read: its kind tells how it was written.
struct Field {
    enum class Kind { Empty, Quoted, Date, Bare };
    Kind kind = Kind::Empty;
    QString text;  // the contents (without quotes or #)
    QDate date;    // for Kind::Date
};

// Reads fields one after another, across line ends, as they were written.
// Every read past the end, or of a field of the wrong kind, throws FormatError.
class FieldReader {
  public:
    explicit FieldReader(const QByteArray& bytes);
    explicit FieldReader(QString text);

    Field field();
    QString text();      // a quoted (or bare) text field, without control characters
    int64_t integer();   // a bare whole number; an empty field reads as 0
    Money money();       // a bare decimal number; an empty field reads as 0
    QDate date();        // a #date# field
    bool atEnd() const;  // nothing but blanks and line ends remain
    int line() const { return line_; }

  private:
    [[noreturn]] void fail(const char* what) const;
    void skipBlanks();
    void endOfField();
    QString s_;
    qsizetype pos_ = 0;
    int line_ = 1;
};
