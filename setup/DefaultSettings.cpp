#include "setup/DefaultSettings.h"

#include "common/SettingsSchema.h"
#include "platform/DosPaths.h"

#include <QFileInfo>

namespace brannock::defaults {

namespace {

bool isDriveRoot(const QString &root)
{
    return root.size() == 3 && root.at(0).isLetter() && root.at(1) == u':' && root.at(2) == u'\\';
}

} // namespace

QStringList standardInstallRoots(const DosPaths &dosPaths, const QString &programFolder)
{
    const QString programsDrive = QStringLiteral("C:\\");
    QStringList roots;
    if (const QString own = dosPaths.toDos(programFolder).left(3); isDriveRoot(own))
        roots << own;
    if (roots.isEmpty() || roots.first().compare(programsDrive, Qt::CaseInsensitive) != 0)
        roots << programsDrive;
    return roots;
}

QString findStandardInstall(const DosPaths &dosPaths, const QString &programFolder)
{
    const QString folder = QString::fromLatin1(StandardGameFolder);
    for (const QString &root : standardInstallRoots(dosPaths, programFolder)) {
        const QString program = dosPaths.toNative(root + folder + QStringLiteral("\\Kestrow.exe"));
        if (!program.isEmpty() && QFileInfo(program).isFile())
            return root + folder;
    }
    return {};
}

QList<SettingValue> setupValues(const QString &gameFolder)
{
    QList<SettingValue> values;
    for (const auto &v : schema::SetupColors)
        values.append({v.key, toQString(v.value)});
    if (!gameFolder.isEmpty())
        values.append({schema::GamePath, gameFolder});
    for (const auto &v : schema::SetupRest)
        values.append({v.key, toQString(v.value)});
    return values;
}

} // namespace brannock::defaults
