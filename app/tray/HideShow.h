#pragma once

#include <QCoreApplication>
#include <QMetaObject>
#include <QPoint>
#include <QString>
#include <QtGlobal>

namespace brannock {

class Prompts;
class Tray;

/// What hiding and showing does to the main window; the main window implements it.
class HideShowWindow {
public:
    virtual ~HideShowWindow() = default;
    virtual bool aboutOpen() const = 0;
    /// Closes the About and Thanks dialogs (the About dialog's UnloadAll) and clears AboutOpen.
    virtual void closeAbout() = 0;
    virtual bool cfgOpen() const = 0;
    /// Closes the Configuration dialog (its UnloadAll, which saves its fields) and clears CfgOpen.
    virtual void closeCfg() = 0;
    virtual void hideWindow() = 0;
    virtual void showWindow() = 0;
    /// The caption of the menu entry mnuHS, which is the hidden/shown state.
    virtual QString hideShowCaption() const = 0;
    virtual void setHideShowCaption(const QString &caption) = 0;
    /// Pops up "MainMenu" at a screen position with mnuHS as the default entry.
    virtual void popUpTrayMenu(QPoint at) = 0;
    /// The topmost protocol around the box that refuses to hide.
    virtual void unsetAoT() = 0;
    virtual void setAoT() = 0;
};

/// mnuHS_Click and the tray's two gestures: hides the main window to the tray or shows it
/// again, closing an open About or Configuration dialog first. Keeps IsHidden.
class HideShow final {
    Q_DISABLE_COPY(HideShow)
    Q_DECLARE_TR_FUNCTIONS(brannock::HideShow)
public:
    HideShow(Tray &tray, Prompts &prompts, HideShowWindow &window);
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
    HideShowWindow &m_window;
    bool m_hidden = false;
    QMetaObject::Connection m_toggle, m_context;
};

} // namespace brannock
