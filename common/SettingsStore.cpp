#include "SettingsStore.h"

#include "AppError.h"

#include <QFileInfo>
#include <QSettings>

#include <memory>

namespace brannock {

namespace {

constexpr auto kOrganisation = "Brannock";
constexpr auto kApplication = "Brannock";

std::unique_ptr<QSettings> openStore(const QString &iniFile)
{
    if (iniFile.isEmpty())
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           QString::fromLatin1(kOrganisation),
                                           QString::fromLatin1(kApplication));
    return std::make_unique<QSettings>(iniFile, QSettings::IniFormat);
}

QString groupKey(QStringView section, QStringView key)
{
    return section.toString() + QLatin1Char('/') + key.toString();
}

[[noreturn]] void raise(const QSettings &store, const QString &what)
{
    const QString where = store.fileName();
    if (store.status() == QSettings::FormatError)
        throw AppError(ErrorNumber::SettingsStore,
                       QStringLiteral("The settings store \"%1\" is malformed; %2.").arg(where, what));
    throw AppError(ErrorNumber::SettingsStore,
                   QStringLiteral("The settings store \"%1\" cannot be used; %2.").arg(where, what));
}

/// QSettings reports an unreadable file only through status(); a folder in place of the
/// file is not reported at all, so it is tested for here.
void checkReadable(const QSettings &store, const QString &what)
{
    if (store.status() != QSettings::NoError)
        raise(store, what);
    const QFileInfo info(store.fileName()); // a registry path on Windows: never exists as a file
    if (info.isAbsolute() && info.exists() && (!info.isFile() || !info.isReadable()))
        raise(store, what);
}

} // namespace

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

SettingsStore::SettingsStore() = default;

SettingsStore::SettingsStore(QString iniFilePath) : m_iniFile(std::move(iniFilePath)) {}

QString SettingsStore::ReadSetting(QStringView section, QStringView key, const QString &defaultValue) const
{
    const auto store = openStore(m_iniFile);
    const QString name = groupKey(section, key);
    checkReadable(*store, QStringLiteral("the setting %1 could not be read").arg(name));
    const QVariant value = store->value(name);
    if (!value.isValid())
        return defaultValue;
    return value.toString();
}

QString SettingsStore::ReadSetting(const schema::SettingKey &key, const QString &defaultValue) const
{
    return ReadSetting(toQString(key.section), toQString(key.key), defaultValue);
}

void SettingsStore::WriteSetting(QStringView section, QStringView key, const QString &value)
{
    const auto store = openStore(m_iniFile);
    const QString name = groupKey(section, key);
    const QString what = QStringLiteral("the setting %1 could not be written").arg(name);
    // A store that could not be read in full must not be written back: that would drop
    // the values it could not read.
    checkReadable(*store, what);
    store->setValue(name, value);
    store->sync();
    if (store->status() != QSettings::NoError)
        raise(*store, what);
}

void SettingsStore::WriteSetting(const schema::SettingKey &key, const QString &value)
{
    WriteSetting(toQString(key.section), toQString(key.key), value);
}

QString SettingsStore::location() const
{
    return openStore(m_iniFile)->fileName();
}

} // namespace brannock
