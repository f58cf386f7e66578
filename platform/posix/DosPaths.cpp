#include "platform/posix/WineDosPaths.h"
#include "platform/posix/WinePrefix.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace brannock {

WineDosPaths::WineDosPaths(QString prefixFolder) : m_prefix(std::move(prefixFolder)) {}

bool WineDosPaths::looksLikeDos(QStringView path)
{
    if (path.size() < 2 || path[1] != QLatin1Char(':'))
        return false;
    const QChar letter = path[0];
    if (!((letter >= QLatin1Char('a') && letter <= QLatin1Char('z'))
          || (letter >= QLatin1Char('A') && letter <= QLatin1Char('Z'))))
        return false;
    return path.size() == 2 || path[2] == QLatin1Char('\\') || path[2] == QLatin1Char('/');
}

QList<WineDosPaths::Drive> WineDosPaths::drives() const
{
    QList<Drive> result;
    const QDir devices(m_prefix + QStringLiteral("/dosdevices"));
    if (m_prefix.isEmpty() || !devices.exists()) {
        result.append({QLatin1Char('Z'), QStringLiteral("/")});
        return result;
    }
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        const QString link = devices.filePath(QString(QLatin1Char(letter)) + QLatin1Char(':'));
        const QString target = QFileInfo(link).canonicalFilePath(); // empty when dangling
        if (!target.isEmpty() && QFileInfo(target).isDir())
            result.append({QChar(QLatin1Char(letter)).toUpper(), target});
    }
    return result;
}

namespace {

/// The absolute, clean form of `path` with its deepest existing ancestor canonicalised.
QString canonicalised(const QString &path)
{
    QString current = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QStringList rest;
    while (!QFileInfo::exists(current) && current != QLatin1String("/")) {
        const qsizetype slash = current.lastIndexOf(QLatin1Char('/'));
        rest.prepend(current.mid(slash + 1));
        current = slash <= 0 ? QStringLiteral("/") : current.left(slash);
    }
    QString base = QFileInfo(current).canonicalFilePath();
    if (base.isEmpty())
        base = current;
    if (rest.isEmpty())
        return base;
    return (base == QLatin1String("/") ? QString() : base) + QLatin1Char('/') + rest.join(QLatin1Char('/'));
}

bool holds(const QString &root, const QString &path)
{
    if (root == QLatin1String("/"))
        return true;
    return path == root || (path.startsWith(root) && path.at(root.size()) == QLatin1Char('/'));
}

} // namespace

QString WineDosPaths::toDos(const QString &nativePath) const
{
    if (looksLikeDos(nativePath))
        return nativePath;
    const QString full = canonicalised(nativePath);
    const Drive *best = nullptr;
    const QList<Drive> table = drives();
    for (const Drive &drive : table)
        if (holds(drive.root, full) && (!best || drive.root.size() > best->root.size()))
            best = &drive;
    if (!best)
        return {};
    QString rest = best->root == QLatin1String("/") ? full.mid(1) : full.mid(best->root.size() + 1);
    rest.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return QString(best->letter) + QStringLiteral(":\\") + rest;
}

QString WineDosPaths::toNative(const QString &dosPath) const
{
    if (!looksLikeDos(dosPath)) {
        if (dosPath.startsWith(QLatin1Char('/')))
            return dosPath;
        return QString(dosPath).replace(QLatin1Char('\\'), QLatin1Char('/'));
    }
    const QChar letter = dosPath[0].toUpper();
    const QList<Drive> table = drives();
    const auto drive = std::find_if(table.begin(), table.end(), [&](const Drive &d) { return d.letter == letter; });
    if (drive == table.end())
        return {};

    const QStringList components = dosPath.mid(2).split(QRegularExpression(QStringLiteral("[\\\\/]")), Qt::SkipEmptyParts);
    QString current = drive->root;
    bool onDisk = true; // whether `current` still names an existing folder
    auto join = [](const QString &folder, const QString &name) {
        return folder == QLatin1String("/") ? QLatin1Char('/') + name : folder + QLatin1Char('/') + name;
    };
    QStringList path; // components below the drive root, as matched
    for (const QString &component : components) {
        if (component == QLatin1String("."))
            continue;
        if (component == QLatin1String("..")) {
            if (!path.isEmpty())
                path.removeLast();
            current = drive->root;
            for (const QString &p : std::as_const(path))
                current = join(current, p);
            onDisk = QFileInfo(current).isDir();
            continue;
        }
        QString name = component;
        if (onDisk && !QFileInfo::exists(join(current, component))) {
            const QStringList entries = QDir(current).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                                | QDir::NoDotAndDotDot);
            for (const QString &entry : entries) {
                if (entry.compare(component, Qt::CaseInsensitive) == 0) {
                    name = entry;
                    break;
                }
            }
        }
        path.append(name);
        current = join(current, name);
        onDisk = onDisk && QFileInfo(current).isDir();
    }
    return current;
}

QString WineDosPaths::searchEntry(const QString &nativeFolder) const
{
    if (nativeFolder.isEmpty() || nativeFolder.contains(QLatin1Char(';')))
        return {};
    return toDos(nativeFolder);
}

std::unique_ptr<DosPaths> makeNativeDosPaths()
{
    return std::make_unique<WineDosPaths>(winePrefixFolder());
}

} // namespace brannock
