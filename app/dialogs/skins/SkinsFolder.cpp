#include "dialogs/skins/SkinsFolder.h"

#include <QDir>
#include <QFileInfo>

namespace brannock {

namespace {

QString skinsFolderPath(const QString &programFolder)
{
    return programFolder + QStringLiteral("/Skins");
}

} // namespace

QStringList skinsListEntries(const QString &programFolder)
{
    const QDir skins(skinsFolderPath(programFolder));
    QStringList entries;
    if (skins.exists())
        entries = skins.entryList(QDir::AllEntries | QDir::NoDotAndDotDot,
                                  QDir::Name | QDir::IgnoreCase);
    entries << CurrentSettingsEntry.toString() << DefaultEntry.toString();
    return entries;
}

bool isExistingSkinsEntry(const QString &programFolder, const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    for (QChar c : name) {
        if (forbidden.contains(c) || c.unicode() < 0x20)
            return false;
    }
    return QFileInfo::exists(skinsFolderPath(programFolder) + QLatin1Char('/') + name);
}

QString lookFolderSetting(const QString &name)
{
    return QStringLiteral("Skins\\") + name + QLatin1Char('\\');
}

} // namespace brannock
