#include "skinset/PaintedBitmaps.h"

#include "base/AppError.h"
#include "platform/FileListing.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <optional>
#include <utility>

namespace brannock::painted {

namespace {

/// The comparison's texts in the player's language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(brannock::painted)
};

/// The folder above `path` ("/" and "C:/" stay as they are).
QString parentOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return path;
    const bool atRoot = slash == 0 || path.at(slash - 1) == QLatin1Char(':');
    return path.left(atRoot ? slash + 1 : slash);
}

QString joined(const QString &folder, const QString &name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

/// The deepest existing ancestor of `path` (absolute, clean) and the names below it.
std::pair<QString, QStringList> splitAtExisting(const QString &path)
{
    QString current = path;
    QStringList rest;
    while (!QFileInfo::exists(current)) {
        const QString parent = parentOf(current);
        if (parent == current)
            break;
        rest.prepend(current.mid(parent.size() + (parent.endsWith(QLatin1Char('/')) ? 0 : 1)));
        current = parent;
    }
    return {current, rest};
}

QString absoluteClean(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

QString described(const Target &target, const QString &source)
{
    switch (target.change) {
    case Change::Compile:
        return comparisonKey(target.source) == comparisonKey(source)
            ? Texts::tr("would be overwritten by its compiled copy")
            : Texts::tr("would be overwritten by the compiled copy of \"%1\"")
                  .arg(QDir::toNativeSeparators(target.source));
    case Change::Pack:
        return Texts::tr("would be overwritten by the volume");
    case Change::Copy:
        return Texts::tr("would be overwritten by the copy of the volume into the game");
    case Change::Delete:
        return Texts::tr("would be deleted");
    }
    return {};
}

/// The key of the name itself: its folder's links resolved, a link in its place not
/// followed (del removes the link, not what it points to).
QString nameKey(const QString &path)
{
    const QString clean = absoluteClean(path);
    const QString parent = parentOf(clean);
    return joined(comparisonKey(parent), clean.mid(parent.size() + (parent.endsWith(QLatin1Char('/')) ? 0 : 1))
                                             .toCaseFolded());
}

/// One file as the comparison sees it.
struct Compared {
    QString key;
    QString name;
    std::optional<FileIdentity> identity;

    explicit Compared(const QString &path)
        : key(comparisonKey(path)), name(nameKey(path)), identity(fileIdentityOf(path))
    {
    }
    /// Whether writing through `this` changes `source`, or deleting `this` removes it.
    bool reaches(const Compared &source, Change change) const
    {
        if (change == Change::Delete)
            return name == source.name;
        return key == source.key || (identity && source.identity && *identity == *source.identity);
    }
};

} // namespace

QString comparisonKey(const QString &path)
{
    auto [existing, rest] = splitAtExisting(absoluteClean(path));
    const QString canonical = QFileInfo(existing).canonicalFilePath();
    QString key = canonical.isEmpty() ? existing : canonical;
    for (const QString &name : std::as_const(rest))
        key = joined(key, name);
    return key.toCaseFolded();
}

QString foundWithoutCase(const QString &path)
{
    const QString clean = absoluteClean(path);
    auto [current, rest] = splitAtExisting(clean);
    for (const QString &name : std::as_const(rest)) {
        const QStringList entries =
            QDir(current).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        const auto match = std::find_if(entries.begin(), entries.end(), [&name](const QString &entry) {
            return entry.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (match == entries.end())
            return clean;
        current = joined(current, *match);
    }
    return current;
}

QString bitmapProblem(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return Texts::tr("not found");
    if (!info.isFile())
        return Texts::tr("is not a file");
    QByteArray start;
    try {
        start = readFileStart(path, 2);
    } catch (const AppError &) {
        return Texts::tr("cannot be read");
    }
    return start == "BM" ? QString() : Texts::tr("not a Windows bitmap");
}

QString overwrittenProblem(const QStringList &sources, const QList<Target> &targets)
{
    QList<Compared> written;
    written.reserve(targets.size());
    for (const Target &target : targets)
        written.append(Compared(target.path));

    QStringList sentences;
    QList<Compared> seen;
    for (const QString &source : sources) {
        const Compared read(source);
        if (std::any_of(seen.begin(), seen.end(), [&read](const Compared &s) { return s.key == read.key; }))
            continue; // a bitmap read by two lines is named once
        seen.append(read);
        QStringList how;
        for (qsizetype i = 0; i < targets.size(); ++i)
            if (written[i].reaches(read, targets[i].change))
                if (const QString text = described(targets[i], source); !how.contains(text))
                    how.append(text);
        if (!how.isEmpty())
            sentences.append(Texts::tr("The painted bitmap \"%1\" %2")
                                 .arg(QDir::toNativeSeparators(source), how.join(Texts::tr(" and "))));
    }
    return sentences.join(QStringLiteral(".\r\n"));
}

} // namespace brannock::painted
