#pragma once

#include "SetupReg.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace brannock::primewell {

/// Primewell's one window: the progress log, the logo and the Close button. All the work
/// happens in Form_Load, before the window is first shown.
class FrmMain final : public QDialog, public SetupView {
    Q_OBJECT

public:
    FrmMain(SettingsStore &store, Prompts &prompts, const DosPaths &dosPaths, QString programFolder,
            QWidget *parent = nullptr);

    /// Asks "You Sure?" and, on Yes, writes the settings. False when declined: nothing
    /// was written and the window must not be shown.
    bool Form_Load();

    void addLog(const QString &line) override;
    void enableClose() override;
    void setCaption(const QString &caption) override;

protected:
    /// Esc presses CmdClose, and only while it is enabled.
    void reject() override;
    /// Closing by the frame ends the program.
    void closeEvent(QCloseEvent *event) override;

private:
    void CmdClose_Click();

    Prompts &m_prompts;
    SetupReg m_setup;
    QListWidget *m_lstDebug;
    QLabel *m_imgGoldLogo;
    QPushButton *m_cmdClose;
};

/// The gold logo, drawn for 32 x 32 and scaled to `size` x `size` (the program's icons).
QPixmap goldLogo(int size = 32);

} // namespace brannock::primewell
