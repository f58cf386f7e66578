#include "look/LookFiles.h"

#include "base/AppError.h"
#include "common/DecimalText.h"
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
    const std::optional<double> number = parseDecimal(text);
    const double value = number.value_or(0);
    if (!number || !std::isfinite(value))
        throw AppError(ErrorNumber::BadArgument,
                       QCoreApplication::translate("brannock::LookFiles", "The colour value \"%1\" is not a number.").arg(text));
    const double rounded = roundHalfEven(value);
    if (rounded < -32768.0 || rounded > 32767.0)
        throw AppError(ErrorNumber::BadArgument,
                       QCoreApplication::translate("brannock::LookFiles", "The colour value \"%1\" is out of range.").arg(text));
    return int(rounded);
}

LookRgb readLookColour(const SettingsStore &store, const schema::Setting &r, const schema::Setting &g,
                       const schema::Setting &b)
{
    const auto component = [&store](const schema::Setting &s) {
        return colourComponent(store.read(s, schema::Reader::Program));
    };
    return {component(r), component(g), component(b)};
}

GradientColours readGradientColours(const SettingsStore &store)
{
    const auto component = [&store](const schema::Setting &s) {
        return colourComponent(store.read(s, schema::Reader::Program));
    };
    GradientColours colours;
    colours.left.red = component(schema::ColorR1);
    colours.right.red = component(schema::ColorR2);
    colours.left.green = component(schema::ColorG1);
    colours.right.green = component(schema::ColorG2);
    colours.left.blue = component(schema::ColorB1);
    colours.right.blue = component(schema::ColorB2);
    return colours;
}

} // namespace brannock
