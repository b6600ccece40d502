#include "networth/model/networth_file.h"

#include <QStringList>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "common/field_codec.h"
#include "common/money.h"
#include "common/safe_read.h"
#include "common/safe_write.h"
#include "networth/model/networth_statement.h"

namespace {

constexpr int kFileRows = 31;  // rows 1..31 are in the file
constexpr qint64 kLargestFile = 16 * 1024 * 1024;

struct RawField {
    enum class Kind { Empty, Quoted, Bare };
    Kind kind = Kind::Empty;
    QString text;
};

// The fields of one line: separated by commas, a quoted field runs to the next
// double quote. Nothing when the line breaks that syntax.
std::optional<std::vector<RawField>> splitLine(QStringView line) {
    std::vector<RawField> fields;
    qsizetype pos = 0;
    const qsizetype n = line.size();
    auto skipBlanks = [&] {
        while (pos < n && (line[pos] == u' ' || line[pos] == u'\t')) ++pos;
    };
    while (true) {
        RawField f;
        skipBlanks();
        if (pos < n && line[pos] == u'"') {
            const qsizetype close = line.indexOf(u'"', pos + 1);
            if (close < 0) return std::nullopt;
            f.kind = RawField::Kind::Quoted;
            f.text = line.mid(pos + 1, close - pos - 1).toString();
            pos = close + 1;
            skipBlanks();
            if (pos < n && line[pos] != u',') return std::nullopt;
        } else {
            qsizetype end = pos;
            while (end < n && line[end] != u',') ++end;
            f.text = line.mid(pos, end - pos).trimmed().toString();
            f.kind = f.text.isEmpty() ? RawField::Kind::Empty : RawField::Kind::Bare;
            pos = end;
        }
        fields.push_back(std::move(f));
        if (pos >= n) break;
        ++pos;  // the comma
    }
    return fields;
}

// A plain number: sign, digits with an optional point, an optional exponent.
std::optional<double> parseNumber(const QString& text) {
    std::string s = text.toStdString();
    if (s.empty()) return std::nullopt;
    size_t i = 0;
    if (s[i] == '+' || s[i] == '-') ++i;
    bool digits = false, point = false;
    for (; i < s.size(); ++i) {
        if (s[i] >= '0' && s[i] <= '9') {
            digits = true;
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return std::nullopt;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        s[i] = 'e';
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j >= s.size()) return std::nullopt;
        for (; j < s.size(); ++j)
            if (s[j] < '0' || s[j] > '9') return std::nullopt;
    } else if (i != s.size()) {
        return std::nullopt;
    }
    const char* first = s.c_str();
    if (*first == '+') ++first;
    double v = 0;
    const auto [end, ec] = std::from_chars(first, s.c_str() + s.size(), v);
    if (ec != std::errc() || end != s.c_str() + s.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

// A cell of either column: a quoted field is text, a bare one a number, as
// the writer puts them (a name may be a number, a value a text).
std::optional<NetCell> tableCell(const RawField& f) {
    if (f.kind == RawField::Kind::Empty) return EmptyCell();
    if (f.kind == RawField::Kind::Quoted) return TextCell(WithoutControlCharacters(f.text));
    const auto v = parseNumber(f.text);
    if (!v) return std::nullopt;
    return NumberCell(*v, f.text);
}

std::optional<int> countField(const RawField& f) {
    if (f.kind == RawField::Kind::Empty) return 0;
    if (f.kind != RawField::Kind::Bare) return std::nullopt;
    bool ok = false;
    const int v = f.text.toInt(&ok);
    if (!ok || v < 0 || v > kNetWorkingRows) return std::nullopt;
    return v;
}

// A cell as the file holds it: text quoted (a double quote inside becomes a
// single one), a number as it was read or else in plain decimals, nothing for
// an empty cell.
QString cellField(const NetCell& c) {
    switch (c.kind) {
        case NetCell::Kind::Number:
            // A number read from a file is written as it was read.
            if (!c.text.isEmpty()) {
                const auto read = parseNumber(c.text);
                if (read && NumberFileText(*read) == NumberFileText(c.number)) return c.text;
            }
            return NumberFileText(c.number);
        case NetCell::Kind::Text:
            return u'"' + WithoutControlCharacters(c.text).replace(u'"', u'\'') + u'"';
        default:
            return QString();
    }
}

}  // namespace

QString NumberFileText(double value) {
    if (!std::isfinite(value) || value == 0) return QStringLiteral("0");
    const double magnitude = std::fabs(value);
    std::string out;
    if (magnitude < 1e13) {
        // 15 significant digits hold every amount in cents below 10 trillion.
        char buf[64];
        const auto [end, ec] =
            std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 14);
        if (ec != std::errc()) return QStringLiteral("0");
        const std::string sci(buf, end);  // d.dddddddddddddde+xx
        const size_t e = sci.find('e');
        std::string digits = sci.substr(0, 1) + sci.substr(2, e - 2);
        while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
        const int pointPos = std::stoi(sci.substr(e + 1)) + 1;  // digits before the point
        if (pointPos <= 0) {
            out.assign(1, '.');
            out.append(static_cast<size_t>(-pointPos), '0');
            out.append(digits);
        } else if (pointPos >= static_cast<int>(digits.size())) {
            out = digits + std::string(static_cast<size_t>(pointPos) - digits.size(), '0');
        } else {
            out = digits.substr(0, static_cast<size_t>(pointPos)) + "." +
                  digits.substr(static_cast<size_t>(pointPos));
        }
    } else {
        // Larger figures as the shortest text that reads back the same number.
        char buf[400];
        const auto [end, ec] =
            std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::fixed);
        if (ec != std::errc()) return QStringLiteral("0");
        out.assign(buf, end);
    }
    const QString text = QString::fromStdString(out);
    return value < 0 ? u'-' + text : text;
}

std::optional<NetTables> ParseNetWorth(const QByteArray& bytes) {
    QString text = decodeFileText(bytes);
    // The end-of-file mark of old files and blank lines after the last row mean nothing.
    if (const qsizetype eof = text.indexOf(QChar(0x1A)); eof >= 0) {
        if (!text.mid(eof + 1).trimmed().isEmpty()) return std::nullopt;
        text.truncate(eof);
    }
    QStringList lines = text.split(u'\n');
    for (QString& l : lines)
        if (l.endsWith(u'\r')) l.chop(1);
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty()) lines.removeLast();
    if (lines.size() != 1 + kFileRows) return std::nullopt;

    NetTables d;
    d.assets.create(kNetRows, 2);
    d.liabilities.create(kNetRows, 2);
    const auto counts = splitLine(lines[0]);
    if (!counts || counts->size() != 2) return std::nullopt;
    const auto assets = countField((*counts)[0]);
    const auto liabilities = countField((*counts)[1]);
    if (!assets || !liabilities) return std::nullopt;
    d.assetCount = *assets;
    d.liabilityCount = *liabilities;
    for (int row = 1; row <= kFileRows; ++row) {
        const auto fields = splitLine(lines[row]);
        if (!fields || fields->size() != 4) return std::nullopt;
        const auto assetName = tableCell((*fields)[0]);
        const auto assetValue = tableCell((*fields)[1]);
        const auto liabilityName = tableCell((*fields)[2]);
        const auto liabilityValue = tableCell((*fields)[3]);
        if (!assetName || !assetValue || !liabilityName || !liabilityValue) return std::nullopt;
        d.assets(row, 0) = *assetName;
        d.assets(row, 1) = *assetValue;
        d.liabilities(row, 0) = *liabilityName;
        d.liabilities(row, 1) = *liabilityValue;
    }
    return d;
}

QByteArray NetWorthBytes(const NetTables& s) {
    QString out = QString::number(s.assetCount) + u',' + QString::number(s.liabilityCount) +
                  QStringLiteral("\r\n");
    const NetCell empty;
    auto cell = [&empty](const SharedTable<NetCell>& t, int row, int col) -> const NetCell& {
        return row < t.rows() && col < t.cols() ? t(row, col) : empty;
    };
    for (int row = 1; row <= kFileRows; ++row) {
        out += cellField(cell(s.assets, row, 0)) + u',' + cellField(cell(s.assets, row, 1)) + u',' +
               cellField(cell(s.liabilities, row, 0)) + u',' +
               cellField(cell(s.liabilities, row, 1)) + QStringLiteral("\r\n");
    }
    return encodeFileText(out);
}

std::optional<NetTables> ReadNetWorthFile(const QString& path) {
    const auto bytes = ReadFileSafely(path, kLargestFile);
    if (!bytes) return std::nullopt;
    return ParseNetWorth(*bytes);
}

bool WriteNetWorthFile(const QString& path, const NetTables& t, SafeWriteFailure* failure) {
    return WriteFileSafely(path, NetWorthBytes(t), SafeWriteBackup::KeepPrevious, failure);
}

std::optional<OpenedStatement> OpenNetWorthFile(const QString& path) {
    auto tables = ReadNetWorthFile(path);
    if (!tables) return std::nullopt;
    const auto totals = CalcTotals(*tables);
    if (!totals) return std::nullopt;
    return OpenedStatement{std::move(*tables), *totals};
}
