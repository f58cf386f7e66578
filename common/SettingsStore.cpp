#include "common/SettingsStore.h"

#include "base/AppError.h"
#include "base/FileErrors.h"
#include "common/WholeFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTemporaryFile>

#include <cerrno>
#include <memory>

namespace brannock {

namespace {

/// The store's texts in the player's language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(brannock::SettingsStore)
};

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
                       Texts::tr("The settings store \"%1\" is malformed; %2.").arg(where, what));
    throw AppError(ErrorNumber::SettingsStore,
                   Texts::tr("The settings store \"%1\" cannot be used; %2.").arg(where, what));
}

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

bool startsWithByteOrderMark(const QByteArray &bytes)
{
    return bytes.startsWith(kByteOrderMark);
}

/// A key or section name as the store reads it: "%XX" and "%UXXXX" stand for the character
/// of that code, "\" for "/", and repeated, leading and trailing "/" do not count.
QString unescapedKey(QStringView raw)
{
    QString result;
    for (qsizetype i = 0; i < raw.size();) {
        const QChar c = raw[i];
        if (c == u'\\') {
            result += u'/';
            ++i;
            continue;
        }
        if (c == u'%' && i + 1 < raw.size()) {
            const qsizetype first = raw[i + 1] == u'U' ? i + 2 : i + 1;
            const qsizetype digits = raw[i + 1] == u'U' ? 4 : 2;
            bool ok = false;
            const uint code = first + digits <= raw.size() ? raw.mid(first, digits).toUInt(&ok, 16) : 0;
            if (ok) {
                result += QChar(char16_t(code));
                i = first + digits;
                continue;
            }
        }
        result += c;
        ++i;
    }
    return result.split(u'/', Qt::SkipEmptyParts).join(u'/');
}

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

/// Why a value, as it stands after "=", would not read back as written, or an empty text.
/// The store reads "," as a list separator, ";" as the start of a comment, a "\" at the end
/// as joining the next line, and drops a "\" escape it does not know with its letter.
QString valueProblem(QStringView value)
{
    const bool quoted = value.startsWith(u'"');
    qsizetype i = quoted ? 1 : 0;
    bool closed = false;
    while (i < value.size()) {
        const QChar c = value[i];
        if (c == u'\\') {
            if (i + 1 == value.size())
                return Texts::tr("ends in a \\ that joins it to the next line");
            const QChar e = value[i + 1];
            if (QStringView(u"\\\"'?abfnrtv").contains(e) || (e >= u'0' && e <= u'7')
                || (e == u'x' && i + 2 < value.size() && isHexDigit(value[i + 2]))) {
                i += 2;
                continue;
            }
            return Texts::tr("holds \"\\%1\", which is not read as written (a \\ is written \\\\)").arg(e);
        }
        if (quoted && c == u'"') {
            closed = true;
            ++i;
            break;
        }
        if (!quoted && (c == u',' || c == u';' || c == u'"'))
            return Texts::tr("holds \"%1\" outside quotes, which is not read as written").arg(c);
        ++i;
    }
    if (quoted && !closed)
        return Texts::tr("opens a quote that it does not close");
    if (i != value.size())
        return Texts::tr("goes on after its closing quote");
    return {};
}

/// Why the store's file would not read back exactly as it stands, or an empty text. The
/// store rewrites the whole file at every write, keeping only what it understood: a line
/// it skips, a comment, a duplicate key (also one spelt with escapes), a value it reads
/// otherwise than written or bytes that are not UTF-8 text would be lost. A UTF-8
/// byte-order mark at the start is read past.
QString fileProblem(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(startsWithByteOrderMark(bytes) ? bytes.mid(3) : bytes);
    if (decoder.hasError())
        return Texts::tr("it is not UTF-8 text");
    QSet<QString> keys;
    QString section;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QString line = lines[n];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString where = Texts::tr("line %1").arg(n + 1);
        for (const QChar c : line)
            if ((c.unicode() < 0x20 && c != QLatin1Char('\t')) || c.unicode() == 0x7F)
                return where + Texts::tr(" holds a control character");
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty())
            continue;
        if (trimmed.startsWith(QLatin1Char('['))) {
            if (!trimmed.endsWith(QLatin1Char(']')) || trimmed.count(QLatin1Char('[')) != 1
                || trimmed.count(QLatin1Char(']')) != 1)
                return where + Texts::tr(" is not a whole [section] line");
            const QString raw = trimmed.mid(1, trimmed.size() - 2).trimmed();
            // [General] holds the keys outside any section; [%General] is a section of that name.
            if (raw.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0)
                section.clear();
            else if (raw.compare(QLatin1String("%general"), Qt::CaseInsensitive) == 0)
                section = QStringLiteral("General");
            else
                section = unescapedKey(raw);
            continue;
        }
        const qsizetype equals = trimmed.indexOf(QLatin1Char('='));
        if (trimmed.startsWith(QLatin1Char(';')) || equals <= 0)
            return where + Texts::tr(" is neither a [section] nor a key=value line");
        if (const QString problem = valueProblem(QStringView(trimmed).mid(equals + 1).trimmed()); !problem.isEmpty())
            return where + QLatin1Char(' ') + problem;
        const QString name = unescapedKey(QStringView(trimmed).left(equals).trimmed());
        const QString key = section.isEmpty() ? name : section + QLatin1Char('/') + name;
        if (keys.contains(key))
            return where + Texts::tr(" sets %1 a second time").arg(key);
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

constexpr qint64 kMaxStoreBytes = 1 << 20; // ten times what the schema can fill

/// The start of the store's file, as far as it is ever read; empty when it cannot be opened.
QByteArray storeBytes(const QString &file)
{
    QFile input(file);
    return input.open(QIODevice::ReadOnly) ? input.read(kMaxStoreBytes + 1) : QByteArray();
}

/// Why the store's file with these bytes is unusable as it stands, or an empty text.
QString storeProblem(const QByteArray &bytes)
{
    return bytes.size() > kMaxStoreBytes ? Texts::tr("it is larger than 1 MB") : fileProblem(bytes);
}

/// QSettings reports an unreadable file only through status(), and reads past lines it
/// does not understand without a word; a folder in place of the file is not reported at
/// all. Each is tested for here, before anything is read or written. Returns the bytes of
/// the store's file (none for the registry or a store not yet written).
QByteArray checkReadable(const QSettings &store, const QString &what)
{
    const QString file = storeFile(store);
    const QFileInfo info(file);
    QByteArray bytes;
    if (!file.isEmpty() && info.exists()) {
        if (!info.isFile() || !info.isReadable())
            raise(store, what);
        QFile input(file);
        if (!input.open(QIODevice::ReadOnly))
            raise(store, what);
        bytes = input.read(kMaxStoreBytes + 1);
        const QString problem = storeProblem(bytes);
        if (!problem.isEmpty())
            throw AppError(ErrorNumber::SettingsStore,
                           Texts::tr("The settings store \"%1\" is malformed (%2), so it is neither read nor "
                                          "written; %3. Mend the file, or run Primewell, which offers to set it "
                                          "aside and write the defaults.")
                               .arg(QDir::toNativeSeparators(file), problem, what));
    }
    if (store.status() != QSettings::NoError)
        raise(store, what);
    return bytes;
}

/// Makes sure that no lock left behind by a writer that ended holds up the next write.
/// QSettings takes the lock file `<store file>.lock` for each write and waits for it; a
/// lock that names no owner (a writer killed between creating and filling it leaves it
/// empty) would only be taken over once it is half a minute old. Such a lock, and one
/// whose owner has ended, is removed now; a lock held by a live writer stays and is
/// waited for as before.
void releaseStaleLock(const QString &file)
{
    const QString lockPath = file + QStringLiteral(".lock");
    if (!QFileInfo(lockPath).isFile())
        return;
    QLockFile lock(lockPath);
    qint64 pid = 0;
    QString host;
    QString application;
    if (!lock.getLockInfo(&pid, &host, &application)) {
        // Removed only when no live process holds it open under its system lock.
        lock.removeStaleLockFile();
        return;
    }
    // Taken at once when its owner has ended; let go at once, which removes it.
    if (lock.tryLock(0))
        lock.unlock();
}

/// Removes a byte-order mark from the start of the store's file, under the store's own
/// lock: QSettings reads past it but reports the write that follows as failed.
void dropByteOrderMark(const QString &file, const QString &what)
{
    QLockFile lock(file + QStringLiteral(".lock"));
    if (!lock.tryLock(10000))
        throw AppError(ErrorNumber::SettingsStore,
                       Texts::tr("The settings store \"%1\" stays locked by another program; %2.")
                           .arg(QDir::toNativeSeparators(file), what));
    const QByteArray bytes = storeBytes(file);
    if (storeProblem(bytes).isEmpty() && startsWithByteOrderMark(bytes))
        writeWholeFile(file, bytes.mid(3));
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
                       Texts::tr("Cannot %1 \"%2\": permission denied; %3.")
                           .arg(QCoreApplication::translate("brannock::fileError", "write the settings store"),
                                store.fileName(), what));
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

SettingsStore::SettingsStore() = default;

SettingsStore::SettingsStore(QString iniFilePath) : m_iniFile(std::move(iniFilePath)) {}

QString SettingsStore::ReadSetting(QStringView section, QStringView key, const QString &defaultValue) const
{
    const auto store = openStore(m_iniFile);
    const QString name = groupKey(section, key);
    checkReadable(*store, Texts::tr("the setting %1 could not be read").arg(name));
    const QVariant value = store->value(name);
    if (!value.isValid())
        return defaultValue;
    return value.toString();
}

QString SettingsStore::ReadSetting(const schema::SettingKey &key, const QString &defaultValue) const
{
    return ReadSetting(toQString(key.section), toQString(key.key), defaultValue);
}

QString SettingsStore::read(const schema::Setting &setting, schema::Reader reader) const
{
    return ReadSetting(setting.key, toQString(setting.missing(reader)));
}

bool SettingsStore::isSet(const schema::Setting &setting, schema::Reader reader) const
{
    return read(setting, reader) == toQString(schema::Yes);
}

void SettingsStore::WriteSetting(QStringView section, QStringView key, const QString &value)
{
    writeValues({{groupKey(section, key), value}});
}

void SettingsStore::WriteSettings(const QList<SettingValue> &values)
{
    QList<std::pair<QString, QString>> named;
    for (const SettingValue &v : values)
        named.append({groupKey(toQString(v.key.section), toQString(v.key.key)), v.value});
    writeValues(named);
}

void SettingsStore::writeValues(const QList<std::pair<QString, QString>> &values)
{
    if (values.isEmpty())
        return;
    auto store = openStore(m_iniFile);
    const QString what = values.size() == 1
                             ? Texts::tr("the setting %1 could not be written").arg(values.first().first)
                             : Texts::tr("the settings could not be written");
    // A value the store would refuse to read back is never written: the store would lock
    // itself out.
    qint64 bytesNeeded = 0;
    for (const auto &[name, value] : values) {
        if (value.size() > schema::MaxValueLength)
            throw AppError(ErrorNumber::BadArgument,
                           Texts::tr("The setting %1 was not written: it is longer than %2 characters.")
                               .arg(name)
                               .arg(schema::MaxValueLength));
        for (const QChar c : value)
            if (c.unicode() < 0x20 || c.unicode() == 0x7F)
                throw AppError(ErrorNumber::BadArgument,
                               Texts::tr("The setting %1 was not written: it holds a control character.").arg(name));
        bytesNeeded += name.size() + value.size() + 2;
    }
    const QString file = storeFile(*store);
    if (!file.isEmpty()) {
        releaseStaleLock(file);
        removeLeftoverCopies(file);
    }
    // A store that could not be read in full must not be written back: that would drop
    // the values it could not read.
    if (startsWithByteOrderMark(checkReadable(*store, what))) {
        dropByteOrderMark(file, what);
        store = openStore(m_iniFile);
        checkReadable(*store, what);
    }
    // All values go out in the one sync below, which replaces the file as a whole.
    for (const auto &[name, value] : values)
        store->setValue(name, value);
    store->sync();
    if (store->status() != QSettings::NoError) {
        const QFileInfo info(store->fileName());
        raiseWriteFailure(*store, what, (info.exists() ? info.size() : 0) + bytesNeeded);
    }
}

bool SettingsStore::holdsNoSettings() const
{
    const auto store = openStore(m_iniFile);
    const QString file = storeFile(*store);
    if (!file.isEmpty() && !QFileInfo::exists(file))
        return true;
    if (store->status() != QSettings::NoError || !store->allKeys().isEmpty())
        return false;
    // A file whose lines the store reads past (comments only, say) is not empty.
    return file.isEmpty() || (QFileInfo(file).isFile() && storeProblem(storeBytes(file)).isEmpty());
}

void SettingsStore::WriteSetting(const schema::SettingKey &key, const QString &value)
{
    WriteSetting(toQString(key.section), toQString(key.key), value);
}

QString SettingsStore::brokenFileProblem() const
{
    const auto store = openStore(m_iniFile);
    const QString file = storeFile(*store);
    if (file.isEmpty() || !QFileInfo(file).isFile())
        return {};
    return storeProblem(storeBytes(file));
}

QString SettingsStore::setAsideName() const
{
    const QString base = storeFile(*openStore(m_iniFile)) + QStringLiteral(".broken-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = base;
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = base + QLatin1Char('-') + QString::number(n);
    return name;
}

void SettingsStore::setAside(const QString &newPath)
{
    const QString file = storeFile(*openStore(m_iniFile));
    clearFileError();
    if (file.isEmpty() || QFileInfo::exists(newPath) || !QFile::rename(file, newPath))
        throw lastFileFailure(QStringLiteral("rename"), file, EEXIST);
}

bool SettingsStore::keptInFile() const
{
    return !storeFile(*openStore(m_iniFile)).isEmpty();
}

QString SettingsStore::location() const
{
    return openStore(m_iniFile)->fileName();
}

} // namespace brannock
