#include "base/FileErrors.h"

#include <QFileInfo>

#include <cerrno>
#include <windows.h>

namespace brannock {

namespace {

/// Windows says "path not found" both when a folder of the path is missing and when a file
/// stands where a folder should: ENOTDIR for the second, as POSIX systems say, else ENOENT.
int missingPathError(const QString &path)
{
    QFileInfo part(QFileInfo(path).absolutePath());
    while (!part.exists()) {
        const QString up = part.absolutePath();
        if (up == part.absoluteFilePath())
            return ENOENT;
        part = QFileInfo(up);
    }
    return part.isDir() ? ENOENT : ENOTDIR;
}

} // namespace

void clearFileError()
{
    errno = 0;
    SetLastError(ERROR_SUCCESS);
}

int lastFileError(const QString &path)
{
    switch (GetLastError()) {
    case ERROR_SUCCESS:
        return 0;
    case ERROR_FILE_NOT_FOUND:
        return ENOENT;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_DIRECTORY:
        return missingPathError(path);
    case ERROR_ACCESS_DENIED: // also what opening a folder as a file meets
        return QFileInfo(path).isDir() ? EISDIR : EACCES;
    case ERROR_WRITE_PROTECT:
        return EACCES;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    default:
        return EIO;
    }
}

} // namespace brannock
