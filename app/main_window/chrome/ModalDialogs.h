#pragma once

#include <QtGlobal>

#include <functional>

namespace brannock {

/// The main window's two modal dialogs (About, Configuration): at most one of them open,
/// each shown outside the topmost band. Holds AboutOpen and CfgOpen.
class ModalDialogs final {
    Q_DISABLE_COPY(ModalDialogs)
public:
    /// `unsetAoT` / `setAoT`: the main window's topmost protocol (both no-ops while hidden).
    ModalDialogs(std::function<void()> unsetAoT, std::function<void()> setAoT);

    /// CmdAbout_Click / CmdCfg_Click: `showModal` shows the dialog and returns when it has
    /// closed. Does nothing while either dialog is open.
    void openAbout(const std::function<void()> &showModal);
    void openCfg(const std::function<void()> &showModal);

    bool aboutOpen() const { return m_aboutOpen; }
    bool cfgOpen() const { return m_cfgOpen; }
    /// After the dialog was closed from outside (hiding to the tray closes it).
    void clearAboutOpen() { m_aboutOpen = false; }
    void clearCfgOpen() { m_cfgOpen = false; }

private:
    void open(bool &flag, const std::function<void()> &showModal);

    std::function<void()> m_unsetAoT, m_setAoT;
    bool m_aboutOpen = false;
    bool m_cfgOpen = false;
};

} // namespace brannock
