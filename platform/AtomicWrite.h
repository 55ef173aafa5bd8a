#pragma once
// Replaces a file's whole contents so that, whatever fails, the file holds either its old bytes
// or the new ones, never a mixture or a torn copy.

#include <QByteArray>
#include <QString>

namespace platform {

// Writes the bytes to a new file in the same folder, flushes it to disk and renames it over
// the old file (following a symbolic link to the file it names). The old file's permissions
// carry over; a new file gets the usual ones. An old file that this process may not write is
// not replaced. False when any step failed; the old file is then as it was and no temporary
// file is left behind.
bool replaceFileAtomically(const QString &path, const QByteArray &bytes);

}  // namespace platform
