#include "dialogs/about/FrmThanks.h"

#include "dialogs/about/AboutPictures.h"
#include "dialogs/about/ThanksPulse.h"
#include "widgets/Controls.h"

#include <QFont>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace brannock {

namespace {

constexpr int ClientWidth = 489;
constexpr int ClientHeight = 241;

QLabel *whiteLabel(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *label = placeControl<QLabel>(parent, name, geometry);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setAttribute(Qt::WA_TranslucentBackground);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

} // namespace

FrmThanks::FrmThanks(ThanksPulse &pulse, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_pulse(pulse)
{
    setObjectName(QStringLiteral("FrmThanks"));
    setWindowTitle(tr("The Thanks Dialog. (\"Dun-DuN-DUN!!!\")"));
    // Modal to the windows it belongs to only: the tray icon stays alive while it is open.
    setWindowModality(Qt::WindowModal);
    setFixedSize(ClientWidth, ClientHeight);
    centreOnScreen(*this, parent);

    // The pattern is drawn once per opening into the dialog's own background.
    m_background = drawThanksPattern(ClientWidth, ClientHeight);

    QFont textFont = font();
    textFont.setPixelSize(11);
    QLabel *lblExt = whiteLabel(this, "LblExt", QRect(8, 8, 473, 17));
    lblExt->setFont(textFont);
    lblExt->setText(thanksHeading());
    QLabel *lblThanks = whiteLabel(this, "LblThanks", QRect(8, 27, 473, 172));
    lblThanks->setFont(textFont);
    lblThanks->setText(thanksLines().join(QLatin1Char('\n')));

    m_lblOK = placeControl<QLabel>(this, "lblOK", QRect(213, 201, 64, 32), tr("OK"));
    m_lblOK->setAlignment(Qt::AlignCenter);
    m_lblOK->setAttribute(Qt::WA_TranslucentBackground);
    QFont okFont(QStringLiteral("Tahoma"));
    okFont.setPointSizeF(18);
    okFont.setBold(true);
    m_lblOK->setFont(okFont);
    QPalette okPalette = m_lblOK->palette();
    okPalette.setColor(QPalette::WindowText, Qt::black);
    m_lblOK->setPalette(okPalette);
    m_lblOK->setCursor(Qt::PointingHandCursor);
    m_lblOK->installEventFilter(this);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer"));
    m_timer->setInterval(1);
    connect(m_timer, &QTimer::timeout, this, &FrmThanks::Timer_Timer);
    m_timer->start();
}

void FrmThanks::Timer_Timer()
{
    QPalette palette = m_lblOK->palette();
    palette.setColor(QPalette::WindowText, m_pulse.tick());
    m_lblOK->setPalette(palette);
}

void FrmThanks::done(int result)
{
    // Closing by any way (the label, Escape, the frame) ends the pulse for this opening.
    m_timer->stop();
    m_pulse.resetCounters();
    QDialog::done(result);
}

void FrmThanks::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_background);
}

bool FrmThanks::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_lblOK && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && m_lblOK->rect().contains(mouse->position().toPoint())) {
            lblOK_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmThanks::lblOK_Click()
{
    accept();
}

} // namespace brannock
