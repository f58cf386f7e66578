#include "dialogs/about/FrmAbout.h"

#include "dialogs/about/FrmThanks.h"
#include "widgets/Controls.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace brannock {

namespace {

constexpr int ClientWidth = 640;
constexpr int ClientHeight = 335;

} // namespace

FrmAbout::FrmAbout(RandomSource random, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(tr("About Kestrow Wendle"));
    // Modal to the windows it belongs to only: the tray icon stays alive while it is open.
    setWindowModality(Qt::WindowModal);
    setFixedSize(ClientWidth, ClientHeight);
    centreOnScreen(*this, parent);
    m_background = drawAboutBackground();

    // The drag surface lies under everything else, so the figure and the buttons take
    // their own presses.
    m_cover = placeControl<QLabel>(this, "Cover", QRect(-1, -1, 642, 337));
    m_cover->setAttribute(Qt::WA_TranslucentBackground);
    m_cover->installEventFilter(this);

    QImage figure = drawAboutFigure();
    recolourGreenKey(figure, random ? random : clockSeededRandom());
    m_pC = placeControl<QLabel>(this, "pC", QRect(349, 217, 45, 60));
    m_pC->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_pC->setPixmap(QPixmap::fromImage(figure));

    auto *cmdOK = placeControl<QPushButton>(this, "CmdOK", QRect(234, 172, 59, 28), tr("O&K"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &FrmAbout::CmdOK_Click);

    auto *cmdThanks = placeControl<QPushButton>(this, "CmdThanks", QRect(234, 211, 59, 28), tr("&Thanks"));
    connect(cmdThanks, &QPushButton::clicked, this, &FrmAbout::CmdThanks_Click);
}

FrmAbout::~FrmAbout() = default;

void FrmAbout::setFolderNote(const QString &note)
{
    if (!m_folderNote) {
        m_folderNote = new QLabel(this);
        m_folderNote->setObjectName(QStringLiteral("LblFolders"));
        m_folderNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QPalette palette = m_folderNote->palette();
        palette.setColor(QPalette::WindowText, QColor(200, 196, 226));
        m_folderNote->setPalette(palette);
        // Presses go through to the drag surface below.
        m_folderNote->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_folderNote->show();
    }
    // Below the text of what Brannock does, inside the golden frame, left of the figure's
    // caption: every line shows whole, in small type, a long folder shortened in its middle.
    constexpr QRect Area(24, 254, 288, ClientHeight - 8 - 254);
    const QStringList lines = note.split(QLatin1Char('\n'));
    QFont small = m_folderNote->font();
    QString shown;
    int height = 0;
    for (int pixels = 10; pixels >= 7; --pixels) {
        small.setPixelSize(pixels);
        const QFontMetrics metrics(small);
        QStringList elided;
        for (const QString &line : lines)
            elided << metrics.elidedText(line, Qt::ElideMiddle, Area.width());
        shown = elided.join(QLatin1Char('\n'));
        // Measured as the label draws it, line spacing and all.
        height = metrics.boundingRect(QRect(QPoint(), Area.size()), Qt::AlignLeft | Qt::AlignTop, shown).height();
        if (height <= Area.height())
            break;
    }
    m_folderNote->setFont(small);
    m_folderNote->setGeometry(Area.x(), Area.y(), Area.width(), std::min(height, Area.height()));
    m_folderNote->setText(shown);
}

void FrmAbout::UnloadAll()
{
    if (m_thanks)
        m_thanks->reject();
    reject();
}

void FrmAbout::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_background);
}

bool FrmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_cover)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const QPointF at = static_cast<QMouseEvent *>(event)->position();
        m_coverDragging = true;
        m_dragStartX = at.x();
        m_dragStartY = at.y();
        return true;
    }
    case QEvent::MouseMove:
        if (m_coverDragging) {
            const QPointF at = static_cast<QMouseEvent *>(event)->position();
            move(x() + int(std::lround(at.x() - m_dragStartX)), y() + int(std::lround(at.y() - m_dragStartY)));
        }
        return true;
    case QEvent::MouseButtonRelease:
        m_coverDragging = false;
        return true;
    default:
        return QDialog::eventFilter(watched, event);
    }
}

void FrmAbout::CmdOK_Click()
{
    accept();
}

void FrmAbout::CmdThanks_Click()
{
    FrmThanks thanks(m_pulse, this);
    m_thanks = &thanks;
    thanks.exec();
    m_thanks = nullptr;
}

} // namespace brannock
