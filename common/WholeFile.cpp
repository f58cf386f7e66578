#include "common/WholeFile.h"

#include "common/AppError.h"

#include <QSaveFile>

#include <cerrno>

namespace brannock {

void writeWholeFile(const QString &path, const QByteArray &bytes)
{
    // Unbuffered: a write that fails in a buffer flush at commit() would not stop the
    // commit in every Qt version.
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const int error = errno;
        throw fileError(QStringLiteral("create"), path, error != 0 ? error : EIO);
    }
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const int error = errno;
        file.cancelWriting();
        throw fileError(QStringLiteral("write"), path, error != 0 ? error : EIO);
    }
    errno = 0;
    if (!file.commit()) {
        const int error = errno;
        throw fileError(QStringLiteral("write"), path, error != 0 ? error : EIO);
    }
}

} // namespace brannock
