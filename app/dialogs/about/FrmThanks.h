#pragma once

#include <QDialog>
#include <QImage>

class QLabel;
class QTimer;

namespace brannock {

class ThanksPulse;

/// The Thanks dialog: a line pattern, the acknowledgements and a pulsing "OK" that closes
/// it. Modal on top of the About dialog, which owns the pulse.
class FrmThanks final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY(FrmThanks)
public:
    FrmThanks(ThanksPulse &pulse, QWidget *parent = nullptr);

    /// One step of the "OK" label's colour pulse (the 1 ms timer calls it).
    void Timer_Timer();

    void done(int result) override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void lblOK_Click();

    ThanksPulse &m_pulse;
    QImage m_background;
    QLabel *m_lblOK = nullptr;
    QTimer *m_timer = nullptr;
};

} // namespace brannock
