#pragma once

#include "common/SettingsSchema.h"
#include "look/LookGradient.h"

#include <QString>
#include <QStringList>

namespace brannock {

class SettingsStore;

/// A look file counts when an ordinary file (not hidden, not a folder) of exactly that name exists.
bool isLookFilePresent(const QString &nativePath);

/// root + "\" + lookFolder + fileName, as a native path (backslashes of the stored
/// lookFolder turned into the platform's separators); the root is the first of `lookRoots`
/// that holds lookFolder, else the last (see lookRootIn).
QString lookFilePath(const QStringList &lookRoots, const QString &lookFolder, const QString &fileName);

/// A colour setting's text as a 16-bit signed whole number (numeric text, half to even);
/// throws AppError for non-numbers and values outside -32768..32767.
int colourComponent(const QString &text);

/// Reads three colour keys (red, green, blue) with default "0" and converts them.
LookRgb readLookColour(const SettingsStore &store, const schema::Setting &r, const schema::Setting &g,
                       const schema::Setting &b);

/// The two gradient colours, read in the order R1, R2, G1, G2, B1, B2 with default "0".
struct GradientColours {
    LookRgb left, right;
};
GradientColours readGradientColours(const SettingsStore &store);

} // namespace brannock
