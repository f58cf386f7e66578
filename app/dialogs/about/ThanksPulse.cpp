#include "dialogs/about/ThanksPulse.h"

#include <algorithm>

namespace brannock {

QColor ThanksPulse::tick()
{
    if (m_falling) {
        if (m_green > 0)
            m_green -= 3;
        if (m_blue < 1)
            m_falling = false;
        else
            m_blue -= 3;
    } else {
        if (m_green < 129)
            m_green += 3;
        if (m_blue > 255)
            m_falling = true;
        else
            m_blue += 3;
    }
    auto part = [](int value) { return std::clamp(value, 0, 255); };
    return QColor(0, part(m_green), part(m_blue));
}

void ThanksPulse::resetCounters()
{
    m_green = 0;
    m_blue = 0;
}

} // namespace brannock
