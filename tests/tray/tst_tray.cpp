#include "desktop/Tray.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeTray.h"
#include "tray/HideShow.h"
#include "tray/SysTray.h"

#include <QSignalSpy>
#include <QTest>

using namespace brannock;
using brannock::test::FakePrompts;
using brannock::test::FakeTray;

namespace {

QPixmap plain(QColor colour)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    return pixmap;
}

/// The main window as hide/show sees it: two dialog flags, the menu caption, a log.
struct Window {
    FakeTray tray;
    FakePrompts prompts;
    bool aboutOpen = false;
    bool cfgOpen = false;
    QString caption = HideShow::hideCaption();
    QStringList log;

    struct Hooks final : HideShowWindow {
        explicit Hooks(Window &f) : f(f) {}
        Window &f;
        bool aboutOpen() const override { return f.aboutOpen; }
        void closeAbout() override
        {
            f.log << "close About";
            f.aboutOpen = false;
        }
        bool cfgOpen() const override { return f.cfgOpen; }
        void closeCfg() override
        {
            f.log << "close Configuration";
            f.cfgOpen = false;
        }
        void hideWindow() override { f.log << "hide"; }
        void showWindow() override { f.log << "show"; }
        QString hideShowCaption() const override { return f.caption; }
        void setHideShowCaption(const QString &text) override { f.caption = text; }
        void popUpTrayMenu(QPoint at) override { f.log << QStringLiteral("menu at %1,%2").arg(at.x()).arg(at.y()); }
        void unsetAoT() override { f.log << "unsetAoT"; }
        void setAoT() override { f.log << "setAoT"; }
    } hooks{*this};
    HideShow hideShow{tray, prompts, hooks};
};

} // namespace

class TestTray : public QObject {
    Q_OBJECT

private slots:
    void gestures_data();
    void gestures();
    void realTrayPassesGesturesOn();
    void iconLifeCycle();
    void doubleClickTogglesEachTime();
    void rightClickOpensMenuOnly();
    void hidingClosesOpenDialogsFirst();
    void noTrayRefusesToHide();
};

void TestTray::gestures_data()
{
    QTest::addColumn<QSystemTrayIcon::ActivationReason>("reason");
    QTest::addColumn<bool>("hostReportsDoubleClick");
    QTest::addColumn<bool>("pointerOnIcon");
    QTest::addColumn<TrayGesture>("expected");
    QTest::newRow("right-click") << QSystemTrayIcon::Context << true << true << TrayGesture::Context;
    QTest::newRow("double-click") << QSystemTrayIcon::DoubleClick << true << true << TrayGesture::Toggle;
    QTest::newRow("click where double-clicks come") << QSystemTrayIcon::Trigger << true << true << TrayGesture::None;
    QTest::newRow("click where they never come") << QSystemTrayIcon::Trigger << false << true << TrayGesture::Toggle;
    QTest::newRow("middle click") << QSystemTrayIcon::MiddleClick << false << true << TrayGesture::None;
    // The keyboard in the notification area: the pointer rests elsewhere.
    QTest::newRow("Enter on the focused icon") << QSystemTrayIcon::Trigger << true << false << TrayGesture::Toggle;
    QTest::newRow("menu key on the focused icon") << QSystemTrayIcon::Context << true << false << TrayGesture::Context;
}

void TestTray::gestures()
{
    QFETCH(QSystemTrayIcon::ActivationReason, reason);
    QFETCH(bool, hostReportsDoubleClick);
    QFETCH(bool, pointerOnIcon);
    QFETCH(TrayGesture, expected);
    QCOMPARE(trayGestureFor(reason, hostReportsDoubleClick, pointerOnIcon), expected);
}

void TestTray::realTrayPassesGesturesOn()
{
    QtTray tray;
    auto *icon = tray.findChild<QSystemTrayIcon *>();
    QVERIFY(icon);
    QSignalSpy context(&tray, &Tray::contextRequested);
    QSignalSpy toggle(&tray, &Tray::toggleRequested);
    emit icon->activated(QSystemTrayIcon::Context);
    emit icon->activated(QSystemTrayIcon::DoubleClick);
    emit icon->activated(QSystemTrayIcon::MiddleClick);
    QCOMPARE(context.size(), 1);
    QCOMPARE(toggle.size(), 1);
}

void TestTray::iconLifeCycle()
{
    FakeTray tray;
    int ends = 0;
    SysTray sys(tray, [&] { ++ends; });

    sys.ModifyTrayIcon(SysTray::tipText(), plain(Qt::red)); // before the icon exists
    QVERIFY(tray.calls.isEmpty());
    QVERIFY(!sys.isAdded());

    sys.AddTrayIcon(SysTray::tipText(), plain(Qt::blue));
    QCOMPARE(tray.calls, (QStringList{"setIcon", "setToolTip", "show"}));
    QCOMPARE(tray.toolTip, QString("Kestrow Wendle VI"));
    QCOMPARE(tray.icon.pixmap(16, 16).toImage().pixel(0, 0), qRgb(0, 0, 255));

    tray.calls.clear();
    sys.ModifyTrayIcon(SysTray::tipText(), plain(Qt::green));
    QCOMPARE(tray.calls, (QStringList{"setIcon", "setToolTip"}));
    QCOMPARE(tray.icon.pixmap(16, 16).toImage().pixel(0, 0), qRgb(0, 255, 0));

    tray.calls.clear();
    sys.AddTrayIcon(SysTray::tipText(), plain(Qt::green)); // an icon left from before goes first
    QCOMPARE(tray.calls, (QStringList{"hide", "setIcon", "setToolTip", "show"}));

    tray.calls.clear();
    sys.RemoveTrayIconAndEnd();
    QCOMPARE(tray.calls, QStringList{"hide"});
    QVERIFY(!tray.visible);
    QCOMPARE(ends, 1);
    sys.ModifyTrayIcon(SysTray::tipText(), plain(Qt::red)); // after removal: nothing
    QCOMPARE(tray.calls, QStringList{"hide"});
}

void TestTray::doubleClickTogglesEachTime()
{
    Window w;
    w.tray.doubleClick();
    QVERIFY(w.hideShow.isHidden());
    QCOMPARE(w.caption, QString("&Show"));
    w.tray.doubleClick();
    QVERIFY(!w.hideShow.isHidden());
    QCOMPARE(w.caption, QString("&Hide"));
    w.tray.doubleClick();
    QCOMPARE(w.log, (QStringList{"hide", "show", "hide"}));
    QVERIFY(w.prompts.calls.isEmpty());
}

void TestTray::rightClickOpensMenuOnly()
{
    Window w;
    w.tray.rightClick(QPoint(640, 470));
    QCOMPARE(w.log, QStringList{"menu at 640,470"});
    QVERIFY(!w.hideShow.isHidden());
}

void TestTray::hidingClosesOpenDialogsFirst()
{
    Window w;
    w.aboutOpen = true;
    w.cfgOpen = true;
    w.hideShow.mnuHS_Click();
    QCOMPARE(w.log, (QStringList{"close About", "close Configuration", "hide"}));
    QCOMPARE(w.caption, QString("&Show"));

    // Starting hidden ("/hide/") is the same toggle.
    Window started;
    started.hideShow.startHidden();
    QVERIFY(started.hideShow.isHidden());
    QCOMPARE(started.caption, QString("&Show"));
}

void TestTray::noTrayRefusesToHide()
{
    Window w;
    w.tray.available = false;
    w.aboutOpen = true;
    w.hideShow.startHidden(); // "/hide/" leaves the window on screen, without a box
    QVERIFY(w.log.isEmpty());

    w.prompts.onShow = [&](const FakePrompts::Call &) { w.log << "box"; };
    w.hideShow.mnuHS_Click();
    QCOMPARE(w.log, (QStringList{"unsetAoT", "box", "setAoT"}));
    QVERIFY(!w.hideShow.isHidden());
    QVERIFY(w.aboutOpen);
    QCOMPARE(w.caption, QString("&Hide"));
    QCOMPARE(w.prompts.calls.size(), 1);
    QCOMPARE(w.prompts.calls.first().title, HideShow::noTrayTitle());
    QCOMPARE(w.prompts.calls.first().icon, PromptIcon::Exclamation);

    // A hidden window can always come back, tray or not.
    Window hidden;
    hidden.hideShow.mnuHS_Click();
    hidden.tray.available = false;
    hidden.hideShow.mnuHS_Click();
    QVERIFY(!hidden.hideShow.isHidden());
    QCOMPARE(hidden.log, (QStringList{"hide", "show"}));
}

QTEST_MAIN(TestTray)
#include "tst_tray.moc"
