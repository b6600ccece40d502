// The safe writer: whole files or none, on a full disk too, and no temporaries left behind.
#include "common/safe_write.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "investments/model/portfolio.h"
#include "investments/model/record_entry.h"
#include "shell/model/settings.h"
#include "support/file_bytes.h"
#include "support/full_disk.h"

namespace {

// Sets a file's modification time `seconds` into the past.
void ageBy(const QString& path, int seconds) {
    const struct timespec times[2] = {{::time(nullptr) - seconds, 0},
                                      {::time(nullptr) - seconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

}  // namespace

TEST(SafeWrite, ReplacesTheFileAndKeepsItsPermissionsAndLinks) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.wms"));
    ASSERT_TRUE(WriteFileSafely(path, "first\r\n"));
    EXPECT_EQ(readFile(path), "first\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    ASSERT_TRUE(WriteFileSafely(path, ""));
    EXPECT_EQ(readFile(path), "");
    struct stat st;
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);

    // Saving through a link replaces the file it points at; the link stays a link.
    const QString link = dir.filePath(QStringLiteral("link.wms"));
    ASSERT_TRUE(QFile::link(path, link));
    ASSERT_TRUE(WriteFileSafely(link, "through the link"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readFile(path), "through the link");
    EXPECT_EQ(entries(dir.path()), QStringList({"a.wms", "link.wms"}));
}

TEST(SafeWrite, AFailureLeavesTheTargetAndSaysWhy) {
    QTemporaryDir dir;
    QString why;
    EXPECT_FALSE(WriteFileSafely(dir.filePath(QStringLiteral("missing/a.wms")), "x", &why));
    EXPECT_FALSE(why.isEmpty());
    // A folder where the file should be.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.wms")));
    why.clear();
    EXPECT_FALSE(WriteFileSafely(dir.filePath(QStringLiteral("taken.wms")), "x", &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_FALSE(WriteFileSafely(QString(), "x"));
    EXPECT_EQ(entries(dir.path()), QStringList());
}

TEST(SafeWrite, LeftoversOfAKilledSaveGoAtTheNextSaveToTheFolder) {
    QTemporaryDir dir;
    const QString dead = dir.filePath(QStringLiteral(".vantora95-0badf00d.part"));
    const QString live = dir.filePath(QStringLiteral(".vantora95-12345678.part"));
    const QString young = dir.filePath(QStringLiteral(".vantora95-0000cafe.part"));
    writeFile(dead, "half a file");
    writeFile(live, "being written");
    writeFile(young, "just created, not yet locked");
    ageBy(dead, 61);
    ageBy(live, 3600);
    // Names that only look alike are the user's.
    const QStringList users = {"a.wms.Ab12Cd", ".vantora95-0BADF00D.part",
                               ".vantora95-0badf00d.part.bak", "vantora95-0badf00d.part"};
    for (const QString& name : users) writeFile(dir.filePath(name), "mine");
    // A save in progress holds the lock on its temporary.
    const int fd = ::open(QFile::encodeName(live).constData(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);

    ASSERT_TRUE(WriteFileSafely(dir.filePath(QStringLiteral("a.wms")), "saved"));
    ::close(fd);
    EXPECT_FALSE(QFile::exists(dead));
    EXPECT_TRUE(QFile::exists(live));
    EXPECT_TRUE(QFile::exists(young));
    for (const QString& name : users)
        EXPECT_EQ(readFile(dir.filePath(name)), "mine") << name.toStdString();
    EXPECT_TRUE(IsSafeWriteTemporaryName(QStringLiteral(".vantora95-0badf00d.part")));
    EXPECT_FALSE(IsSafeWriteTemporaryName(QStringLiteral(".vantora95-0BADF00D.part")));
}

TEST(SafeWrite, ASaveOverAFileKeepsThePreviousOneAsItsBackup) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Family.wms"));
    const QString bak = dir.filePath(QStringLiteral("Family.wms.bak"));
    EXPECT_EQ(BackupPathFor(path), bak);
    // A new file has nothing to keep.
    ASSERT_TRUE(WriteFileSafely(path, "first", nullptr, SafeWriteBackup::KeepPrevious));
    EXPECT_FALSE(QFile::exists(bak));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    ASSERT_TRUE(WriteFileSafely(path, "second", nullptr, SafeWriteBackup::KeepPrevious));
    EXPECT_EQ(readFile(path), "second");
    EXPECT_EQ(readFile(bak), "first");
    struct stat st;
    ASSERT_EQ(::stat(QFile::encodeName(bak).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    // One generation: the backup is the file as it was before this save.
    ASSERT_TRUE(WriteFileSafely(path, "third", nullptr, SafeWriteBackup::KeepPrevious));
    EXPECT_EQ(readFile(path), "third");
    EXPECT_EQ(readFile(bak), "second");
    // Writing the file again changes the file, not its backup (they are not one file).
    ASSERT_TRUE(WriteFileSafely(path, "fourth"));
    EXPECT_EQ(readFile(bak), "second");
    EXPECT_EQ(entries(dir.path()), QStringList({"Family.wms", "Family.wms.bak"}));

    // Through a link the backup goes beside the file linked to.
    const QString link = dir.filePath(QStringLiteral("link.wms"));
    ASSERT_TRUE(QFile::link(path, link));
    ASSERT_TRUE(WriteFileSafely(link, "fifth", nullptr, SafeWriteBackup::KeepPrevious));
    EXPECT_EQ(readFile(bak), "fourth");
    EXPECT_EQ(entries(dir.path()), QStringList({"Family.wms", "Family.wms.bak", "link.wms"}));

    // A folder with the backup's name is the user's: the save goes ahead without a backup.
    const QString other = dir.filePath(QStringLiteral("Other.wmw"));
    writeFile(other, "old");
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Other.wmw.bak")));
    ASSERT_TRUE(WriteFileSafely(other, "new", nullptr, SafeWriteBackup::KeepPrevious));
    EXPECT_EQ(readFile(other), "new");
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("Other.wmw.bak"))).isDir());
    EXPECT_EQ(entries(dir.path()),
              QStringList({"Family.wms", "Family.wms.bak", "Other.wmw", "link.wms"}));
}

TEST(SafeWrite, SavingAPortfolioKeepsItsBackup) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Funds.wms"));
    writeFile(path, "as it was");
    Portfolio p = EmptyPortfolio();
    p.fundCount = 1;
    p.funds[1] = {QStringLiteral("Alpha"), QStringLiteral(" 1")};
    ASSERT_TRUE(WritePortfolioFile(path, p));
    EXPECT_EQ(readFile(BackupPathFor(path)), "as it was");
}

TEST_F(FullDisk, APortfolioSaveFailsAndTheFileOnDiskStaysByteForByte) {
    // An 11 KB portfolio of the kind the program writes.
    const QString path = dir.filePath(QStringLiteral("Big.wms"));
    QByteArray original;
    for (int i = 0; i < 500; ++i) original += "1,10,100,50,0,1050,\"B\",#1996-03-15#\r\n";
    writeFile(path, original);
    writeFile(dir.filePath(QStringLiteral("Big.wms.bak")), "older");
    fill();

    Portfolio p = EmptyPortfolio();
    p.fundCount = 1;
    p.funds[1] = {QStringLiteral("Alpha"), QStringLiteral(" 1")};
    for (int r = 1; r <= 300; ++r)
        p.records[r] = MakeRecord(1, QStringLiteral("B"), QDate(1996, 3, 15),
                                  {Money::fromInt(10), Money::fromInt(r), {}, {}});
    p.recordCount = 300;  // about 11 KB: small enough to sit in a write buffer
    EXPECT_FALSE(WritePortfolioFile(path, p));
    EXPECT_EQ(readFile(path), original);

    QString why;
    EXPECT_FALSE(WriteFileSafely(path, QByteArray(20000, 'y'), &why));
    EXPECT_TRUE(why.contains(QString::fromLocal8Bit(strerror(ENOSPC)))) << why.toStdString();
    EXPECT_EQ(readFile(path), original);

    EXPECT_FALSE(
        SavePersonalSettingsFile(dir.filePath(QStringLiteral("Personal.vtp")),
                                 PersonalSettings{QStringLiteral("$"), {}, QStringLiteral("Ann")}));
    // A failed save with a backup to keep touches neither the file nor its backup.
    EXPECT_FALSE(
        WriteFileSafely(path, QByteArray(20000, 'y'), nullptr, SafeWriteBackup::KeepPrevious));
    EXPECT_FALSE(WritePortfolioFile(path, p));
    EXPECT_EQ(readFile(path), original);
    EXPECT_EQ(readFile(dir.filePath(QStringLiteral("Big.wms.bak"))), "older");
    EXPECT_EQ(entries(dir.path()), QStringList({"Big.wms", "Big.wms.bak", "filler"}));
}
