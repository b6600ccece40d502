#include "common/safe_write.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <stdio.h>
#include <string.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <optional>

#include "common/descriptor.h"
#include "common/safe_read.h"

namespace {

const QString kTempPrefix = QStringLiteral(".vantora95-");
const QString kTempSuffix = QStringLiteral(".part");
// A temporary untouched for this long, with nobody holding its lock, is a killed save's.
constexpr time_t kLeftoverAge = 60;
// As the system counts links followed in one name.
constexpr int kMostLinks = 40;

ssize_t systemWrite(int fd, const void* data, size_t size) {
    return ::write(fd, data, size);
}
int systemFsync(int fd) {
    return ::fsync(fd);
}
int systemRenameat(int fromFolder, const char* from, int toFolder, const char* to) {
    return ::renameat(fromFolder, from, toFolder, to);
}

SafeWriteSystem& calls() {
    static SafeWriteSystem current = DefaultSafeWriteSystem();
    return current;
}

QString systemError(int code) {
    return QString::fromLocal8Bit(strerror(code));
}

QByteArray randomTemporaryName() {
    return (kTempPrefix +
            QStringLiteral("%1").arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0')) +
            kTempSuffix)
        .toLatin1();
}

bool writeAll(int fd, const char* data, qsizetype size, int* code) {
    while (size > 0) {
        const ssize_t n = calls().write(fd, data, static_cast<size_t>(size));
        if (n < 0) {
            if (errno == EINTR) continue;
            *code = errno;
            return false;
        }
        if (n == 0) {
            *code = ENOSPC;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

// Opens the folder `folder` (links in it followed by the system's rules) for use with the *at
// calls; a folder that cannot be read is still reached by path.
Descriptor openFolder(int base, const QByteArray& folder) {
    const char* name = folder.isEmpty() ? "." : folder.constData();
    Descriptor fd(::openat(base, name, O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.valid() && errno == EACCES)
        fd = Descriptor(::openat(base, name, O_PATH | O_DIRECTORY | O_CLOEXEC));
    return fd;
}

// Splits "a/b/c" into "a/b" and "c" ("/c" into "/" and "c", "c" into "" and "c").
std::pair<QByteArray, QByteArray> splitLast(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) return {QByteArray(), path};
    return {slash == 0 ? QByteArray("/") : path.left(slash), path.mid(slash + 1)};
}

// Removes temporaries of our naming whose writer has gone (see RemoveSafeWriteLeftovers).
int removeLeftovers(int folderFd) {
    const int listFd = ::openat(folderFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listFd < 0) return 0;
    DIR* dir = ::fdopendir(listFd);
    if (!dir) {
        ::close(listFd);
        return 0;
    }
    QList<QByteArray> names;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (IsSafeWriteTemporaryName(QString::fromLatin1(name))) names << name;
    }
    ::closedir(dir);
    const time_t now = ::time(nullptr);
    int removed = 0;
    for (const QByteArray& name : names) {
        Descriptor fd(::openat(folderFd, name.constData(),
                               O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
        struct stat st;
        if (!fd.valid() || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        // A save writes its temporary (and locks a backup's before it has the name): a young one
        // may be another save's, its lock not yet taken.
        if (now - st.st_mtime < kLeftoverAge) continue;
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) continue;
        // Remove what was locked, not whatever took its name meanwhile.
        struct stat now_st;
        if (::fstatat(folderFd, name.constData(), &now_st, AT_SYMLINK_NOFOLLOW) != 0 ||
            now_st.st_ino != st.st_ino || now_st.st_dev != st.st_dev)
            continue;
        if (::unlinkat(folderFd, name.constData(), 0) == 0) ++removed;
    }
    return removed;
}

// Gives the unnamed file `fd` a temporary name in `folderFd`; empty when it cannot.
QByteArray nameUnnamedFile(int fd, int folderFd) {
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QByteArray name = randomTemporaryName();
        if (::linkat(AT_FDCWD, self.constData(), folderFd, name.constData(), AT_SYMLINK_FOLLOW) ==
                0 ||
            ::linkat(fd, "", folderFd, name.constData(), AT_EMPTY_PATH) == 0)
            return name;
        if (errno != EEXIST) return QByteArray();
    }
    return QByteArray();
}

// A temporary file in a folder: created, locked and filled by `fill`, flushed, then named.
// Unnamed while it is written where the file system allows it, so that a killed save leaves
// nothing; else named from the start (and locked at once).
class Temporary {
  public:
    // `fill` writes the contents; it returns 0 or the error code. The file gets `mode` exactly
    // (a file's it replaces), or, without it, the usual permissions less the user's mask.
    template <typename Fill>
    int create(int folderFd, std::optional<mode_t> mode, Fill fill) {
        folderFd_ = folderFd;
        for (bool unnamed : {true, false}) {
            discard();
            int code = open(unnamed, mode.value_or(0666));
            if (code != 0) {
                if (unnamed) continue;  // no unnamed files here
                return code;
            }
            if (::flock(fd_.get(), LOCK_EX | LOCK_NB) != 0) return errno;
            if (mode && ::fchmod(fd_.get(), *mode) != 0) return errno;
            if ((code = fill(fd_.get())) != 0) return code;
            if (calls().fsync(fd_.get()) != 0) return errno;
            if (!unnamed) return 0;
            name_ = nameUnnamedFile(fd_.get(), folderFd);
            if (!name_.isEmpty()) return 0;
            // Cannot name it here (no /proc): write it again, named.
        }
        return EIO;
    }
    ~Temporary() { discard(); }
    const QByteArray& name() const { return name_; }
    int fd() const { return fd_.get(); }
    // The file stays under whatever name it was given since (the rename).
    void keep() { name_.clear(); }
    void discard() {
        if (!name_.isEmpty()) ::unlinkat(folderFd_, name_.constData(), 0);
        name_.clear();
        fd_.reset();
    }

  private:
    int open(bool unnamed, mode_t mode) {
        if (unnamed) {
            fd_ = Descriptor(::openat(folderFd_, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode));
            return fd_.valid() ? 0 : errno;
        }
        for (int attempt = 0; attempt < 16; ++attempt) {
            const QByteArray name = randomTemporaryName();
            fd_ = Descriptor(::openat(folderFd_, name.constData(),
                                      O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode));
            if (fd_.valid()) {
                name_ = name;
                return 0;
            }
            if (errno != EEXIST) return errno;
        }
        return EEXIST;
    }

    int folderFd_ = -1;
    Descriptor fd_;
    QByteArray name_;
};

int copyAll(int from, int to) {
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(from, buffer, sizeof buffer);
        if (n == 0) return 0;
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        int code = 0;
        if (!writeAll(to, buffer, n, &code)) return code;
    }
}

// A copy of the file now at the target under a temporary name beside it, to become the backup
// once the new file has taken the target's place. A second name for the same file where the
// file system allows it, else a copy written and flushed like any save. Empty when no copy
// could be made.
class PendingBackup {
  public:
    PendingBackup(int folderFd, const QByteArray& target, const struct stat& old)
        : folderFd_(folderFd) {
        Descriptor source(
            ::openat(folderFd, target.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
        if (!source.valid()) return;
        // The second name is the same file: locked before it has the name (the file keeps its
        // old times), no other save takes it for a leftover.
        if (::flock(source.get(), LOCK_EX | LOCK_NB) == 0) {
            for (int attempt = 0; attempt < 16; ++attempt) {
                const QByteArray name = randomTemporaryName();
                if (::linkat(folderFd, target.constData(), folderFd, name.constData(), 0) == 0) {
                    name_ = name;
                    lock_ = std::move(source);
                    return;
                }
                if (errno != EEXIST) break;
            }
            ::flock(source.get(), LOCK_UN);
        }
        // No hard links here: copy the bytes.
        if (copy_.create(folderFd, old.st_mode & 07777, [&](int fd) {
                return ::lseek(source.get(), 0, SEEK_SET) == 0 ? copyAll(source.get(), fd) : errno;
            }) == 0)
            name_ = copy_.name();
    }
    ~PendingBackup() {
        if (!name_.isEmpty()) ::unlinkat(folderFd_, name_.constData(), 0);
    }
    PendingBackup(const PendingBackup&) = delete;
    PendingBackup& operator=(const PendingBackup&) = delete;

    // Puts the copy in the backup's place (the old backup goes only now).
    void keepAs(const QByteArray& backup) {
        if (name_.isEmpty()) return;
        struct stat st;
        // A folder (or anything but a file) of the backup's name is the user's.
        if (::fstatat(folderFd_, backup.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            !S_ISREG(st.st_mode))
            return;
        // (Renaming onto another name of the same file succeeds and leaves both names: the
        // destructor removes ours either way.)
        ::renameat(folderFd_, name_.constData(), folderFd_, backup.constData());
    }

  private:
    int folderFd_;
    QByteArray name_;
    Descriptor lock_;
    Temporary copy_;
};

// Where a save lands: the folder, the entry's name in it, and what is there now.
struct Place {
    Descriptor folder;
    QByteArray name;
    bool exists = false;
    struct stat old {};
};

// The backup's name for the file name `name` (see BackupPathFor).
QByteArray backupName(const QByteArray& name) {
    if (name.size() + 4 <= NAME_MAX) return name + ".bak";
    return QFile::encodeName(QFileInfo(BackupPathFor(QFile::decodeName(name))).fileName());
}

enum class Fault { None, BadName, Refused, Failed };

struct Outcome {
    Fault fault = Fault::None;
    QString why;
};

// Finds the entry a save to `path` replaces, following the user's own links one by one with
// descriptors (never a path put together here); refuses what must not be replaced.
Outcome findPlace(const QByteArray& path, const QString& shown, Place& place) {
    const auto refuse = [&](const QString& reason) {
        return Outcome{Fault::Refused,
                       QStringLiteral("Cannot save over %1: %2.").arg(shown, reason)};
    };
    auto [folder, name] = splitLast(path);
    if (name.isEmpty() || name == "." || name == "..")
        return {Fault::BadName, QStringLiteral("%1 is not a file name").arg(shown)};
    Descriptor first = openFolder(AT_FDCWD, folder);
    if (!first.valid()) {
        const int code = errno;
        return {code == EACCES || code == EIO ? Fault::Failed : Fault::BadName,
                QStringLiteral("Cannot save %1: %2").arg(shown, systemError(code))};
    }
    const QByteArray firstName = name;
    Descriptor here(::dup(first.get()));
    const uid_t me = ::geteuid();
    int links = 0;
    struct stat st;
    place.exists = true;
    for (;;) {
        if (::fstatat(here.get(), name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            const int code = errno;
            if (code == ENOENT && links > 0)
                return refuse(QStringLiteral("it is a link to nothing"));
            if (code == ENOENT) {
                place.exists = false;  // a new file
                break;
            }
            return {code == ENAMETOOLONG || code == ENOTDIR ? Fault::BadName : Fault::Failed,
                    QStringLiteral("Cannot save %1: %2").arg(shown, systemError(code))};
        }
        if (!S_ISLNK(st.st_mode)) break;
        if (st.st_uid != me) return refuse(QStringLiteral("it is a link of another user"));
        if (++links > kMostLinks) return refuse(QStringLiteral("it is a link in a loop"));
        QByteArray target(PATH_MAX, '\0');
        const ssize_t n = ::readlinkat(here.get(), name.constData(), target.data(), target.size());
        if (n <= 0 || n >= target.size()) return refuse(QStringLiteral("its link cannot be read"));
        target.truncate(n);
        auto [nextFolder, nextName] = splitLast(target);
        if (nextName.isEmpty() || nextName == "." || nextName == "..")
            return refuse(QStringLiteral("it is a link to something that is not a file"));
        if (!nextFolder.isEmpty()) {
            Descriptor next = openFolder(here.get(), nextFolder);
            if (!next.valid()) return refuse(QStringLiteral("it is a link to nothing"));
            here = std::move(next);
        }
        name = nextName;
    }
    if (place.exists) {
        if (S_ISDIR(st.st_mode) && links == 0)
            return {Fault::BadName, QStringLiteral("%1 is a folder").arg(shown)};
        if (!S_ISREG(st.st_mode))
            return refuse(links > 0 ? QStringLiteral("it is a link to something that is not a file")
                                    : QStringLiteral("it is not a file"));
        if (st.st_uid != me)
            return refuse(links > 0 ? QStringLiteral("it is a link to a file of another user")
                                    : QStringLiteral("it belongs to another user"));
        if ((st.st_mode & S_IWUSR) == 0) return refuse(QStringLiteral("it is read-only"));
    }
    if (links > 0) {
        // The system follows the same name by its own rules (links in shared folders): it must
        // come to the same file.
        struct stat followed;
        Descriptor check(::openat(first.get(), firstName.constData(), O_PATH | O_CLOEXEC));
        if (!check.valid() || ::fstat(check.get(), &followed) != 0 ||
            followed.st_dev != st.st_dev || followed.st_ino != st.st_ino)
            return refuse(QStringLiteral("the system does not follow its link"));
    }
    place.folder = std::move(here);
    place.name = name;
    place.old = st;
    return {};
}

Outcome writeSafely(const QString& path, const QByteArray& bytes, SafeWriteBackup backup) {
    if (path.isEmpty()) return {Fault::BadName, QStringLiteral("No file name given")};
    const QString shown = QFileInfo(path).absoluteFilePath();
    Place place;
    if (Outcome found = findPlace(EncodeFilePath(shown), shown, place); found.fault != Fault::None)
        return found;
    const int folder = place.folder.get();
    removeLeftovers(folder);

    const auto failed = [&](const QString& what, int why) {
        return Outcome{Fault::Failed,
                       QStringLiteral("%1 %2: %3").arg(what, shown, systemError(why))};
    };
    // A replaced file keeps its permissions.
    std::optional<mode_t> mode;
    if (place.exists) mode = place.old.st_mode & 07777;
    Temporary temporary;
    if (const int code = temporary.create(
            folder, mode,
            [&](int fd) {
                int why = 0;
                return writeAll(fd, bytes.constData(), bytes.size(), &why) ? 0 : why;
            });
        code != 0)
        return failed(QStringLiteral("Cannot write"), code);
    // Only now is every byte known to be on the disk.
    std::optional<PendingBackup> previous;
    if (place.exists && backup == SafeWriteBackup::KeepPrevious)
        previous.emplace(folder, place.name, place.old);
    if (calls().renameat(folder, temporary.name().constData(), folder, place.name.constData()) != 0)
        return failed(QStringLiteral("Cannot replace"), errno);
    temporary.keep();
    if (previous) previous->keepAs(backupName(place.name));
    // Make the rename itself durable; a folder that cannot be synced is not an error.
    calls().fsync(folder);
    return {};
}

}  // namespace

SafeWriteSystem DefaultSafeWriteSystem() {
    return {systemWrite, systemFsync, systemRenameat};
}

SafeWriteSystem SetSafeWriteSystem(const SafeWriteSystem& replacement) {
    const SafeWriteSystem before = calls();
    calls() = replacement;
    return before;
}

QString BackupPathFor(const QString& path) {
    const QString backup = path + QStringLiteral(".bak");
    const QByteArray name = QFile::encodeName(QFileInfo(backup).fileName());
    if (name.size() <= NAME_MAX) return backup;
    // Too long for a name: keep the start (whole characters) and tell names apart by a hash.
    const QString fileName = QFileInfo(path).fileName();
    const QString mark =
        u'~' + QString::fromLatin1(
                   QCryptographicHash::hash(QFile::encodeName(fileName), QCryptographicHash::Sha1)
                       .toHex()
                       .left(8));
    QString kept = fileName;
    while (!kept.isEmpty() &&
           QFile::encodeName(kept + mark + QStringLiteral(".bak")).size() > NAME_MAX)
        kept.chop(kept.size() >= 2 && kept.back().isLowSurrogate() ? 2 : 1);
    return path.left(path.size() - fileName.size()) + kept + mark + QStringLiteral(".bak");
}

bool IsSafeWriteTemporaryName(const QString& fileName) {
    static const QRegularExpression pattern(QStringLiteral("^\\.vantora95-[0-9a-f]{8}\\.part$"));
    return pattern.match(fileName).hasMatch();
}

int RemoveSafeWriteLeftovers(const QString& folder) {
    const Descriptor fd(
        ::open(EncodeFilePath(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return fd.valid() ? removeLeftovers(fd.get()) : 0;
}

bool WriteFileSafely(const QString& path, const QByteArray& bytes, SafeWriteBackup backup,
                     SafeWriteFailure* failure) {
    const Outcome outcome = writeSafely(path, bytes, backup);
    if (outcome.fault == Fault::None) return true;
    if (failure) *failure = {outcome.fault == Fault::BadName, outcome.why};
    return false;
}

bool WriteFileSafely(const QString& path, const QByteArray& bytes, QString* error,
                     SafeWriteBackup backup) {
    SafeWriteFailure failure;
    if (WriteFileSafely(path, bytes, backup, &failure)) return true;
    if (error) *error = failure.why;
    return false;
}
