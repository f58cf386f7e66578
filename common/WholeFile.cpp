#include "common/WholeFile.h"

#include "common/AppError.h"
#include "platform/FileErrors.h"

#include <QSaveFile>

namespace brannock {

void writeWholeFile(const QString &path, const QByteArray &bytes)
{
    // Unbuffered: a write that fails in a buffer flush at commit() would not stop the
    // commit in every Qt version.
    QSaveFile file(path);
    clearFileError();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw lastFileFailure(QStringLiteral("create"), path, EIO);
    clearFileError();
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const AppError failure = lastFileFailure(QStringLiteral("write"), path, EIO);
        file.cancelWriting();
        throw failure;
    }
    clearFileError();
    if (!file.commit())
        throw lastFileFailure(QStringLiteral("write"), path, EIO);
}

} // namespace brannock
