#include "platform/FileListing.h"

#include "base/AppError.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brannock {

namespace {

bool endsWithIgnoringCase(const char *name, std::size_t length, QLatin1StringView suffix)
{
    const auto size = std::size_t(suffix.size());
    return length >= size && QLatin1StringView(name + length - size, qsizetype(size))
                                     .compare(suffix, Qt::CaseInsensitive) == 0;
}

/// Whether the entry is a file. The entry's own type answers without asking the system
/// again; only links and file systems that give no type are looked up.
bool isFile(int folderFd, const dirent &entry)
{
    switch (entry.d_type) {
    case DT_REG:
        return true;
    case DT_LNK:
    case DT_UNKNOWN: {
        struct stat info {};
        return fstatat(folderFd, entry.d_name, &info, 0) == 0 && S_ISREG(info.st_mode);
    }
    default:
        return false;
    }
}

class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

FolderListing listFilesEndingIn(const QString &folder, QLatin1StringView suffix)
{
    FolderListing listing;
    DIR *dir = opendir(QFile::encodeName(folder).constData());
    if (!dir) {
        listing.error = errno;
        return listing;
    }
    const int fd = dirfd(dir);
    errno = 0;
    while (const dirent *entry = readdir(dir)) {
        const std::size_t length = std::strlen(entry->d_name);
        // "." and ".." are folders; every other name, dotted or not, is a candidate.
        if (endsWithIgnoringCase(entry->d_name, length, suffix) && isFile(fd, *entry))
            listing.names.append(QFile::decodeName(QByteArray(entry->d_name, qsizetype(length))));
        errno = 0;
    }
    if (errno != 0)
        listing.error = errno;
    closedir(dir);
    return listing;
}

QByteArray readFileStart(const QString &path, qsizetype maxBytes)
{
    // Only a regular file is read. Anything else (a folder, a pipe, a device) is a file that
    // cannot be opened: it is never opened when it is known beforehand, and opened without
    // waiting and looked at again when it took a file's place meanwhile.
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) == 0 && !S_ISREG(info.st_mode))
        throw fileError(QStringLiteral("open"), path, EIO);
    const Descriptor file(::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (file.get() < 0)
        throw fileError(QStringLiteral("open"), path, errno);
    if (::fstat(file.get(), &info) != 0)
        throw fileError(QStringLiteral("open"), path, errno);
    if (!S_ISREG(info.st_mode))
        throw fileError(QStringLiteral("open"), path, EIO);
    QByteArray bytes(maxBytes, Qt::Uninitialized);
    ssize_t got = 0;
    do {
        got = ::read(file.get(), bytes.data(), std::size_t(maxBytes));
    } while (got < 0 && errno == EINTR);
    if (got < 0)
        throw fileError(QStringLiteral("read"), path, errno);
    // A plain file gives all it has up to maxBytes in one read: a shorter answer is its end.
    bytes.truncate(got);
    return bytes;
}

std::optional<FileIdentity> fileIdentityOf(const QString &path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return FileIdentity{quint64(info.st_dev), quint64(info.st_ino)};
}

} // namespace brannock
