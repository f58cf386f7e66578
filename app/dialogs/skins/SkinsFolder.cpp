#include "dialogs/skins/SkinsFolder.h"

#include "common/NameOrder.h"
#include "items/SingleName.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace brannock {

namespace {

QString skinsFolderPath(const QString &root)
{
    return root + QStringLiteral("/Skins");
}

} // namespace

QString currentSettingsEntry()
{
    return QCoreApplication::translate("brannock::FrmSkins", "Current Settings");
}

QString defaultEntry()
{
    return QCoreApplication::translate("brannock::FrmSkins", "Default");
}

QStringList skinsListEntries(const QStringList &lookRoots)
{
    QStringList entries;
    for (const QString &root : lookRoots) {
        const QDir skins(skinsFolderPath(root));
        if (!skins.exists())
            continue;
        for (const QString &name : skins.entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
            if (!entries.contains(name))
                entries << name;
        }
    }
    sortNamesForLists(entries);
    entries << currentSettingsEntry() << defaultEntry();
    return entries;
}

bool isExistingSkinsEntry(const QStringList &lookRoots, const QString &name)
{
    // The setting names one folder inside Skins, never a path out of it.
    if (name.isEmpty() || !singleNameProblem(name).isEmpty())
        return false;
    return std::any_of(lookRoots.begin(), lookRoots.end(), [&name](const QString &root) {
        return QFileInfo::exists(skinsFolderPath(root) + QLatin1Char('/') + name);
    });
}

QString lookFolderSetting(const QString &name)
{
    return QStringLiteral("Skins\\") + name + QLatin1Char('\\');
}

} // namespace brannock
