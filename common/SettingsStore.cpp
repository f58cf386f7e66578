#include "common/SettingsStore.h"

#include "common/AppError.h"
#include "platform/FileErrors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTemporaryFile>

#include <cerrno>
#include <memory>

namespace brannock {

namespace {

constexpr auto kOrganisation = "Brannock";
/// The organisation of a test run (Qt's test mode): its settings never touch the player's,
/// in the registry too, which the test mode of the standard folders does not cover.
constexpr auto kTestOrganisation = "Brannock-test";
constexpr auto kApplication = "Brannock";

std::unique_ptr<QSettings> openStore(const QString &iniFile)
{
    if (iniFile.isEmpty())
        return std::make_unique<QSettings>(
            QSettings::NativeFormat, QSettings::UserScope,
            QString::fromLatin1(QStandardPaths::isTestModeEnabled() ? kTestOrganisation : kOrganisation),
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

/// Why the store's file would not read back exactly as it stands, or an empty text. The
/// store rewrites the whole file at every write, keeping only what it understood: a line
/// it skips, a comment, a duplicate key or bytes that are not UTF-8 text would be lost.
QString fileProblem(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    if (decoder.hasError())
        return QStringLiteral("it is not UTF-8 text");
    QSet<QString> keys;
    QString section;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QString line = lines[n];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString where = QStringLiteral("line %1").arg(n + 1);
        for (const QChar c : line)
            if ((c.unicode() < 0x20 && c != QLatin1Char('\t')) || c.unicode() == 0x7F)
                return where + QStringLiteral(" holds a control character");
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty())
            continue;
        if (trimmed.startsWith(QLatin1Char('['))) {
            if (!trimmed.endsWith(QLatin1Char(']')) || trimmed.count(QLatin1Char('[')) != 1
                || trimmed.count(QLatin1Char(']')) != 1)
                return where + QStringLiteral(" is not a whole [section] line");
            section = trimmed.mid(1, trimmed.size() - 2);
            continue;
        }
        const qsizetype equals = trimmed.indexOf(QLatin1Char('='));
        if (trimmed.startsWith(QLatin1Char(';')) || equals <= 0)
            return where + QStringLiteral(" is neither a [section] nor a key=value line");
        const QString key = section + QLatin1Char('/') + trimmed.left(equals).trimmed();
        if (keys.contains(key))
            return where + QStringLiteral(" sets %1 a second time").arg(key);
        keys.insert(key);
    }
    return {};
}

/// The store's own file, or an empty text for the registry.
QString storeFile(const QSettings &store)
{
    const QString name = store.fileName();
    return QFileInfo(name).isAbsolute() ? name : QString(); // a registry path on Windows
}

/// QSettings reports an unreadable file only through status(), and reads past lines it
/// does not understand without a word; a folder in place of the file is not reported at
/// all. Each is tested for here, before anything is read or written.
void checkReadable(const QSettings &store, const QString &what)
{
    const QString file = storeFile(store);
    const QFileInfo info(file);
    if (!file.isEmpty() && info.exists()) {
        if (!info.isFile() || !info.isReadable())
            raise(store, what);
        QFile input(file);
        if (!input.open(QIODevice::ReadOnly))
            raise(store, what);
        constexpr qint64 kMaxStoreBytes = 1 << 20; // a hundred times what the schema can fill
        const QByteArray bytes = input.read(kMaxStoreBytes + 1);
        const QString problem =
            bytes.size() > kMaxStoreBytes ? QStringLiteral("it is larger than 1 MB") : fileProblem(bytes);
        if (!problem.isEmpty())
            throw AppError(ErrorNumber::SettingsStore,
                           QStringLiteral("The settings store \"%1\" is malformed (%2), so it is neither read nor "
                                          "written; %3. Mend or remove the file.")
                               .arg(QDir::toNativeSeparators(file), problem, what));
    }
    if (store.status() != QSettings::NoError)
        raise(store, what);
}

/// The failure of a write that the store reported only as "could not be written": a probe
/// beside the store's file finds the reason (a full disk, a folder that may not be written)
/// so that it gets its own number; without one, the general store failure.
[[noreturn]] void raiseWriteFailure(const QSettings &store, const QString &what, qint64 bytesNeeded)
{
    const QString file = storeFile(store);
    const QString action = QStringLiteral("write the settings store");
    if (file.isEmpty())
        throw AppError(ErrorNumber::PermissionDenied,
                       QStringLiteral("Cannot %1 \"%2\": permission denied; %3.").arg(action, store.fileName(), what));
    const QFileInfo info(file);
    if (info.exists() && !info.isWritable())
        throw fileError(action, file, EACCES);
    QTemporaryFile probe(info.absolutePath() + QStringLiteral("/.Brannock-probe-XXXXXX"));
    clearFileError();
    if (!probe.open())
        throw lastFileFailure(action, file, EACCES);
    clearFileError();
    if (probe.write(QByteArray(qMax<qint64>(bytesNeeded, 1), ' ')) < 0 || !probe.flush())
        throw lastFileFailure(action, file, EIO);
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
    if (store->status() != QSettings::NoError) {
        const QFileInfo info(store->fileName());
        raiseWriteFailure(*store, what, (info.exists() ? info.size() : 0) + name.size() + value.size() + 2);
    }
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
