#include "shell/model/program_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "support/file_bytes.h"

TEST(ProgramFolder,
     PortableCopiesKeepEverythingBesideTheExecutableInstalledOnesUseTheUsersFolders) {
    QTemporaryDir exe, config, documents;
    const QString userFolder = documents.filePath(QStringLiteral("Vantora 95"));
    const QString settingsFolder = config.filePath(QStringLiteral("Vantora95"));
    auto choose = [&](const QString& folder) {
        return ChooseProgramFolders(folder, config.path(), documents.path());
    };
    // Installed: a writable folder of its own (~/.local/bin) is no place for the user's files.
    ProgramFolders f = choose(exe.path());
    EXPECT_FALSE(f.portable);
    EXPECT_EQ(f.user, userFolder);
    EXPECT_EQ(f.settings, settingsFolder);
    EXPECT_FALSE(choose(exe.filePath(QStringLiteral("missing/bin"))).portable);

    // A build folder, and a folder marked portable, keep everything beside the executable.
    for (const char* mark : {"CMakeCache.txt", kPortableMarker}) {
        QTemporaryDir copy;
        writeFile(copy.filePath(QLatin1String(mark)), "");
        f = choose(copy.path());
        EXPECT_TRUE(f.portable) << mark;
        EXPECT_EQ(f.user, copy.path()) << mark;
        EXPECT_EQ(f.settings, copy.path()) << mark;
    }
    // Marked, but it cannot be written (a read-only medium): installed folders.
    QTemporaryDir readOnly;
    writeFile(readOnly.filePath(QLatin1String(kPortableMarker)), "");
    QFile::setPermissions(readOnly.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (!QFileInfo(readOnly.path()).isWritable()) {
        EXPECT_FALSE(choose(readOnly.path()).portable);
    }
    QFile::setPermissions(readOnly.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
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
    // A link planted where the mark goes is not written through.
    QTemporaryDir planted, elsewhere;
    const QString outside = elsewhere.filePath(QStringLiteral("made-outside"));
    ASSERT_TRUE(
        QFile::link(outside, planted.filePath(QStringLiteral(".vantora95-samples-copied"))));
    CopySampleFilesOnce(installed.path(), planted.path());
    EXPECT_FALSE(QFileInfo::exists(outside));
}

TEST(ProgramFolder, TheWritableCheckTouchesNoFileAlreadyThere) {
    QTemporaryDir exe, config, documents, elsewhere;
    const QString victim = elsewhere.filePath(QStringLiteral("victim"));
    writeFile(victim, "keep me");
    writeFile(exe.filePath(QLatin1String(kPortableMarker)), "");
    ASSERT_TRUE(QFile::link(victim, exe.filePath(QStringLiteral(".vantora-write-test"))));
    const ProgramFolders f = ChooseProgramFolders(exe.path(), config.path(), documents.path());
    EXPECT_TRUE(f.portable);
    EXPECT_EQ(f.user, exe.path());
    EXPECT_EQ(readFile(victim), "keep me");
    // The check leaves nothing behind.
    EXPECT_EQ(QDir(exe.path())
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                             QDir::Name),
              QStringList({".vantora-write-test", QLatin1String(kPortableMarker)}));
}
