#pragma once

#include <span>

namespace brannock::predrawn {

/// One include picture drawn when the program was built: `height` rows of `width` pixels,
/// 0xffRRGGBB each.
struct IncludePictureData {
    int which; ///< an IncludePicture
    int width;
    int height;
    const unsigned int *pixels;
    const char *word; ///< the word it shows
};

/// Every picture drawn when the program was built (none in a cross-compiled program).
extern const std::span<const IncludePictureData> includePictures;

} // namespace brannock::predrawn
