#include "skinset/RunGuard.h"

#include "base/AppError.h"
#include "base/FileErrors.h"
#include "common/WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace brannock {

namespace {

/// The guard's texts in the player's language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(brannock::RunGuard)
};

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString fileNameOf(const QString &path)
{
    return QFileInfo(path).fileName();
}

/// `from`'s bytes written over `to` as a whole (through a temporary file beside `to`).
void copyWhole(const QString &from, const QString &to)
{
    QFile source(from);
    clearFileError();
    if (!source.open(QIODevice::ReadOnly))
        throw lastFileFailure(QStringLiteral("read"), from, EACCES);
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError)
        throw lastFileFailure(QStringLiteral("read"), from, EIO);
    writeWholeFile(to, bytes);
}

void removeIfThere(const QString &path)
{
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
        clearFileError();
        if (!QFile::remove(path))
            throw lastFileFailure(QStringLiteral("delete"), path, EACCES);
    }
}

/// Renames `from` to `to`, replacing `to`.
void moveOver(const QString &from, const QString &to)
{
    removeIfThere(to);
    clearFileError();
    if (!QFile::rename(from, to))
        throw lastFileFailure(QStringLiteral("move"), from, EACCES);
}

} // namespace

QString RunGuard::previousPathOf(const QString &workVolume)
{
    return workVolume + QStringLiteral(".previous");
}

QString RunGuard::gameCopyPathOf(const QString &workVolume)
{
    return workVolume + QStringLiteral(".game-copy");
}

RunGuard RunGuard::prepare(const QString &workVolume, const QString &gameVolume)
{
    RunGuard guard;
    guard.m_workVolume = workVolume;
    guard.m_gameVolume = gameVolume;
    // A run that was never settled left its copies: the game and the work folder get back
    // what they held before it, as after any run that did not fully succeed.
    QStringList recovered;
    if (!gameVolume.isEmpty() && QFileInfo(gameCopyPathOf(workVolume)).isFile()) {
        copyWhole(gameCopyPathOf(workVolume), gameVolume);
        QFile::remove(gameCopyPathOf(workVolume));
        recovered.append(Texts::tr("The game's %1 was put back as it was before an earlier build that did not end.")
                             .arg(fileNameOf(gameVolume)));
    }
    if (QFileInfo(previousPathOf(workVolume)).isFile()) {
        moveOver(previousPathOf(workVolume), workVolume);
        recovered.append(Texts::tr("The %1 in the work folder was put back as it was before an earlier build "
                                        "that did not end.")
                             .arg(fileNameOf(workVolume)));
    }
    guard.m_recovered = recovered.join(QLatin1Char('\n'));
    if (!gameVolume.isEmpty()) {
        const QFileInfo game(gameVolume);
        if (game.exists() && !game.isFile())
            throw AppError(ErrorNumber::PathFileAccess,
                           Texts::tr("\"%1\" in the game is not a file; the volume cannot be copied there.")
                               .arg(shown(gameVolume)));
        guard.m_gameHadVolume = game.exists();
        if (game.exists())
            copyWhole(gameVolume, gameCopyPathOf(workVolume));
    }
    const QFileInfo work(workVolume);
    if (work.exists() || work.isSymLink()) {
        try {
            moveOver(workVolume, previousPathOf(workVolume));
        } catch (const AppError &) {
            if (!gameVolume.isEmpty())
                QFile::remove(gameCopyPathOf(workVolume));
            throw;
        }
        guard.m_movedAside = true;
    }
    guard.m_settled = false;
    return guard;
}

QString RunGuard::settle(bool runSucceeded)
{
    if (m_settled)
        return {};
    m_settled = true;
    const QString previous = previousPathOf(m_workVolume);
    const QString gameCopy = gameCopyPathOf(m_workVolume);
    QStringList said;
    if (!m_recovered.isEmpty())
        said.append(m_recovered);
    if (runSucceeded) {
        // The new volume is in place; what was kept is no longer needed.
        QFile::remove(previous);
        QFile::remove(gameCopy);
        return said.join(QLatin1Char('\n'));
    }
    if (m_gameHadVolume) {
        const QString name = fileNameOf(m_gameVolume);
        try {
            if (*m_gameHadVolume) {
                copyWhole(gameCopy, m_gameVolume);
                QFile::remove(gameCopy);
                said.append(Texts::tr("The game's %1 was kept as it was before this build.").arg(name));
            } else {
                removeIfThere(m_gameVolume);
                said.append(Texts::tr("No %1 was put into the game.").arg(name));
            }
        } catch (const AppError &error) {
            said.append(Texts::tr("The game's %1 could not be put back: %2").arg(name, error.description()));
            if (*m_gameHadVolume)
                said.append(Texts::tr("Its copy from before this build is %1.").arg(shown(gameCopy)));
        }
    }
    if (m_movedAside) {
        try {
            moveOver(previous, m_workVolume);
            said.append(Texts::tr("The earlier %1 in the work folder was put back.").arg(fileNameOf(m_workVolume)));
        } catch (const AppError &error) {
            said.append(Texts::tr("The earlier %1 could not be put back: %2").arg(fileNameOf(m_workVolume),
                                                                                       error.description()));
        }
    } else {
        // A volume begun by this run is torn or incomplete: it must not be taken for a good one.
        if (QFileInfo::exists(m_workVolume) && QFile::remove(m_workVolume))
            said.append(Texts::tr("The incomplete %1 of this build was removed from the work folder.")
                            .arg(fileNameOf(m_workVolume)));
    }
    return said.join(QLatin1Char('\n'));
}

} // namespace brannock
