#pragma once

#include "platform/DosPaths.h"

#include <QChar>
#include <QList>
#include <QString>

namespace brannock {

/// The drive table of a Wine prefix: each `dosdevices/[a-z]:` link names the folder that
/// drive stands for. Without a prefix (or without its dosdevices folder) Z: stands for "/".
class WineDosPaths final : public DosPaths {
public:
    explicit WineDosPaths(QString prefixFolder);

    struct Drive {
        QChar letter; ///< upper case
        QString root; ///< canonical native folder
    };
    /// The drives of the prefix in letter order, read afresh (dangling links left out).
    QList<Drive> drives() const;

    /// "C:\..." by the longest drive root that holds the path; a DOS path is returned as
    /// is; empty when no drive holds the path.
    QString toDos(const QString &nativePath) const override;
    /// The native path, each existing component matched without regard to letter case
    /// and ".." clamped at the drive root; a native path is returned as is; empty when the
    /// drive letter is not in the table.
    QString toNative(const QString &dosPath) const override;

    const QString &prefixFolder() const { return m_prefix; }

    /// The DOS form of `nativeFolder` as an entry of WINEPATH; empty when no drive holds it
    /// or it holds the ";" that separates the entries (the interpreter cannot search it).
    QString searchEntry(const QString &nativeFolder) const;

    /// Whether `path` is an absolute DOS path ("C:\..." or "C:").
    static bool looksLikeDos(QStringView path);

private:
    QString m_prefix;
};

} // namespace brannock
