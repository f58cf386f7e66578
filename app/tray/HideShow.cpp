#include "tray/HideShow.h"

#include "desktop/Prompts.h"
#include "desktop/Tray.h"

namespace brannock {

HideShow::HideShow(Tray &tray, Prompts &prompts, HideShowWindow &window)
    : m_tray(tray), m_prompts(prompts), m_window(window)
{
    m_toggle = QObject::connect(&m_tray, &Tray::toggleRequested, &m_tray, [this] { mnuHS_Click(); });
    m_context = QObject::connect(&m_tray, &Tray::contextRequested, &m_tray, [this](const QPoint &at) {
        m_window.popUpTrayMenu(at);
    });
}

HideShow::~HideShow()
{
    QObject::disconnect(m_toggle);
    QObject::disconnect(m_context);
}

QString HideShow::noTrayText()
{
    return tr("This desktop has no notification area (system tray) to hide Brannock in, "
                          "so the window stays on screen.");
}

void HideShow::mnuHS_Click()
{
    const bool hiding = m_window.hideShowCaption() == hideCaption();
    if (hiding && !m_tray.isAvailable()) {
        // Hidden without a tray icon the window could never be brought back; open dialogs stay.
        m_window.unsetAoT();
        m_prompts.message(noTrayTitle(), noTrayText(), PromptButtons::Ok, PromptIcon::Exclamation);
        m_window.setAoT();
        return;
    }

    // Open dialogs close first, the About dialog before the Configuration dialog.
    if (m_window.aboutOpen())
        m_window.closeAbout();
    if (m_window.cfgOpen())
        m_window.closeCfg();

    if (hiding) {
        m_window.hideWindow();
        m_hidden = true;
        m_window.setHideShowCaption(showCaption());
    } else {
        m_window.showWindow();
        m_hidden = false;
        m_window.setHideShowCaption(hideCaption());
    }
}

void HideShow::startHidden()
{
    if (!m_tray.isAvailable())
        return; // the window simply stays on screen
    mnuHS_Click();
}

} // namespace brannock
