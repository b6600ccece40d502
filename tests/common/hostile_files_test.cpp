// Saving and opening where the name leads somewhere it should not: links, special files, other
// users' files, failing system calls, saves running at the same time.
#include <errno.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <functional>
#include <thread>

#include "common/safe_read.h"
#include "common/safe_write.h"
#include "investments/model/portfolio.h"
#include "networth/model/networth_file.h"
#include "support/file_bytes.h"

namespace {

constexpr uid_t kOtherUser = 4321;

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

bool root() {
    return ::geteuid() == 0;
}

// A folder for the save ("home/") and one elsewhere holding a file that must stay untouched.
struct Places {
    QTemporaryDir dir;
    QString home() const { return dir.filePath(QStringLiteral("home")); }
    QString in(const char* name) const { return home() + u'/' + QLatin1String(name); }
    QString theirs() const { return dir.filePath(QStringLiteral("elsewhere/theirs.wms")); }
    Places() {
        QDir(dir.path()).mkpath(QStringLiteral("home"));
        QDir(dir.path()).mkpath(QStringLiteral("elsewhere"));
        writeFile(theirs(), "theirs");
    }
};

struct TargetKind {
    const char* name;
    bool needsRoot;
    // Makes the target and returns the path the user saves to.
    std::function<QString(const Places&)> make;
    // Empty: the save succeeds; else a part of the message refusing it.
    QString refusal;
};

}  // namespace

TEST(HostileTargets, OnlyTheUsersOwnWritableFilesAreReplacedAndNothingOutsideIsTouched) {
    const auto link = [](const QString& target, const QString& at) {
        EXPECT_EQ(::symlink(native(target).constData(), native(at).constData()), 0);
        return at;
    };
    const std::vector<TargetKind> kinds = {
        {"regular",
         false,
         [](const Places& p) {
             writeFile(p.in("a.wms"), "old");
             return p.in("a.wms");
         },
         {}},
        {"new file", false, [](const Places& p) { return p.in("a.wms"); }, {}},
        {"own link to own file",
         false,
         [&](const Places& p) {
             writeFile(p.in("real.wms"), "old");
             return link(QStringLiteral("real.wms"), p.in("a.wms"));
         },
         {}},
        {"chain of own links",
         false,
         [&](const Places& p) {
             writeFile(p.in("real.wms"), "old");
             link(QStringLiteral("real.wms"), p.in("b.wms"));
             link(p.in("b.wms"), p.in("c.wms"));
             return link(QStringLiteral("./c.wms"), p.in("a.wms"));
         },
         {}},
        {"hard link",
         false,
         [](const Places& p) {
             writeFile(p.in("a.wms"), "old");
             EXPECT_EQ(::link(native(p.in("a.wms")).constData(), native(p.in("b.wms")).constData()),
                       0);
             return p.in("a.wms");
         },
         {}},
        {"dangling link", false,
         [&](const Places& p) {
             return link(p.dir.filePath(QStringLiteral("elsewhere/new.wms")), p.in("a.wms"));
         },
         "link to nothing"},
        {"chain ending nowhere", false,
         [&](const Places& p) {
             link(QStringLiteral("missing/x.wms"), p.in("b.wms"));
             return link(QStringLiteral("b.wms"), p.in("a.wms"));
         },
         "link to nothing"},
        {"link loop", false,
         [&](const Places& p) {
             link(QStringLiteral("a.wms"), p.in("b.wms"));
             return link(QStringLiteral("b.wms"), p.in("a.wms"));
         },
         "loop"},
        {"link to a folder", false,
         [&](const Places& p) {
             return link(p.dir.filePath(QStringLiteral("elsewhere")), p.in("a.wms"));
         },
         "not a file"},
        {"FIFO", false,
         [](const Places& p) {
             EXPECT_EQ(::mkfifo(native(p.in("a.wms")).constData(), 0644), 0);
             return p.in("a.wms");
         },
         "not a file"},
        {"link to a FIFO", false,
         [&](const Places& p) {
             EXPECT_EQ(::mkfifo(native(p.dir.filePath("elsewhere/pipe")).constData(), 0644), 0);
             return link(p.dir.filePath(QStringLiteral("elsewhere/pipe")), p.in("a.wms"));
         },
         "not a file"},
        {"link to a device", false,
         [&](const Places& p) { return link(QStringLiteral("/dev/null"), p.in("a.wms")); },
         "not a file"},
        {"device", true,
         [](const Places& p) {
             EXPECT_EQ(::mknod(native(p.in("a.wms")).constData(), S_IFCHR | 0666, makedev(1, 3)),
                       0);
             return p.in("a.wms");
         },
         "not a file"},
        {"read-only file", false,
         [](const Places& p) {
             writeFile(p.in("a.wms"), "old");
             ::chmod(native(p.in("a.wms")).constData(), 0444);
             return p.in("a.wms");
         },
         "read-only"},
        {"another user's file", true,
         [](const Places& p) {
             writeFile(p.in("a.wms"), "old");
             EXPECT_EQ(::chown(native(p.in("a.wms")).constData(), kOtherUser, kOtherUser), 0);
             return p.in("a.wms");
         },
         "another user"},
        {"own link to another user's file", true,
         [&](const Places& p) {
             EXPECT_EQ(::chown(native(p.theirs()).constData(), kOtherUser, kOtherUser), 0);
             return link(p.theirs(), p.in("a.wms"));
         },
         "file of another user"},
        {"another user's link in a sticky folder", true,
         [&](const Places& p) {
             EXPECT_EQ(::chmod(native(p.home()).constData(), 01777), 0);
             link(p.theirs(), p.in("a.wms"));
             EXPECT_EQ(::lchown(native(p.in("a.wms")).constData(), kOtherUser, kOtherUser), 0);
             return p.in("a.wms");
         },
         "link of another user"},
    };
    for (const TargetKind& kind : kinds) {
        SCOPED_TRACE(kind.name);
        if (kind.needsRoot && !root()) continue;  // needs another user or a device node
        const Places places;
        const QString path = kind.make(places);
        const QDir elsewhere(places.dir.filePath(QStringLiteral("elsewhere")));
        const QStringList elsewhereBefore = elsewhere.entryList(QDir::AllEntries | QDir::Hidden);
        struct stat before {};
        const bool existed = ::lstat(native(path).constData(), &before) == 0;
        SafeWriteFailure failure;
        const bool saved = WriteFileSafely(path, "new", SafeWriteBackup::KeepPrevious, &failure);
        EXPECT_EQ(readFile(places.theirs()), "theirs");
        EXPECT_EQ(elsewhere.entryList(QDir::AllEntries | QDir::Hidden), elsewhereBefore);
        if (kind.refusal.isEmpty()) {
            EXPECT_TRUE(saved) << failure.why.toStdString();
            EXPECT_EQ(readFile(path), "new");
            // A link stays a link.
            struct stat after {};
            ASSERT_EQ(::lstat(native(path).constData(), &after), 0);
            EXPECT_EQ(S_ISLNK(after.st_mode), existed && S_ISLNK(before.st_mode));
        } else {
            EXPECT_FALSE(saved);
            EXPECT_FALSE(failure.badName);
            EXPECT_TRUE(failure.why.contains(kind.refusal)) << failure.why.toStdString();
            EXPECT_TRUE(failure.why.contains(path)) << failure.why.toStdString();
            struct stat after {};
            ASSERT_EQ(::lstat(native(path).constData(), &after), 0);
            EXPECT_EQ(after.st_ino, before.st_ino);
            EXPECT_EQ(after.st_mode, before.st_mode);
            if (S_ISREG(before.st_mode)) {
                EXPECT_EQ(readFile(path), "old");
            }
        }
        if (QString(kind.name) == "hard link") {
            EXPECT_EQ(readFile(places.in("b.wms")), "old");  // the other name keeps its file
        }
        // Nothing left behind in the folder but what was there and the backup.
        for (const QString& name : QDir(places.home()).entryList(QDir::Files | QDir::Hidden))
            EXPECT_FALSE(IsSafeWriteTemporaryName(name)) << name.toStdString();
    }
}

TEST(HostileTargets, ANameThatIsWrongIsToldApartFromAWriteThatFailed) {
    QTemporaryDir dir;
    SafeWriteFailure failure;
    EXPECT_FALSE(WriteFileSafely(dir.filePath("no/such/folder/x.wms"), "x", SafeWriteBackup::None,
                                 &failure));
    EXPECT_TRUE(failure.badName);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.wms")));
    EXPECT_FALSE(WriteFileSafely(dir.filePath("taken.wms"), "x", SafeWriteBackup::None, &failure));
    EXPECT_TRUE(failure.badName);
    EXPECT_FALSE(
        WriteFileSafely(dir.filePath(QString(300, u'n')), "x", SafeWriteBackup::None, &failure));
    EXPECT_TRUE(failure.badName);
    EXPECT_TRUE(failure.why.contains(QString::fromLocal8Bit(strerror(ENAMETOOLONG))));
}

TEST(HostileTargets, ANameTooLongForItsBackupKeepsAShortenedOne) {
    QTemporaryDir dir;
    const QString name = QString(250, u'n') + QStringLiteral(".wms");  // 254 bytes
    const QString path = dir.filePath(name);
    const QString other = dir.filePath(QString(250, u'n') + QStringLiteral(".wmw"));
    ASSERT_TRUE(WriteFileSafely(path, "first", nullptr, SafeWriteBackup::KeepPrevious));
    ASSERT_TRUE(WriteFileSafely(path, "second", nullptr, SafeWriteBackup::KeepPrevious));
    ASSERT_TRUE(WriteFileSafely(other, "one", nullptr, SafeWriteBackup::KeepPrevious));
    ASSERT_TRUE(WriteFileSafely(other, "two", nullptr, SafeWriteBackup::KeepPrevious));
    const QString backup = BackupPathFor(path);
    EXPECT_LE(native(QFileInfo(backup).fileName()).size(), 255);
    EXPECT_TRUE(backup.endsWith(QStringLiteral(".bak")));
    EXPECT_NE(backup, BackupPathFor(other));  // names alike at the start keep their own
    EXPECT_EQ(readFile(backup), "first");
    EXPECT_EQ(readFile(BackupPathFor(other)), "one");
}

namespace {

// Fault injection into the calls the writer checks; restores them when done.
class FailingSystem : public ::testing::Test {
  protected:
    void TearDown() override { SetSafeWriteSystem(DefaultSafeWriteSystem()); }
    static inline std::atomic<int> fsyncs{0};
    static inline std::atomic<int> bytesLeft{0};
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("Funds.wms")); }
};

}  // namespace

TEST_F(FailingSystem, ShortWritesAreContinuedAndAFailureAnywhereLeavesTheFileAndItsBackup) {
    writeFile(path(), "as it was");
    writeFile(path() + QStringLiteral(".bak"), "older");
    const QByteArray bytes(10000, 'y');
    // The system takes at most 7 bytes a call: the writer goes on to the end.
    SafeWriteSystem shortWrites = DefaultSafeWriteSystem();
    shortWrites.write = [](int fd, const void* data, size_t size) {
        return ::write(fd, data, std::min<size_t>(size, 7));
    };
    SetSafeWriteSystem(shortWrites);
    ASSERT_TRUE(WriteFileSafely(path(), bytes));
    EXPECT_EQ(readFile(path()), bytes);
    writeFile(path(), "as it was");

    struct Fault {
        const char* name;
        SafeWriteSystem calls;
        int code;
    };
    SafeWriteSystem fullDisk = DefaultSafeWriteSystem();
    fullDisk.write = [](int fd, const void* data, size_t size) -> ssize_t {
        // Some bytes go, then the disk is full.
        if (bytesLeft <= 0) {
            errno = ENOSPC;
            return -1;
        }
        const size_t n = std::min<size_t>(size, static_cast<size_t>(bytesLeft.load()));
        bytesLeft -= static_cast<int>(n);
        return ::write(fd, data, n);
    };
    SafeWriteSystem nothingWritten = DefaultSafeWriteSystem();
    nothingWritten.write = [](int, const void*, size_t) -> ssize_t { return 0; };
    SafeWriteSystem failedFlush = DefaultSafeWriteSystem();
    failedFlush.fsync = [](int) {
        ++fsyncs;
        errno = EIO;
        return -1;
    };
    SafeWriteSystem failedRename = DefaultSafeWriteSystem();
    failedRename.renameat = [](int, const char*, int, const char*) {
        errno = EACCES;
        return -1;
    };
    const std::vector<Fault> faults = {{"full disk", fullDisk, ENOSPC},
                                       {"a write taking nothing", nothingWritten, ENOSPC},
                                       {"failed flush", failedFlush, EIO},
                                       {"failed rename", failedRename, EACCES}};
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.name);
        bytesLeft = 4096;
        fsyncs = 0;
        SetSafeWriteSystem(fault.calls);
        QString why;
        EXPECT_FALSE(WriteFileSafely(path(), bytes, &why, SafeWriteBackup::KeepPrevious));
        EXPECT_TRUE(why.contains(QString::fromLocal8Bit(strerror(fault.code))))
            << why.toStdString();
        EXPECT_TRUE(why.contains(path())) << why.toStdString();
        EXPECT_EQ(readFile(path()), "as it was");
        EXPECT_EQ(readFile(path() + QStringLiteral(".bak")), "older");
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList({"Funds.wms", "Funds.wms.bak"}));
    }
}

TEST_F(FailingSystem, TheFileIsFlushedBeforeItTakesTheTargetsPlace) {
    writeFile(path(), "as it was");
    static std::vector<char> order;
    order.clear();
    SafeWriteSystem recorded = DefaultSafeWriteSystem();
    recorded.fsync = [](int fd) {
        order.push_back('f');
        return ::fsync(fd);
    };
    recorded.renameat = [](int a, const char* b, int c, const char* d) {
        order.push_back('r');
        return ::renameat(a, b, c, d);
    };
    SetSafeWriteSystem(recorded);
    ASSERT_TRUE(WriteFileSafely(path(), "new"));
    // The file's bytes, the rename, then the folder entry.
    EXPECT_EQ(std::string(order.begin(), order.end()), "frf");
}

TEST(HostileTargets, SavesIntoOneFolderAtTheSameTimeAllSucceed) {
    QTemporaryDir dir;
    constexpr int kWriters = 3;
    constexpr int kSaves = 60;
    std::atomic<int> failures{0};
    std::vector<std::thread> writers;
    for (int w = 0; w < kWriters; ++w) {
        writers.emplace_back([&, w] {
            const QString path = dir.filePath(QStringLiteral("w%1.wms").arg(w));
            const QByteArray bytes(20000 + w, char('a' + w));
            for (int i = 0; i < kSaves; ++i)
                if (!WriteFileSafely(path, bytes, nullptr, SafeWriteBackup::KeepPrevious))
                    ++failures;
        });
    }
    for (std::thread& t : writers) t.join();
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2 * kWriters);
}

TEST(HostileReads, SpecialFilesNamedAsDocumentsAreRefusedAtOnce) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("x.wms"));
    ASSERT_EQ(::mkfifo(native(fifo).constData(), 0644), 0);
    const QString zero = dir.filePath(QStringLiteral("z.wmw"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    const QString random = dir.filePath(QStringLiteral("r.wms"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/urandom"), random));
    const QString folder = dir.filePath(QStringLiteral("f.wms"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("f.wms")));
    const QString big = dir.filePath(QStringLiteral("big.wms"));
    writeFile(big, QByteArray(1025, 'x'));
    for (const QString& path : {fifo, zero, random, folder, big}) {
        SCOPED_TRACE(path.toStdString());
        QString why;
        EXPECT_EQ(ReadFileSafely(path, 1024, &why), std::nullopt);
        EXPECT_TRUE(why.startsWith(path)) << why.toStdString();
    }
    EXPECT_FALSE(ReadPortfolioFile(fifo));
    EXPECT_FALSE(ReadPortfolioFile(random));
    EXPECT_FALSE(ReadNetWorthFile(zero));
    EXPECT_FALSE(ReadNetWorthFile(fifo));
    writeFile(big, QByteArray(1024, 'x'));
    EXPECT_EQ(ReadFileSafely(big, 1024), QByteArray(1024, 'x'));
    EXPECT_EQ(ReadFileSafely(big, 4096), QByteArray(1024, 'x'));
}

TEST(HostileReads, ANameThatIsNotUtf8IsReachedByItsBytes) {
    QTemporaryDir dir;
    const QByteArray raw = native(dir.path()) + "/caf\xe9.wms";  // Latin-1
    const int fd = ::open(raw.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, "bytes", 5), 5);
    ::close(fd);
    const QString name = LocalFileName(raw);
    EXPECT_TRUE(name.endsWith(QStringLiteral(".wms")));
    EXPECT_EQ(EncodeFilePath(name), raw);
    EXPECT_EQ(ReadFileSafely(name, 100), QByteArray("bytes"));
    ASSERT_TRUE(WriteFileSafely(name, "saved", nullptr, SafeWriteBackup::KeepPrevious));
    EXPECT_EQ(ReadFileSafely(name, 100), QByteArray("saved"));
    // The file and its backup under the same bytes (the folder's listing cannot show them).
    EXPECT_EQ(::unlink((raw + ".bak").constData()), 0);
    EXPECT_EQ(::unlink(raw.constData()), 0);
    // A UTF-8 name is the usual text, relative to the current folder.
    EXPECT_EQ(LocalFileName("caf\xc3\xa9.wms"), QStringLiteral("café.wms"));
}
