#pragma once

#include "setup/SetupReg.h"

#include <QDialog>

#include <memory>

namespace Ui {
class FrmMain;
}

namespace brannock::primewell {

/// Primewell's one window: the progress log, the logo and the Close button. All the work
/// happens in Form_Load, before the window is first shown.
class FrmMain final : public QDialog, public SetupView {
    Q_OBJECT

public:
    FrmMain(SettingsStore &store, Prompts &prompts, const DosPaths &dosPaths, QString programFolder,
            QWidget *parent = nullptr);
    ~FrmMain() override;

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

    std::unique_ptr<Ui::FrmMain> m_ui;
    Prompts &m_prompts;
    SetupReg m_setup;
};

/// The gold logo, drawn for 32 x 32 and scaled to `size` x `size` (the program's icons).
QPixmap goldLogo(int size = 32);

} // namespace brannock::primewell
