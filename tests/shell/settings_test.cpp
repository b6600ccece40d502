#include "shell/settings.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <vector>

#include "shell/app_state.h"

namespace {

class SettingsFile : public ::testing::Test {
  protected:
    void SetUp() override {
        State().reset();
        ASSERT_TRUE(dir.isValid());
    }
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
};

}  // namespace

TEST_F(SettingsFile, NoFileGivesTheDefaultsSilently) {
    LoadPersonalSettingsFile(path());
    EXPECT_EQ(State().CurrencySymbol, "$");
    EXPECT_EQ(State().PrinterFontChoice, 0);
    EXPECT_EQ(State().UserName, "");
}

TEST_F(SettingsFile, RoundTripKeepsANameWithAComma) {
    State().CurrencySymbol = QStringLiteral("£");
    State().PrinterFontChoice = 6;
    State().UserName = QStringLiteral("Smith, Jane");
    ASSERT_TRUE(SavePersonalSettingsFile(path()));
    EXPECT_EQ(read(), QByteArray("\"\xa3\",6,\"Smith, Jane\"\r\n"));
    State().reset();
    LoadPersonalSettingsFile(path());
    EXPECT_EQ(State().CurrencySymbol, "£");
    EXPECT_EQ(State().PrinterFontChoice, 6);
    EXPECT_EQ(State().UserName, "Smith, Jane");
}

TEST_F(SettingsFile, EmptyNameAndEmptySymbolAreWrittenQuoted) {
    State().CurrencySymbol = QString();
    State().UserName = QString();
    ASSERT_TRUE(SavePersonalSettingsFile(path()));
    EXPECT_EQ(read(), QByteArray("\"\",0,\"\"\r\n"));
    LoadPersonalSettingsFile(path());
    EXPECT_EQ(State().CurrencySymbol, "$");  // an empty symbol reads back as "$"
}

TEST_F(SettingsFile, DamagedFileKeepsWhatWasReadBeforeTheFault) {
    write("\"E\",6");  // the name is missing
    LoadPersonalSettingsFile(path());
    EXPECT_EQ(State().CurrencySymbol, "E");
    EXPECT_EQ(State().PrinterFontChoice, 6);
    EXPECT_EQ(State().UserName, "");

    State().reset();
    write("garbage\"\r\n");
    LoadPersonalSettingsFile(path());
    EXPECT_EQ(State().CurrencySymbol, "$");  // more than the symbol box could hold
    EXPECT_EQ(State().PrinterFontChoice, 0);

    State().reset();
    write("\"E\",7,\"Ann\"\r\n");  // only 0 and 6 are font choices
    LoadPersonalSettingsFile(path());
    EXPECT_EQ(State().PrinterFontChoice, 0);
    EXPECT_EQ(State().UserName, "Ann");
}

TEST_F(SettingsFile, FailedWriteLeavesTheOldFileWhole) {
    write("\"E\",0,\"Ann\"\r\n");
    State().UserName = QStringLiteral("Bob");
    // A folder where the file should be makes every write fail.
    EXPECT_FALSE(SavePersonalSettingsFile(dir.filePath(QStringLiteral("missing/Personal.vtp"))));
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
        State().reset();
        write(c.line);
        LoadPersonalSettingsFile(path());
        EXPECT_EQ(State().CurrencySymbol, c.symbol) << c.line.left(40).toStdString();
        EXPECT_EQ(State().UserName, c.name) << c.line.left(40).toStdString();
    }
    // What was read is what is written back.
    ASSERT_TRUE(SavePersonalSettingsFile(path()));
    EXPECT_EQ(read(), QByteArray("\"$\",0,\"Ann\"\r\n"));
}
