#pragma once

#include <QObject>

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace brannock {

/// The main pop-up menu "MainMenu" (`mnuMain`), popped up from the tray icon, the title
/// icon and the title label; never shown as a menu bar.
class MainMenu final : public QObject {
    Q_OBJECT
public:
    explicit MainMenu(QWidget *owner);
    ~MainMenu() override;

    QMenu *menu() const { return m_menu; }
    QAction *mnuCfg() const { return m_cfg; }
    QAction *mnuRefresh() const { return m_refresh; }
    QAction *mnuHS() const { return m_hideShow; }
    QAction *mnuAbout() const { return m_about; }
    QAction *mnuExit() const { return m_exit; }

    /// Pops the menu up at `globalPos` with `defaultEntry` shown as the bold default entry.
    void popup(const QPoint &globalPos, QAction *defaultEntry);

private:
    QMenu *m_menu;
    QAction *m_cfg;
    QAction *m_refresh;
    QAction *m_hideShow;
    QAction *m_about;
    QAction *m_exit;
};

} // namespace brannock
