#pragma once

#include <QCoreApplication>
#include <QMetaObject>
#include <QPoint>
#include <QString>
#include <QtGlobal>

#include <functional>

namespace brannock {

class Prompts;
class Tray;

/// What hiding and showing does to the main window; the main window supplies it.
struct HideShowWindow {
    std::function<bool()> aboutOpen;
    /// Closes the About and Thanks dialogs (the About dialog's UnloadAll) and clears AboutOpen.
    std::function<void()> closeAbout;
    std::function<bool()> cfgOpen;
    /// Closes the Configuration dialog (its UnloadAll, which saves its fields) and clears CfgOpen.
    std::function<void()> closeCfg;
    std::function<void()> hideWindow;
    std::function<void()> showWindow;
    /// The caption of the menu entry mnuHS, which is the hidden/shown state.
    std::function<QString()> caption;
    std::function<void(const QString &)> setCaption;
    /// Pops up "MainMenu" at a screen position with mnuHS as the default entry.
    std::function<void(QPoint)> popUpTrayMenu;
    /// The topmost protocol around the box that refuses to hide.
    std::function<void()> unsetAoT;
    std::function<void()> setAoT;
};

/// mnuHS_Click and the tray's two gestures: hides the main window to the tray or shows it
/// again, closing an open About or Configuration dialog first. Keeps IsHidden.
class HideShow final {
    Q_DISABLE_COPY(HideShow)
    Q_DECLARE_TR_FUNCTIONS(brannock::HideShow)
public:
    HideShow(Tray &tray, Prompts &prompts, HideShowWindow window);
    ~HideShow();

    static QString hideCaption() { return tr("&Hide"); }
    static QString showCaption() { return tr("&Show"); }

    /// The hide/show toggle (minimise button, menu entry, tray double-click). Without a
    /// tray to come back from, hiding is refused with a box.
    void mnuHS_Click();
    /// Start-up with "/hide/": hides like mnuHS_Click, but only when there is a tray.
    void startHidden();

    bool isHidden() const { return m_hidden; }

    static QString noTrayTitle() { return tr("Hide"); }
    static QString noTrayText();

private:
    Tray &m_tray;
    Prompts &m_prompts;
    HideShowWindow m_window;
    bool m_hidden = false;
    QMetaObject::Connection m_toggle, m_context;
};

} // namespace brannock
