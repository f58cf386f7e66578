#include "look/LookFiles.h"

#include "common/AppError.h"
#include "common/Rounding.h"
#include "common/SettingsStore.h"
#include "common/WorkFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace brannock {

bool isLookFilePresent(const QString &nativePath)
{
    const QFileInfo info(nativePath);
    return info.exists() && info.isFile() && !info.isHidden();
}

QString lookFilePath(const QStringList &lookRoots, const QString &lookFolder, const QString &fileName)
{
    QString relative = lookFolder + fileName;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::toNativeSeparators(lookRootIn(lookRoots, lookFolder) + QLatin1Char('/') + relative);
}

int colourComponent(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        throw AppError(ErrorNumber::BadArgument,
                       QCoreApplication::translate("brannock::LookFiles", "The colour value \"%1\" is not a number.").arg(text));
    const double rounded = roundHalfEven(value);
    if (rounded < -32768.0 || rounded > 32767.0)
        throw AppError(ErrorNumber::BadArgument,
                       QCoreApplication::translate("brannock::LookFiles", "The colour value \"%1\" is out of range.").arg(text));
    return int(rounded);
}

LookRgb readLookColour(const SettingsStore &store, schema::SettingKey r, schema::SettingKey g,
                       schema::SettingKey b)
{
    const QString zero = QStringLiteral("0");
    LookRgb colour;
    colour.red = colourComponent(store.ReadSetting(r, zero));
    colour.green = colourComponent(store.ReadSetting(g, zero));
    colour.blue = colourComponent(store.ReadSetting(b, zero));
    return colour;
}

GradientColours readGradientColours(const SettingsStore &store)
{
    const QString zero = QStringLiteral("0");
    GradientColours colours;
    colours.left.red = colourComponent(store.ReadSetting(schema::ColorR1, zero));
    colours.right.red = colourComponent(store.ReadSetting(schema::ColorR2, zero));
    colours.left.green = colourComponent(store.ReadSetting(schema::ColorG1, zero));
    colours.right.green = colourComponent(store.ReadSetting(schema::ColorG2, zero));
    colours.left.blue = colourComponent(store.ReadSetting(schema::ColorB1, zero));
    colours.right.blue = colourComponent(store.ReadSetting(schema::ColorB2, zero));
    return colours;
}

} // namespace brannock
