#include "main_window/chrome/ModalDialogs.h"

namespace brannock {

ModalDialogs::ModalDialogs(std::function<void()> unsetAoT, std::function<void()> setAoT)
    : m_unsetAoT(std::move(unsetAoT)), m_setAoT(std::move(setAoT))
{
}

void ModalDialogs::openAbout(const std::function<void()> &showModal)
{
    open(m_aboutOpen, showModal);
}

void ModalDialogs::openCfg(const std::function<void()> &showModal)
{
    open(m_cfgOpen, showModal);
}

void ModalDialogs::open(bool &flag, const std::function<void()> &showModal)
{
    if (m_aboutOpen || m_cfgOpen)
        return;
    m_unsetAoT();
    flag = true;
    try {
        showModal();
    } catch (...) {
        // A failed dialog must neither block both buttons for good nor leave the window
        // out of the topmost band.
        flag = false;
        m_setAoT();
        throw;
    }
    flag = false;
    m_setAoT();
}

} // namespace brannock
