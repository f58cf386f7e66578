#pragma once

#include <QElapsedTimer>
#include <QLabel>
#include <QPoint>
#include <QPointer>

#include <functional>

class QAction;
class QMenu;

namespace brannock {

/// Whether a window on the Qt platform `platformName` is moved by the window system's own
/// move (started on the press) rather than by the program placing it: a Wayland client
/// cannot place its windows, and a Wayland compositor may keep an XWayland window where it
/// put it (`waylandSession`: the desktop is a Wayland session).
bool windowSystemMovesWindows(const QString &platformName, bool waylandSession);

/// The main window's own title (Titlebar): a transparent, centred label in a large bold
/// face. Dragging it with the left button moves the window; a press of any other button
/// asks for the main menu at the pointer.
class TitleBar final : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY(TitleBar)
public:
    explicit TitleBar(QWidget *parent = nullptr);

    /// Called with the pointer's screen position; the main window pops up "MainMenu" there
    /// with "E&xit" as its default entry.
    void setMenuRequest(std::function<void(QPoint)> request) { m_menuRequest = std::move(request); }

    bool isDragging() const { return m_dragging; }

    /// Hands a left press over to the window system's move; returns false where it cannot
    /// take it (the title then moves the window itself). By default the window system takes
    /// it where `windowSystemMovesWindows` says so.
    void setSystemMove(std::function<bool(QWidget &)> systemMove) { m_systemMove = std::move(systemMove); }

    /// Tahoma 14.25 pt bold, or the closest face present, sized for a 96 dpi screen.
    static QFont titleFont();
    /// The title font, made smaller when the face present is too wide for the caption.
    QFont fittedFont() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    std::function<void(QPoint)> m_menuRequest;
    std::function<bool(QWidget &)> m_systemMove;
    struct FittedFont {
        QString text;
        QFont font;
        int width = -1;
        QFont fitted;
    };
    mutable FittedFont m_fittedFor; ///< the last fitting worked out
    bool m_dragging = false;
    QPoint m_grabOffset; ///< pointer's screen position minus the window's at the press
};

/// The title icon (PicIcon): a left press asks for the main menu under the icon, a
/// right-button release asks for it at the pointer, a double-click asks to exit. Tab reaches
/// it, and Space, Enter or Down ask for the menu under it: to assistive technology it is the
/// button "Main Menu".
class TitleIcon final : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY(TitleIcon)
public:
    explicit TitleIcon(QWidget *parent = nullptr);

    /// Called with the screen position for the menu's top-left corner.
    void setMenuRequest(std::function<void(QPoint)> request) { m_menuRequest = std::move(request); }
    void setDoubleClickAction(std::function<void()> action) { m_doubleClick = std::move(action); }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void stopWatchingMenu();
    /// Asks for the menu under the icon, as a left press does.
    void requestMenuBelow();

    std::function<void(QPoint)> m_menuRequest;
    std::function<void()> m_doubleClick;
    /// The menu a left press popped up: it holds the pointer, so the second press of a
    /// double-click on the icon reaches the menu, not the icon.
    QPointer<QWidget> m_menu;
    QElapsedTimer m_sincePress; ///< the press that popped the menu up
};

/// Pops `menu` up at `globalPos` with `defaultAction` (may be null) shown bold.
void popUpMenu(QMenu &menu, QAction *defaultAction, const QPoint &globalPos);

} // namespace brannock
