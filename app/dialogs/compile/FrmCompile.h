#pragma once

#include "skinset/CompileJudge.h"
#include "skinset/MakeSkinset.h"

#include <QStringList>
#include <QWidget>

#include <memory>
#include <optional>

namespace Ui {
class FrmCompile;
}

namespace brannock {

/// The Compile window: follows a started Compile.bat with a progress bar (lines done of
/// the total), the live output of the interpreter and the tools and a Stop button, then
/// shows the outcome. Non-modal; one window serves every build.
class FrmCompile final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(FrmCompile)
public:
    /// `parent` is the main window: the Compile window stays in front of it.
    explicit FrmCompile(QWidget *parent = nullptr);
    ~FrmCompile() override;

    /// Follows a newly started script from its first output to its end; clears what the
    /// window showed before, notes included.
    void follow(StartedScript started);
    /// Notes shown with the outcome, one a line (ticked items the build left out, and why).
    void setNotes(const QStringList &notes);

    bool isRunning() const;
    /// The outcome of the last run once it has ended.
    const std::optional<CompileVerdict> &verdict() const { return m_verdict; }

    /// "&Stop": ends the interpreter and the tools it started.
    void CmdStop_Click();
    /// Stops a running script and waits for its end, so that the volumes are settled when
    /// it returns (the program is about to end).
    void stopAndWait();

signals:
    /// The run has ended; `verdict()` holds the same outcome.
    void ended(const brannock::CompileVerdict &verdict);

protected:
    /// Closing the window while the script runs stops it, as closing its console would.
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void onOutput(const QByteArray &bytes);
    void onFinished(int exitCode, bool crashed);
    void showProgress();
    /// Shows the outcome and the left-out list as tall as they are, up to a few lines, and
    /// lets them scroll beyond that: however long they are, the output keeps its room.
    void fitDetails();
    /// Tells the ended run's verdict to assistive technology, and brings the keyboard here
    /// while the player is in Brannock.
    void announceVerdict();

    StartedScript m_started;
    bool m_stopRequested = false;
    std::optional<CompileVerdict> m_verdict;

    std::unique_ptr<Ui::FrmCompile> m_ui;
};

} // namespace brannock
