#include "FrmMain.h"

#include "CommandLine.h"
#include "IncludeMenu.h"
#include "IncludePanel.h"
#include "MainMenu.h"
#include "MakeSkinset.h"
#include "Prompts.h"
#include "SettingsStore.h"
#include "SourceFolderLists.h"
#include "TopmostBand.h"
#include "TopmostProtocol.h"
#include "WinePrefix.h"
#include "frmAddSupp.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTreeView>

namespace brannock {

namespace {

constexpr int kClientWidth = 315;
constexpr int kClientHeight = 288;
const QString kTitle = QStringLiteral("Kestrow Wendle VI");

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, QRect geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1StringView(name));
    label->setGeometry(geometry);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

QLineEdit *makeTextBox(QWidget *parent, const char *name, const QString &toolTip, QRect geometry)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1StringView(name));
    box->setGeometry(geometry);
    box->setToolTip(toolTip);
    box->setFrame(true);
    box->setTextMargins(0, 0, 0, 0);
    return box;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QString &toolTip,
                        QRect geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1StringView(name));
    button->setGeometry(geometry);
    button->setToolTip(toolTip);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

} // namespace

FrmMain::FrmMain(FrmMainContext context, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_context(std::move(context)),
      m_boxes(std::make_unique<TopmostProtocol>(m_context.prompts, [this] { UnsetAoT(); },
                                                [this] { SetAoT(); }))
{
    setObjectName(QStringLiteral("FrmMain"));
    setFixedSize(kClientWidth, kClientHeight);
    QFont small = font();
    small.setPointSizeF(8.0);
    setFont(small);
    createControls();
    m_mainMenu = new MainMenu(this);
    m_includeMenu = new IncludeMenu(*m_boxes, m_context.programFolder, [] { return oemCodePage(); }, this);
    m_includePanel = new IncludePanel(*m_includeMenu, m_incModule, m_incModule->pos());
    connectMenu();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(kClientWidth / 2, kClientHeight / 2));
    qApp->installEventFilter(this);
}

FrmMain::~FrmMain()
{
    qApp->removeEventFilter(this);
}

void FrmMain::createControls()
{
    m_titlebar = makeLabel(this, "Titlebar", QString(), QRect(152, 2, 148, 24));
    m_titlebar->setAlignment(Qt::AlignCenter);
    QFont titleFont(QStringLiteral("Tahoma"));
    titleFont.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed"),
                           QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Sans Serif")});
    titleFont.setPointSizeF(14.25);
    titleFont.setBold(true);
    m_titlebar->setFont(titleFont);

    m_lblOFP = makeLabel(this, "LblOFP", QStringLiteral("Open File Prefix"), QRect(186, 28, 127, 16));
    m_txtOFP = makeTextBox(this, "TxtOFP",
                           QStringLiteral("(For new1.larmor.bmp etc., you'd type new1; leave it blank for no "
                                          "prefix, like larmor.bmp)"),
                           QRect(186, 43, 127, 17));
    m_lblSFP = makeLabel(this, "LblSFP", QStringLiteral("Save File Prefix"), QRect(186, 62, 127, 16));
    m_txtSFP = makeTextBox(this, "TxtSFP",
                           QStringLiteral("(For skin1.larmor.bmp etc., you'd type skin1; This shows up in KESTROW)"),
                           QRect(186, 77, 127, 17));
    m_lblVOL = makeLabel(this, "LblVOL", QStringLiteral("New VOL"), QRect(186, 96, 127, 16));
    m_txtVOL = makeTextBox(this, "TxtVOL", QStringLiteral("(For newvol.vol, you'd type newvol)"),
                           QRect(186, 111, 127, 17));

    m_cmdMake = makeButton(this, "CmdMake", QStringLiteral("&Make Skinset"), QStringLiteral("GO!!"),
                           QRect(2, 185, 81, 28));
    m_cmdCfg = makeButton(this, "CmdCfg", QStringLiteral("C&onfiguration"), QStringLiteral("Configure Wendle..."),
                          QRect(85, 185, 73, 28));
    m_cmdSkins = makeButton(this, "CmdSkins", QStringLiteral("&Skins"), QStringLiteral("Wendle's Skin Setup..."),
                            QRect(160, 185, 38, 28));
    m_cmdAbout = makeButton(this, "CmdAbout", QStringLiteral("A&bout"), QStringLiteral("About Wendle..."),
                            QRect(200, 185, 43, 28));

    m_incModule = new QWidget(this);
    m_incModule->setObjectName(QStringLiteral("IncModule"));
    m_incModule->setGeometry(8, 215, 186, 73);

    m_sourceFolders = new SourceFolderLists(this, *m_boxes, listDrives());

    setTabOrder(m_sourceFolders->drvList(), m_sourceFolders->DirFP());
    setTabOrder(m_sourceFolders->DirFP(), m_txtOFP);
    setTabOrder(m_txtOFP, m_txtSFP);
    setTabOrder(m_txtSFP, m_txtVOL);
    setTabOrder(m_txtVOL, m_cmdMake);
}

void FrmMain::connectMenu()
{
    connect(m_mainMenu->mnuRefresh(), &QAction::triggered, this, [this] { RefreshForm(); });
    connect(m_mainMenu->mnuHS(), &QAction::triggered, this, [this] { mnuHS_Click(); });
    connect(m_mainMenu->mnuExit(), &QAction::triggered, this, [this] { ConfirmExit(); });
    connect(m_includeMenu, &IncludeMenu::addSupportRequested, this, [this] { mnuUCAdd_Click(); });
    connect(m_cmdMake, &QPushButton::clicked, this, [this] { CmdMake_Click(); });
}

void FrmMain::Form_Load()
{
    const QString &line = m_context.commandLine;
    m_isHidden = false;
    m_paintLook = true;
    if (hasSwitch(line, Switch::NoPaint))
        m_paintLook = false;
    RefreshForm();
    if (hasSwitch(line, Switch::Hide))
        m_startHidden = true;
    m_runScript = !hasSwitch(line, Switch::NoExec);
    SetAoT();
    if (m_startHidden)
        mnuHS_Click();
    if (!hasSwitch(line, Switch::NoRegion))
        ApplyWindowRegion();
    setWindowTitle(kTitle);
    m_titlebar->setText(kTitle);
    setFixedHeight(kClientHeight);
    AddTrayIcon();
    BuildUCIMenu();
}

void FrmMain::SetAoT()
{
    if (m_isHidden)
        return;
    if (!isVisible()) {
        setAttribute(Qt::WA_ShowWithoutActivating);
        show();
    }
    m_context.band.setTopmost(this, true);
}

void FrmMain::UnsetAoT()
{
    if (m_isHidden)
        return;
    m_context.band.setTopmost(this, false);
}

void FrmMain::ConfirmExit()
{
    UnsetAoT();
    const PromptAnswer answer = m_context.prompts.message(QStringLiteral("Are you sure?"),
                                                          QStringLiteral("Exit Brannock?"),
                                                          PromptButtons::YesNo, PromptIcon::Question);
    if (answer == PromptAnswer::Yes) {
        endProgram();
        return;
    }
    SetAoT();
}

void FrmMain::RefreshForm()
{
}

void FrmMain::mnuHS_Click()
{
    if (!m_isHidden) {
        hide();
        m_isHidden = true;
        m_mainMenu->mnuHS()->setText(QStringLiteral("&Show"));
    } else {
        setAttribute(Qt::WA_ShowWithoutActivating, false);
        show();
        m_isHidden = false;
        m_mainMenu->mnuHS()->setText(QStringLiteral("&Hide"));
    }
}

void FrmMain::ApplyWindowRegion()
{
}

void FrmMain::AddTrayIcon()
{
}

void FrmMain::BuildUCIMenu()
{
    m_includeMenu->BuildUCIMenu();
}

void FrmMain::popUpIncludeMenu(bool userCreatedOnly)
{
    QMenu *menu = userCreatedOnly ? m_includeMenu->userCreatedMenu() : m_includeMenu->includeMenu();
    menu->popup(QCursor::pos());
}

void FrmMain::CmdMake_Click()
{
    BuildInputs inputs;
    inputs.saveFilePrefix = m_txtSFP->text();
    inputs.openFilePrefix = m_txtOFP->text();
    inputs.volumeName = m_txtVOL->text();
    inputs.sourceFolder = m_sourceFolders->currentPath();
    inputs.isTicked = [this](const SkinItem &item) { return m_includeMenu->isTicked(item); };
    inputs.tickedUserEntries = m_includeMenu->tickedUserEntries();
    inputs.commandLine = m_context.commandLine;
    inputs.runScript = m_runScript;
    MakeSkinset build(m_context.store, *m_boxes, m_context.dos, m_context.runner, m_context.programFolder,
                      oemCodePage());
    build.run(inputs, [this](bool enabled) { m_cmdMake->setEnabled(enabled); });
}

void FrmMain::mnuUCAdd_Click()
{
    if (!m_addSupport)
        m_addSupport = new frmAddSupp(*m_boxes, m_context.programFolder, this);
    m_addSupport->show();
    m_addSupport->raise();
    m_addSupport->activateWindow();
}

bool FrmMain::Form_KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers held =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (key == Qt::Key_Escape) {
        ConfirmExit();
        return true;
    }
    if (key == Qt::Key_F && held == Qt::ControlModifier) {
        popUpIncludeMenu(true);
        return true;
    }
    if (key == Qt::Key_S && held == Qt::ControlModifier) {
        popUpIncludeMenu(false);
        return true;
    }
    return false;
}

bool FrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->window() == this) {
            const auto *keyEvent = static_cast<QKeyEvent *>(event);
            if (Form_KeyDown(keyEvent->key(), keyEvent->modifiers()))
                return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    // A close request from outside (Alt+F4, the task list, logging off) ends the program
    // without a question; the program's own code never closes the main window.
    event->accept();
    if (!m_ended)
        endProgram();
}

void FrmMain::endProgram()
{
    m_ended = true;
    clearMask();
    emit programEnded();
    QCoreApplication::exit(0);
}

} // namespace brannock
