#include "platform/system_printer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QPagedPaintDevice>
#include <cstdio>
#include <memory>

namespace system_printer {
namespace {

using AvailableFn = bool (*)();
using OpenFn = QPagedPaintDevice* (*)(const QString*);

struct Module {
    QString path;
    QString error;
    // Kept loaded for the rest of the run: its devices' code lives in it (a QLibrary going away
    // does not unload it).
    std::shared_ptr<QLibrary> library;
    AvailableFn available = nullptr;
    OpenFn open = nullptr;
};

// Beside the executable in a build; in the library folder of an installed copy.
QStringList moduleCandidates() {
    const QString exe = QCoreApplication::applicationDirPath();
    const QString name = QStringLiteral(VANTORA95_PRINTER_MODULE);
    return {exe + u'/' + name,
            QDir::cleanPath(exe + QStringLiteral("/../" VANTORA95_MODULE_DIR "/") + name)};
}

const Module& module() {
    static const Module loaded = [] {
        Module m;
        QStringList tried;
        for (const QString& candidate : moduleCandidates()) {
            if (!QFileInfo::exists(candidate)) {
                tried << candidate;
                continue;
            }
            auto library = std::make_shared<QLibrary>(candidate);
            m.available = reinterpret_cast<AvailableFn>(
                library->resolve("vantora95_printer_available"));
            m.open = reinterpret_cast<OpenFn>(library->resolve("vantora95_printer_open"));
            if (m.available && m.open) {
                m.path = candidate;
                m.library = std::move(library);
                return m;
            }
            m.error = library->errorString();
            m.available = nullptr;
            m.open = nullptr;
            return m;
        }
        m.error = QStringLiteral("Not found: ") + tried.join(QStringLiteral(", "));
        return m;
    }();
    static const bool told = [] {
        // Printouts still go to PDF files; whoever looks into why the printer is not used
        // finds the reason on the terminal.
        if (!loaded.error.isEmpty())
            std::fprintf(stderr, "Vantora 95: printing module not loaded: %s\n",
                         qPrintable(loaded.error));
        return true;
    }();
    Q_UNUSED(told);
    return loaded;
}

}  // namespace

bool available() {
    const Module& m = module();
    return m.available && m.available();
}

std::unique_ptr<QPagedPaintDevice> open(const QString& jobName) {
    const Module& m = module();
    if (!m.open) return nullptr;
    return std::unique_ptr<QPagedPaintDevice>(m.open(&jobName));
}

QString modulePath() {
    return module().path;
}

QString loadError() {
    return module().error;
}

}  // namespace system_printer
