#include "shell/program_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {
void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

TEST(ProgramFolder, ExecutablesFolderWhenWritableElseThePerUserFolder) {
    QTemporaryDir exe, home;
    EXPECT_EQ(ChooseProgramFolder(exe.path(), home.path()), exe.path());
    // An installed program's folder that cannot be written (here: not there at all).
    EXPECT_EQ(ChooseProgramFolder(exe.filePath(QStringLiteral("missing/bin")), home.path()),
              home.filePath(QStringLiteral("Vantora95")));
}

TEST(ProgramFolder, SamplesAreCopiedOnceAndNeverOverTheUsersFiles) {
    QTemporaryDir installed, user;
    writeFile(installed.filePath(QStringLiteral("Dtasampl.WMS")), "sample");
    writeFile(installed.filePath(QStringLiteral("house.wmw")), "net worth");
    writeFile(installed.filePath(QStringLiteral("readme.txt")), "not a sample");
    writeFile(user.filePath(QStringLiteral("house.wmw")), "the user's own");
    EXPECT_EQ(CopySampleFiles(installed.path(), user.path()), 1);
    EXPECT_EQ(readFile(user.filePath(QStringLiteral("Dtasampl.WMS"))), "sample");
    EXPECT_EQ(readFile(user.filePath(QStringLiteral("house.wmw"))), "the user's own");
    EXPECT_FALSE(QFile::exists(user.filePath(QStringLiteral("readme.txt"))));
    EXPECT_EQ(CopySampleFiles(installed.path(), user.path()), 0);
    EXPECT_EQ(CopySampleFiles(installed.filePath(QStringLiteral("nowhere")), user.path()), 0);

    // At start-up they are copied the first time only: a sample the user deleted stays deleted.
    QTemporaryDir fresh;
    EXPECT_TRUE(CopySampleFilesOnce(installed.path(), fresh.path()));
    EXPECT_EQ(readFile(fresh.filePath(QStringLiteral("house.wmw"))), "net worth");
    ASSERT_TRUE(QFile::remove(fresh.filePath(QStringLiteral("house.wmw"))));
    EXPECT_FALSE(CopySampleFilesOnce(installed.path(), fresh.path()));
    EXPECT_FALSE(QFile::exists(fresh.filePath(QStringLiteral("house.wmw"))));
}

TEST(ProgramFolder, TheWritableCheckTouchesNoFileAlreadyThere) {
    QTemporaryDir exe, home, elsewhere;
    const QString victim = elsewhere.filePath(QStringLiteral("victim"));
    writeFile(victim, "keep me");
    ASSERT_TRUE(QFile::link(victim, exe.filePath(QStringLiteral(".vantora-write-test"))));
    EXPECT_EQ(ChooseProgramFolder(exe.path(), home.path()), exe.path());
    EXPECT_EQ(readFile(victim), "keep me");
    // The check leaves nothing behind.
    EXPECT_EQ(QDir(exe.path())
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              QStringList({".vantora-write-test"}));
}
