#include "desktop/WindowPlacement.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <array>

namespace brannock {

namespace {

/// `start` moved so that a span of `length` lies within [low, high], or starts at `low`
/// when it is longer.
int clampSpan(int start, int length, int low, int high)
{
    return std::max(low, std::min(start, high - length + 1));
}

QRect clampedInto(QRect rect, const QRect &screen)
{
    rect.moveLeft(clampSpan(rect.left(), rect.width(), screen.left(), screen.right()));
    rect.moveTop(clampSpan(rect.top(), rect.height(), screen.top(), screen.bottom()));
    return rect;
}

bool frameKnown(const QWidget &window)
{
    return window.frameGeometry() != window.geometry();
}

/// The frame a window manager puts around `window`: known once it has been on screen,
/// otherwise a generous guess, so that the window rather ends up a little off its owner
/// than partly off the screen.
QMargins frameMarginsOf(const QWidget &window)
{
    if (window.windowFlags().testFlag(Qt::FramelessWindowHint))
        return {};
    if (frameKnown(window)) {
        const QRect frame = window.frameGeometry();
        const QRect client = window.geometry();
        return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                frame.bottom() - client.bottom()};
    }
    return {8, 32, 8, 8};
}

/// Makes a window transient for its owner each time it is shown: its native window exists
/// by then and is not yet mapped (the show event comes first), so the window manager learns
/// the owner with the map. Creating the native window earlier through winId() would turn
/// every other child of a parent widget into a native window of its own.
class TransientParentOnShow final : public QObject {
public:
    TransientParentOnShow(QWidget &window, QWidget &owner) : QObject(&window), m_owner(&owner)
    {
        setObjectName(name());
        window.installEventFilter(this);
    }
    static QString name() { return QStringLiteral("TransientParentOnShow"); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            QWindow *handle = static_cast<QWidget *>(watched)->windowHandle();
            if (handle && m_owner && m_owner->windowHandle())
                handle->setTransientParent(m_owner->windowHandle());
        }
        return false;
    }

private:
    QPointer<QWidget> m_owner;
};

} // namespace

QRect placementBeside(const QRect &owner, const QSize &frame, const QRect &screen, const QList<QRect> &taken)
{
    const int w = frame.width();
    const int h = frame.height();
    const std::array<QRect, 4> beside{{
        {QPoint(owner.right() + 1, clampSpan(owner.top(), h, screen.top(), screen.bottom())), frame},
        {QPoint(owner.left() - w, clampSpan(owner.top(), h, screen.top(), screen.bottom())), frame},
        {QPoint(clampSpan(owner.left(), w, screen.left(), screen.right()), owner.bottom() + 1), frame},
        {QPoint(clampSpan(owner.left(), w, screen.left(), screen.right()), owner.top() - h), frame},
    }};
    const auto fits = [&](const QRect &place) { return screen.contains(place) && !place.intersects(owner); };
    const auto isFree = [&](const QRect &place) {
        return std::none_of(taken.begin(), taken.end(), [&](const QRect &other) { return place.intersects(other); });
    };
    for (const QRect &place : beside)
        if (fits(place) && isFree(place))
            return place;
    for (const QRect &place : beside)
        if (fits(place))
            return place;
    QRect over(QPoint(), frame);
    over.moveCenter(owner.center());
    return clampedInto(over, screen);
}

void placeInFrontOf(QWidget &window, QWidget &owner)
{
    QWidget *ownerWindow = owner.window();
    const bool created = window.testAttribute(Qt::WA_WState_Created);
    if (!created && window.windowType() == Qt::Window)
        window.setWindowFlags((window.windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
    if (!window.testAttribute(Qt::WA_Resized))
        window.adjustSize();

    const QMargins margins = frameMarginsOf(window);
    const QScreen *screen = ownerWindow->screen();
    const QRect area = screen ? screen->availableGeometry() : ownerWindow->frameGeometry();
    QList<QRect> taken; // the program's other windows on screen
    for (const QWidget *other : QApplication::topLevelWidgets())
        if (other != &window && other != ownerWindow && other->isVisible() && other->windowType() != Qt::Popup
            && other->windowType() != Qt::ToolTip)
            taken.append(other->frameGeometry());
    QPoint at = placementBeside(ownerWindow->frameGeometry(), window.size().grownBy(margins), area, taken).topLeft();
    // A move places the frame, except on a window that exists but has never been on screen:
    // that one's client area goes there, so its frame is allowed for.
    if (created && !frameKnown(window))
        at += QPoint(margins.left(), margins.top());
    window.move(at);
    if (!window.findChild<QObject *>(TransientParentOnShow::name(), Qt::FindDirectChildrenOnly))
        new TransientParentOnShow(window, *ownerWindow);
}

} // namespace brannock
