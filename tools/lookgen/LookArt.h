#pragma once

#include <QColor>
#include <QImage>
#include <QString>

namespace brannock::tools {

/// The colours of one shipped look: a brushed metal with a jewel tone for the buttons.
struct LookScheme {
    QString folderName;
    QColor metalLight;   ///< highlight of the metal
    QColor metalMid;     ///< the metal's body colour
    QColor metalDark;    ///< shadow and engraving
    QColor outside;      ///< what lies outside the window's shape (seen only without a shape)
    QColor buttonFace;   ///< background of the picture buttons
    QColor buttonGlyph;  ///< the button symbol, normal
    QColor buttonGlow;   ///< the button symbol, pointer over it
    quint32 seed;        ///< fixes the brushing pattern, so a re-run writes the same files
};

LookScheme goldScheme();
LookScheme steelScheme();

QImage drawBackground(const LookScheme &scheme);       ///< 315 x 288
QImage drawMinimise(const LookScheme &scheme, bool hover); ///< 11 x 11
QImage drawExit(const LookScheme &scheme, bool hover);     ///< 11 x 11
QImage drawInclude(const LookScheme &scheme, bool hover);  ///< 11 x 16
QImage drawTitleIcon(const LookScheme &scheme);           ///< 16 x 16, opaque
QImage drawTrayIcon(const LookScheme &scheme);            ///< 16 x 16, with transparency

} // namespace brannock::tools
