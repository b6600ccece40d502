// The one way the program writes a file: checked to the last byte, then an atomic rename.
#pragma once

#include <QByteArray>
#include <QString>

// Writes `bytes` to `path` atomically: a temporary file beside it, every byte checked as written
// and flushed to disk, then renamed over the target. On failure the target is left byte for
// byte and `error` (if given) says why; returns false.
//
// The temporary file is named ".vantora95-" + 8 hex digits + ".part" and is locked while it is
// written. Before writing, leftovers of that naming in the target's folder whose writer is gone
// (a save killed before its rename) are removed. A target that is a symbolic link is written
// through the link; an existing target's permissions are kept.
bool WriteFileSafely(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Whether a file name has the naming of the safe writer's temporary files.
bool IsSafeWriteTemporaryName(const QString& fileName);
