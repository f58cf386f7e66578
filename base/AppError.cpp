#include "base/AppError.h"

#include "base/FileErrors.h"

#include <QCoreApplication>
#include <QDir>

#include <cerrno>

namespace brannock {

namespace {

/// The texts of failure reports in the player's language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(brannock::fileError)
};

/// What the program does to files, as callers name it to fileError. A report shows it in
/// the player's language; an action not listed here is shown as given.
const char *const kFileActions[] = {
    //: What could not be done to a file or folder, in "Cannot %1 \"%2\": ..."
    QT_TRANSLATE_NOOP("brannock::fileError", "create"),
    QT_TRANSLATE_NOOP("brannock::fileError", "create the folder"),
    QT_TRANSLATE_NOOP("brannock::fileError", "delete"),
    QT_TRANSLATE_NOOP("brannock::fileError", "move"),
    QT_TRANSLATE_NOOP("brannock::fileError", "open"),
    QT_TRANSLATE_NOOP("brannock::fileError", "read"),
    QT_TRANSLATE_NOOP("brannock::fileError", "rename"),
    QT_TRANSLATE_NOOP("brannock::fileError", "write"),
    QT_TRANSLATE_NOOP("brannock::fileError", "write the settings store"),
};

QString actionText(const QString &action)
{
    for (const char *known : kFileActions)
        if (action == QLatin1String(known))
            return Texts::tr(known);
    return action;
}

} // namespace

AppError::AppError(int number, QString description)
    : m_number(number), m_description(std::move(description)), m_what(report().toUtf8())
{
}

QString AppError::report() const
{
    return QCoreApplication::translate("brannock::AppError", "Error %1:\r\n%2").arg(QString::number(m_number), m_description);
}

AppError fileError(const QString &action, const QString &path, int errnoValue)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QString what = actionText(action);
    switch (errnoValue) {
    case ENOENT:
        return AppError(ErrorNumber::FileNotFound,
                        Texts::tr("Cannot %1 \"%2\": file or folder not found.").arg(what, shown));
    case ENOTDIR:
        return AppError(ErrorNumber::PathNotFound,
                        Texts::tr("Cannot %1 \"%2\": part of the path is not a folder.").arg(what, shown));
    case EACCES:
    case EPERM:
    case EROFS:
        return AppError(ErrorNumber::PermissionDenied,
                        Texts::tr("Cannot %1 \"%2\": permission denied.").arg(what, shown));
    case ENOSPC:
    case EFBIG:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return AppError(ErrorNumber::DiskFull,
                        Texts::tr("Cannot %1 \"%2\": the disk is full.").arg(what, shown));
    default:
        return AppError(ErrorNumber::PathFileAccess,
                        Texts::tr("Cannot %1 \"%2\": path or file access error.").arg(what, shown));
    }
}

AppError lastFileFailure(const QString &action, const QString &path, int fallback)
{
    const int error = lastFileError(path);
    return fileError(action, path, error != 0 ? error : fallback);
}

} // namespace brannock
