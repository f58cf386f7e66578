#include "items/SingleName.h"

#include <QCoreApplication>
#include <QStringList>

namespace brannock {

namespace {

/// The check's texts in the player's language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(brannock::SingleName)
};

bool isReservedDeviceName(QStringView name)
{
    // Windows keeps these device names whatever extension follows them.
    const QString base = name.toString().section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    static const QStringList fixed{QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                                   QStringLiteral("NUL"), QStringLiteral("CONIN$"),
                                   QStringLiteral("CONOUT$")};
    if (fixed.contains(base))
        return true;
    return base.size() == 4 && (base.startsWith(QLatin1String("COM")) || base.startsWith(QLatin1String("LPT")))
        && base.at(3) >= QLatin1Char('1') && base.at(3) <= QLatin1Char('9');
}

} // namespace

QString singleNameProblem(QStringView name)
{
    if (!name.isEmpty() && name.count(QLatin1Char('.')) == name.size())
        return Texts::tr("is made of dots only, which names a folder, not a file");
    // Windows drops them: "skin1." would name the folder skin1, another skinset.
    if (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        return Texts::tr("ends in a dot or a blank, which Windows drops from a name");
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return Texts::tr("holds a control character");
        if (forbidden.contains(c))
            return Texts::tr("holds the character \"%1\"; a single name leaves out \\ / : * ? \" < > and |")
                .arg(c);
    }
    if (isReservedDeviceName(name))
        return Texts::tr("is a device name");
    return {};
}

} // namespace brannock
