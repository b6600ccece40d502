#include "common/field_codec.h"

#include <QStringDecoder>
#include <string>

namespace {

// Windows-1252 code points for bytes 0x80..0x9F (0 where the code page has none).
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int cp1252Byte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
    // The five bytes the code page leaves unassigned were read as themselves.
    if (c >= 0x80 && c <= 0x9F && kCp1252High[c - 0x80] == 0) return c;
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] == c && c != 0) return 0x80 + i;
    return -1;
}

}  // namespace

QString decodeFileText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    text.clear();
    text.reserve(bytes.size());
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        if (u >= 0x80 && u <= 0x9F) {
            const char16_t c = kCp1252High[u - 0x80];
            text += QChar(c ? c : u);
        } else {
            text += QChar(u);
        }
    }
    return text;
}

QByteArray encodeFileText(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    bool high = false;
    for (QChar c : text) {
        const int b = cp1252Byte(c.unicode());
        if (b < 0) return text.toUtf8();
        high = high || b >= 0x80;
        out += static_cast<char>(b);
    }
    // Bytes such as "\xC9\xAE" (an accented capital followed by a sign) are
    // valid UTF-8 as well and would read back as another letter.
    if (high) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString probe = utf8.decode(out);  // decodes only when taken as a QString
        if (!utf8.hasError()) return text.toUtf8();
    }
    return out;
}

QString WithoutControlCharacters(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // The five bytes Windows-1252 leaves unassigned are read as the C1
        // characters of the same number; they stay, so that such a file of the
        // earlier version is written back as it was.
        if (c.category() == QChar::Other_Control &&
            (c.unicode() < 0x80 || c.unicode() > 0x9F || kCp1252High[c.unicode() - 0x80] != 0))
            continue;
        if (c.isHighSurrogate()) {
            if (i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
                out += c;
                out += text[++i];
            }
            continue;
        }
        if (c.isLowSurrogate()) continue;
        out += c;
    }
    return out;
}

void FieldWriter::separator() {
    if (lineStarted_) out_ += u',';
    lineStarted_ = true;
}

void FieldWriter::text(const QString& value) {
    separator();
    QString v = WithoutControlCharacters(value);
    v.replace(u'"', u'\'');
    out_ += u'"' + v + u'"';
}

void FieldWriter::number(Money value) {
    separator();
    out_ += value.toFileText();
}

void FieldWriter::integer(int64_t value) {
    separator();
    out_ += QString::number(value);
}

void FieldWriter::date(const QDate& value) {
    separator();
    out_ += u'#' + value.toString(QStringLiteral("yyyy-MM-dd")) + u'#';
}

void FieldWriter::endLine() {
    out_ += QStringLiteral("\r\n");
    lineStarted_ = false;
}

FieldReader::FieldReader(const QByteArray& bytes) : s_(decodeFileText(bytes)) {}
FieldReader::FieldReader(QString text) : s_(std::move(text)) {}

void FieldReader::fail(const char* what) const {
    throw FormatError(std::string(what) + " at line " + std::to_string(line_));
}

void FieldReader::skipBlanks() {
    while (pos_ < s_.size() && (s_[pos_] == u' ' || s_[pos_] == u'\t')) ++pos_;
}

bool FieldReader::atEnd() const {
    for (qsizetype i = pos_; i < s_.size(); ++i) {
        const QChar c = s_[i];
        if (c != u' ' && c != u'\t' && c != u'\r' && c != u'\n' && c != QChar(0x1A)) return false;
    }
    return true;
}

// After a field: blanks, then a comma or a line end (or the end of the text).
void FieldReader::endOfField() {
    skipBlanks();
    if (pos_ >= s_.size()) return;
    const QChar c = s_[pos_];
    if (c == u',') {
        ++pos_;
    } else if (c == u'\r') {
        ++pos_;
        if (pos_ < s_.size() && s_[pos_] == u'\n') ++pos_;
        ++line_;
    } else if (c == u'\n') {
        ++pos_;
        ++line_;
    } else {
        fail("unexpected character after a field");
    }
}

Field FieldReader::field() {
    // A field may start a new line: blank lines between records are skipped.
    while (true) {
        skipBlanks();
        if (pos_ >= s_.size() || s_[pos_] == QChar(0x1A)) fail("input past end of file");
        if (s_[pos_] == u'\r' || s_[pos_] == u'\n') {
            if (s_[pos_] == u'\r' && pos_ + 1 < s_.size() && s_[pos_ + 1] == u'\n') ++pos_;
            ++pos_;
            ++line_;
            continue;
        }
        break;
    }
    Field f;
    const QChar c = s_[pos_];
    if (c == u'"' || c == u'#') {
        const qsizetype close = s_.indexOf(c, pos_ + 1);
        if (close < 0) fail("unterminated field");
        f.text = s_.mid(pos_ + 1, close - pos_ - 1);
        if (f.text.contains(u'\n') || f.text.contains(u'\r')) fail("line end inside a field");
        pos_ = close + 1;
        if (c == u'"') {
            f.kind = Field::Kind::Quoted;
        } else {
            f.kind = Field::Kind::Date;
            f.date = QDate::fromString(f.text.trimmed(), QStringLiteral("yyyy-MM-dd"));
            if (!f.date.isValid()) fail("not a date");
        }
    } else {
        qsizetype end = pos_;
        while (end < s_.size() && s_[end] != u',' && s_[end] != u'\r' && s_[end] != u'\n') ++end;
        f.text = s_.mid(pos_, end - pos_).trimmed();
        f.kind = f.text.isEmpty() ? Field::Kind::Empty : Field::Kind::Bare;
        pos_ = end;
    }
    endOfField();
    return f;
}

QString FieldReader::text() {
    Field f = field();
    if (f.kind == Field::Kind::Date) fail("date where a text was expected");
    return WithoutControlCharacters(f.text);
}

int64_t FieldReader::integer() {
    Field f = field();
    if (f.kind == Field::Kind::Empty) return 0;
    if (f.kind != Field::Kind::Bare) fail("not a number");
    bool ok = false;
    const qlonglong v = f.text.toLongLong(&ok);
    if (!ok) fail("not a whole number");
    return v;
}

Money FieldReader::money() {
    Field f = field();
    if (f.kind == Field::Kind::Empty) return Money();
    if (f.kind != Field::Kind::Bare) fail("not a number");
    const auto m = Money::parse(f.text);
    if (!m) fail("not a number");
    return *m;
}

QDate FieldReader::date() {
    Field f = field();
    if (f.kind != Field::Kind::Date) fail("not a date");
    return f.date;
}
