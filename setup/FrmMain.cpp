#include "FrmMain.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadialGradient>

namespace brannock::primewell {

QPixmap goldLogo(int size)
{
    QPixmap logo(size, size);
    logo.fill(Qt::transparent);
    QPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);

    // A gold coin seen from above: a bright face, a darker milled rim and a raised well.
    QRadialGradient face(QPointF(12, 11), 20);
    face.setColorAt(0.0, QColor(255, 246, 170));
    face.setColorAt(0.45, QColor(236, 190, 48));
    face.setColorAt(1.0, QColor(150, 100, 10));
    p.setPen(QPen(QColor(110, 70, 5), 1.5));
    p.setBrush(face);
    p.drawEllipse(QRectF(1.5, 1.5, 29, 29));

    p.setPen(QPen(QColor(255, 236, 140), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(5, 5, 22, 22));

    // The well: a dark shaft with a gold rim.
    QRadialGradient shaft(QPointF(16, 18), 7);
    shaft.setColorAt(0.0, QColor(60, 35, 0));
    shaft.setColorAt(1.0, QColor(170, 120, 20));
    p.setPen(QPen(QColor(120, 80, 8), 1.0));
    p.setBrush(shaft);
    p.drawEllipse(QRectF(10, 13, 12, 9));

    // A roof over it.
    QPainterPath roof;
    roof.moveTo(8, 13);
    roof.lineTo(16, 6);
    roof.lineTo(24, 13);
    roof.closeSubpath();
    p.setPen(QPen(QColor(110, 70, 5), 1.0));
    p.setBrush(QColor(250, 214, 90));
    p.drawPath(roof);

    // A glint.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 235, 220));
    p.drawEllipse(QRectF(7, 6, 3, 3));
    return logo;
}

FrmMain::FrmMain(SettingsStore &store, Prompts &prompts, const DosPaths &dosPaths, QString programFolder,
                 QWidget *parent)
    : QDialog(parent),
      m_prompts(prompts),
      m_setup(store, prompts, dosPaths, std::move(programFolder)),
      m_lstDebug(new QListWidget(this)),
      m_imgGoldLogo(new QLabel(this)),
      m_cmdClose(new QPushButton(QStringLiteral("Close"), this))
{
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(QStringLiteral("Prime Well"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    const QPixmap logo = goldLogo();
    setWindowIcon(logo);
    m_imgGoldLogo->setObjectName(QStringLiteral("imgGoldLogo"));
    m_imgGoldLogo->setPixmap(logo);
    m_imgGoldLogo->setFixedSize(32, 32);

    m_lstDebug->setObjectName(QStringLiteral("LstDebug"));
    m_lstDebug->setMinimumSize(240, 130);

    m_cmdClose->setObjectName(QStringLiteral("CmdClose"));
    m_cmdClose->setEnabled(false);
    m_cmdClose->setDefault(true);
    m_cmdClose->setAutoDefault(true);
    connect(m_cmdClose, &QPushButton::clicked, this, &FrmMain::CmdClose_Click);

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_imgGoldLogo, 0, 0, Qt::AlignTop);
    grid->addWidget(m_lstDebug, 0, 1);
    grid->addWidget(m_cmdClose, 1, 1, Qt::AlignRight);
    setFixedSize(sizeHint());
}

bool FrmMain::Form_Load()
{
    if (!confirmSetup(m_prompts))
        return false;
    m_setup.run(*this);
    return true;
}

void FrmMain::addLog(const QString &line)
{
    m_lstDebug->addItem(line);
}

void FrmMain::enableClose()
{
    m_cmdClose->setEnabled(true);
    m_cmdClose->setFocus();
}

void FrmMain::setCaption(const QString &caption)
{
    setWindowTitle(caption);
}

void FrmMain::reject()
{
    if (m_cmdClose->isEnabled())
        m_cmdClose->click();
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    done(QDialog::Accepted);
    event->accept();
}

void FrmMain::CmdClose_Click()
{
    done(QDialog::Accepted);
}

} // namespace brannock::primewell
