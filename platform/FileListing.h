#pragma once

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>
#include <QStringList>

#include <optional>

namespace brannock {

/// What listing a folder gave: the names, or why the folder could not be listed.
struct FolderListing {
    QStringList names;
    /// 0, or the errno value (ENOENT, EACCES, ENOTDIR, ...) when the folder could not be read.
    int error = 0;
};

/// The files directly in `folder` whose names end in `suffix` (letters compared without
/// case), in the order the system lists them, from one pass over the folder. Folders and
/// anything else that is not a file are left out; a link counts as what it points to. On
/// POSIX systems a name that starts with a dot is an ordinary name and is listed; on Windows
/// a file marked hidden is left out, as the system's own listings do.
FolderListing listFilesEndingIn(const QString &folder, QLatin1StringView suffix);

/// The first `maxBytes` bytes of the file at `path` (fewer when the file is shorter): one
/// open, one read and one close. Throws AppError (`fileError`, action "open" or "read");
/// anything but a regular file (a folder, a pipe, a device) is reported as a file that
/// cannot be opened, and the call never waits on it.
QByteArray readFileStart(const QString &path, qsizetype maxBytes);

/// Which file on which device `path` names, a link counting as what it points to: two
/// paths with equal identities are one file (a hard link, a second mount).
struct FileIdentity {
    quint64 device = 0;
    quint64 file = 0;
    bool operator==(const FileIdentity &) const = default;
};
/// nullopt when the file does not exist or the system does not tell.
std::optional<FileIdentity> fileIdentityOf(const QString &path);

} // namespace brannock
