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
//
// With `SafeWriteBackup::KeepPrevious`, a file already at the target is kept as
// BackupPathFor(target) ("Family.wms" -> "Family.wms.bak", one generation): the old backup is
// replaced only once the new file is on the disk and has taken the target's place. A failed
// save leaves both the file and its backup as they were. Not being able to keep the backup
// (a folder of that name, a read-only folder entry) does not fail the save.
enum class SafeWriteBackup { None, KeepPrevious };
bool WriteFileSafely(const QString& path, const QByteArray& bytes, QString* error = nullptr,
                     SafeWriteBackup backup = SafeWriteBackup::None);

// Where the backup of a file saved with SafeWriteBackup::KeepPrevious goes: its path + ".bak".
QString BackupPathFor(const QString& path);

// Whether a file name has the naming of the safe writer's temporary files.
bool IsSafeWriteTemporaryName(const QString& fileName);
