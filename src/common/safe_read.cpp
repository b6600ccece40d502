#include "common/safe_read.h"

#include <errno.h>
#include <fcntl.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QScopeGuard>
#include <algorithm>

namespace {

QMutex namesLock;

QHash<QString, QByteArray>& localNames() {
    static QHash<QString, QByteArray> names;
    return names;
}

void setError(QString* error, const QString& text) {
    if (error) *error = text;
}

}  // namespace

QString LocalFileName(const QByteArray& name) {
    QByteArray absolute = name;
    if (!name.startsWith('/')) {
        absolute = QFile::encodeName(QDir::currentPath());
        if (!absolute.endsWith('/')) absolute += '/';
        absolute += name;
    }
    // (Cleaned as the writer cleans names; "." and "/" are the same bytes in any 8-bit text.)
    absolute = QDir::cleanPath(QString::fromLatin1(absolute)).toLatin1();
    const QString text = QFile::decodeName(absolute);
    // A name that survives the round trip needs nothing remembered.
    if (QFile::encodeName(text) == absolute) return QFile::decodeName(name);
    const QMutexLocker locker(&namesLock);
    localNames().insert(text, absolute);
    return text;
}

QByteArray EncodeFilePath(const QString& path) {
    {
        const QMutexLocker locker(&namesLock);
        for (const QString& name : {path, QDir::cleanPath(path)}) {
            const auto it = localNames().constFind(name);
            if (it != localNames().constEnd()) return *it;
        }
    }
    return QFile::encodeName(path);
}

std::optional<QByteArray> ReadFileSafely(const QString& path, qint64 limit, QString* error) {
    const QByteArray name = EncodeFilePath(path);
    const auto fail = [&](const QString& why) -> std::optional<QByteArray> {
        setError(error, path + QStringLiteral(": ") + why);
        return std::nullopt;
    };
    const auto failWith = [&](int code) { return fail(QString::fromLocal8Bit(strerror(code))); };
    if (name.isEmpty()) return fail(QStringLiteral("no file name given"));
    // Look before opening: opening a device can act on it, and a FIFO waits for a writer.
    struct stat st;
    if (::stat(name.constData(), &st) != 0) return failWith(errno);
    if (!S_ISREG(st.st_mode)) return fail(QStringLiteral("not a file"));
    // The name may have changed since: the open cannot wait, and the descriptor decides.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return failWith(errno);
    const auto closeFd = qScopeGuard([fd] { ::close(fd); });
    if (::fstat(fd, &st) != 0) return failWith(errno);
    if (!S_ISREG(st.st_mode)) return fail(QStringLiteral("not a file"));
    if (st.st_size > limit) return fail(QStringLiteral("too large"));
    // Read one byte past the limit to see a file that grew (or never said its size).
    QByteArray bytes;
    bytes.resize(static_cast<qsizetype>(std::min<qint64>(st.st_size, limit)) + 1);
    qsizetype got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got > limit) return fail(QStringLiteral("too large"));
            bytes.resize(static_cast<qsizetype>(std::min<qint64>(2 * got, limit + 1)));
        }
        const ssize_t n = ::read(fd, bytes.data() + got, static_cast<size_t>(bytes.size() - got));
        if (n < 0) {
            if (errno == EINTR) continue;
            return failWith(errno);
        }
        if (n == 0) break;
        got += n;
    }
    if (got > limit) return fail(QStringLiteral("too large"));
    bytes.resize(got);
    return bytes;
}
