#pragma once

#include <QString>

namespace brannock {

/// Forgets the cause of earlier failures, before a file operation whose failure is asked for.
void clearFileError();

/// The cause of the last failed file operation on `path`, as an errno value (0 when the
/// system gave none). On POSIX systems errno itself; on Windows, where Qt's file functions
/// fail without setting errno, the system's last error mapped to the nearest errno value,
/// a missing folder in the path told apart from a file in its way as POSIX does.
int lastFileError(const QString &path);

} // namespace brannock
