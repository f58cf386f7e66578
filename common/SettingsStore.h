#pragma once

#include "common/SettingsSchema.h"

#include <QList>
#include <QString>

#include <utility>

namespace brannock {

/// One setting and the text to store in it.
struct SettingValue {
    schema::SettingKey key;
    QString value;
};

/// The per-user store of text settings shared by Brannock and Primewell
/// (organisation and application "Brannock"). Every call opens the store afresh, so a
/// value written by one process is seen by the next read in any process. A failure of
/// the store itself (it cannot be read, written, or is malformed) throws AppError;
/// a missing key is no failure.
class SettingsStore final {
public:
    /// The store at the platform's per-user location (organisation "Brannock-test" instead
    /// while QStandardPaths' test mode is on).
    SettingsStore();
    /// A store kept in an INI file at `iniFilePath` (tests and benchmarks).
    explicit SettingsStore(QString iniFilePath);

    /// The stored text, or `defaultValue` when the key is missing. A stored empty text is
    /// returned as empty.
    QString ReadSetting(QStringView section, QStringView key, const QString &defaultValue = {}) const;
    QString ReadSetting(const schema::SettingKey &key, const QString &defaultValue = {}) const;
    /// `setting` as `reader` reads it: the stored text, or what that reader takes for a
    /// missing key.
    QString read(const schema::Setting &setting, schema::Reader reader) const;
    /// Whether the flag `setting` is set for `reader`: its text is exactly Yes.
    bool isSet(const schema::Setting &setting, schema::Reader reader) const;

    /// Stores `value`, creating the section and key as needed. Values already stored stay
    /// intact when the write fails. A value longer than schema::MaxValueLength or holding a
    /// control character is refused.
    void WriteSetting(QStringView section, QStringView key, const QString &value);
    void WriteSetting(const schema::SettingKey &key, const QString &value);
    /// Stores all of `values` in one write: after a failure none of them is stored and the
    /// values stored before stay intact.
    void WriteSettings(const QList<SettingValue> &values);

    /// True when the store holds no setting at all (nothing was ever written for this
    /// user); false for a store that cannot be read. Cheap: one look at the store.
    bool holdsNoSettings() const;

    /// Why the store's file cannot be used as it stands (it would not read back as written),
    /// or an empty text when it can, when there is none, or for the registry.
    QString brokenFileProblem() const;
    /// A free name beside the store's file to set a broken file aside under:
    /// "<file>.broken-<yyyyMMdd-HHmmss>".
    QString setAsideName() const;
    /// Renames the store's file to `newPath`, keeping it; the store is then empty. Throws
    /// AppError when it cannot.
    void setAside(const QString &newPath);
    /// Whether the store is a file (on Windows it is the registry).
    bool keptInFile() const;

    /// Where the store lives, for messages and the README (a file path or a registry path).
    QString location() const;

private:
    /// Stores each (group/key, value) pair in one write.
    void writeValues(const QList<std::pair<QString, QString>> &values);

    QString m_iniFile; ///< empty: the platform's per-user store
};

} // namespace brannock
