#pragma once
// Replaces a file's whole contents so that, whatever fails, the file holds either its old bytes
// or the new ones, never a mixture or a torn copy.

#include <QByteArray>
#include <QString>

namespace platform {

// The file a replace of `path` writes: the path itself, made absolute, or the file a symbolic
// link there names (a player may keep the file elsewhere and link it). Empty for a link to
// nowhere and for a link the player does not own (someone else's link is never followed).
QString replacedFile(const QString &path);

// The lock file that guards the updates of a file (a replacedFile() result): beside it, under a
// short name made from a hash of the file's name, so that it fits the file system's name limit
// however long the file's own name is.
QString lockFileFor(const QString &target);

// Writes the bytes to a new file in the same folder, flushes it to disk and renames it over
// the old file (following a symbolic link to the file it names). The old file's permissions
// carry over; a new file gets the usual ones. An old file that this process may not write is
// not replaced. False when any step failed; the old file is then as it was and no temporary
// file is left behind.
//
// The temporary file is ".quorbix-<hash of the file's name>-<pid>-<n>.tmp". Temporaries of the
// same file left by a process that is gone (a write killed half-way) are removed first. Call it
// while holding the file's lock (lockFileFor): every writer makes its temporary under that lock,
// so none of the temporaries found then can still be in use.
bool replaceFileAtomically(const QString &path, const QByteArray &bytes);

}  // namespace platform
