#include "base/AppError.h"

#include "base/FileErrors.h"

#include <QDir>

#include <cerrno>

namespace brannock {

AppError::AppError(int number, QString description)
    : m_number(number), m_description(std::move(description)), m_what(report().toUtf8())
{
}

QString AppError::report() const
{
    return QStringLiteral("Error %1:\r\n%2").arg(QString::number(m_number), m_description);
}

AppError fileError(const QString &action, const QString &path, int errnoValue)
{
    const QString shown = QDir::toNativeSeparators(path);
    switch (errnoValue) {
    case ENOENT:
        return AppError(ErrorNumber::FileNotFound,
                        QStringLiteral("Cannot %1 \"%2\": file or folder not found.").arg(action, shown));
    case ENOTDIR:
        return AppError(ErrorNumber::PathNotFound,
                        QStringLiteral("Cannot %1 \"%2\": part of the path is not a folder.").arg(action, shown));
    case EACCES:
    case EPERM:
    case EROFS:
        return AppError(ErrorNumber::PermissionDenied,
                        QStringLiteral("Cannot %1 \"%2\": permission denied.").arg(action, shown));
    case ENOSPC:
    case EFBIG:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return AppError(ErrorNumber::DiskFull,
                        QStringLiteral("Cannot %1 \"%2\": the disk is full.").arg(action, shown));
    default:
        return AppError(ErrorNumber::PathFileAccess,
                        QStringLiteral("Cannot %1 \"%2\": path or file access error.").arg(action, shown));
    }
}

AppError lastFileFailure(const QString &action, const QString &path, int fallback)
{
    const int error = lastFileError(path);
    return fileError(action, path, error != 0 ? error : fallback);
}

} // namespace brannock
