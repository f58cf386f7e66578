#pragma once

#include <QPixmap>
#include <QSize>

namespace brannock {

/// The built-in pictures of the include panel's buttons.
enum class IncludePicture { Team, Flyers, Turrets, Equipment, Stations, ToggleNormal, Extended, ToggleUser };

/// Draws one picture at `size`: a black strip, a small coloured icon at the left and one
/// white bold word.
QPixmap drawIncludePicture(IncludePicture which, QSize size);

/// The word the picture shows ("Team", "Flyers", ... "Toggle").
QString includePictureWord(IncludePicture which);

} // namespace brannock
