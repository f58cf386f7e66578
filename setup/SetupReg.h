#pragma once

#include <QString>

namespace brannock {
class DosPaths;
class Prompts;
class SettingsStore;
}

namespace brannock::primewell {

/// What the setup run shows on its window while it works.
class SetupView {
public:
    virtual ~SetupView() = default;
    virtual void addLog(const QString &line) = 0;
    virtual void enableClose() = 0;
    virtual void setCaption(const QString &caption) = 0;
};

/// The "You Sure?" question asked before anything is written; true when answered Yes.
bool confirmSetup(Prompts &prompts);

/// Writes every default setting: the colours, the game folder (a standard install found
/// under the drive that holds the program folder or under C:, or asked for), the palettes, the look and the build
/// options, logging each step on the view. A store file that cannot be used is first
/// offered to be set aside. A store that cannot be written ends the
/// writing with a failure box; the view is still left ready to close.
class SetupReg final {
public:
    /// `programFolder` is the folder Primewell runs from, as a native path.
    SetupReg(SettingsStore &store, Prompts &prompts, const DosPaths &dosPaths, QString programFolder);

    void run(SetupView &view);

private:
    /// Offers to set a store file that cannot be used aside (renamed, kept) so that the
    /// defaults can be written. Declined, the file stays and the writes report it.
    void setAsideBrokenFile(SetupView &view);
    void writeDefaults(SetupView &view);
    void writeGamePath(SetupView &view);

    SettingsStore &m_store;
    Prompts &m_prompts;
    const DosPaths &m_dosPaths;
    QString m_programFolder;

    Q_DISABLE_COPY(SetupReg)
};

} // namespace brannock::primewell
