#include "main_window/FrmMain.h"

#include "base/AppError.h"
#include "common/SettingsStore.h"
#include "desktop/Prompts.h"
#include "desktop/WindowPlacement.h"
#include "dialogs/about/FrmAbout.h"
#include "dialogs/addsupp/frmAddSupp.h"
#include "dialogs/compile/FrmCompile.h"
#include "dialogs/config/FrmCfg.h"
#include "dialogs/skins/FrmSkins.h"
#include "main_window/chrome/ChromeLayout.h"
#include "main_window/chrome/ModalDialogs.h"
#include "main_window/chrome/PictureButton.h"
#include "main_window/chrome/TitleBar.h"
#include "main_window/chrome/WindowShape.h"
#include "main_window/CommandLine.h"
#include "main_window/FirstStart.h"
#include "main_window/MainMenu.h"
#include "main_window/menus/IncludeMenu.h"
#include "main_window/menus/IncludePanel.h"
#include "main_window/SourceFolderLists.h"
#include "main_window/TopmostProtocol.h"
#include "platform/InterpreterWarmUp.h"
#include "platform/TopmostBand.h"
#include "skinset/MakeSkinset.h"
#include "tray/HideShow.h"
#include "tray/SysTray.h"
#include "widgets/Accessibility.h"
#include "widgets/Controls.h"
#include "widgets/FontFit.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>
#include <QTreeView>

#include <utility>

namespace brannock {

namespace {

constexpr int kClientWidth = 315;
constexpr int kClientHeight = 288;

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, QRect geometry)
{
    auto *label = placeControl<QLabel>(parent, name, geometry, text);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QString &toolTip,
                        QRect geometry)
{
    auto *button = placeControlWithTip<QPushButton>(parent, name, geometry, toolTip, caption);
    // A substitute face wider than the one the layout was made for must not cut the caption.
    const QString shown = QString(caption).remove(QLatin1Char('&'));
    button->setFont(shrinkToFit(button->font(), shown, geometry.width() - 6, 8));
    return button;
}

} // namespace

FrmMain::FrmMain(FrmMainContext context, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_context(std::move(context)),
      m_boxes(std::make_unique<TopmostProtocol>(m_context.prompts, [this] { UnsetAoT(); },
                                                [this] { SetAoT(); })),
      m_modal(std::make_unique<ModalDialogs>([this] { UnsetAoT(); }, [this] { SetAoT(); }))
{
    setObjectName(QStringLiteral("FrmMain"));
    setAccessibleRole(this, QAccessible::Window); // drawn without the window system's frame
    setFixedSize(kClientWidth, kClientHeight);
    // The controls were laid out for an 8 pt face at 96 dpi (11 pixels).
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);

    createControls();
    createChrome();
    m_mainMenu = new MainMenu(this);
    m_includeMenu = new IncludeMenu(*m_boxes, m_context.folders.workFolder(), m_context.consoleCodePage, this);
    m_includePanel = new IncludePanel(*m_includeMenu, m_incModule, m_incModule->pos()); // owned by the include module
    // Tab reaches the picture buttons after the command buttons: the include panel, the
    // three buttons on the right edge, then the title icon.
    QWidget *previous = m_cmdAbout;
    for (QWidget *next : m_includePanel->buttons()) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (QWidget *next : {static_cast<QWidget *>(m_bPicMin), static_cast<QWidget *>(m_bPicExit),
                          static_cast<QWidget *>(m_bPicInc), static_cast<QWidget *>(m_picIcon)}) {
        setTabOrder(previous, next);
        previous = next;
    }

    m_look = std::make_unique<LookRefresher>(m_context.store, m_context.prompts, m_context.folders.lookRoots(),
                                             static_cast<LookTargets &>(*this));
    m_firstStart = std::make_unique<FirstStart>(m_context.store, *m_boxes, m_context.dos,
                                                m_context.folders.programFolder());
    m_sysTray = std::make_unique<SysTray>(m_context.tray, [this] { endProgram(); });
    m_hideShow = std::make_unique<HideShow>(m_context.tray, m_context.prompts, static_cast<HideShowWindow &>(*this));

    connectMenus();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(kClientWidth / 2, kClientHeight / 2));
    qApp->installEventFilter(this);
}

FrmMain::~FrmMain()
{
    qApp->removeEventFilter(this);
    delete m_skins; // a top-level window of its own, so that it stays while this one hides
}

void FrmMain::createControls()
{
    m_lblOFP = makeLabel(this, "LblOFP", tr("Open File Prefix"), layout::LblOFP);
    m_txtOFP = placeControlWithTip<QLineEdit>(this, "TxtOFP", layout::TxtOFP,
                           tr("(For new1.larmor.bmp etc., you'd type new1; leave it blank for no "
                                          "prefix, like larmor.bmp)"));
    m_lblSFP = makeLabel(this, "LblSFP", tr("Save File Prefix"), layout::LblSFP);
    m_txtSFP = placeControlWithTip<QLineEdit>(this, "TxtSFP", layout::TxtSFP,
                           tr("(For skin1.larmor.bmp etc., you'd type skin1; This shows up in KESTROW)"));
    m_lblVOL = makeLabel(this, "LblVOL", tr("New VOL"), layout::LblVOL);
    m_txtVOL = placeControlWithTip<QLineEdit>(this, "TxtVOL", layout::TxtVOL, tr("(For newvol.vol, you'd type newvol)"));

    m_cmdMake = makeButton(this, "CmdMake", tr("&Make Skinset"), tr("GO!!"), layout::CmdMake);
    m_cmdCfg = makeButton(this, "CmdCfg", tr("C&onfiguration"), tr("Configure Wendle..."),
                          layout::CmdCfg);
    m_cmdSkins = makeButton(this, "CmdSkins", tr("&Skins"), tr("Wendle's Skin Setup..."),
                            layout::CmdSkins);
    m_cmdAbout = makeButton(this, "CmdAbout", tr("A&bout"), tr("About Wendle..."),
                            layout::CmdAbout);

    m_incModule = new QWidget(this);
    m_incModule->setObjectName(QStringLiteral("IncModule"));
    m_incModule->setGeometry(layout::IncModule);
    setAccessibleRole(m_incModule, QAccessible::Grouping);
    m_incModule->setAccessibleName(tr("Include"));

    m_sourceFolders = new SourceFolderLists(this, *m_boxes, m_context.drives);

    limitLength(m_txtOFP, tr("Open File Prefix"));
    limitLength(m_txtSFP, tr("Save File Prefix"));
    limitLength(m_txtVOL, tr("New VOL"));

    setTabOrder(m_sourceFolders->drvList(), m_sourceFolders->DirFP());
    setTabOrder(m_sourceFolders->DirFP(), m_txtOFP);
    setTabOrder(m_txtOFP, m_txtSFP);
    setTabOrder(m_txtSFP, m_txtVOL);
    setTabOrder(m_txtVOL, m_cmdMake);
    setTabOrder(m_cmdMake, m_cmdCfg);
    setTabOrder(m_cmdCfg, m_cmdSkins);
    setTabOrder(m_cmdSkins, m_cmdAbout);

    // Assistive technology names each box after its label.
    m_lblOFP->setBuddy(m_txtOFP);
    m_lblSFP->setBuddy(m_txtSFP);
    m_lblVOL->setBuddy(m_txtVOL);
}

void FrmMain::limitLength(QLineEdit *box, const QString &name)
{
    constexpr int limit = MakeSkinset::kMaxTypedLength;
    box->setToolTip(box->toolTip() + tr(" At most %1 characters.").arg(limit));
    // Text past the limit, typed, pasted or dropped, is cut where it went in, as a box with
    // a maximum length would cut it, and the player is told what was left out.
    connect(box, &QLineEdit::textChanged, this, [this, box, name](const QString &text) {
        if (text.size() <= limit)
            return;
        const qsizetype over = text.size() - limit;
        const qsizetype end = box->cursorPosition();
        const QString kept = end >= over ? text.left(end - over) + text.mid(end) : text.left(limit);
        {
            const QSignalBlocker blocker(box);
            box->setText(kept);
            box->setCursorPosition(int(std::max<qsizetype>(end - over, 0)));
        }
        const QString cut = over == 1 ? tr("The character past that was left out.")
                                      : tr("The %1 characters past that were left out.").arg(over);
        m_boxes->message(name, tr("The %1 box takes at most %2 characters. ").arg(name).arg(limit) + cut,
                         PromptButtons::Ok, PromptIcon::Exclamation);
    });
}

void FrmMain::createChrome()
{
    m_titlebar = new TitleBar(this);
    m_titlebar->setGeometry(layout::Titlebar);
    m_picIcon = new TitleIcon(this);
    m_picIcon->setObjectName(QStringLiteral("PicIcon"));
    m_picIcon->setGeometry(layout::PicIcon);
    m_bPicMin = placeControl<PictureButton>(this, "BPicMin", layout::BPicMin);
    m_bPicExit = placeControl<PictureButton>(this, "BPicExit", layout::BPicExit);
    m_bPicInc = placeControl<PictureButton>(this, "BPicInc", layout::BPicInc);
    // Named after what they do, as the main menu names the same actions.
    m_bPicMin->setAccessibleName(tr("Hide"));
    m_bPicExit->setAccessibleName(tr("Exit"));
    m_bPicInc->setAccessibleName(tr("Include Menu"));

    // Until the first refresh (and for good with "/nopaint/") the built-in pictures show.
    const BuiltInPictures &builtIn = builtInPictures(devicePixelRatioF());
    m_bPicMin->setNormalPicture(builtIn.min0bck);
    m_bPicMin->setHoverPicture(builtIn.min1bck);
    m_bPicMin->showPicture(builtIn.min0bck);
    m_bPicExit->setNormalPicture(builtIn.exit0bck);
    m_bPicExit->setHoverPicture(builtIn.exit1bck);
    m_bPicExit->showPicture(builtIn.exit0bck);
    m_bPicInc->setNormalPicture(builtIn.inc0bck);
    m_bPicInc->setHoverPicture(builtIn.inc1bck);
    m_bPicInc->showPicture(builtIn.inc0bck);
    m_picIcon->setPixmap(builtIn.iconbck);
    setWindowIcon(QIcon(builtIn.sysbck));
}

void FrmMain::connectMenus()
{
    connect(m_mainMenu->mnuCfg(), &QAction::triggered, this, [this] { CmdCfg_Click(); });
    connect(m_mainMenu->mnuRefresh(), &QAction::triggered, this, [this] { RefreshForm(); });
    connect(m_mainMenu->mnuHS(), &QAction::triggered, this, [this] { mnuHS_Click(); });
    connect(m_mainMenu->mnuAbout(), &QAction::triggered, this, [this] { CmdAbout_Click(); });
    connect(m_mainMenu->mnuExit(), &QAction::triggered, this, [this] { ConfirmExit(); });
    connect(m_includeMenu, &IncludeMenu::addSupportRequested, this, [this] { mnuUCAdd_Click(); });
    connect(m_includeMenu, &IncludeMenu::userEntriesBuilt, this, &FrmMain::warmUpAfterStartUp);

    connect(m_cmdMake, &QPushButton::clicked, this, [this] { CmdMake_Click(); });
    connect(m_cmdCfg, &QPushButton::clicked, this, [this] { CmdCfg_Click(); });
    connect(m_cmdSkins, &QPushButton::clicked, this, [this] { CmdSkins_Click(); });
    connect(m_cmdAbout, &QPushButton::clicked, this, [this] { CmdAbout_Click(); });

    m_bPicMin->setClickAction([this] { mnuHS_Click(); }, PictureButton::ClickOrder::NormalThenAction);
    m_bPicExit->setClickAction([this] { ConfirmExit(); }, PictureButton::ClickOrder::ActionThenNormal);
    m_bPicInc->setClickAction(
        [this] { popUpMenu(*m_includeMenu->includeMenu(), nullptr, mapToGlobal(layout::IncludeMenuCorner)); },
        PictureButton::ClickOrder::NormalThenAction);
    const auto mainMenuWithExit = [this](QPoint at) {
        popUpMenu(*m_mainMenu->menu(), m_mainMenu->mnuExit(), at);
    };
    m_titlebar->setMenuRequest(mainMenuWithExit);
    m_picIcon->setMenuRequest(mainMenuWithExit);
    m_picIcon->setDoubleClickAction([this] { ConfirmExit(); });
}

void FrmMain::Form_Load()
{
    const QString &line = m_context.commandLine;
    m_paintLook = !hasSwitch(line, Switch::NoPaint);
    m_look->setPaintLook(m_paintLook);
    RefreshForm();
    m_startHidden = hasSwitch(line, Switch::Hide);
    m_runScript = !hasSwitch(line, Switch::NoExec);
    m_shaped = !hasSwitch(line, Switch::NoRegion);
    if (m_shaped)
        makeShapeTranslucent(*this); // before SetAoT shows the window for the first time
    SetAoT();
    if (m_startHidden)
        m_hideShow->startHidden();
    if (m_shaped)
        ApplyWindowRegion(*this);
    setWindowTitle(SysTray::tipText());
    m_titlebar->setText(SysTray::tipText());
    setFixedHeight(kClientHeight);
    m_look->loadStartupSysIcon();
    m_sysTray->AddTrayIcon(SysTray::tipText(), m_look->picture(LookSlot::SysImg));
    // Entering the band shows the window without taking the keys; the program the player has
    // just started takes them once, as any started program does (a screen reader reads it
    // out). Started to the tray, it takes nothing.
    if (!m_startHidden)
        activateWindow();
    // Without any settings the defaults are offered right after the first frame, so that
    // looking at the store never delays it; a window that starts hidden asks now.
    if (m_startHidden || m_firstFramePainted)
        offerDefaultSettings();
    else
        m_defaultsAfterFirstFrame = true;
    // The User-Created menu is not part of the first frame: its definition files are read
    // right after that frame, on a thread of their own, so that the window is free at once
    // however many there are; a broken item's box comes last in the start-up. A window that
    // starts hidden paints no frame: its files are read now.
    if (m_startHidden || m_firstFramePainted)
        m_includeMenu->BuildUCIMenuInBackground();
    else
        m_userMenuAfterFirstFrame = true;
}

void FrmMain::warmUpAfterStartUp()
{
    // Last of the start-up's work (it follows the User-Created menu), and never on this
    // thread: the interpreter a build will start is made ready while the player fills in the
    // window. Nothing of it shows.
    if (m_runScript && !std::exchange(m_warmUpQueued, true))
        QTimer::singleShot(0, this, [this] {
            if (!m_ended)
                m_context.warmUp.start();
        });
}

bool FrmMain::IsHidden() const
{
    return m_hideShow->isHidden();
}

void FrmMain::SetAoT()
{
    if (IsHidden())
        return;
    if (!isVisible()) {
        setAttribute(Qt::WA_ShowWithoutActivating);
        show();
    }
    m_context.band.setTopmost(this, true);
}

void FrmMain::UnsetAoT()
{
    if (IsHidden())
        return;
    m_context.band.setTopmost(this, false);
}

void FrmMain::offerDefaultSettings()
{
    if (m_firstStart->needed() && m_firstStart->offerDefaults())
        RefreshForm();
}

void FrmMain::ConfirmExit()
{
    UnsetAoT();
    // Exit while a skinset is being built ends the build: the player is told so first.
    const bool building = m_compile && m_compile->isRunning();
    const QString question = building
        ? tr("A skinset is being built. Exiting stops Compile.bat now: the skinset is not made, "
                         "and the game's Skins folder is kept as it was before the build.\r\n\r\nExit Brannock?")
        : tr("Exit Brannock?");
    const PromptAnswer answer = m_context.prompts.message(tr("Are you sure?"), question,
                                                          PromptButtons::YesNo, PromptIcon::Question);
    if (answer == PromptAnswer::Yes) {
        clearMask();
        m_sysTray->RemoveTrayIconAndEnd();
        return;
    }
    SetAoT();
}

void FrmMain::RefreshForm()
{
    m_look->RefreshForm();
}

void FrmMain::mnuHS_Click()
{
    m_hideShow->mnuHS_Click();
}

CurrentLook FrmMain::currentLook() const
{
    return m_look->currentLook();
}

void FrmMain::CmdMake_Click()
{
    if (m_compile && m_compile->isRunning()) {
        // A new build would rewrite Compile.bat under the interpreter that is reading it.
        m_compile->show();
        m_compile->raise();
        m_boxes->message(tr("Make Skinset"),
                         tr("Compile.bat is still running. Wait for it to end, or stop it in the "
                                        "Compile window, then make the skinset again."),
                         PromptButtons::Ok, PromptIcon::Exclamation);
        return;
    }
    BuildInputs inputs;
    inputs.saveFilePrefix = m_txtSFP->text();
    inputs.openFilePrefix = m_txtOFP->text();
    inputs.volumeName = m_txtVOL->text();
    inputs.sourceFolder = m_sourceFolders->currentPath();
    inputs.isTicked = [this](const SkinItem &item) { return m_includeMenu->isTicked(item); };
    inputs.tickedUserEntries = m_includeMenu->tickedUserEntries();
    inputs.makeFolders = !hasSwitch(m_context.commandLine, Switch::NoDirs);
    inputs.runScript = m_runScript;
    inputs.workingFolder = QDir::currentPath();
    inputs.toolsFolder = m_context.folders.toolsFolder();
    MakeSkinset build(m_context.store, *m_boxes, m_context.dos, m_context.runner, m_context.programs,
                      m_context.folders.workFolder(), m_context.consoleCodePage());
    const MakeSkinset::Result result = build.run(inputs, [this](bool enabled) { m_cmdMake->setEnabled(enabled); });
    if (result.outcome == MakeSkinset::Outcome::Started) {
        followScript(build.takeStarted());
        m_compile->setNotes(result.leftOut);
    }
}

void FrmMain::followScript(StartedScript started)
{
    if (!m_compile) {
        m_compile = new FrmCompile(this);
        connect(m_compile, &FrmCompile::ended, this, &FrmMain::compileEnded);
    }
    m_compile->follow(std::move(started));
    if (IsHidden()) {
        m_compileHiddenWithMain = true;
        return;
    }
    if (!m_compile->isVisible()) {
        placeInFrontOf(*m_compile, *this);
        m_compile->setAttribute(Qt::WA_ShowWithoutActivating);
        m_compile->show();
    }
    m_compile->raise();
}

void FrmMain::compileEnded(const CompileVerdict &verdict)
{
    if (verdict.kind == CompileVerdict::Kind::NotStarted) {
        m_compile->close();
        m_compileHiddenWithMain = false;
        //: The operation named in the title of its failure box ("%1 Error!").
        m_boxes->reportFailure(tr("Make"),
                               AppError(ErrorNumber::CannotStart, verdict.summary + QLatin1Char(' ') + verdict.details));
        return;
    }
    if (IsHidden() && verdict.kind != CompileVerdict::Kind::Stopped)
        m_sysTray->ShowTrayMessage(tr("Make Skinset"), verdict.summary,
                                   verdict.kind != CompileVerdict::Kind::Success);
}

bool FrmMain::AboutOpen() const
{
    return m_modal->aboutOpen();
}

bool FrmMain::CfgOpen() const
{
    return m_modal->cfgOpen();
}

FrmCompile *FrmMain::compileWindow() const
{
    return m_compile;
}

void FrmMain::mnuUCAdd_Click()
{
    if (!m_addSupport) {
        m_addSupport = new frmAddSupp(*m_boxes, m_context.folders.workFolder(), m_context.consoleCodePage(), this);
        placeInFrontOf(*m_addSupport, *this);
    }
    m_addSupport->show();
    m_addSupport->raise();
    m_addSupport->activateWindow();
}

void FrmMain::CmdAbout_Click()
{
    m_modal->openAbout([this] {
        FrmAbout about(RandomSource(), this);
        about.setFolderNote(m_context.folders.description());
        m_about = &about;
        about.exec();
    });
}

void FrmMain::CmdCfg_Click()
{
    // The window is already out of the band here, so the dialog's own load message goes
    // straight to the boxes.
    m_modal->openCfg([this] {
        FrmCfg cfg(m_context.store, m_context.prompts, [this] { RefreshForm(); }, this);
        m_cfg = &cfg;
        cfg.exec();
    });
}

void FrmMain::CmdSkins_Click()
{
    if (!m_skins) {
        // No parent widget: the dialog stays usable while the main window is hidden. It is
        // still a window of the main window, placed beside it and kept in front of it.
        m_skins = new FrmSkins(m_context.store, m_context.prompts, m_context.folders.lookRoots(),
                               static_cast<SkinsDialogOwner &>(*this));
        m_skins->setAttribute(Qt::WA_DeleteOnClose);
        placeInFrontOf(*m_skins, *this);
    }
    m_skins->show();
    m_skins->raise();
    m_skins->activateWindow();
}

void FrmMain::popUpIncludeMenu(bool userCreatedOnly)
{
    // Opened by the keyboard: at the window, where the buttons that open the same menus put
    // them, never at a pointer that may rest anywhere on the screen.
    if (userCreatedOnly)
        popUpMenu(*m_includeMenu->userCreatedMenu(), nullptr, m_includePanel->popUpPosition());
    else
        popUpMenu(*m_includeMenu->includeMenu(), nullptr, mapToGlobal(layout::IncludeMenuCorner));
}

void FrmMain::popUpMainMenu()
{
    // Under the title icon, as a press on the icon opens it.
    popUpMenu(*m_mainMenu->menu(), m_mainMenu->mnuExit(), m_picIcon->mapToGlobal(QPoint(0, m_picIcon->height())));
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
    if (key == Qt::Key_Space && held == Qt::AltModifier) {
        popUpMainMenu(); // the window's own menu, as the window system's key for it
        return true;
    }
    return false;
}

void FrmMain::setLookPicture(LookSlot slot, const QPixmap &picture)
{
    switch (slot) {
    case LookSlot::Min0: m_bPicMin->setNormalPicture(picture); break;
    case LookSlot::Min1: m_bPicMin->setHoverPicture(picture); break;
    case LookSlot::BPicMin: m_bPicMin->showPicture(picture); break;
    case LookSlot::Exit0: m_bPicExit->setNormalPicture(picture); break;
    case LookSlot::Exit1: m_bPicExit->setHoverPicture(picture); break;
    case LookSlot::BPicExit: m_bPicExit->showPicture(picture); break;
    case LookSlot::Inc0: m_bPicInc->setNormalPicture(picture); break;
    case LookSlot::Inc1: m_bPicInc->setHoverPicture(picture); break;
    case LookSlot::BPicInc: m_bPicInc->showPicture(picture); break;
    case LookSlot::PicIcon: m_picIcon->setPixmap(picture); break;
    case LookSlot::SysImg: setWindowIcon(QIcon(picture)); break;
    }
}

void FrmMain::setLookBackground(const QImage &background)
{
    m_background = background;
    update();
}

void FrmMain::setLookTextColour(const QColor &colour)
{
    setTextColour({m_titlebar, m_lblOFP, m_lblSFP, m_lblVOL}, colour);
}

void FrmMain::closeAbout()
{
    if (m_about)
        m_about->UnloadAll();
    m_modal->clearAboutOpen();
}

void FrmMain::closeCfg()
{
    if (m_cfg)
        m_cfg->UnloadAll();
    m_modal->clearCfgOpen();
}

void FrmMain::hideWindow()
{
    hide();
    // The Compile window goes to the tray with the main window and comes back with it.
    m_compileHiddenWithMain = m_compile && m_compile->isVisible();
    if (m_compileHiddenWithMain)
        m_compile->hide();
}

void FrmMain::showWindow()
{
    setAttribute(Qt::WA_ShowWithoutActivating, false);
    show();
    if (m_compileHiddenWithMain && m_compile)
        m_compile->show();
    m_compileHiddenWithMain = false;
    // Brought back from the tray, by the keyboard too: the keys go to the window.
    activateWindow();
}

QString FrmMain::hideShowCaption() const
{
    return m_mainMenu->mnuHS()->text();
}

void FrmMain::setHideShowCaption(const QString &caption)
{
    m_mainMenu->mnuHS()->setText(caption);
}

void FrmMain::popUpTrayMenu(QPoint at)
{
    popUpMenu(*m_mainMenu->menu(), m_mainMenu->mnuHS(), at);
}

void FrmMain::setBandAlways(bool topmost)
{
    m_context.band.setTopmost(this, topmost);
}

void FrmMain::modifyTrayIcon(const QPixmap &sysImg)
{
    m_sysTray->ModifyTrayIcon(SysTray::tipText(), sysImg);
}

void FrmMain::paintEvent(QPaintEvent *)
{
    if (!m_firstFramePainted) {
        m_firstFramePainted = true;
        if (std::exchange(m_defaultsAfterFirstFrame, false))
            QTimer::singleShot(0, this, [this] { offerDefaultSettings(); });
        if (std::exchange(m_userMenuAfterFirstFrame, false))
            QTimer::singleShot(0, m_includeMenu, &IncludeMenu::BuildUCIMenuInBackground);
        QTimer::singleShot(0, m_sourceFolders, &SourceFolderLists::fillFolderList);
    }
    QPainter painter(this);
    if (m_shaped)
        paintShapeBackground(painter, *this);
    if (!m_background.isNull())
        painter.drawImage(0, 0, m_background);
    paintWindowOutline(painter, palette().color(QPalette::WindowText));
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
    if (m_ended)
        return;
    clearMask();
    m_sysTray->RemoveTrayIconAndEnd();
}

void FrmMain::endProgram()
{
    if (m_ended)
        return;
    m_ended = true;
    // A build still running is stopped, and the volumes put back, before the program ends.
    if (m_compile)
        m_compile->stopAndWait();
    m_context.warmUp.stop();
    if (m_skins)
        m_skins->close();
    emit programEnded();
    QCoreApplication::exit(0);
}

} // namespace brannock
