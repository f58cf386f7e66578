#pragma once

#include <QString>

#include <optional>

namespace brannock {

/// The outcome of checking one colour field.
struct ColourCheck {
    int component = 0;               ///< 0 to 255, for the preview
    std::optional<QString> replaced; ///< the text the field must show instead, if any
};

/// Checks a colour field's text: not numeric gives 0 and "0"; otherwise the nearest whole
/// number (half to even) is used when it lies in 0..255 and the text stays as typed, and
/// anything beyond gives "255" or "0".
ColourCheck checkColourText(QStringView text);

} // namespace brannock
