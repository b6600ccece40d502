// One running program per desktop: a second start hands its file to the running program.
#pragma once

#include <QString>
#include <functional>

class QObject;

// The name the running program listens on: one per user, desktop (display) and program folder,
// so two portable copies, or two virtual displays, each run their own program.
QString InstanceName(const QString& programFolder, const QString& display);

// Where the socket of `name` is: in the user's runtime folder (XDG_RUNTIME_DIR), else in the
// temporary folder.
QString InstanceSocketPath(const QString& name);

// Hands `path` (absolute, or empty for none) to the program already listening on `name`.
// True when it took it: this process has nothing more to do.
bool HandToRunningProgram(const QString& name, const QString& path, int waitMs = 2000);

// Makes this program the one listening on `name`, unless another already is (false then).
// `received` gets each path a later start hands over (empty when it named no file). The
// listener lives as long as `owner`.
bool ListenForLaterStarts(const QString& name, QObject* owner,
                          std::function<void(const QString& path)> received);

// What the running program does with a handed-over path: comes to the front and opens it in its
// tool, with the tool's own messages, when the main menu or that tool is the window in use. While
// a modal window or another tool is open, it only comes to the front and beeps.
void OpenHandedOverFile(const QString& path);
