#pragma once

#include <QPixmap>
#include <QSize>

namespace brannock {

/// The built-in pictures of the include panel's buttons.
enum class IncludePicture { Team, Flyers, Turrets, Equipment, Stations, ToggleNormal, Extended, ToggleUser };

/// The sizes of the include panel's pictures: a wide and a narrow button, 17 pixels high.
inline constexpr QSize kIncludePictureSizes[] = {QSize(91, 17), QSize(58, 17)};

/// Draws one picture at `size`: a black strip, a small coloured icon at the left and one
/// white bold word.
QPixmap drawIncludePicture(IncludePicture which, QSize size);

/// The picture as the panel shows it. Pictures of the panel's sizes are drawn by
/// drawIncludePicture once, when the program is built, and kept in the program, so that the
/// start does not load a font and draw them; other sizes, other words than those drawn then
/// (a translation) and a cross-compiled program are drawn now.
QPixmap includePicture(IncludePicture which, QSize size);

/// The word the picture shows ("Team", "Flyers", ... "Toggle"), in the player's language.
QString includePictureWord(IncludePicture which);

} // namespace brannock
