#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace brannock {

class DosPaths;
class IncludeMenu;
class IncludePanel;
class MainMenu;
class Prompts;
class ScriptRunner;
class SettingsStore;
class SourceFolderLists;
class TopmostBand;
class TopmostProtocol;

/// What the main window is given from outside: the settings store, the platform ports and
/// the run's fixed facts.
struct FrmMainContext {
    SettingsStore &store;
    Prompts &prompts;
    TopmostBand &band;
    DosPaths &dos;
    ScriptRunner &runner;
    QString programFolder; ///< native path of the folder that holds the programs
    QString commandLine;   ///< the command line as one text (see commandLineText)
};

/// The main window and the program's start-up object. It coordinates: the menus, the
/// look, the chrome, the tray and the build live in classes of their own.
class FrmMain final : public QWidget {
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
    bool IsHidden() const { return m_isHidden; }

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
    /// Hides the window to the tray or shows it again.
    void mnuHS_Click();

    /// Handles a key press seen before the focused control; true when it was used.
    bool Form_KeyDown(int key, Qt::KeyboardModifiers modifiers);

    /// "&Make Skinset": writes Compile.bat for the ticked items and starts it.
    void CmdMake_Click();
    /// "&Add Support...": shows the Add Support dialog, or brings it forward.
    void mnuUCAdd_Click();

    MainMenu &mainMenu() const { return *m_mainMenu; }
    IncludeMenu &includeMenu() const { return *m_includeMenu; }
    IncludePanel &includePanel() const { return *m_includePanel; }
    SourceFolderLists &sourceFolders() const { return *m_sourceFolders; }
    bool hasEnded() const { return m_ended; }

signals:
    /// The program ends: after a confirmed exit or an outside close request.
    void programEnded();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void connectMenu();
    void ApplyWindowRegion();
    void AddTrayIcon();
    void BuildUCIMenu();
    void popUpIncludeMenu(bool userCreatedOnly);
    void endProgram();

    FrmMainContext m_context;
    std::unique_ptr<TopmostProtocol> m_boxes;
    MainMenu *m_mainMenu = nullptr;
    IncludeMenu *m_includeMenu = nullptr;
    IncludePanel *m_includePanel = nullptr;
    QPointer<QWidget> m_addSupport;
    SourceFolderLists *m_sourceFolders = nullptr;

    bool m_paintLook = true;
    bool m_startHidden = false;
    bool m_runScript = true;
    bool m_isHidden = false;
    bool m_ended = false;

    QLabel *m_titlebar = nullptr;
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
