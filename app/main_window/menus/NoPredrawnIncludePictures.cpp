// A cross-compiled program cannot run its drawing code while it is built: it draws the
// include pictures when it starts.
#include "main_window/menus/PredrawnIncludePictures.h"

namespace brannock::predrawn {

const std::span<const IncludePictureData> includePictures;

} // namespace brannock::predrawn
