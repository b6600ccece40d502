// The one way the program writes a file: checked to the last byte, then an atomic rename.
#pragma once

#include <sys/types.h>

#include <QByteArray>
#include <QString>

// Writes `bytes` to `path` atomically: a temporary file beside it, every byte checked as written
// and flushed to disk, then renamed over the target. On failure the target is left byte for
// byte and `error` (if given) says why; returns false.
//
// Only a regular file of the user's own, that they may write, is replaced: a file of another
// user, a read-only file, a device, a FIFO or a socket is refused ("Cannot save over NAME: it is
// read-only."). A symbolic link at the target is followed only when every link on the way is the
// user's own and it ends at such a file; the file is then replaced in its own folder (reached by
// descriptors, with the system's rules for following links) and the links stay links. A link of
// another user, a link to nothing and a link to anything but a file are refused. A file with
// several names (hard links) is replaced under this name only.
//
// The temporary file is created unnamed where the file system allows it and named
// ".vantora95-" + 8 hex digits + ".part" only when it is whole; it is locked from its creation to
// the rename. Leftovers of that naming in the folder (a save killed before its rename) are removed
// before writing: only those untouched for a minute whose lock is free, so saves running at the
// same time never take each other's files. An existing target's permissions are kept.
//
// With `SafeWriteBackup::KeepPrevious`, a file already at the target is kept as
// BackupPathFor(target) ("Family.wms" -> "Family.wms.bak", one generation): the old backup is
// replaced only once the new file is on the disk and has taken the target's place. A failed
// save leaves both the file and its backup as they were. Not being able to keep the backup
// (a folder of that name, a read-only folder entry) does not fail the save.
enum class SafeWriteBackup { None, KeepPrevious };
bool WriteFileSafely(const QString& path, const QByteArray& bytes, QString* error = nullptr,
                     SafeWriteBackup backup = SafeWriteBackup::None);

// Why a save failed: `why` for the user, and whether the name itself is at fault (no such
// folder, a folder of that name, a name too long, no name) rather than the writing.
struct SafeWriteFailure {
    bool badName = false;
    QString why;
};
bool WriteFileSafely(const QString& path, const QByteArray& bytes, SafeWriteBackup backup,
                     SafeWriteFailure* failure);

// Where the backup of a file saved with SafeWriteBackup::KeepPrevious goes: its path + ".bak".
// A name too long for that (a backup name holds at most 255 bytes) keeps its first part, "~" and 8
// hex digits made from the whole name, then ".bak".
QString BackupPathFor(const QString& path);

// Whether a file name has the naming of the safe writer's temporary files.
bool IsSafeWriteTemporaryName(const QString& fileName);

// Removes the leftovers of killed saves from `folder` (the rule above); returns how many.
int RemoveSafeWriteLeftovers(const QString& folder);

// The system calls whose results the writer checks, replaceable so that tests can make them fail
// (a short write, a failed flush or rename). SetSafeWriteSystem returns the calls it replaces.
struct SafeWriteSystem {
    ssize_t (*write)(int fd, const void* data, size_t size);
    int (*fsync)(int fd);
    int (*renameat)(int fromFolder, const char* from, int toFolder, const char* to);
};
SafeWriteSystem DefaultSafeWriteSystem();
SafeWriteSystem SetSafeWriteSystem(const SafeWriteSystem& calls);
