#include "platform/FileListing.h"

#include "base/AppError.h"
#include "base/FileErrors.h"

#include <QDir>

#include <cerrno>
#include <windows.h>

namespace brannock {

namespace {

std::wstring nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

class Handle {
public:
    explicit Handle(HANDLE handle) : m_handle(handle) {}
    ~Handle()
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
    }
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;
    HANDLE get() const { return m_handle; }

private:
    HANDLE m_handle;
};

} // namespace

FolderListing listFilesEndingIn(const QString &folder, QLatin1StringView suffix)
{
    FolderListing listing;
    std::wstring pattern = nativePath(folder);
    if (!pattern.empty() && pattern.back() != L'\\')
        pattern += L'\\';
    pattern += L'*';
    WIN32_FIND_DATAW entry{};
    clearFileError();
    const HANDLE search = FindFirstFileW(pattern.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) {
        // An empty drive root has no entries at all; anything else is a failure.
        if (GetLastError() != ERROR_FILE_NOT_FOUND) {
            const int error = lastFileError(folder);
            listing.error = error != 0 ? error : EIO;
        }
        return listing;
    }
    do {
        // The hidden mark is what hides a file here; folders are never items.
        if (entry.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN))
            continue;
        const QString name = QString::fromWCharArray(entry.cFileName);
        if (name.endsWith(suffix, Qt::CaseInsensitive))
            listing.names.append(name);
    } while (FindNextFileW(search, &entry));
    if (GetLastError() != ERROR_NO_MORE_FILES) {
        const int error = lastFileError(folder);
        listing.error = error != 0 ? error : EIO;
    }
    FindClose(search);
    return listing;
}

QByteArray readFileStart(const QString &path, qsizetype maxBytes)
{
    clearFileError();
    const Handle file(CreateFileW(nativePath(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    // A folder cannot be opened as a file: a path or file access error, as elsewhere.
    if (file.get() == INVALID_HANDLE_VALUE)
        throw lastFileFailure(QStringLiteral("open"), path, EIO);
    // Only a file on a disk is read, never a pipe or a device that could keep the read waiting.
    if (GetFileType(file.get()) != FILE_TYPE_DISK)
        throw fileError(QStringLiteral("open"), path, EIO);
    QByteArray bytes(maxBytes, Qt::Uninitialized);
    DWORD got = 0;
    if (!ReadFile(file.get(), bytes.data(), DWORD(maxBytes), &got, nullptr))
        throw lastFileFailure(QStringLiteral("read"), path, EIO);
    bytes.truncate(qsizetype(got));
    return bytes;
}

std::optional<FileIdentity> fileIdentityOf(const QString &path)
{
    // No access asked for: the attributes and the file index are readable anyway, and a
    // folder opens with backup semantics.
    const Handle file(CreateFileW(nativePath(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file.get(), &info))
        return std::nullopt;
    return FileIdentity{quint64(info.dwVolumeSerialNumber),
                        (quint64(info.nFileIndexHigh) << 32) | quint64(info.nFileIndexLow)};
}

} // namespace brannock
