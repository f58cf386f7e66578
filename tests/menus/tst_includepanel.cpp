#include "fakes/FakePrompts.h"
#include "main_window/menus/IncludeMenu.h"
#include "main_window/menus/IncludePanel.h"
#include "main_window/menus/IncludePictures.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

using namespace brannock;
using brannock::test::FakePrompts;

namespace {

struct Harness {
    QTemporaryDir dir;
    FakePrompts boxes;
    IncludeMenu menu{boxes, dir.path(), [] { return *CodePage::byNumber(437); }};
    QWidget mainWindow;
    QWidget *incModule = nullptr;
    IncludePanel *panel = nullptr;
    QList<QPair<QMenu *, QPoint>> popUps;

    Harness()
    {
        mainWindow.setGeometry(120, 80, 315, 288);
        incModule = new QWidget(&mainWindow);
        incModule->setGeometry(8, 215, 186, 73);
        panel = new IncludePanel(menu, incModule, {8, 215});
        panel->setPopUpHandler([this](QMenu *m, QPoint at) { popUps.append({m, at}); });
        mainWindow.show();
    }
    QMenu *sub(const char *name)
    {
        return menu.includeMenu()->findChild<QMenu *>(QLatin1String(name));
    }
};

int hueDistance(int a, int b)
{
    const int d = qAbs(a - b) % 360;
    return qMin(d, 360 - d);
}

} // namespace

class TestIncludePanel final : public QObject {
    Q_OBJECT

private slots:
    void buttonsSitAtTheirPlaces_data();
    void buttonsSitAtTheirPlaces();
    void categoryButtonsPopUpBelowTheWindow();
    void toggleButtonsRunTheToggles();
    void picturesShowIconAndWord_data();
    void picturesShowIconAndWord();
};

void TestIncludePanel::buttonsSitAtTheirPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry"); ///< in main window coordinates
    QTest::addColumn<QString>("tip");
    QTest::newRow("team") << "xmnuTeam" << QRect(9, 216, 91, 17) << "Team Skins";
    QTest::newRow("flyers") << "xmnuFlyers" << QRect(102, 216, 91, 17) << "Flyer Skins";
    QTest::newRow("turrets") << "xmnuTurrets" << QRect(9, 234, 91, 17) << "Turret Skins";
    QTest::newRow("equipment") << "xmnuEquipment" << QRect(102, 234, 91, 17) << "Equipment Skins";
    QTest::newRow("stations") << "xmnuStations" << QRect(9, 252, 91, 17) << "Station Skins";
    QTest::newRow("toggle built-in") << "xbtnToggleNorm" << QRect(135, 252, 58, 17) << "Toggle All(Non-User-created)";
    QTest::newRow("extended") << "xmnuExtended" << QRect(9, 270, 91, 17) << "User-Created";
    QTest::newRow("toggle user-created") << "xbtnToggleEx" << QRect(135, 270, 58, 17) << "Toggle All(User-created)";
}

void TestIncludePanel::buttonsSitAtTheirPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    Harness h;
    QCOMPARE(h.panel->buttons().size(), 8);
    IncludeButton *b = h.panel->button(name);
    QVERIFY(b);
    QCOMPARE(QRect(b->mapTo(&h.mainWindow, QPoint(0, 0)), b->size()), geometry);
    QTEST(b->toolTip(), "tip");
    QVERIFY(b->isVisible());
}

void TestIncludePanel::categoryButtonsPopUpBelowTheWindow()
{
    Harness h;
    const QPoint below = h.mainWindow.mapToGlobal(QPoint(7, 289));
    QCOMPARE(h.panel->popUpPosition(), below);

    const QList<QPair<const char *, const char *>> buttons{{"xmnuTeam", "mnuTSkins"},    {"xmnuFlyers", "mnuFSkins"},
                                                           {"xmnuTurrets", "mnuTuSkins"}, {"xmnuEquipment", "mnuEqSkins"},
                                                           {"xmnuStations", "mnuSSkins"}, {"xmnuExtended", "mnuUC"}};
    for (const auto &[button, menu] : buttons) {
        QTest::mouseClick(h.panel->button(QLatin1String(button)), Qt::LeftButton);
        QCOMPARE(h.popUps.size(), 1);
        QCOMPARE(h.popUps.first().first, h.sub(menu));
        QCOMPARE(h.popUps.first().second, below);
        h.popUps.clear();
    }

    // The position follows the window.
    h.mainWindow.move(300, 40);
    QTest::mouseClick(h.panel->button(QStringLiteral("xmnuTeam")), Qt::LeftButton);
    QCOMPARE(h.popUps.first().second, h.mainWindow.mapToGlobal(QPoint(7, 289)));
}

void TestIncludePanel::toggleButtonsRunTheToggles()
{
    Harness h;
    for (const char *name : {"a.tsf", "b.tsf"}) {
        QFile file(h.dir.filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("d*p*f\r\n");
    }
    h.menu.BuildUCIMenu();

    QTest::mouseClick(h.panel->button(QStringLiteral("xbtnToggleNorm")), Qt::LeftButton);
    for (const SkinItem &item : SkinCatalogue::items())
        QCOMPARE(h.menu.isTicked(item), item.group != SkinGroup::Team);
    QVERIFY(h.menu.tickedUserEntries().isEmpty());

    QTest::mouseClick(h.panel->button(QStringLiteral("xbtnToggleEx")), Qt::LeftButton);
    QCOMPARE(h.menu.tickedUserEntries().size(), 2);
    for (const SkinItem &item : SkinCatalogue::items())
        QCOMPARE(h.menu.isTicked(item), item.group != SkinGroup::Team);
    QVERIFY(h.popUps.isEmpty());
}

void TestIncludePanel::picturesShowIconAndWord_data()
{
    QTest::addColumn<int>("picture");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("hue"); ///< of the icon; -1 for white
    QTest::newRow("team: green figure") << int(IncludePicture::Team) << 91 << 120;
    QTest::newRow("flyers: blue aircraft") << int(IncludePicture::Flyers) << 91 << 220;
    QTest::newRow("turrets: red turret") << int(IncludePicture::Turrets) << 91 << 5;
    QTest::newRow("equipment: orange machine") << int(IncludePicture::Equipment) << 91 << 33;
    QTest::newRow("stations: cyan station") << int(IncludePicture::Stations) << 91 << 183;
    QTest::newRow("toggle: white arrows") << int(IncludePicture::ToggleNormal) << 58 << -1;
    QTest::newRow("extended: yellow hand") << int(IncludePicture::Extended) << 91 << 49;
    QTest::newRow("toggle: yellow arrow") << int(IncludePicture::ToggleUser) << 58 << 49;
}

void TestIncludePanel::picturesShowIconAndWord()
{
    QFETCH(int, picture);
    QFETCH(int, width);
    QFETCH(int, hue);
    const QImage image = drawIncludePicture(IncludePicture(picture), QSize(width, 17)).toImage();
    QCOMPARE(image.size(), QSize(width, 17));
    // The picture the panel shows, drawn when the program was built, is the one drawn now.
    QCOMPARE(includePicture(IncludePicture(picture), QSize(width, 17)).toImage().convertToFormat(QImage::Format_RGB32),
             image.convertToFormat(QImage::Format_RGB32));

    // Black strip: corners and the right end stay black.
    for (QPoint p : {QPoint(0, 0), QPoint(width - 1, 0), QPoint(width - 1, 16), QPoint(0, 16)})
        QCOMPARE(image.pixelColor(p), QColor(Qt::black));

    // The icon, in its colour, within the first 17 columns.
    int iconPixels = 0;
    for (int x = 0; x < 17; ++x)
        for (int y = 0; y < 17; ++y) {
            const QColor c = image.pixelColor(x, y);
            if (c.value() < 200)
                continue;
            if (hue < 0 ? c.saturation() < 30 : (c.saturation() > 120 && hueDistance(c.hue(), hue) < 20))
                ++iconPixels;
        }
    QVERIFY2(iconPixels >= 12, qPrintable(QString::number(iconPixels)));

    // The word: plenty of white pixels to the right of the icon.
    int whitePixels = 0;
    for (int x = 18; x < width; ++x)
        for (int y = 0; y < 17; ++y)
            whitePixels += image.pixelColor(x, y).lightness() > 200;
    QVERIFY2(whitePixels >= 30, qPrintable(QString::number(whitePixels)));
    QCOMPARE(includePictureWord(IncludePicture(picture)).isEmpty(), false);
}

QTEST_MAIN(TestIncludePanel)
#include "tst_includepanel.moc"
