#include "dialogs/config/ColourCheck.h"

#include "common/DecimalText.h"
#include "common/Rounding.h"

namespace brannock {

ColourCheck checkColourText(QStringView text)
{
    const std::optional<double> number = parseDecimal(text);
    if (!number)
        return {0, QStringLiteral("0")};
    const double whole = roundHalfEven(*number);
    if (whole < 256 && whole > -1)
        return {int(whole), std::nullopt};
    if (whole > 255)
        return {255, QStringLiteral("255")};
    return {0, QStringLiteral("0")};
}

} // namespace brannock
