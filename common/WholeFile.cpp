#include "common/WholeFile.h"

#include "base/AppError.h"
#include "base/FileErrors.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace brannock {

void removeLeftoverCopies(const QString &path)
{
    constexpr qint64 kLiveWriterSeconds = 60;
    const QFileInfo target(path);
    const QString prefix = target.fileName() + QLatin1Char('.');
    const QDateTime now = QDateTime::currentDateTimeUtc();
    // Regular files only: no links, folders, pipes or devices.
    const QFileInfoList entries =
        target.dir().entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::NoSort);
    for (const QFileInfo &entry : entries) {
        const QString name = entry.fileName();
        if (name.size() != prefix.size() + 6 || !name.startsWith(prefix))
            continue;
        if (entry.lastModified().secsTo(now) > kLiveWriterSeconds)
            QFile::remove(entry.filePath());
    }
}

void writeWholeFile(const QString &path, const QByteArray &bytes)
{
    removeLeftoverCopies(path);
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
