#include "shell/ui/single_instance_ui.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QWidget>
#include <cerrno>
#include <cstring>
#include <utility>

#include "common/descriptor.h"
#include "platform/dialogs.h"
#include "platform/window_registry.h"
#include "shell/ui/file_open_ui.h"

namespace {

// One path a line, in UTF-8; the running program answers "ok" once it has it.
constexpr qint64 kMaxMessage = 64 * 1024;

void bringToFront(QWidget* w) {
    if (!w) return;
    if (w->isMinimized()) w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    w->raise();
    w->activateWindow();
}

}  // namespace

QString InstanceName(const QString& programFolder, const QString& display) {
    const QByteArray key = QByteArray::number(static_cast<qulonglong>(getuid())) + '\n' +
                           display.toUtf8() + '\n' + programFolder.toUtf8();
    return QStringLiteral("vantora95-") +
           QString::fromLatin1(
               QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(16));
}

namespace {

// A local stream socket with the standard C calls: Qt's local sockets would load its network
// module with every start for this one line.
sockaddr_un addressOf(const QString& path, bool& fits) {
    sockaddr_un a{};
    a.sun_family = AF_UNIX;
    const QByteArray bytes = QFile::encodeName(path);
    fits = bytes.size() < static_cast<qsizetype>(sizeof a.sun_path);
    if (fits) std::memcpy(a.sun_path, bytes.constData(), static_cast<size_t>(bytes.size()));
    return a;
}

// A connected socket to `path`, or -1 when nobody listens there.
int connectTo(const QString& path) {
    bool fits = false;
    const sockaddr_un a = addressOf(path, fits);
    if (!fits) return -1;
    Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!fd.valid()) return -1;
    int r;
    do r = ::connect(fd.get(), reinterpret_cast<const sockaddr*>(&a), sizeof a);
    while (r < 0 && errno == EINTR);
    return r == 0 ? fd.release() : -1;
}

// Waits up to `ms` for `events` on `fd`.
bool waitFor(int fd, short events, int ms) {
    QDeadlineTimer deadline(ms);
    for (;;) {
        pollfd p{fd, events, 0};
        const int r = ::poll(&p, 1, static_cast<int>(deadline.remainingTime()));
        if (r > 0) return true;
        if (r == 0 || errno != EINTR) return false;
    }
}

bool sendAll(int fd, QByteArray data, int ms) {
    while (!data.isEmpty()) {
        if (!waitFor(fd, POLLOUT, ms)) return false;
        const ssize_t n = ::send(fd, data.constData(), static_cast<size_t>(data.size()),
                                 MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (n <= 0) return false;
        data.remove(0, n);
    }
    return true;
}

// One later start's connection: reads its line, answers "ok" and hands the path on.
class Caller : public QObject {
  public:
    Caller(int fd, QObject* parent, std::function<void(const QString&)> received)
        : QObject(parent),
          fd_(fd),
          notifier_(fd, QSocketNotifier::Read, this),
          received_(std::move(received)) {
        connect(&notifier_, &QSocketNotifier::activated, this, &Caller::read);
    }

  private:
    void read() {
        char chunk[4096];
        const ssize_t n = ::recv(fd_.get(), chunk, sizeof chunk, MSG_DONTWAIT);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) return;
        if (n <= 0) return finish();  // gone before saying anything whole
        line_.append(chunk, n);
        const qsizetype end = line_.indexOf('\n');
        if (end < 0) {
            if (line_.size() > kMaxMessage) finish();
            return;
        }
        const QString path = QString::fromUtf8(line_.left(end));
        sendAll(fd_.get(), "ok\n", 1000);
        finish();
        // The second process ends at once; the file opens after it has its answer.
        QMetaObject::invokeMethod(
            qApp, [received = received_, path] { received(path); }, Qt::QueuedConnection);
    }
    void finish() {
        notifier_.setEnabled(false);
        fd_.reset();
        deleteLater();
    }

    Descriptor fd_;
    QSocketNotifier notifier_;
    QByteArray line_;
    std::function<void(const QString&)> received_;
};

// The listening socket; its file goes with it.
class Listener : public QObject {
  public:
    Listener(int fd, QString path, QObject* parent, std::function<void(const QString&)> received)
        : QObject(parent),
          fd_(fd),
          path_(std::move(path)),
          notifier_(fd, QSocketNotifier::Read, this),
          received_(std::move(received)) {
        connect(&notifier_, &QSocketNotifier::activated, this, [this] {
            for (;;) {
                const int c = ::accept4(fd_.get(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
                if (c < 0) break;
                new Caller(c, this, received_);
            }
        });
    }
    ~Listener() override { ::unlink(QFile::encodeName(path_).constData()); }

  private:
    Descriptor fd_;
    QString path_;
    QSocketNotifier notifier_;
    std::function<void(const QString&)> received_;
};

// A socket listening at `path`, or -1 when the name is taken (or no socket can be made there).
int listenAt(const QString& path, bool& taken) {
    bool fits = false;
    const sockaddr_un a = addressOf(path, fits);
    taken = false;
    if (!fits) return -1;
    Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (!fd.valid()) return -1;
    if (::bind(fd.get(), reinterpret_cast<const sockaddr*>(&a), sizeof a) != 0) {
        taken = errno == EADDRINUSE;
        return -1;
    }
    if (::listen(fd.get(), 8) != 0) return -1;
    return fd.release();
}

}  // namespace

QString InstanceSocketPath(const QString& name) {
    // The user's own runtime folder, which nobody else can write to; the temporary folder
    // where the session has none.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString folder =
        !runtime.isEmpty() && QFileInfo(runtime).isDir() ? runtime : QDir::tempPath();
    return folder + u'/' + name;
}

bool HandToRunningProgram(const QString& name, const QString& path, int waitMs) {
    Descriptor fd(connectTo(InstanceSocketPath(name)));
    if (!fd.valid()) return false;
    if (!sendAll(fd.get(), path.toUtf8() + '\n', waitMs)) return false;
    // Taken only when the running program says so: otherwise this start goes on by itself.
    QByteArray answer;
    while (!answer.contains('\n') && answer.size() < 64) {
        if (!waitFor(fd.get(), POLLIN, waitMs)) return false;
        char chunk[64];
        const ssize_t n = ::recv(fd.get(), chunk, sizeof chunk, MSG_DONTWAIT);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (n <= 0) return false;
        answer.append(chunk, n);
    }
    return answer.left(answer.indexOf('\n')).trimmed() == "ok";
}

bool ListenForLaterStarts(const QString& name, QObject* owner,
                          std::function<void(const QString&)> received) {
    // The socket is made in place, never renamed over a running program's; only this user can
    // connect (the umask leaves others no write permission on it).
    const QString path = InstanceSocketPath(name);
    bool taken = false;
    int fd = listenAt(path, taken);
    if (fd < 0 && taken) {
        // Someone answers on it: a program runs. Nobody does: a crashed program left it behind.
        Descriptor probe(connectTo(path));
        if (probe.valid()) return false;
        ::unlink(QFile::encodeName(path).constData());
        fd = listenAt(path, taken);
    }
    if (fd < 0) return true;  // no hand-over then, but the program runs
    new Listener(fd, path, owner, std::move(received));
    return true;
}

void OpenHandedOverFile(const QString& path) {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        bringToFront(modal);
        if (!path.isEmpty()) dialogs::beep();
        return;
    }
    const QString tool = ToolForFile(path);
    const bool free = Windows().visible(QStringLiteral("MenuMain")) ||
                      (!tool.isEmpty() && Windows().visible(tool));
    if (!path.isEmpty() && free) {
        OpenFileInItsTool(path, QString());
    } else if (!path.isEmpty()) {
        dialogs::beep();
    }
    if (QApplication::activeModalWidget()) return;  // a message of the tool's is up, in front
    bringToFront(dialogs::ownerWindow());
}
