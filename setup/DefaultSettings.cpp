#include "setup/DefaultSettings.h"

#include "platform/DosPaths.h"

#include <QFileInfo>

namespace brannock::defaults {

namespace {

bool isDriveRoot(const QString &root)
{
    return root.size() == 3 && root.at(0).isLetter() && root.at(1) == u':' && root.at(2) == u'\\';
}

} // namespace

QString findStandardInstall(const DosPaths &dosPaths, const QString &programFolder)
{
    const QString programsDrive = QStringLiteral("C:\\");
    QStringList roots;
    if (const QString own = dosPaths.toDos(programFolder).left(3); isDriveRoot(own))
        roots << own;
    if (roots.isEmpty() || roots.first().compare(programsDrive, Qt::CaseInsensitive) != 0)
        roots << programsDrive;
    const QString folder = QString::fromLatin1(StandardGameFolder);
    for (const QString &root : std::as_const(roots)) {
        const QString program = dosPaths.toNative(root + folder + QStringLiteral("\\Kestrow.exe"));
        if (!program.isEmpty() && QFileInfo(program).isFile())
            return root + folder;
    }
    return {};
}

} // namespace brannock::defaults
