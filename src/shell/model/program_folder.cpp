#include "shell/model/program_folder.h"

#include <errno.h>
#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>

#include "common/safe_write.h"
#include "shell/model/settings.h"

namespace {

QString exeFolder() {
    return QCoreApplication::applicationDirPath();
}

// Installed data: <prefix>/share/vantora95 beside <prefix>/bin.
QString installedDataFolder() {
    return QDir::cleanPath(exeFolder() + QStringLiteral("/../share/vantora95"));
}

bool writable(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isWritable()) return false;
    // isWritable trusts the permission bits; try for real, with a new file of a name nobody
    // can have prepared (never through a link, never over a file that is there).
    for (int attempt = 0; attempt < 8; ++attempt) {
        const QByteArray probe = QFile::encodeName(
            folder + QStringLiteral("/.vantora-write-test-%1")
                         .arg(QRandomGenerator::system()->generate(), 8, 16, QChar(u'0')));
        const int fd =
            ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            ::unlink(probe.constData());
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

// A build folder, or a folder its user marked portable.
bool markedPortable(const QString& exe) {
    return QFileInfo::exists(exe + QStringLiteral("/CMakeCache.txt")) ||
           QFileInfo::exists(exe + u'/' + QLatin1String(kPortableMarker));
}

}  // namespace

ProgramFolders ChooseProgramFolders(const QString& exe, const QString& configHome,
                                    const QString& documents) {
    if (markedPortable(exe) && writable(exe)) return {true, exe, exe};
    return {false, QDir::cleanPath(documents + QStringLiteral("/Vantora 95")),
            QDir::cleanPath(configHome + QStringLiteral("/Vantora95"))};
}

int CopySampleFiles(const QString& from, const QString& to) {
    const QDir data(from);
    // Name filters match in any case: "Dtasampl.WMS" is a sample too.
    const QStringList samples =
        data.entryList({QStringLiteral("*.wms"), QStringLiteral("*.wmw")}, QDir::Files);
    int copied = 0;
    for (const QString& name : samples) {
        const QString target = to + u'/' + name;
        if (!QFileInfo::exists(target) && QFile::copy(data.filePath(name), target)) ++copied;
    }
    return copied;
}

bool CopySampleFilesOnce(const QString& from, const QString& to) {
    // A mark in the folder: samples the user has deleted since stay deleted.
    const QString mark = to + QStringLiteral("/.vantora95-samples-copied");
    const QFileInfo markInfo(mark);
    if (markInfo.exists() || markInfo.isSymLink() || !QFileInfo(from).isDir()) return false;
    CopySampleFiles(from, to);
    // Written as every file the program writes: never through a link planted in its place.
    WriteFileSafely(mark, QByteArray());
    return true;
}

namespace {

const ProgramFolders& folders() {
    static const ProgramFolders chosen = ChooseProgramFolders(
        exeFolder(), QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    return chosen;
}

// Where an earlier installed version kept everything, the settings among them.
QString earlierUserFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Vantora95");
}

}  // namespace

QString ProgramFolder() {
    return folders().user;
}

QString SettingsFile() {
    const QString name = QString::fromLatin1(kSettingsFileName);
    return folders().portable ? name : folders().settings + u'/' + name;
}

void EnterProgramFolder() {
    const QString folder = ProgramFolder();
    QDir().mkpath(folder);
    if (!folders().portable) {
        QDir().mkpath(folders().settings);
        CopySampleFilesOnce(installedDataFolder(), folder);
        const QString earlier = earlierUserFolder() + u'/' + QString::fromLatin1(kSettingsFileName);
        if (!QFileInfo::exists(SettingsFile()) && QFileInfo::exists(earlier))
            QFile::copy(earlier, SettingsFile());
    }
    QDir::setCurrent(folder);
}

QString HelpFolder() {
    const QStringList candidates = {ProgramFolder() + QStringLiteral("/help"),
                                    exeFolder() + QStringLiteral("/help"),
                                    installedDataFolder() + QStringLiteral("/help")};
    for (const QString& c : candidates)
        if (QFileInfo(c).isDir()) return c;
    return candidates.front();
}

QString PrintoutFolder() {
    return ProgramFolder() + QStringLiteral("/Printouts");
}
