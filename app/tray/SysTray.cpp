#include "tray/SysTray.h"

#include "desktop/Tray.h"

#include <QIcon>

namespace brannock {

SysTray::SysTray(Tray &tray, std::function<void()> endProgram)
    : m_tray(tray), m_endProgram(std::move(endProgram))
{
}

void SysTray::fill(const QString &tip, const QPixmap &picture)
{
    m_tray.setIcon(QIcon(picture));
    m_tray.setToolTip(tip);
}

void SysTray::AddTrayIcon(const QString &tip, const QPixmap &picture)
{
    RemoveTrayIcon();
    fill(tip, picture);
    m_tray.show();
    m_added = true;
}

void SysTray::ModifyTrayIcon(const QString &tip, const QPixmap &picture)
{
    if (!m_added)
        return;
    fill(tip, picture);
}

void SysTray::RemoveTrayIcon()
{
    if (m_tray.isVisible())
        m_tray.hide();
    m_added = false;
}

void SysTray::ShowTrayMessage(const QString &title, const QString &text, bool warning)
{
    if (m_added)
        m_tray.showMessage(title, text, warning);
}

void SysTray::RemoveTrayIconAndEnd()
{
    RemoveTrayIcon();
    if (m_endProgram)
        m_endProgram();
}

} // namespace brannock
