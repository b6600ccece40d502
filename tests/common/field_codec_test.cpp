#include "common/field_codec.h"

#include <gtest/gtest.h>

TEST(FieldWriter, WritesTheFileSyntax) {
    FieldWriter w;
    w.integer(12);
    w.integer(3);
    w.text(QStringLiteral("All Records"));
    w.text(QStringLiteral("31"));
    w.endLine();
    w.number(Money::fromInt(1));
    w.number(Money::fromInt(10));
    w.number(Money::fromInt(100));
    w.number(Money::fromInt(50));
    w.number(Money());
    w.number(Money::fromInt(1050));
    w.text(QStringLiteral("B"));
    w.date(QDate(1996, 3, 15));
    w.endLine();
    EXPECT_EQ(w.bytes(), QByteArray("12,3,\"All Records\",\"31\"\r\n"
                                    "1,10,100,50,0,1050,\"B\",#1996-03-15#\r\n"));
}

TEST(FieldWriter, AQuoteCannotBreakTheFile) {
    FieldWriter w;
    w.text(QStringLiteral("Say \"hi\""));
    w.endLine();
    EXPECT_EQ(w.bytes(), QByteArray("\"Say 'hi'\"\r\n"));
}

TEST(FieldReader, ReadsFieldByFieldAcrossLineEnds) {
    FieldReader r(
        QByteArray("12, 3 ,\"All Records\",\"31\"\r\n"
                   "\"Fund, one\",\" 1\"\n"
                   "1,10.5,-100,,0,1050,\"B\",#1996-03-15#\r\n"));
    EXPECT_EQ(r.integer(), 12);
    EXPECT_EQ(r.integer(), 3);
    EXPECT_EQ(r.text(), "All Records");
    EXPECT_EQ(r.text(), "31");
    EXPECT_EQ(r.text(), "Fund, one");  // a comma inside quotes belongs to the text
    EXPECT_EQ(r.text(), " 1");         // blanks inside quotes are kept
    EXPECT_EQ(r.money(), Money::fromInt(1));
    EXPECT_EQ(r.money(), Money::fromRaw(105000));
    EXPECT_EQ(r.money(), Money::fromInt(-100));
    EXPECT_EQ(r.money(), Money());  // an empty field reads as 0
    EXPECT_EQ(r.money(), Money());
    EXPECT_EQ(r.money(), Money::fromInt(1050));
    EXPECT_EQ(r.text(), "B");
    EXPECT_EQ(r.date(), QDate(1996, 3, 15));
    EXPECT_TRUE(r.atEnd());
    EXPECT_THROW(r.field(), FormatError);  // reading past the end
}

TEST(FieldReader, MalformedInputIsAnErrorNeverACrash) {
    auto throws = [](const char* bytes, auto read) {
        FieldReader r{QByteArray(bytes)};
        EXPECT_THROW(read(r), FormatError) << bytes;
    };
    throws("\"unterminated", [](FieldReader& r) { r.text(); });
    throws("\"a\"x,1", [](FieldReader& r) { r.text(); });  // junk after a closing quote
    throws("#1996-13-45#", [](FieldReader& r) { r.date(); });
    throws("12abc", [](FieldReader& r) { r.integer(); });
    throws("1.5", [](FieldReader& r) { r.integer(); });
    throws("\"12\"", [](FieldReader& r) { r.money(); });
    throws("#1996-03-15#", [](FieldReader& r) { r.text(); });
    throws("\"B\"", [](FieldReader& r) { r.date(); });
    throws("", [](FieldReader& r) { r.field(); });
    throws("\r\n\r\n", [](FieldReader& r) { r.field(); });
    throws("\"line\r\nbreak\"", [](FieldReader& r) { r.text(); });
    throws("99999999999999999999", [](FieldReader& r) { r.money(); });
}

TEST(FileText, OldWindowsFilesRoundTripByteForByte) {
    const QByteArray cp1252("\"Caf\xe9 \x80uro\",\" 1\"\r\n");  // é and the euro sign
    const QString text = decodeFileText(cp1252);
    EXPECT_EQ(text, QString::fromUtf8("\"Café €uro\",\" 1\"\r\n"));
    EXPECT_EQ(encodeFileText(text), cp1252);
    // Valid UTF-8 is read as UTF-8.
    EXPECT_EQ(decodeFileText(QByteArray("Caf\xc3\xa9")), QString::fromUtf8("Café"));
    // A character Windows-1252 lacks is written as UTF-8 rather than lost.
    EXPECT_EQ(encodeFileText(QString::fromUtf8("\u4e2d")), QByteArray("\xe4\xb8\xad"));
}

// Every text the program writes reads back as the same text, whichever of the
// two encodings the whole file ends up in; Windows-1252 wherever it is safe.
TEST(FileText, WhatTheProgramWritesReadsBackExactly) {
    struct Case {
        const char* utf8;
        bool windows1252;  // written in the earlier version's code page
    };
    const Case cases[] = {
        {"Plain ASCII", true},
        {"Soci\u00e9t\u00e9 G\u00e9n\u00e9rale \u20ac", true},
        // An accented capital followed by a sign: as Windows-1252 bytes these are
        // also valid UTF-8 (\xC9\xAE would read as U+026E), so UTF-8 is written.
        {"NESTL\u00c9\u00ae", false},
        {"CAF\u00c9\u2122", false},
        {"\u00c4\u2026", false},
        // The whole file decides: with a lone "\xE9" it cannot be UTF-8, so the
        // pair "\xC4\x85" is safe in Windows-1252.
        {"\u00c4\u2026 and \u00e9", true},
        {"\u00c3\u00a9", false},              // what "é" in UTF-8 looks like in Windows-1252
        {"\u00e9\u00ae", true},               // é® is not a UTF-8 sequence
        {"\u026e \u4e2d \U0001F600", false},  // letters the code page lacks
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf8(c.utf8);
        const QByteArray bytes = encodeFileText(text);
        EXPECT_EQ(decodeFileText(bytes), text) << c.utf8;
        EXPECT_EQ(bytes == text.toUtf8(), !c.windows1252 || text.toUtf8() == text.toLatin1())
            << c.utf8;
    }
}

TEST(FileText, FilesOfTheEarlierVersionWriteBackByteForByte) {
    // Bytes that are not UTF-8 are Windows-1252; bytes that happen to be valid
    // UTF-8 are read as UTF-8 and are still written back as they were.
    const QByteArray files[] = {"\"Caf\xe9\"", "\"NESTL\xc9\xae\"", "\"\x80\x99\x9f\"",
                                "\"So\x81"
                                "ci\xe9t\xe9\"",
                                "\"plain\""};
    for (const QByteArray& bytes : files)
        EXPECT_EQ(encodeFileText(decodeFileText(bytes)), bytes) << bytes.toStdString();
    EXPECT_EQ(decodeFileText("NESTL\xc9\xae"), QString::fromUtf8("NESTL\u026e"));
}

TEST(FieldCodec, NamesNeverCarryControlCharacters) {
    FieldWriter w;
    w.text(QString::fromUtf8("Line\r\nbreak\ttab\x01\x7f\u0085\u009f end"));
    w.text(QString(QChar(0xD800)) + QStringLiteral("lone half"));
    w.endLine();
    EXPECT_EQ(w.contents(), QStringLiteral("\"Linebreaktab end\",\"lone half\"\r\n"));
    // A hand-edited file with control characters inside a name reads without them.
    FieldReader r(
        QByteArray("\"Tab\there\x01\",\"a\x1b"
                   "b\"\r\n"));
    EXPECT_EQ(r.text(), QStringLiteral("Tabhere"));
    EXPECT_EQ(r.text(), QStringLiteral("ab"));
}
