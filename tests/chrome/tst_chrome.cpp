#include "main_window/chrome/ChromeLayout.h"
#include "main_window/chrome/ModalDialogs.h"
#include "main_window/chrome/PictureButton.h"
#include "main_window/chrome/TitleBar.h"
#include "main_window/chrome/WindowShape.h"
#include "widgets/FontFit.h"

#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

#include <memory>

using namespace brannock;

namespace {

QPixmap plain(QColor colour, QSize size = QSize(11, 11))
{
    QPixmap pixmap(size);
    pixmap.fill(colour);
    return pixmap;
}

/// Delivers a mouse event to `widget` as the window system would (local and screen
/// positions agree with the widget's place).
void send(QWidget *widget, QEvent::Type type, QPoint local, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    const QPointF global = widget->mapToGlobal(QPointF(local));
    QMouseEvent event(type, QPointF(local), widget->window()->mapFromGlobal(global), global, button, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

void move(QWidget *w, QPoint local, Qt::MouseButtons buttons = Qt::NoButton)
{
    send(w, QEvent::MouseMove, local, Qt::NoButton, buttons);
}

/// A frameless 315 x 288 window like the main one, with the title, icon and exit button.
struct Window {
    QWidget top;
    TitleBar *title = new TitleBar(&top);
    TitleIcon *icon = new TitleIcon(&top);
    PictureButton *exit = new PictureButton(&top);
    QList<QPoint> menuRequests;

    Window()
    {
        top.setWindowFlag(Qt::FramelessWindowHint);
        top.setGeometry(200, 150, 315, 288);
        title->setGeometry(layout::Titlebar);
        title->setText(QStringLiteral("Kestrow Wendle VI"));
        icon->setGeometry(layout::PicIcon);
        exit->setGeometry(layout::BPicExit);
        exit->setNormalPicture(plain(Qt::gray));
        exit->setHoverPicture(plain(Qt::red));
        exit->showPicture(plain(Qt::gray));
        title->setMenuRequest([this](QPoint at) { menuRequests << at; });
        icon->setMenuRequest([this](QPoint at) { menuRequests << at; });
        top.show();
    }
};

QRgb shownColour(const PictureButton *button)
{
    return button->shownPicture().toImage().pixel(0, 0);
}

} // namespace

class TestChrome : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void shapeCorners();
    void shapeArea_data();
    void shapeArea();
    void outline();
    void backgroundStaysInsideShape();
    void outlineLiesOnTheShapesEdge_data();
    void outlineLiesOnTheShapesEdge();
    void windowSystemMoves_data();
    void windowSystemMoves();
    void titleDragHandedToWindowSystem();
    void hoverLeavesInAnyDirection_data();
    void hoverLeavesInAnyDirection();
    void clickOrder();
    void releaseOutsideRestores();
    void titleDragFollowsLeftButton();
    void otherButtonsOnTitleAskForMenu();
    void titleIconGestures();
    void doubleClickOnIconWhileItsMenuIsUp();
    void titleCaptionFits();
    void fittedSizeAsTriedOneByOne_data();
    void fittedSizeAsTriedOneByOne();
    void modalDialogsOneAtATime();
};

void TestChrome::initTestCase()
{
    // The offscreen platform keeps Qt's own grab but warns that it has no native one.
    static QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &text) {
            if (!text.contains(QLatin1String("does not support grabbing the mouse")))
                previous(type, context, text);
        });
}

void TestChrome::shapeCorners()
{
    const QPolygon shape = windowShapePolygon();
    QCOMPARE(shape.size(), 20);
    QCOMPARE(shape.first(), QPoint(150, 22));
    QCOMPARE(shape.at(7), QPoint(8, 289));
    QCOMPARE(shape.at(16), QPoint(317, 150));
    QCOMPARE(shape.last(), QPoint(132, 21));

    QWidget window;
    window.resize(315, 288);
    ApplyWindowRegion(window);
    QCOMPARE(window.mask(), windowShapeRegion());
}

void TestChrome::shapeArea_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("inside");
    QTest::newRow("top-left corner") << QPoint(5, 5) << false;
    QTest::newRow("left of the title icon") << QPoint(131, 10) << false;
    QTest::newRow("title icon") << QPoint(133, 10) << true;
    QTest::newRow("beside the title, row 25") << QPoint(140, 25) << false;
    QTest::newRow("title, row 25") << QPoint(160, 25) << true;
    QTest::newRow("above the drive list") << QPoint(100, 40) << false;
    QTest::newRow("prefix boxes") << QPoint(190, 35) << true;
    QTest::newRow("drive list") << QPoint(1, 50) << true;
    QTest::newRow("right edge, row 100") << QPoint(314, 100) << true;
    QTest::newRow("beside the include button") << QPoint(250, 140) << false;
    QTest::newRow("include button") << QPoint(305, 140) << true;
    QTest::newRow("below the include button") << QPoint(305, 160) << false;
    QTest::newRow("folder list") << QPoint(100, 160) << true;
    QTest::newRow("right of the folder list") << QPoint(200, 160) << false;
    QTest::newRow("about button") << QPoint(240, 200) << true;
    QTest::newRow("right of the buttons") << QPoint(260, 200) << false;
    QTest::newRow("left of the include panel") << QPoint(4, 250) << false;
    QTest::newRow("include panel") << QPoint(100, 287) << true;
    QTest::newRow("right of the include panel") << QPoint(220, 250) << false;
}

void TestChrome::shapeArea()
{
    QFETCH(QPoint, point);
    QFETCH(bool, inside);
    QCOMPARE(windowShapeRegion().contains(point), inside);
}

void TestChrome::outline()
{
    QImage image(315, 288, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintWindowOutline(painter, QColor(Qt::red));
    painter.end();

    const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
    QCOMPARE(image.pixel(314, 100), white);         // the right edge line lies past the client area
    QCOMPARE(image.pixel(299, 140), black);         // beside the include button
    QCOMPARE(image.pixel(250, 130), black);
    QCOMPARE(image.pixel(186, 150), black);         // right of the folder list
    QCOMPARE(image.pixel(100, 46), black);          // above the drive list
    QCOMPARE(image.pixel(131, 10), black);          // left of the title icon
    QCOMPARE(image.pixel(7, 250), black);           // left of the include panel
    QCOMPARE(image.pixel(3, 215), qRgb(255, 0, 0)); // the last segment in the text colour
    QCOMPARE(image.pixel(100, 100), white);
}

void TestChrome::backgroundStaysInsideShape()
{
    QWidget window;
    window.resize(315, 288);
    QPalette palette = window.palette();
    palette.setColor(window.backgroundRole(), Qt::red);
    window.setPalette(palette);
    makeShapeTranslucent(window);
    QVERIFY(window.testAttribute(Qt::WA_TranslucentBackground));

    QImage image(315, 288, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintShapeBackground(painter, window);
    const QImage background = image.copy();
    // Whatever is painted after it stays inside the shape too.
    painter.fillRect(image.rect(), Qt::blue);
    painter.end();

    const QRgb clear = qRgba(0, 0, 0, 0), red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255);
    for (const QPoint inside : {QPoint(60, 120), QPoint(230, 12), QPoint(100, 250), QPoint(310, 140)}) {
        QCOMPARE(background.pixel(inside), red);
        QCOMPARE(image.pixel(inside), blue);
    }
    for (const QPoint outside : {QPoint(0, 0), QPoint(20, 20), QPoint(305, 160), QPoint(250, 250), QPoint(3, 287)}) {
        QCOMPARE(background.pixel(outside), clear);
        QCOMPARE(image.pixel(outside), clear);
    }
}

void TestChrome::outlineLiesOnTheShapesEdge_data()
{
    QTest::addColumn<qreal>("scale");
    QTest::newRow("1") << 1.0;
    QTest::newRow("1.5") << 1.5;
    QTest::newRow("2") << 2.0;
}

void TestChrome::outlineLiesOnTheShapesEdge()
{
    QFETCH(qreal, scale);
    // The window as a screen of that scale shows it: painted at its resolution, shaped by the
    // shape scaled as Qt scales a window's mask.
    QWidget window;
    window.resize(315, 288);
    QPalette palette = window.palette();
    palette.setColor(window.backgroundRole(), Qt::blue);
    window.setPalette(palette);
    const QSize device = (QSizeF(315, 288) * scale).toSize();
    QImage image(device, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintShapeBackground(painter, window);
    paintWindowOutline(painter, QColor(Qt::red));
    painter.end();
    const QRegion shape = QTransform::fromScale(scale, scale).map(windowShapeRegion());

    // Every pixel of the outline is inside the shape, less than a window pixel from its edge:
    // no strip of background lies between the outline and what is cut away.
    const int reach = qCeil(scale);
    const QRect client(QPoint(0, 0), device);
    const auto nearEdge = [&](int x, int y) {
        for (int dy = -reach; dy <= reach; ++dy)
            for (int dx = -reach; dx <= reach; ++dx)
                if (client.contains(x + dx, y + dy) && !shape.contains(QPoint(x + dx, y + dy)))
                    return true;
        return false;
    };
    int outlinePixels = 0;
    for (int y = 0; y < device.height(); ++y)
        for (int x = 0; x < device.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (pixel != qRgb(0, 0, 0) && pixel != qRgb(255, 0, 0))
                continue;
            ++outlinePixels;
            QVERIFY2(shape.contains(QPoint(x, y)) && nearEdge(x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    QVERIFY(outlinePixels > 300 * scale);

    // As thick as a window pixel, and the edge itself: right of the folder list (window
    // column 186) and under the text boxes (window row 130), then what is cut away.
    const int column = qRound(186 * scale), columnEnd = qRound(187 * scale);
    const int atRow = qRound(150 * scale);
    for (int x = column; x < columnEnd; ++x)
        QCOMPARE(image.pixel(x, atRow), qRgb(0, 0, 0));
    QCOMPARE(qAlpha(image.pixel(columnEnd, atRow)), 0);
    const int row = qRound(130 * scale), rowEnd = qRound(131 * scale);
    const int atColumn = qRound(250 * scale);
    for (int y = row; y < rowEnd; ++y)
        QCOMPARE(image.pixel(atColumn, y), qRgb(0, 0, 0));
    QCOMPARE(qAlpha(image.pixel(atColumn, rowEnd)), 0);
}

void TestChrome::windowSystemMoves_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<bool>("waylandSession");
    QTest::addColumn<bool>("byWindowSystem");
    QTest::newRow("Wayland") << "wayland" << true << true;
    QTest::newRow("Wayland with EGL") << "wayland-egl" << true << true;
    QTest::newRow("XWayland in a Wayland session") << "xcb" << true << true;
    QTest::newRow("X11") << "xcb" << false << false;
    QTest::newRow("Windows") << "windows" << false << false;
    QTest::newRow("offscreen") << "offscreen" << false << false;
    QTest::newRow("unknown") << "" << false << false;
}

void TestChrome::windowSystemMoves()
{
    QFETCH(QString, platform);
    QFETCH(bool, waylandSession);
    QFETCH(bool, byWindowSystem);
    QCOMPARE(windowSystemMovesWindows(platform, waylandSession), byWindowSystem);
}

void TestChrome::titleDragHandedToWindowSystem()
{
    Window w;
    const QPoint start = w.top.pos();
    QList<QWidget *> moved;
    bool taken = true;
    w.title->setSystemMove([&](QWidget &window) {
        moved << &window;
        return taken;
    });

    // Taken by the window system: the title leaves the window where it is.
    send(w.title, QEvent::MouseButtonPress, QPoint(20, 10), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(moved, QList<QWidget *>{&w.top});
    QVERIFY(!w.title->isDragging());
    move(w.title, QPoint(45, 30), Qt::LeftButton);
    QCOMPARE(w.top.pos(), start);
    send(w.title, QEvent::MouseButtonRelease, QPoint(45, 30), Qt::LeftButton, Qt::NoButton);

    // Other buttons still ask for the menu and start no move.
    send(w.title, QEvent::MouseButtonPress, QPoint(20, 10), Qt::RightButton, Qt::RightButton);
    QCOMPARE(moved.size(), 1);
    QCOMPARE(w.menuRequests.size(), 1);

    // Refused: the title moves the window itself, as everywhere else.
    taken = false;
    send(w.title, QEvent::MouseButtonPress, QPoint(20, 10), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(moved.size(), 2);
    QVERIFY(w.title->isDragging());
    move(w.title, QPoint(25, 13), Qt::LeftButton);
    QCOMPARE(w.top.pos(), start + QPoint(5, 3));
}

void TestChrome::hoverLeavesInAnyDirection_data()
{
    QTest::addColumn<QPoint>("outside");
    QTest::newRow("left") << QPoint(-1, 5);
    QTest::newRow("up") << QPoint(5, -1);
    QTest::newRow("right") << QPoint(11, 5);
    QTest::newRow("down") << QPoint(5, 11);
    QTest::newRow("far, in one quick move") << QPoint(-150, 200);
}

void TestChrome::hoverLeavesInAnyDirection()
{
    QFETCH(QPoint, outside);
    Window w;
    move(w.exit, QPoint(5, 5));
    QVERIFY(w.exit->isHovering());
    QCOMPARE(shownColour(w.exit), QColor(Qt::red).rgb());
    QCOMPARE(QWidget::mouseGrabber(), w.exit);

    move(w.exit, QPoint(10, 10)); // still over it: nothing changes
    QVERIFY(w.exit->isHovering());

    move(w.exit, outside);
    QVERIFY(!w.exit->isHovering());
    QCOMPARE(shownColour(w.exit), QColor(Qt::gray).rgb());
    QCOMPARE(QWidget::mouseGrabber(), nullptr);

    move(w.exit, QPoint(0, 0)); // coming back shows it again
    QVERIFY(w.exit->isHovering());
    w.top.hide(); // hiding the window gives the pointer back
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
}

void TestChrome::clickOrder()
{
    Window w;
    QList<QRgb> seen;
    QList<QWidget *> grabbers;
    auto record = [&] {
        seen << shownColour(w.exit);
        grabbers << QWidget::mouseGrabber();
    };

    // Exit: the question comes while the pointer-over picture shows, the normal one after.
    w.exit->setClickAction(record, PictureButton::ClickOrder::ActionThenNormal);
    move(w.exit, QPoint(5, 5));
    send(w.exit, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    send(w.exit, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(seen, QList<QRgb>{QColor(Qt::red).rgb()});
    QCOMPARE(grabbers, QList<QWidget *>{nullptr}); // the box can take the pointer
    QCOMPARE(shownColour(w.exit), QColor(Qt::gray).rgb());

    // Minimise and include: the normal picture first.
    seen.clear();
    w.exit->setClickAction(record, PictureButton::ClickOrder::NormalThenAction);
    move(w.exit, QPoint(5, 5));
    QCOMPARE(shownColour(w.exit), QColor(Qt::red).rgb());
    send(w.exit, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    send(w.exit, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(seen, QList<QRgb>{QColor(Qt::gray).rgb()});

    // After a click the next move over the button shows the pointer-over picture again.
    move(w.exit, QPoint(6, 6));
    QCOMPARE(shownColour(w.exit), QColor(Qt::red).rgb());

    // A right button is no click.
    seen.clear();
    send(w.exit, QEvent::MouseButtonPress, QPoint(5, 5), Qt::RightButton, Qt::RightButton);
    send(w.exit, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::RightButton, Qt::NoButton);
    QVERIFY(seen.isEmpty());
    QVERIFY(w.exit->isHovering());
}

void TestChrome::releaseOutsideRestores()
{
    Window w;
    int clicks = 0;
    w.exit->setClickAction([&] { ++clicks; }, PictureButton::ClickOrder::NormalThenAction);
    move(w.exit, QPoint(5, 5));
    send(w.exit, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    send(w.exit, QEvent::MouseButtonRelease, QPoint(30, 5), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(clicks, 0);
    QVERIFY(!w.exit->isHovering());
    QCOMPARE(shownColour(w.exit), QColor(Qt::gray).rgb());
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
}

void TestChrome::titleDragFollowsLeftButton()
{
    Window w;
    const QPoint start = w.top.pos();
    send(w.title, QEvent::MouseButtonPress, QPoint(20, 10), Qt::LeftButton, Qt::LeftButton);
    QVERIFY(w.title->isDragging());

    move(w.title, QPoint(25, 13), Qt::LeftButton);
    QCOMPARE(w.top.pos(), start + QPoint(5, 3));
    // The label moved with the window: the pointer is 7 left and 4 down of the grab point.
    move(w.title, QPoint(13, 14), Qt::LeftButton);
    QCOMPARE(w.top.pos(), start + QPoint(-2, 7));
    // With a second button held the window stays.
    move(w.title, QPoint(40, 40), Qt::LeftButton | Qt::RightButton);
    QCOMPARE(w.top.pos(), start + QPoint(-2, 7));

    send(w.title, QEvent::MouseButtonRelease, QPoint(20, 10), Qt::LeftButton, Qt::NoButton);
    QVERIFY(!w.title->isDragging());
    move(w.title, QPoint(60, 10), Qt::NoButton);
    QCOMPARE(w.top.pos(), start + QPoint(-2, 7));
    QVERIFY(w.menuRequests.isEmpty());
}

void TestChrome::otherButtonsOnTitleAskForMenu()
{
    Window w;
    const QPoint start = w.top.pos();
    send(w.title, QEvent::MouseButtonPress, QPoint(30, 12), Qt::RightButton, Qt::RightButton);
    QCOMPARE(w.menuRequests, QList<QPoint>{w.title->mapToGlobal(QPoint(30, 12))});
    move(w.title, QPoint(80, 20), Qt::RightButton);
    QCOMPARE(w.top.pos(), start);
    QVERIFY(!w.title->isDragging());

    send(w.title, QEvent::MouseButtonPress, QPoint(30, 12), Qt::MiddleButton, Qt::MiddleButton);
    QCOMPARE(w.menuRequests.size(), 2);

    // A right-click on the window's own background does nothing.
    send(&w.top, QEvent::MouseButtonPress, QPoint(50, 100), Qt::RightButton, Qt::RightButton);
    send(&w.top, QEvent::MouseButtonRelease, QPoint(50, 100), Qt::RightButton, Qt::NoButton);
    QCOMPARE(w.menuRequests.size(), 2);
    QCOMPARE(w.top.pos(), start);
}

void TestChrome::titleIconGestures()
{
    Window w;
    int exits = 0;
    w.icon->setDoubleClickAction([&] { ++exits; });

    send(w.icon, QEvent::MouseButtonPress, QPoint(4, 4), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(w.menuRequests, QList<QPoint>{w.top.mapToGlobal(QPoint(134, 18))});
    send(w.icon, QEvent::MouseButtonRelease, QPoint(4, 4), Qt::LeftButton, Qt::NoButton);
    QCOMPARE(w.menuRequests.size(), 1);

    send(w.icon, QEvent::MouseButtonPress, QPoint(6, 7), Qt::RightButton, Qt::RightButton);
    QCOMPARE(w.menuRequests.size(), 1);
    send(w.icon, QEvent::MouseButtonRelease, QPoint(6, 7), Qt::RightButton, Qt::NoButton);
    QCOMPARE(w.menuRequests.last(), w.icon->mapToGlobal(QPoint(6, 7)));

    send(w.icon, QEvent::MouseButtonDblClick, QPoint(4, 4), Qt::LeftButton, Qt::LeftButton);
    QCOMPARE(exits, 1);
    QCOMPARE(w.menuRequests.size(), 2);
}

void TestChrome::doubleClickOnIconWhileItsMenuIsUp()
{
    // The first press pops the menu up, and the menu then takes every press: the second
    // press of a double-click on the icon must still ask to exit.
    Window w;
    QMenu menu;
    menu.addAction(QStringLiteral("E&xit"));
    int exits = 0;
    w.icon->setDoubleClickAction([&] { ++exits; });
    w.icon->setMenuRequest([&](QPoint at) { menu.popup(at); });
    const auto press = [](QWidget *target, QPoint global, QEvent::Type type = QEvent::MouseButtonPress) {
        const QPointF local = target->mapFromGlobal(QPointF(global));
        QMouseEvent event(type, local, local, QPointF(global), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &event);
    };
    const QPoint onIcon = w.icon->mapToGlobal(QPoint(4, 4));

    press(w.icon, onIcon);
    QCOMPARE(QApplication::activePopupWidget(), &menu);
    press(&menu, w.icon->mapToGlobal(QPoint(40, 4))); // beside the icon
    QCOMPARE(exits, 0);

    menu.hide();
    press(w.icon, onIcon);
    QTest::qWait(QApplication::doubleClickInterval() + 100); // too late for a double-click
    press(&menu, onIcon);
    QCOMPARE(exits, 0);

    menu.hide();
    press(w.icon, onIcon);
    press(&menu, onIcon);
    QCOMPARE(exits, 1);
    QVERIFY(!menu.isVisible());

    // On X11 the menu is handed the second press as a double-click.
    press(w.icon, onIcon);
    press(&menu, onIcon, QEvent::MouseButtonDblClick);
    QCOMPARE(exits, 2);
    QVERIFY(!menu.isVisible());
}

void TestChrome::titleCaptionFits()
{
    // Where the face present is wider than the intended one, the caption still fits; started
    // from the size likely in the main window's font, it ends at the same size.
    Window w;
    const QFont fitted = w.title->fittedFont();
    QVERIFY(fitted.bold());
    QVERIFY(fitted.pixelSize() <= 19);
    QVERIFY(QFontMetrics(fitted).horizontalAdvance(w.title->text()) <= layout::Titlebar.width());

    Window first;
    QFont controls;
    controls.setPixelSize(11); // the main window's, from which the likely size is worked out
    first.top.setFont(controls);
    QCOMPARE(first.title->fittedFont(), fitted);
}

void TestChrome::fittedSizeAsTriedOneByOne_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<qreal>("smallest");
    QFont small;
    small.setPixelSize(11);
    // The main window's command buttons and caption, a font in points, and a width no size fits.
    QTest::newRow("make") << small << "Make Skinset" << 75 << 8.0;
    QTest::newRow("configuration") << small << "Configuration" << 67 << 8.0;
    QTest::newRow("skins") << small << "Skins" << 32 << 8.0;
    QTest::newRow("about") << small << "About" << 37 << 8.0;
    QTest::newRow("caption") << TitleBar::titleFont() << "Kestrow Wendle VI" << layout::Titlebar.width() << 9.0;
    QFont points;
    points.setPointSizeF(14.25);
    points.setBold(true);
    QTest::newRow("points") << points << "Brannock Skin Setup" << 120 << 8.0;
    QTest::newRow("nothing fits") << small << "Configuration" << 5 << 8.0;
}

void TestChrome::fittedSizeAsTriedOneByOne()
{
    // The size worked out from one measurement, or found from a likely size whether that is
    // right, too high or too low, is the one that trying every size down from the font's own
    // finds.
    QFETCH(QFont, font);
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(qreal, smallest);
    const bool inPixels = font.pixelSize() > 0;
    const auto sizeOf = [inPixels](const QFont &f) { return inPixels ? qreal(f.pixelSize()) : f.pointSizeF(); };
    QFont oneByOne = font;
    while (sizeOf(oneByOne) > smallest && QFontMetrics(oneByOne).horizontalAdvance(text) > width) {
        if (inPixels)
            oneByOne.setPixelSize(oneByOne.pixelSize() - 1);
        else
            oneByOne.setPointSizeF(oneByOne.pointSizeF() - 0.25);
    }
    const qreal step = inPixels ? 1.0 : 0.25;
    const qreal found = sizeOf(oneByOne);
    for (const qreal hint : {0.0, found, found + 2 * step, found - 2 * step, found - 0.4 * step}) {
        const QFont fitted = shrinkToFit(font, text, width, smallest, hint);
        QCOMPARE(sizeOf(fitted), found);
        QCOMPARE(fitted, oneByOne);
    }
}

void TestChrome::modalDialogsOneAtATime()
{
    QStringList log;
    ModalDialogs dialogs([&] { log << "unset"; }, [&] { log << "set"; });

    dialogs.openAbout([&] {
        log << "about";
        QVERIFY(dialogs.aboutOpen());
        // The menu entries while it is open: both ignored.
        dialogs.openCfg([&] { log << "cfg"; });
        dialogs.openAbout([&] { log << "about again"; });
    });
    QCOMPARE(log, (QStringList{"unset", "about", "set"}));
    QVERIFY(!dialogs.aboutOpen());

    log.clear();
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, dialogs.openCfg([] { throw std::runtime_error("failed"); }));
    QVERIFY(!dialogs.cfgOpen());
    QCOMPARE(log, (QStringList{"unset", "set"})); // back in the band after a failed dialog
    dialogs.openCfg([&] { log << "cfg"; });
    QCOMPARE(log, (QStringList{"unset", "set", "unset", "cfg", "set"}));
}

QTEST_MAIN(TestChrome)
#include "tst_chrome.moc"
