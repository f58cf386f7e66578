#include "setup/FrmMain.h"

#include "ui_FrmMain.h"

#include <QCloseEvent>
#include <QPainter>
#include <QPainterPath>
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
      m_ui(std::make_unique<Ui::FrmMain>()),
      m_prompts(prompts),
      m_setup(store, prompts, dosPaths, std::move(programFolder))
{
    m_ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // A running Brannock stays on top of other windows: Primewell shows in front of it.
    setWindowFlag(Qt::WindowStaysOnTopHint);

    const QPixmap logo = goldLogo();
    setWindowIcon(logo);
    m_ui->imgGoldLogo->setPixmap(logo);
    connect(m_ui->CmdClose, &QPushButton::clicked, this, &FrmMain::CmdClose_Click);
    setFixedSize(sizeHint());
}

FrmMain::~FrmMain() = default;

bool FrmMain::Form_Load()
{
    if (!confirmSetup(m_prompts))
        return false;
    m_setup.run(*this);
    return true;
}

void FrmMain::addLog(const QString &line)
{
    m_ui->LstDebug->addItem(line);
}

void FrmMain::enableClose()
{
    m_ui->CmdClose->setEnabled(true);
    m_ui->CmdClose->setFocus();
}

void FrmMain::setCaption(const QString &caption)
{
    setWindowTitle(caption);
}

void FrmMain::reject()
{
    if (m_ui->CmdClose->isEnabled())
        m_ui->CmdClose->click();
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
