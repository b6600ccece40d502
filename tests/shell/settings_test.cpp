#include "shell/model/settings.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <vector>

namespace {

class SettingsFile : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path() const { return dir.filePath(QStringLiteral("Personal.vtp")); }
    void write(const QByteArray& bytes) const {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray read() const {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir dir;
    PersonalSettings s;  // what was read, and what is written
};

}  // namespace

TEST_F(SettingsFile, NoFileGivesTheDefaultsSilently) {
    LoadPersonalSettingsFile(path(), s);
    EXPECT_EQ(s.currencySymbol, "$");
    EXPECT_EQ(s.printerFont, PrinterFont::Standard);
    EXPECT_EQ(s.userName, "");
}

TEST_F(SettingsFile, RoundTripKeepsANameWithAComma) {
    s.currencySymbol = QStringLiteral("£");
    s.printerFont = PrinterFont::CourierNew;
    s.userName = QStringLiteral("Smith, Jane");
    ASSERT_TRUE(SavePersonalSettingsFile(path(), s));
    EXPECT_EQ(read(), QByteArray("\"\xa3\",6,\"Smith, Jane\"\r\n"));
    s = PersonalSettings();
    LoadPersonalSettingsFile(path(), s);
    EXPECT_EQ(s.currencySymbol, "£");
    EXPECT_EQ(s.printerFont, PrinterFont::CourierNew);
    EXPECT_EQ(s.userName, "Smith, Jane");
}

TEST_F(SettingsFile, EmptyNameAndEmptySymbolAreWrittenQuoted) {
    s.currencySymbol = QString();
    s.userName = QString();
    ASSERT_TRUE(SavePersonalSettingsFile(path(), s));
    EXPECT_EQ(read(), QByteArray("\"\",0,\"\"\r\n"));
    LoadPersonalSettingsFile(path(), s);
    EXPECT_EQ(s.currencySymbol, "$");  // an empty symbol reads back as "$"
}

TEST_F(SettingsFile, DamagedFileKeepsWhatWasReadBeforeTheFault) {
    write("\"E\",6");  // the name is missing
    LoadPersonalSettingsFile(path(), s);
    EXPECT_EQ(s.currencySymbol, "E");
    EXPECT_EQ(s.printerFont, PrinterFont::CourierNew);
    EXPECT_EQ(s.userName, "");

    s = PersonalSettings();
    write("garbage\"\r\n");
    LoadPersonalSettingsFile(path(), s);
    EXPECT_EQ(s.currencySymbol, "$");  // more than the symbol box could hold
    EXPECT_EQ(s.printerFont, PrinterFont::Standard);

    s = PersonalSettings();
    write("\"E\",7,\"Ann\"\r\n");  // only 0 and 6 are font choices
    LoadPersonalSettingsFile(path(), s);
    EXPECT_EQ(s.printerFont, PrinterFont::Standard);
    EXPECT_EQ(s.userName, "Ann");
}

TEST_F(SettingsFile, FailedWriteLeavesTheOldFileWhole) {
    write("\"E\",0,\"Ann\"\r\n");
    s.userName = QStringLiteral("Bob");
    // A folder where the file should be makes every write fail.
    EXPECT_FALSE(SavePersonalSettingsFile(dir.filePath(QStringLiteral("missing/Personal.vtp")), s));
    EXPECT_EQ(read(), QByteArray("\"E\",0,\"Ann\"\r\n"));
}

TEST_F(SettingsFile, AHandEditedFieldTheBoxCouldNotHoldTakesItsDefault) {
    struct Case {
        QByteArray line;
        QString symbol, name;
    };
    const std::vector<Case> cases = {
        {"\"" + QByteArray(5000, 'X') + "\",6,\"Ann\"\r\n", "$", "Ann"},
        {"\"\t\",0,\"Ann\tLee\"\r\n", "$", "AnnLee"},  // control characters are dropped
        {"\"\xa3\",0,\"" + QByteArray(40000, 'n') + "\"\r\n", "£", ""},
        {"\"\xe2\x82\xac\",0,\"Zo\xc3\xab\"\r\n", "€", "Zoë"},  // UTF-8: one character each
        {"\"\xf0\x9f\x92\xb0\",0,\"\"\r\n", "💰", ""},           // a surrogate pair is one
        {"\"$$\",0,\"Ann\x01\"\r\n", "$", "Ann"},
    };
    for (const Case& c : cases) {
        s = PersonalSettings();
        write(c.line);
        LoadPersonalSettingsFile(path(), s);
        EXPECT_EQ(s.currencySymbol, c.symbol) << c.line.left(40).toStdString();
        EXPECT_EQ(s.userName, c.name) << c.line.left(40).toStdString();
    }
    // What was read is what is written back.
    ASSERT_TRUE(SavePersonalSettingsFile(path(), s));
    EXPECT_EQ(read(), QByteArray("\"$\",0,\"Ann\"\r\n"));
}
