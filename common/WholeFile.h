#pragma once

#include <QByteArray>
#include <QString>

namespace brannock {

/// Writes `bytes` as the whole content of the file at `path` through a temporary file beside
/// it that replaces the old file only once it is complete: after a failure the old file is
/// as it was (or there is none) and no temporary file is left. Throws AppError (61 for a
/// full disk, 70 when writing is not allowed, 76 for a path through a file, ...).
/// Copies left behind by earlier writes of the same file that were killed are removed
/// first (see removeLeftoverCopies).
void writeWholeFile(const QString &path, const QByteArray &bytes);

/// Removes the temporary copies that killed writes of the file at `path` left beside it:
/// regular files named after it plus "." and six characters, unchanged for over a minute
/// (a live writer's copy is younger). Links, folders and other names are left alone.
/// Failing to remove one is no failure.
void removeLeftoverCopies(const QString &path);

} // namespace brannock
