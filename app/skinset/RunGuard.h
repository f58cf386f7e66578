#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace brannock {

/// Keeps the player's volumes safe around one watched run. Before the run it moves an old
/// volume of the same name in the work folder out of the way (so the tools start a fresh
/// one instead of appending to it) and keeps a copy of the game's volume that the script's
/// copy line would replace. After the run it drops what it kept when the run did all its
/// work, and otherwise puts both back, byte for byte.
class RunGuard final {
public:
    /// Nothing kept, nothing to put back.
    RunGuard() = default;

    /// `workVolume`: the volume the pack lines write (native); `gameVolume`: the copy
    /// line's target (native), empty when the script copies nothing into the game. The
    /// copies are kept beside `workVolume`. Copies left by a run that was never settled
    /// (Brannock ended in the middle of it) are put back first. Throws AppError, having
    /// changed nothing more, when a volume cannot be moved or copied.
    static RunGuard prepare(const QString &workVolume, const QString &gameVolume);

    /// After the run: what happened to the volumes, in sentences for the player (empty
    /// when there is nothing to say). Never throws; a volume that cannot be put back is
    /// said, with the place of the copy that stays kept.
    QString settle(bool runSucceeded);

    /// Where the old work volume waits during the run, and where the game's is kept.
    static QString previousPathOf(const QString &workVolume);
    static QString gameCopyPathOf(const QString &workVolume);

private:
    QString m_workVolume, m_gameVolume;
    QString m_recovered; ///< what putting back an unsettled run's copies did, said with the outcome
    bool m_movedAside = false;
    /// The game's volume as it was: nullopt when it had none (a failed run then leaves none).
    std::optional<bool> m_gameHadVolume;
    bool m_settled = true;
};

} // namespace brannock
