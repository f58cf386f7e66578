#pragma once

#include "common/WorkFolders.h"
#include "dialogs/skins/FrmSkins.h"
#include "look/LookPictures.h"
#include "look/LookRefresher.h"
#include "platform/CodePage.h"
#include "platform/Drives.h"
#include "tray/HideShow.h"

#include <QImage>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace brannock {

class DosPaths;
class FrmAbout;
class FrmCfg;
class FrmCompile;
class FrmSkins;
class FirstStart;
class HideShow;
class IncludeMenu;
class IncludePanel;
class InterpreterWarmUp;
class MainMenu;
class ModalDialogs;
class PictureButton;
class Prompts;
class ScriptRunner;
class SettingsStore;
class SourceFolderLists;
class SysTray;
class TitleBar;
class TitleIcon;
class TopmostBand;
class TopmostProtocol;
class Tray;
class WindowsPrograms;
struct CompileVerdict;
struct StartedScript;

/// What the main window is given from outside: the settings store, the platform ports, the
/// run's fixed facts and where the system's facts come from.
struct FrmMainContext {
    SettingsStore &store;
    Prompts &prompts;
    TopmostBand &band;
    DosPaths &dos;
    ScriptRunner &runner;
    /// Started once the window is up (unless the script is never run), stopped at the end.
    InterpreterWarmUp &warmUp;
    WindowsPrograms &programs; ///< finds and checks the game's tools before a run
    Tray &tray;
    /// The program, work and look folders, decided once at start.
    WorkFolders folders;
    QString commandLine;   ///< the command line as one text (see commandLineText)
    /// The console code page in which Compile.bat is written, asked at each use.
    std::function<CodePage()> consoleCodePage;
    /// The entries of the drive list.
    std::function<QList<DriveEntry>()> drives;
};

/// The main window and the program's start-up object. It coordinates: the menus, the
/// look, the chrome, the tray and the build live in classes of their own.
class FrmMain final : public QWidget, private LookTargets, private HideShowWindow, private SkinsDialogOwner {
    Q_OBJECT
public:
    explicit FrmMain(FrmMainContext context, QWidget *parent = nullptr);
    ~FrmMain() override;
    Q_DISABLE_COPY(FrmMain)

    /// Start-up (`Form_Load`): switches, look, topmost band, hiding, shape, title, tray
    /// icon and the user-created items menu, in this order.
    void Form_Load();

    bool PaintLook() const { return m_paintLook; }
    bool StartHidden() const { return m_startHidden; }
    bool RunScript() const { return m_runScript; }
    bool IsHidden() const;
    bool AboutOpen() const;
    bool CfgOpen() const;

    /// Into the topmost band, shown without being activated; nothing while hidden.
    void SetAoT();
    /// Out of the topmost band; nothing while hidden.
    void UnsetAoT();

    /// The boxes of the main window, inside the topmost protocol.
    TopmostProtocol &boxes() const { return *m_boxes; }

    /// Asks "Exit Brannock?" and ends the program on Yes.
    void ConfirmExit();
    /// Re-applies the whole look.
    void RefreshForm();
    /// Hides the window to the tray or shows it again, closing an open About or
    /// Configuration dialog first.
    void mnuHS_Click();
    /// "&Make Skinset": writes Compile.bat for the ticked items, starts it and follows it in
    /// the Compile window. Refused while the last build's script still runs.
    void CmdMake_Click();
    /// "&Add Support...": shows the Add Support dialog, or brings it forward.
    void mnuUCAdd_Click();
    /// The modal About and Configuration dialogs (one at a time) and the modeless Skins dialog.
    void CmdAbout_Click();
    void CmdCfg_Click();
    void CmdSkins_Click();

    /// Handles a key press seen before the focused control; true when it was used.
    bool Form_KeyDown(int key, Qt::KeyboardModifiers modifiers);

    MainMenu &mainMenu() const { return *m_mainMenu; }
    IncludeMenu &includeMenu() const { return *m_includeMenu; }
    SourceFolderLists &sourceFolders() const { return *m_sourceFolders; }
    /// What the window shows now (the Skins dialog's "Current Settings").
    CurrentLook currentLook() const override;
    FrmCompile *compileWindow() const;
    bool hasEnded() const { return m_ended; }

signals:
    /// The program ends: after a confirmed exit or an outside close request.
    void programEnded();

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The look's targets.
    void setLookPicture(LookSlot slot, const QPixmap &picture) override;
    void setLookBackground(const QImage &background) override;
    void setLookTextColour(const QColor &colour) override;
    void modifyTrayIcon(const QPixmap &sysImg) override;
    void unsetAoT() override { UnsetAoT(); }
    void setAoT() override { SetAoT(); }
    qreal pictureRatio() const override { return devicePixelRatioF(); }

    // What hiding to the tray and showing again do.
    bool aboutOpen() const override { return AboutOpen(); }
    void closeAbout() override;
    bool cfgOpen() const override { return CfgOpen(); }
    void closeCfg() override;
    void hideWindow() override;
    void showWindow() override;
    QString hideShowCaption() const override;
    void setHideShowCaption(const QString &caption) override;
    void popUpTrayMenu(QPoint at) override;

    // What the Skins dialog asks of the window.
    void refreshForm() override { RefreshForm(); }
    void setBandAlways(bool topmost) override;

    void createControls();
    /// Keeps `box` (labelled `name`) within MakeSkinset::kMaxTypedLength characters and says
    /// so when text is cut.
    void limitLength(QLineEdit *box, const QString &name);
    void createChrome();
    void connectMenus();
    /// Ctrl+S, Ctrl+F: the Include menu or its User-Created menu, at the window.
    void popUpIncludeMenu(bool userCreatedOnly);
    /// Alt+Space: the main menu under the title icon.
    void popUpMainMenu();
    /// Without any settings: offers the defaults, and applies the look once they are there.
    void offerDefaultSettings();
    /// Starts the interpreter's warm-up once the start-up's own work is done.
    void warmUpAfterStartUp();
    void followScript(StartedScript started);
    void compileEnded(const CompileVerdict &verdict);
    void endProgram();

    FrmMainContext m_context;
    std::unique_ptr<TopmostProtocol> m_boxes;
    std::unique_ptr<ModalDialogs> m_modal;
    std::unique_ptr<LookRefresher> m_look;
    std::unique_ptr<FirstStart> m_firstStart;
    std::unique_ptr<SysTray> m_sysTray;
    std::unique_ptr<HideShow> m_hideShow;
    MainMenu *m_mainMenu = nullptr;
    IncludeMenu *m_includeMenu = nullptr;
    IncludePanel *m_includePanel = nullptr;
    SourceFolderLists *m_sourceFolders = nullptr;
    QPointer<QWidget> m_addSupport;
    QPointer<FrmAbout> m_about;
    QPointer<FrmCfg> m_cfg;
    QPointer<FrmSkins> m_skins;
    QPointer<FrmCompile> m_compile;
    bool m_compileHiddenWithMain = false;

    bool m_paintLook = true;
    bool m_startHidden = false;
    bool m_shaped = false; ///< drawn in its outline ("/noregion/" keeps it rectangular)
    bool m_runScript = true;
    bool m_ended = false;
    bool m_firstFramePainted = false;
    bool m_userMenuAfterFirstFrame = false; ///< the User-Created menu waits for the first frame
    bool m_defaultsAfterFirstFrame = false; ///< so does the offer of the default settings
    bool m_warmUpQueued = false;            ///< the interpreter's warm-up follows the start-up, once
    QImage m_background; ///< the persistent background: gradient or back.bmp

    TitleBar *m_titlebar = nullptr;
    TitleIcon *m_picIcon = nullptr;
    PictureButton *m_bPicMin = nullptr;
    PictureButton *m_bPicExit = nullptr;
    PictureButton *m_bPicInc = nullptr;
    QLabel *m_lblOFP = nullptr;
    QLabel *m_lblSFP = nullptr;
    QLabel *m_lblVOL = nullptr;
    QLineEdit *m_txtOFP = nullptr;
    QLineEdit *m_txtSFP = nullptr;
    QLineEdit *m_txtVOL = nullptr;
    QPushButton *m_cmdMake = nullptr;
    QPushButton *m_cmdCfg = nullptr;
    QPushButton *m_cmdSkins = nullptr;
    QPushButton *m_cmdAbout = nullptr;
    QWidget *m_incModule = nullptr;
};

} // namespace brannock
