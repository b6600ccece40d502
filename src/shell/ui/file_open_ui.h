// Opening a file named on the command line (a file opened from the desktop) in the tool it belongs
// to.
#pragma once

#include <QString>
#include <functional>

// Files with `extension` (without the dot, any case) open in the tool window `tool`: the main
// menu opens the tool as its button does, then `open` reads the file as the tool's open command
// would, with the same messages for a broken file. Each tool defines its own in its catalogue.
void DefineFileOpener(const QString& extension, const QString& tool,
                      std::function<void(const QString& path)> open);

// Opens `path` (absolute, or relative to the folder the program started in, given as `startFolder`)
// in its tool. A file of a kind no tool opens is refused with a message; returns false then.
bool OpenFileInItsTool(const QString& path, const QString& startFolder);

// The tool window that opens files like `path` ("" for a kind no tool opens).
QString ToolForFile(const QString& path);
