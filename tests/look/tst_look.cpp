#include "base/AppError.h"
#include "common/SettingsStore.h"
#include "fakes/FakePrompts.h"
#include "look/LookFiles.h"
#include "look/LookGradient.h"
#include "look/LookPictures.h"
#include "look/LookRefresher.h"
#include "look/PlainBitmap.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(brannock::LookRgb)

using namespace brannock;
using brannock::test::FakePrompts;

namespace {

QString slotName(LookSlot slot)
{
    static const char *const names[] = {"Min0", "Min1", "BPicMin", "Exit0", "Exit1", "BPicExit",
                                        "Inc0", "Inc1", "Inc0", "PicIcon", "SysImg"};
    if (slot == LookSlot::BPicInc)
        return QStringLiteral("BPicInc");
    return QString::fromLatin1(names[int(slot)]);
}

/// Records what a refresh does to the main window, in order.
class RecordingTargets final : public LookTargets {
public:
    QStringList log;
    QImage background;
    QColor textColour;
    QMap<QString, QPixmap> shown;

    void setLookPicture(LookSlot slot, const QPixmap &picture) override
    {
        log << slotName(slot);
        shown[slotName(slot)] = picture;
    }
    void setLookBackground(const QImage &image) override
    {
        log << QStringLiteral("background");
        background = image;
    }
    void setLookTextColour(const QColor &colour) override
    {
        log << QStringLiteral("text");
        textColour = colour;
    }
    void modifyTrayIcon(const QPixmap &) override { log << QStringLiteral("tray"); }
    void unsetAoT() override { log << QStringLiteral("unsetAoT"); }
    void setAoT() override { log << QStringLiteral("setAoT"); }
    qreal pictureRatio() const override { return ratio; }

    qreal ratio = 1.0; ///< of the screen the pictures show on
    QRgb topLeft(const QString &name) const { return shown.value(name).toImage().pixel(0, 0); }
    int count(const QString &entry) const { return int(log.count(entry)); }
};

QRgb rgbOf(const QPixmap &pixmap)
{
    return pixmap.toImage().pixel(0, 0);
}

QRgb rgbOf(LookRgb c)
{
    return qRgb(c.red, c.green, c.blue);
}

/// A program folder with its own settings store and look folders.
struct Fixture {
    QTemporaryDir dir;
    SettingsStore store{dir.filePath(QStringLiteral("settings.ini"))};
    FakePrompts prompts;
    RecordingTargets targets;
    LookRefresher refresher{store, prompts, QStringList{dir.path()}, targets};

    void set(const schema::SettingKey &key, const QString &value) { store.WriteSetting(key, value); }

    void setupColours()
    {
        for (const auto &v : schema::SetupColors)
            set(v.key, toQString(v.value));
    }

    void useLook(const QString &storedFolder)
    {
        set(schema::SkinUse, QStringLiteral("Yes"));
        set(schema::SkinPath, storedFolder);
    }

    /// Writes a plain picture of one colour to <program folder>/<relative>.
    void picture(const QString &relative, QColor colour, QSize size = QSize(11, 11), const char *format = "BMP")
    {
        const QString path = dir.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        QVERIFY(image.save(path, format));
    }

    void garbage(const QString &relative)
    {
        QFile file(dir.filePath(relative));
        QDir().mkpath(QFileInfo(file).path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("this is not a picture");
    }
};

const QStringList DefaultSkinsLog = {"Min0",    "Min1",  "BPicMin", "Exit0",   "Exit1",  "BPicExit",
                                     "Inc0",    "Inc1",  "BPicInc", "PicIcon", "SysImg", "tray"};

} // namespace

class TestLook : public QObject {
    Q_OBJECT

private slots:
    void gradientColumn_data();
    void gradientColumn();
    void gradientDrawsEveryColumnTopToBottom();
    void colourComponent_data();
    void colourComponent();
    void lookFilePaths();

    void builtInLookWithSetupColours();
    void useMustBeExactlyYes();
    void emptyPathLooksInProgramFolder();
    void folderWithOnlyMinimisePicture();
    void folderWithOnlyBackground();
    void badPictureEndsRefreshWithOneMessage();
    void badColourEndsRefreshWithOneMessage_data();
    void badColourEndsRefreshWithOneMessage();
    void unreadableStoreIsNamed();
    void noPaintChangesNothing();
    void foldersAndMissingFilesAreNoError();
    void startupTrayPicture();
    void builtInPicturesHaveTheirSizes();
    void builtInPicturesAreDrawnForTheScreen_data();
    void builtInPicturesAreDrawnForTheScreen();
    void lookShowsThePicturesDrawnForItsScreen();
    void plainBitmapsReadAsQtReadsThem_data();
    void plainBitmapsReadAsQtReadsThem();
};

void TestLook::gradientColumn_data()
{
    QTest::addColumn<LookRgb>("left");
    QTest::addColumn<LookRgb>("right");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("x");
    QTest::addColumn<LookRgb>("expected");

    const LookRgb setupLeft{0, 120, 255}, setupRight{255, 255, 255};
    QTest::newRow("setup colours, left edge") << setupLeft << setupRight << 315 << 0 << setupLeft;
    QTest::newRow("setup colours, column W") << setupLeft << setupRight << 315 << 315 << setupRight;
    // 255/315 = 0.8095..., 135/315 = 0.4285...
    QTest::newRow("setup colours, column 1") << setupLeft << setupRight << 315 << 1 << LookRgb{1, 120, 255};
    QTest::newRow("setup colours, middle") << setupLeft << setupRight << 315 << 157 << LookRgb{127, 187, 255};
    QTest::newRow("equal colours") << LookRgb{40, 50, 60} << LookRgb{40, 50, 60} << 315 << 200
                                   << LookRgb{40, 50, 60};
    // step 2.5: 2.5 rounds down to 2, 7.5 up to 8
    QTest::newRow("half to even, down") << LookRgb{0, 0, 0} << LookRgb{10, 10, 10} << 4 << 1 << LookRgb{2, 2, 2};
    QTest::newRow("half to even, up") << LookRgb{0, 0, 0} << LookRgb{10, 10, 10} << 4 << 3 << LookRgb{8, 8, 8};
    QTest::newRow("falling colours") << LookRgb{255, 0, 100} << LookRgb{0, 255, 100} << 10 << 5
                                     << LookRgb{128, 128, 100};
}

void TestLook::gradientColumn()
{
    QFETCH(LookRgb, left);
    QFETCH(LookRgb, right);
    QFETCH(int, width);
    QFETCH(int, x);
    QFETCH(LookRgb, expected);
    const LookRgb got = lookGradientColumn(left, right, width, x);
    QCOMPARE(QList<int>({got.red, got.green, got.blue}), QList<int>({expected.red, expected.green, expected.blue}));
}

void TestLook::gradientDrawsEveryColumnTopToBottom()
{
    const LookRgb left{0, 120, 255}, right{255, 255, 255};
    QImage surface(MainClientWidth, MainClientHeight, QImage::Format_RGB32);
    surface.fill(Qt::magenta);
    DrawLookGradient(surface, left, right);
    for (int x = 0; x < surface.width(); ++x) {
        const QRgb column = rgbOf(lookGradientColumn(left, right, surface.width(), x));
        QCOMPARE(surface.pixel(x, 0), column);
        QCOMPARE(surface.pixel(x, surface.height() - 1), column);
    }
    QCOMPARE(surface.pixel(0, 100), qRgb(0, 120, 255));
    // Any other surface is painted column by column, to the same pixels.
    QPixmap painted(surface.size());
    DrawLookGradient(painted, left, right);
    QCOMPARE(painted.toImage().convertToFormat(surface.format()), surface);

    // Equal colours give a plain fill; components outside 0..255 are drawn clamped.
    DrawLookGradient(surface, LookRgb{300, -5, 7}, LookRgb{300, -5, 7});
    QImage plain(surface.size(), surface.format());
    plain.fill(QColor(255, 0, 7));
    QCOMPARE(surface, plain);
}

void TestLook::colourComponent_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("expected");
    QTest::newRow("plain") << "120" << true << 120;
    QTest::newRow("blanks around") << " 12 " << true << 12;
    QTest::newRow("half down to even") << "2.5" << true << 2;
    QTest::newRow("half up to even") << "3.5" << true << 4;
    QTest::newRow("negative") << "-7" << true << -7;
    QTest::newRow("exponent") << "1e3" << true << 1000;
    QTest::newRow("largest") << "32767" << true << 32767;
    QTest::newRow("smallest") << "-32768" << true << -32768;
    QTest::newRow("rounds past largest") << "32767.5" << false << 0;
    QTest::newRow("too small") << "-32769" << false << 0;
    QTest::newRow("far too large") << "99999999999" << false << 0;
    QTest::newRow("word") << "blue" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("trailing text") << "12px" << false << 0;
    QTest::newRow("not a number") << "nan" << false << 0;
}

void TestLook::colourComponent()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, expected);
    if (valid) {
        QCOMPARE(brannock::colourComponent(text), expected);
    } else {
        QVERIFY_THROWS_EXCEPTION(AppError, brannock::colourComponent(text));
    }
}

void TestLook::lookFilePaths()
{
    QCOMPARE(lookFilePath({"/opt/b"}, "Skins\\6.0 GOLD\\", "back.bmp"),
             QDir::toNativeSeparators("/opt/b/Skins/6.0 GOLD/back.bmp"));
    QCOMPARE(lookFilePath({"/opt/b"}, "", "min0.bmp"), QDir::toNativeSeparators("/opt/b/min0.bmp"));
    // Nothing is added between the stored folder and the file name.
    QCOMPARE(lookFilePath({"/opt/b"}, "Skins\\Blue", "icon.bmp"), QDir::toNativeSeparators("/opt/b/Skins/Blueicon.bmp"));
}

void TestLook::builtInLookWithSetupColours()
{
    Fixture f;
    f.setupColours();
    f.set(schema::SkinUse, "No");
    f.refresher.RefreshForm();

    QCOMPARE(f.targets.log, (DefaultSkinsLog + QStringList{"background", "text"}));
    QCOMPARE(f.targets.background.size(), QSize(315, 288));
    QCOMPARE(f.targets.background.pixel(0, 0), qRgb(0, 120, 255));
    QCOMPARE(f.targets.background.pixel(314, 287), rgbOf(lookGradientColumn(LookRgb{0, 120, 255}, LookRgb{255, 255, 255}, 315, 314)));
    QCOMPARE(f.targets.textColour, QColor(0, 0, 0));
    QVERIFY(f.prompts.calls.isEmpty());

    const CurrentLook look = f.refresher.currentLook();
    QCOMPARE(look.background, f.targets.background);
    QCOMPARE(look.min0.toImage(), builtInPictures().min0bck.toImage());
    QCOMPARE(look.sysIcon.toImage(), builtInPictures().sysbck.toImage());
}

void TestLook::useMustBeExactlyYes()
{
    Fixture f;
    f.setupColours();
    f.picture("Skins/A/min0.bmp", Qt::red);
    f.picture("Skins/B/min0.bmp", Qt::green);
    f.useLook("Skins\\A\\");
    f.refresher.RefreshForm();
    QCOMPARE(f.refresher.lookFolder(), QString("Skins\\A\\"));

    f.set(schema::SkinPath, "Skins\\B\\");
    f.set(schema::SkinUse, "yes");
    f.targets.log.clear();
    f.refresher.RefreshForm();

    QCOMPARE(f.refresher.lookFolder(), QString("Skins\\A\\")); // kept, not read
    QCOMPARE(f.targets.log, (DefaultSkinsLog + QStringList{"background", "text"}));
    QCOMPARE(rgbOf(f.refresher.picture(LookSlot::BPicMin)), rgbOf(builtInPictures().min0bck));
}

void TestLook::emptyPathLooksInProgramFolder()
{
    Fixture f;
    f.setupColours();
    f.picture("min0.bmp", Qt::red);
    f.useLook("");
    f.refresher.RefreshForm();
    QCOMPARE(f.targets.topLeft("BPicMin"), qRgb(255, 0, 0));
    QCOMPARE(f.refresher.lookFolder(), QString());
}

void TestLook::folderWithOnlyMinimisePicture()
{
    Fixture f;
    f.setupColours();
    f.set(schema::ColorTxtR, "10");
    f.set(schema::ColorTxtG, "20");
    f.set(schema::ColorTxtB, "30");
    f.picture("Skins/Only Min/min0.bmp", Qt::red);
    f.useLook("Skins\\Only Min\\");
    f.refresher.RefreshForm();

    // The visible button first, then its holder; the tray picture is refreshed either way.
    QCOMPARE(f.targets.log, (DefaultSkinsLog + QStringList{"tray", "BPicMin", "Min0", "background", "text"}));
    QCOMPARE(rgbOf(f.refresher.picture(LookSlot::BPicMin)), qRgb(255, 0, 0));
    QCOMPARE(rgbOf(f.refresher.picture(LookSlot::Min0)), qRgb(255, 0, 0));
    QCOMPARE(f.refresher.picture(LookSlot::Min1).toImage(), builtInPictures().min1bck.toImage());
    QCOMPARE(f.refresher.picture(LookSlot::BPicExit).toImage(), builtInPictures().exit0bck.toImage());
    QCOMPARE(f.targets.background.pixel(0, 0), qRgb(0, 120, 255));
    QCOMPARE(f.targets.textColour, QColor(10, 20, 30));
}

void TestLook::folderWithOnlyBackground()
{
    Fixture f;
    f.setupColours();
    f.set(schema::ColorTxtR, "255");
    f.set(schema::ColorTxtG, "255");
    f.set(schema::ColorTxtB, "0");
    f.set(schema::ColorG2, "not read"); // no gradient: its colours are never looked at
    for (const char *name : {"icon.bmp", "min0.bmp", "min1.bmp", "exit0.bmp", "exit1.bmp", "inc0.bmp", "inc1.bmp"})
        f.picture(QStringLiteral("Skins/Full/") + name, Qt::red);
    f.picture("Skins/Full/icon.bmp", Qt::green, QSize(11, 11), "PNG"); // read by its content
    f.picture("Skins/Full/back.bmp", Qt::blue, QSize(315, 288));
    f.picture("Skins/Back/back.bmp", Qt::darkGreen, QSize(100, 50));

    f.useLook("Skins\\Full\\");
    f.refresher.RefreshForm();
    QCOMPARE(rgbOf(f.refresher.picture(LookSlot::BPicExit)), qRgb(255, 0, 0));
    QCOMPARE(rgbOf(f.refresher.picture(LookSlot::PicIcon)), qRgb(0, 255, 0));

    f.set(schema::SkinPath, "Skins\\Back\\");
    f.targets.log.clear();
    f.refresher.RefreshForm();

    QCOMPARE(f.targets.log, (DefaultSkinsLog + QStringList{"background", "text", "tray"}));
    QCOMPARE(f.refresher.picture(LookSlot::BPicExit).toImage(), builtInPictures().exit0bck.toImage());
    QCOMPARE(f.refresher.picture(LookSlot::PicIcon).toImage(), builtInPictures().iconbck.toImage());
    QCOMPARE(f.targets.background.size(), QSize(315, 288));
    QCOMPARE(f.targets.background.pixel(0, 0), QColor(Qt::darkGreen).rgb());
    QCOMPARE(f.targets.background.pixel(99, 49), QColor(Qt::darkGreen).rgb());
    // Nothing of the earlier background shows beside a smaller picture.
    QCOMPARE(f.targets.background.pixel(200, 200), qRgb(0, 0, 0));
    QCOMPARE(f.targets.textColour, QColor(255, 255, 0));
    QVERIFY(f.prompts.calls.isEmpty());
}

void TestLook::badPictureEndsRefreshWithOneMessage()
{
    Fixture f;
    f.setupColours();
    for (const char *name : {"icon.bmp", "min0.bmp", "min1.bmp", "exit0.bmp", "inc0.bmp", "inc1.bmp"})
        f.picture(QStringLiteral("Skins/Bad/") + name, Qt::red);
    f.garbage("Skins/Bad/exit1.bmp");
    f.useLook("Skins\\Bad\\");

    f.prompts.onShow = [&](const FakePrompts::Call &) { f.targets.log << "box"; };
    f.refresher.RefreshForm();

    QCOMPARE(f.targets.log, (DefaultSkinsLog + QStringList{"PicIcon", "tray", "BPicMin", "Min0", "Min1",
                                                           "BPicExit", "Exit0", "unsetAoT", "box", "setAoT"}));
    QCOMPARE(rgbOf(f.refresher.picture(LookSlot::Exit0)), qRgb(255, 0, 0));
    QCOMPARE(f.refresher.picture(LookSlot::Inc0).toImage(), builtInPictures().inc0bck.toImage());
    QVERIFY(f.targets.background.isNull());
    QVERIFY(!f.targets.textColour.isValid());

    QCOMPARE(f.prompts.calls.size(), 1);
    const FakePrompts::Call &box = f.prompts.calls.first();
    QCOMPARE(box.title, QString("Hmm."));
    QCOMPARE(box.text,
             QString("Something's wrong! Here are the possibilities: \r\n"
                     "- The color settings need fixing. Open the Configuration dialog(Click 'Configuration') "
                     "or run Primewell.exe.\r\n"
                     "- There is a bad image in the currently selected Brannock Skinset. Change Skins in the "
                     "cleverly-named 'Skins' dialog(Click 'Skins')."));
    QCOMPARE(box.buttons, PromptButtons::Ok);
    QCOMPARE(box.icon, PromptIcon::None);
}

void TestLook::badColourEndsRefreshWithOneMessage_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("backgroundDrawn");
    QTest::newRow("gradient colour not a number") << "G2" << "light" << false;
    QTest::newRow("gradient colour out of range") << "R1" << "40000" << false;
    QTest::newRow("text colour not a number") << "TxtB" << "x" << true;
}

void TestLook::badColourEndsRefreshWithOneMessage()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(bool, backgroundDrawn);
    Fixture f;
    f.setupColours();
    f.store.WriteSetting(u"Color", key, value);
    f.refresher.RefreshForm();

    QStringList expected = DefaultSkinsLog;
    if (backgroundDrawn)
        expected << "background";
    expected << "unsetAoT" << "setAoT";
    QCOMPARE(f.targets.log, expected);
    QVERIFY(!f.targets.textColour.isValid());
    QCOMPARE(f.prompts.titles(), QStringList{"Hmm."});
}

void TestLook::unreadableStoreIsNamed()
{
    Fixture f;
    f.setupColours();
    QFile file(f.dir.filePath(QStringLiteral("settings.ini")));
    QVERIFY(file.open(QIODevice::Append));
    file.write("hand edited\n");
    file.close();
    f.refresher.RefreshForm();

    QCOMPARE(f.prompts.titles(), QStringList{"Hmm."});
    const QString text = f.prompts.calls[0].text;
    QVERIFY2(text.startsWith(LookRefresher::failureText() + QStringLiteral("\r\n\r\nError 1001:\r\n")), qPrintable(text));
    QVERIFY2(text.contains(QDir::toNativeSeparators(file.fileName())), qPrintable(text));
    QVERIFY(!f.targets.log.contains(QStringLiteral("background"))); // no look from defaults
}

void TestLook::noPaintChangesNothing()
{
    Fixture f;
    f.set(schema::ColorG2, "broken");
    f.picture("Skins/A/min0.bmp", Qt::red);
    f.picture("Skins/A/sysicon.ico", Qt::red, QSize(16, 16));
    f.useLook("Skins\\A\\");
    f.refresher.setPaintLook(false);
    f.refresher.RefreshForm();
    f.refresher.loadStartupSysIcon();
    QVERIFY(f.targets.log.isEmpty());
    QVERIFY(f.prompts.calls.isEmpty());
    const CurrentLook look = f.refresher.currentLook();
    QVERIFY(look.background.isNull());
    // The pictures the window was created with: the tray and the Skins preview get them.
    QCOMPARE(look.sysIcon.toImage(), builtInPictures().sysbck.toImage());
    QCOMPARE(look.exit0.toImage(), builtInPictures().exit0bck.toImage());
    QCOMPARE(f.refresher.picture(LookSlot::Min1).toImage(), builtInPictures().min1bck.toImage());
}

void TestLook::foldersAndMissingFilesAreNoError()
{
    Fixture f;
    f.setupColours();
    QVERIFY(QDir().mkpath(f.dir.filePath("Skins/Odd/back.bmp"))); // a folder, not a look file
    f.useLook("Skins\\Odd\\");
    f.refresher.RefreshForm();
    QVERIFY(!isLookFilePresent(f.dir.filePath("Skins/Odd/back.bmp")));
    QCOMPARE(f.targets.background.pixel(0, 0), qRgb(0, 120, 255));
    QVERIFY(f.prompts.calls.isEmpty());

    f.set(schema::SkinPath, "Skins\\Missing\\");
    f.refresher.RefreshForm();
    QVERIFY(f.prompts.calls.isEmpty());
}

void TestLook::startupTrayPicture()
{
    Fixture f;
    f.setupColours();
    f.useLook("Skins\\A\\");
    f.garbage("Skins/A/sysicon.ico");
    f.refresher.RefreshForm();
    QCOMPARE(f.prompts.titles(), QStringList{"Hmm."});

    // At start-up an unreadable icon quietly keeps the built-in one.
    f.targets.log.clear();
    f.refresher.loadStartupSysIcon();
    QVERIFY(f.targets.log.isEmpty());
    QCOMPARE(f.prompts.calls.size(), 1);

    f.picture("Skins/A/sysicon.ico", Qt::yellow, QSize(16, 16));
    f.refresher.loadStartupSysIcon();
    QCOMPARE(f.targets.log, QStringList{"SysImg"});
    QCOMPARE(rgbOf(f.refresher.currentLook().sysIcon), qRgb(255, 255, 0));
}

void TestLook::builtInPicturesHaveTheirSizes()
{
    const BuiltInPictures &b = builtInPictures();
    for (const QPixmap *p : {&b.min0bck, &b.min1bck, &b.exit0bck, &b.exit1bck})
        QCOMPARE(p->size(), QSize(11, 11));
    QCOMPARE(b.inc0bck.size(), QSize(11, 16));
    QCOMPARE(b.inc1bck.size(), QSize(11, 16));
    QCOMPARE(b.iconbck.size(), QSize(16, 16));
    QCOMPARE(b.sysbck.size(), QSize(16, 16));
    // Every button sits on black; the normal minimise bar is the plain grey.
    QCOMPARE(b.min0bck.toImage().pixel(0, 0), qRgb(0, 0, 0));
    QCOMPARE(b.min0bck.toImage().pixel(5, 8), qRgb(128, 128, 128));
}

void TestLook::builtInPicturesAreDrawnForTheScreen_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("1.5") << 1.5;
    QTest::newRow("2") << 2.0;
}

void TestLook::builtInPicturesAreDrawnForTheScreen()
{
    QFETCH(qreal, ratio);
    const BuiltInPictures &b = builtInPictures(ratio);
    // The design's size in window pixels, with a picture pixel for every device pixel.
    const auto deviceSize = [ratio](int w, int h) { return QSize(qCeil(w * ratio), qCeil(h * ratio)); };
    for (const QPixmap *p : {&b.min0bck, &b.min1bck, &b.exit0bck, &b.exit1bck})
        QCOMPARE(p->size(), deviceSize(11, 11));
    for (const QPixmap *p : {&b.inc0bck, &b.inc1bck})
        QCOMPARE(p->size(), deviceSize(11, 16));
    QCOMPARE(b.iconbck.size(), deviceSize(16, 16));
    for (const QPixmap *p : {&b.min0bck, &b.min1bck, &b.exit0bck, &b.exit1bck, &b.inc0bck, &b.inc1bck, &b.iconbck})
        QCOMPARE(p->devicePixelRatio(), ratio);

    // Upright edges on whole device pixels, never blurred: the minimise bar is black and grey
    // only, and covers the device pixels of its window pixels.
    const QImage minimise = b.min0bck.toImage();
    int grey = 0;
    for (int y = 0; y < minimise.height(); ++y)
        for (int x = 0; x < minimise.width(); ++x) {
            const QRgb pixel = minimise.pixel(x, y);
            QVERIFY2(pixel == qRgb(0, 0, 0) || pixel == qRgb(128, 128, 128), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            grey += pixel == qRgb(128, 128, 128);
        }
    QCOMPARE(grey, (qRound(9 * ratio) - qRound(2 * ratio)) * (qRound(10 * ratio) - qRound(8 * ratio)));
    // The title icon's frame is its own colour all round, a window pixel thick.
    const QImage icon = b.iconbck.toImage();
    const int last = icon.width() - 1;
    for (int i = 0; i <= last; ++i)
        for (const QPoint p : {QPoint(i, 0), QPoint(0, i), QPoint(i, last), QPoint(last, i)})
            QCOMPARE(icon.pixel(p), qRgb(32, 32, 32));

    // Finer than the design: the exit button's cross is not its window pixels made bigger.
    const QImage exit = b.exit0bck.toImage();
    const QImage design = builtInPictures().exit0bck.toImage();
    const QImage bigger = design.scaled(exit.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QVERIFY(exit.convertToFormat(QImage::Format_RGB32) != bigger.convertToFormat(QImage::Format_RGB32));
    bool shadesWithinAWindowPixel = false;
    const int step = qCeil(ratio);
    for (int y = 0; y + step <= exit.height() && !shadesWithinAWindowPixel; y += step)
        for (int x = 0; x + step <= exit.width() && !shadesWithinAWindowPixel; x += step)
            for (int dy = 0; dy < step; ++dy)
                for (int dx = 0; dx < step; ++dx)
                    shadesWithinAWindowPixel |= exit.pixel(x + dx, y + dy) != exit.pixel(x, y);
    QVERIFY(shadesWithinAWindowPixel);
    // The same design: dark where the design is dark, the cross where the design has it.
    QCOMPARE(exit.pixel(exit.width() / 2, exit.height() / 2), qRgb(128, 128, 128));
    QCOMPARE(exit.pixel(qRound(5.5 * ratio), qRound(1 * ratio)), qRgb(0, 0, 0));
}

void TestLook::lookShowsThePicturesDrawnForItsScreen()
{
    Fixture f;
    f.targets.ratio = 2.0;
    f.refresher.setDefaultSkins();
    for (const char *slot : {"Min0", "Min1", "BPicMin", "Exit0", "Exit1", "BPicExit", "Inc0", "Inc1", "BPicInc", "PicIcon"})
        QCOMPARE(f.targets.shown.value(QString::fromLatin1(slot)).devicePixelRatio(), 2.0);
    QCOMPARE(f.refresher.currentLook().exit0.toImage(), builtInPictures(2.0).exit0bck.toImage());
}

void TestLook::plainBitmapsReadAsQtReadsThem_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("topDown");
    QTest::addColumn<bool>("plain"); ///< 24 bits a pixel, uncompressed
    // Row padding differs with the width: 0, 1, 3 and 3 bytes.
    QTest::newRow("background") << QSize(315, 288) << false << true;
    QTest::newRow("button") << QSize(11, 11) << false << true;
    QTest::newRow("one pixel") << QSize(1, 1) << false << true;
    QTest::newRow("rows from the top") << QSize(5, 3) << true << true;
    QTest::newRow("with a palette: left to the picture reader") << QSize(4, 4) << false << false;
}

void TestLook::plainBitmapsReadAsQtReadsThem()
{
    QFETCH(QSize, size);
    QFETCH(bool, topDown);
    QFETCH(bool, plain);
    QImage drawn(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            drawn.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x + y) % 256));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.bmp"));
    QVERIFY((plain ? drawn : drawn.convertToFormat(QImage::Format_Indexed8)).save(path, "BMP"));
    if (topDown) {
        // The same picture stored top row first, as a negative height says.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray data = file.readAll();
        const int stride = (size.width() * 3 + 3) & ~3;
        QByteArray rows;
        for (int row = size.height() - 1; row >= 0; --row)
            rows += data.mid(54 + row * stride, stride);
        const qint32 height = -size.height();
        data.replace(22, 4, QByteArray(reinterpret_cast<const char *>(&height), 4));
        data.replace(54, rows.size(), rows);
        QVERIFY(file.seek(0));
        QCOMPARE(file.write(data), qint64(data.size()));
    }

    const QImage read = readPlainBitmap(path);
    QCOMPARE(read.isNull(), !plain);
    if (plain) {
        QCOMPARE(read, QImage(path, "BMP"));
        QCOMPARE(read, drawn);
    }
}

QTEST_MAIN(TestLook)
#include "tst_look.moc"
