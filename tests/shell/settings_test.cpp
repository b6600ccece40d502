#include "shell/settings.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

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
    EXPECT_EQ(State().CurrencySymbol, "garbage\"");  // a bare text field is taken as it stands
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
