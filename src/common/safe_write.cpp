#include "common/safe_write.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <optional>

namespace {

const QString kTempPrefix = QStringLiteral(".vantora95-");
const QString kTempSuffix = QStringLiteral(".part");

QString systemError(int code) {
    return QString::fromLocal8Bit(strerror(code));
}

void setError(QString* error, const QString& text) {
    if (error) *error = text;
}

// An open descriptor that is closed on every path out.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now and tells whether the close succeeded (some file systems report a
    // failed write only here).
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

// Removes temporaries of our naming whose writer has gone: a writer holds a lock on its
// temporary until the rename, so a lock we can take belongs to nobody.
void removeLeftovers(const QString& folder) {
    const QDir dir(folder);
    const QStringList names = dir.entryList({kTempPrefix + u'*' + kTempSuffix},
                                            QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (!IsSafeWriteTemporaryName(name)) continue;
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        Descriptor fd(::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
        if (fd.get() < 0) continue;
        struct stat st;
        if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) continue;
        ::unlink(path.constData());
    }
}

bool writeAll(int fd, const char* data, qsizetype size, int* code) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(size));
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

// Creates a temporary of our naming in `folder` and returns its descriptor (locked) and path,
// or -1 with `code` set.
int createTemporary(const QString& folder, QByteArray* tempName, int* code) {
    int fdValue = -1;
    for (int attempt = 0; attempt < 16 && fdValue < 0; ++attempt) {
        const QString name =
            kTempPrefix +
            QStringLiteral("%1").arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0')) +
            kTempSuffix;
        *tempName = QFile::encodeName(QDir(folder).filePath(name));
        fdValue = ::open(tempName->constData(),
                         O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        *code = errno;
        if (fdValue < 0 && *code != EEXIST) break;
    }
    // Held until the rename, so that no other save takes this file for a leftover.
    if (fdValue >= 0) ::flock(fdValue, LOCK_EX | LOCK_NB);
    return fdValue;
}

// A copy of the file now at `target` under a temporary name beside it, to become the backup
// once the new file has taken the target's place. A second name for the same file where the
// file system allows it, else a copy written and flushed like any save. Empty when no copy
// could be made.
class PendingBackup {
  public:
    PendingBackup(const QString& folder, const QByteArray& target, const struct stat& old) {
        int code = 0;
        QByteArray name;
        Descriptor fd(createTemporary(folder, &name, &code));
        if (fd.get() < 0) return;
        name_ = name;
        // Linking needs the name free: the temporary only reserved it.
        if (::unlink(name.constData()) != 0) return;
        if (::link(target.constData(), name.constData()) == 0) {
            lock_ = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
            if (lock_ >= 0) ::flock(lock_, LOCK_EX | LOCK_NB);
            return;
        }
        // No hard links here (or the name was taken meanwhile): copy the bytes.
        Descriptor copy(
            ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600));
        if (copy.get() < 0) {
            name_.clear();
            return;
        }
        Descriptor source(::open(target.constData(), O_RDONLY | O_CLOEXEC));
        if (source.get() < 0 || !copyAll(source.get(), copy.get()) ||
            ::fchmod(copy.get(), old.st_mode & 07777) != 0 || ::fsync(copy.get()) != 0 ||
            !copy.close())
            return;  // the destructor removes the half copy
        lock_ = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (lock_ >= 0) ::flock(lock_, LOCK_EX | LOCK_NB);
    }
    ~PendingBackup() {
        if (!name_.isEmpty()) ::unlink(name_.constData());
        if (lock_ >= 0) ::close(lock_);
    }
    PendingBackup(const PendingBackup&) = delete;
    PendingBackup& operator=(const PendingBackup&) = delete;

    // Puts the copy in the backup's place (the old backup goes only now).
    void keepAs(const QByteArray& backup) {
        if (name_.isEmpty()) return;
        struct stat st;
        // A folder (or anything but a file) of the backup's name is the user's.
        if (::lstat(backup.constData(), &st) == 0 && !S_ISREG(st.st_mode)) return;
        // (Renaming onto another name of the same file succeeds and leaves both names: the
        // destructor removes ours either way.)
        ::rename(name_.constData(), backup.constData());
    }

  private:
    static bool copyAll(int from, int to) {
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::read(from, buffer, sizeof buffer);
            if (n == 0) return true;
            if (n < 0) {
                if (errno == EINTR) continue;
                return false;
            }
            int code = 0;
            if (!writeAll(to, buffer, n, &code)) return false;
        }
    }

    QByteArray name_;
    int lock_ = -1;
};

}  // namespace

QString BackupPathFor(const QString& path) {
    return path + QStringLiteral(".bak");
}

bool IsSafeWriteTemporaryName(const QString& fileName) {
    static const QRegularExpression pattern(QStringLiteral("^\\.vantora95-[0-9a-f]{8}\\.part$"));
    return pattern.match(fileName).hasMatch();
}

bool WriteFileSafely(const QString& path, const QByteArray& bytes, QString* error,
                     SafeWriteBackup backup) {
    if (path.isEmpty()) {
        setError(error, QStringLiteral("No file name given"));
        return false;
    }
    // Through a symbolic link the file it points at is replaced, not the link.
    QString target = QFileInfo(path).absoluteFilePath();
    const QFileInfo targetInfo(target);
    if (targetInfo.isSymLink()) {
        const QString linked = targetInfo.symLinkTarget();
        if (!linked.isEmpty()) target = linked;
    }
    const QString folder = QFileInfo(target).absolutePath();
    removeLeftovers(folder);

    const QByteArray targetName = QFile::encodeName(target);
    struct stat old;
    const bool exists = ::stat(targetName.constData(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) {
        setError(error, target + QStringLiteral(" is a folder"));
        return false;
    }

    QByteArray tempName;
    int code = 0;
    const int fdValue = createTemporary(folder, &tempName, &code);
    if (fdValue < 0) {
        setError(error,
                 QStringLiteral("Cannot create a file in %1: %2").arg(folder, systemError(code)));
        return false;
    }
    Descriptor fd(fdValue);
    const auto discard = [&](const QString& what, int why) {
        ::unlink(tempName.constData());
        setError(error, QStringLiteral("%1 %2: %3").arg(what, target, systemError(why)));
        return false;
    };
    if (exists && ::fchmod(fd.get(), old.st_mode & 07777) != 0)
        return discard(QStringLiteral("Cannot keep the permissions of"), errno);
    if (!writeAll(fd.get(), bytes.constData(), bytes.size(), &code))
        return discard(QStringLiteral("Cannot write"), code);
    if (::fsync(fd.get()) != 0) return discard(QStringLiteral("Cannot write"), errno);
    // Only now is every byte known to be on the disk.
    std::optional<PendingBackup> previous;
    if (exists && S_ISREG(old.st_mode) && backup == SafeWriteBackup::KeepPrevious)
        previous.emplace(folder, targetName, old);
    if (::rename(tempName.constData(), targetName.constData()) != 0)
        return discard(QStringLiteral("Cannot replace"), errno);
    fd.close();
    if (previous) previous->keepAs(QFile::encodeName(BackupPathFor(target)));
    // Make the rename itself durable; a folder that cannot be synced is not an error.
    Descriptor dirFd(
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dirFd.get() >= 0) ::fsync(dirFd.get());
    return true;
}
