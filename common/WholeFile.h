#pragma once

#include <QByteArray>
#include <QString>

namespace brannock {

/// Writes `bytes` as the whole content of the file at `path` through a temporary file beside
/// it that replaces the old file only once it is complete: after a failure the old file is
/// as it was (or there is none) and no temporary file is left. Throws AppError (61 for a
/// full disk, 70 when writing is not allowed, 76 for a path through a file, ...).
void writeWholeFile(const QString &path, const QByteArray &bytes);

} // namespace brannock
