#include "main_window/chrome/TitleBar.h"

#include "widgets/Accessibility.h"
#include "widgets/FontFit.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace brannock {

bool windowSystemMovesWindows(const QString &platformName, bool waylandSession)
{
    return platformName.startsWith(QLatin1String("wayland"), Qt::CaseInsensitive)
        || (waylandSession && platformName == QLatin1String("xcb"));
}

namespace {

bool startWindowSystemMove(QWidget &window)
{
    if (!windowSystemMovesWindows(QGuiApplication::platformName(), !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")))
        return false;
    QWindow *handle = window.windowHandle();
    return handle && handle->startSystemMove();
}

} // namespace

TitleBar::TitleBar(QWidget *parent) : QLabel(parent), m_systemMove(startWindowSystemMove)
{
    setObjectName(QStringLiteral("Titlebar"));
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(false); // the background shows behind the text
    setFont(titleFont());
}

QFont TitleBar::titleFont()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    // 14.25 pt on a 96 dpi screen, kept in pixels so the caption fits its 24-pixel label
    // whatever the screen's dpi setting.
    font.setPixelSize(19);
    font.setBold(true);
    return font;
}

namespace {

/// A likely size for `text` in `titleFont` to fill `width`, worked out from its width in the
/// controls' font `measured`, whose face is loaded already: text width grows about in step
/// with the size, and a bold face runs about a seventh wider than the regular one. Only a
/// starting point for the fitting, which measures from there.
qreal likelyTitleSize(const QFont &titleFont, const QFont &measured, const QString &text, int width)
{
    if (titleFont.pixelSize() <= 0 || measured.pixelSize() <= 0)
        return 0;
    const int advance = QFontMetrics(measured).horizontalAdvance(text);
    if (advance <= 0)
        return 0;
    const qreal boldWidth = titleFont.bold() && !measured.bold() ? 8.0 / 7.0 : 1.0;
    return qreal(measured.pixelSize()) * qreal(width) / (qreal(advance) * boldWidth);
}

} // namespace

QFont TitleBar::fittedFont() const
{
    // Measuring loads a face per size tried: worked out once per caption, font and width,
    // starting from the size the last fitting found, or else from a likely one.
    const QFont base = font();
    if (m_fittedFor.text == text() && m_fittedFor.font == base && m_fittedFor.width == width())
        return m_fittedFor.fitted;
    qreal hint = m_fittedFor.width >= 0 ? qreal(m_fittedFor.fitted.pixelSize()) : 0;
    if (hint <= 0 && parentWidget())
        hint = likelyTitleSize(base, parentWidget()->font(), text(), width());
    const QFont fitted = shrinkToFit(base, text(), width(), 9, hint);
    m_fittedFor = {text(), base, width(), fitted};
    return fitted;
}

void TitleBar::paintEvent(QPaintEvent *)
{
    // Drawn here rather than by QLabel so that a wider substitute face still shows the
    // whole caption; the background behind stays untouched.
    QPainter painter(this);
    painter.setFont(fittedFont());
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(contentsRect(), int(alignment()), text());
}

void TitleBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        // Where the window system moves the window, it follows the pointer from here on and
        // the title sees no more of the drag.
        if (m_systemMove && m_systemMove(*window()))
            return;
        m_dragging = true;
        m_grabOffset = event->globalPosition().toPoint() - window()->pos();
        return;
    }
    if (m_menuRequest)
        m_menuRequest(event->globalPosition().toPoint());
}

void TitleBar::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging || event->buttons() != Qt::LeftButton)
        return;
    // The window follows the pointer pixel for pixel, so the grab point stays under it.
    QWidget *top = window();
    const QPoint target = event->globalPosition().toPoint() - m_grabOffset;
    if (target != top->pos())
        top->move(target);
}

void TitleBar::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
}

TitleIcon::TitleIcon(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("PicIcon"));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::TabFocus); // a click does not take the focus from a text box
    setAccessibleRole(this, QAccessible::ButtonMenu);
    setAccessibleName(tr("Main Menu"));
}

void TitleIcon::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_menuRequest)
        return;
    requestMenuBelow();
}

void TitleIcon::requestMenuBelow()
{
    stopWatchingMenu();
    m_sincePress.start(); // the events a menu passes on carry no time of their own
    m_menuRequest(mapToGlobal(QPoint(0, height()))); // the icon's bottom-left corner
    m_menu = QApplication::activePopupWidget();
    if (m_menu)
        m_menu->installEventFilter(this);
}

void TitleIcon::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const bool opens = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Down;
    if (!opens || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || !m_menuRequest) {
        QLabel::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        requestMenuBelow();
}

void TitleIcon::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // While the icon has the focus: a dotted black-and-white frame just inside its edge.
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.setPen(Qt::white);
    painter.drawRect(frame);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(frame);
}

bool TitleIcon::eventFilter(QObject *watched, QEvent *event)
{
    if (m_menu && watched == m_menu) {
        if (event->type() == QEvent::Hide) {
            stopWatchingMenu();
        } else if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
            // The window system may report the second press as a double-click already.
            const auto *mouse = static_cast<QMouseEvent *>(event);
            const bool onIcon = rect().contains(mapFromGlobal(mouse->globalPosition().toPoint()));
            const bool soon = m_sincePress.elapsed() <= QApplication::doubleClickInterval();
            if (mouse->button() == Qt::LeftButton && onIcon && soon) {
                // The second press of a double-click on the icon: the menu goes, the
                // exit question comes.
                QWidget *menu = m_menu;
                stopWatchingMenu();
                menu->close();
                if (m_doubleClick)
                    m_doubleClick();
                return true;
            }
        }
    }
    return QLabel::eventFilter(watched, event);
}

void TitleIcon::stopWatchingMenu()
{
    if (m_menu)
        m_menu->removeEventFilter(this);
    m_menu = nullptr;
}

void TitleIcon::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton && m_menuRequest)
        m_menuRequest(event->globalPosition().toPoint());
}

void TitleIcon::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_doubleClick)
        m_doubleClick();
}

void popUpMenu(QMenu &menu, QAction *defaultAction, const QPoint &globalPos)
{
    menu.setDefaultAction(defaultAction);
    menu.popup(globalPos);
}

} // namespace brannock
