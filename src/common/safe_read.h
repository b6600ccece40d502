// Reading a user's file without trusting what stands at its name: a regular file only, and never
// more than a limit.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The bytes of the regular file at `path` (a link is followed), at most `limit` of them. Nothing,
// with `error` (if given) saying why, when the file is missing or unreadable, when the name is
// anything but a regular file (a device, a FIFO, a socket, a folder: such a name is never waited
// on or read without end), or when the file holds more than `limit` bytes, whatever size it
// reports.
std::optional<QByteArray> ReadFileSafely(const QString& path, qint64 limit,
                                         QString* error = nullptr);

// A file name as the system holds it, for a name given as bytes that are not valid UTF-8 (a file
// named under an 8-bit language, given on the command line): the text the program shows for it,
// absolute (a relative name is taken from the current folder). Reading and writing that text
// (ReadFileSafely, WriteFileSafely) reach the file by its bytes as given.
QString LocalFileName(const QByteArray& name);

// The bytes of the file name `path` for the system: those given to LocalFileName for the text it
// returned, else QFile::encodeName.
QByteArray EncodeFilePath(const QString& path);
