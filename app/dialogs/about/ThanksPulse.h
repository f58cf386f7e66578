#pragma once

#include <QColor>

namespace brannock {

/// The colour pulse of the Thanks dialog's "OK": black up to a bright blue and back,
/// one step per timer tick. It outlives one opening of the Thanks dialog: closing the
/// dialog returns the counters to 0 but keeps the direction, which the next opening's first
/// tick puts right.
class ThanksPulse final {
public:
    /// One tick; returns the label's new text colour (0, green, blue), each part at most 255.
    QColor tick();
    /// What closing the dialog does: both counters back to 0.
    void resetCounters();

    int green() const { return m_green; }
    int blue() const { return m_blue; }
    bool falling() const { return m_falling; }

private:
    qint16 m_green = 0;
    qint16 m_blue = 0;
    bool m_falling = false;
};

} // namespace brannock
