#include "common/SettingsStore.h"
#include "dialogs/config/ColourDialog.h"
#include "dialogs/config/FrmCfg.h"
#include "dialogs/config/RandomDesign.h"
#include "fakes/FakePrompts.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace brannock;
using brannock::test::FakePrompts;

namespace {

const QString kMissing = QStringLiteral("<missing>");

/// Answers from a list, then 0.
RandomSource scripted(QList<double> values, int *draws = nullptr)
{
    auto list = std::make_shared<QList<double>>(std::move(values));
    return [list, draws] {
        if (draws)
            ++*draws;
        return list->isEmpty() ? 0.0 : list->takeFirst();
    };
}

RandomSource seeded(quint32 seed)
{
    auto generator = std::make_shared<QRandomGenerator>(seed);
    return [generator] { return generator->generateDouble(); };
}

QImage picture(FrmCfg &dialog)
{
    return dialog.findChild<QLabel *>(QStringLiteral("picRD"))->pixmap().toImage().convertToFormat(
        QImage::Format_RGB32);
}

constexpr QRgb kGreen = 0xff00ff00;
constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kWhite = 0xffffffff;

} // namespace

class TestConfigDialog : public QObject {
    Q_OBJECT

private slots:
    void init();
    void emptyStoreLoadsDefaultsAndSavesThirteenKeys();
    void loadsStoredTextsExactly();
    void everyWayOfClosingSaves_data();
    void everyWayOfClosingSaves();
    void defaultsResetOnlyThePalettes();
    void altDPressesDoneAlone();
    void unreadableStoreGivesOneMessageAndStillOpens();
    void boxesTakeNoMoreThanTheStoreKeeps();
    void failedSaveIsReported();
    void colourDialogOnABrokenStoreIsReported();
    void colourButtonsOpenTheirDialogs_data();
    void colourButtonsOpenTheirDialogs();
    void unloadAllClosesColourDialogUnsavedThenSaves();
    void controlsCarryTheirCaptionsAndTips();
    void templateHoldsOnlyBlackAndGreen();
    void firstTwoPassesChangeOnlyGreenPixels();
    void greyPassUsesTheLoopColumn();
    void speckPassFollowsWhiteNeighbours();
    void clickingThePictureDrawsAnew();

private:
    std::unique_ptr<FrmCfg> makeDialog(RandomSource random = seeded(1));
    QLineEdit *edit(FrmCfg &dialog, const char *name)
    {
        return dialog.findChild<QLineEdit *>(QString::fromLatin1(name));
    }
    QCheckBox *box(FrmCfg &dialog, const char *name)
    {
        return dialog.findChild<QCheckBox *>(QString::fromLatin1(name));
    }
    QPushButton *button(FrmCfg &dialog, const char *name)
    {
        return dialog.findChild<QPushButton *>(QString::fromLatin1(name));
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_store;
    QString m_ini;
    FakePrompts m_prompts;
    int m_refreshes = 0;
};

void TestConfigDialog::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_ini = m_dir->filePath(QStringLiteral("Brannock.ini"));
    m_store = std::make_unique<SettingsStore>(m_ini);
    m_prompts = FakePrompts();
    m_refreshes = 0;
}

std::unique_ptr<FrmCfg> TestConfigDialog::makeDialog(RandomSource random)
{
    return std::make_unique<FrmCfg>(*m_store, m_prompts, [this] { ++m_refreshes; }, nullptr, std::move(random));
}

void TestConfigDialog::emptyStoreLoadsDefaultsAndSavesThirteenKeys()
{
    auto dialog = makeDialog();
    QVERIFY(m_prompts.calls.isEmpty()); // missing keys are no failure
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Wendle Config"));
    QCOMPARE(edit(*dialog, "TxtPath")->text(), QString());
    QVERIFY(!box(*dialog, "ChkDelNew")->isChecked());
    QVERIFY(!box(*dialog, "chkAVC")->isChecked());
    const QList<std::pair<const char *, const char *>> palettes = {
        {"TxtArmors", "pal3"}, {"TxtFlags", "pal3"},  {"TxtDoors", "pal2"},    {"TxtEmblems", "pal1"},
        {"TxtFlyers", "pal2"}, {"TxtGens", "pal2"},   {"TxtSensors", "pal2"},  {"TxtSolars", "pal2"},
        {"TxtStations", "pal2"}, {"TxtTurrets", "pal2"}};
    for (const auto &[name, value] : palettes)
        QCOMPARE(edit(*dialog, name)->text(), QString::fromLatin1(value));
    QVERIFY(!QFile::exists(m_ini));

    // The order Done writes in.
    QStringList order;
    for (const auto &[key, value] : dialog->settingsToSave())
        order << toQString(key.section) + u'/' + toQString(key.key) + u'=' + value;
    QCOMPARE(order, QStringList({"Kestrow/Path=", "Other/DelNew=No", "Other/UseAVC=No", "Pals/Armors=pal3",
                                 "Pals/Flags=pal3", "Pals/Doors=pal2", "Pals/Emblems=pal1", "Pals/Flyers=pal2",
                                 "Pals/Generators=pal2", "Pals/Sensors=pal2", "Pals/Solar Panels=pal2",
                                 "Pals/Stations=pal2", "Pals/Turrets=pal2"}));

    dialog->show();
    button(*dialog, "CmdDone")->click();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(m_refreshes, 1);
    for (const auto &[key, value] : dialog->settingsToSave())
        QCOMPARE(m_store->ReadSetting(key, kMissing), value);
    QCOMPARE(m_store->ReadSetting(schema::GamePath, kMissing), QString());
    QCOMPARE(m_store->ReadSetting(schema::ColorR1, kMissing), kMissing);
}

void TestConfigDialog::loadsStoredTextsExactly()
{
    m_store->WriteSetting(schema::GamePath, QStringLiteral(" D:\\Games\\Kestrow\\"));
    m_store->WriteSetting(schema::OtherDelNew, QStringLiteral("Yes"));
    m_store->WriteSetting(schema::OtherUseAVC, QStringLiteral("yes")); // not exactly "Yes": unticked
    m_store->WriteSetting(schema::PalArmors, QStringLiteral("pal9"));
    m_store->WriteSetting(schema::PalSolarPanels, QString()); // stored empty stays empty
    auto dialog = makeDialog();
    QCOMPARE(edit(*dialog, "TxtPath")->text(), QStringLiteral(" D:\\Games\\Kestrow\\"));
    QVERIFY(box(*dialog, "ChkDelNew")->isChecked());
    QVERIFY(!box(*dialog, "chkAVC")->isChecked());
    QCOMPARE(edit(*dialog, "TxtArmors")->text(), QStringLiteral("pal9"));
    QCOMPARE(edit(*dialog, "TxtSolars")->text(), QString());
    QCOMPARE(edit(*dialog, "TxtFlags")->text(), QStringLiteral("pal3"));
    QVERIFY(m_prompts.calls.isEmpty());
}

void TestConfigDialog::everyWayOfClosingSaves_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("CmdDone") << "CmdDone";
    QTest::newRow("Enter") << "Enter";
    QTest::newRow("Esc") << "Esc";
    QTest::newRow("frame") << "frame";
    QTest::newRow("UnloadAll") << "UnloadAll";
}

void TestConfigDialog::everyWayOfClosingSaves()
{
    QFETCH(QString, how);
    auto dialog = makeDialog();
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QLineEdit *path = edit(*dialog, "TxtPath");
    path->setFocus();
    path->setText(QStringLiteral("E:\\Kw "));
    box(*dialog, "chkAVC")->setChecked(true);
    edit(*dialog, "TxtTurrets")->setText(QStringLiteral("nonsense"));

    if (how == QLatin1String("CmdDone"))
        button(*dialog, "CmdDone")->click();
    else if (how == QLatin1String("Enter"))
        QTest::keyClick(path, Qt::Key_Return);
    else if (how == QLatin1String("Esc"))
        QTest::keyClick(path, Qt::Key_Escape);
    else if (how == QLatin1String("frame"))
        QVERIFY(dialog->close());
    else
        dialog->UnloadAll();

    QVERIFY(!dialog->isVisible());
    QCOMPARE(m_refreshes, 1);
    QCOMPARE(m_store->ReadSetting(schema::GamePath), QStringLiteral("E:\\Kw "));
    QCOMPARE(m_store->ReadSetting(schema::OtherDelNew), QStringLiteral("No"));
    QCOMPARE(m_store->ReadSetting(schema::OtherUseAVC), QStringLiteral("Yes"));
    QCOMPARE(m_store->ReadSetting(schema::PalTurrets), QStringLiteral("nonsense"));
    QCOMPARE(m_store->ReadSetting(schema::PalEmblems), QStringLiteral("pal1"));
}

void TestConfigDialog::defaultsResetOnlyThePalettes()
{
    m_store->WriteSetting(schema::GamePath, QStringLiteral("C:\\K"));
    m_store->WriteSetting(schema::OtherDelNew, QStringLiteral("Yes"));
    for (const auto &v : schema::SetupRest)
        if (v.key.section == schema::Pals)
            m_store->WriteSetting(v.key, QStringLiteral("palX"));
    auto dialog = makeDialog();
    box(*dialog, "chkAVC")->setChecked(true);
    QCOMPARE(button(*dialog, "CmdDefault")->text(), QStringLiteral("&DEFAULTS"));
    button(*dialog, "CmdDefault")->click();

    QCOMPARE(edit(*dialog, "TxtPath")->text(), QStringLiteral("C:\\K"));
    QVERIFY(box(*dialog, "ChkDelNew")->isChecked());
    QVERIFY(box(*dialog, "chkAVC")->isChecked());
    QCOMPARE(m_store->ReadSetting(schema::PalArmors), QStringLiteral("palX")); // nothing saved yet

    dialog->show();
    button(*dialog, "CmdDone")->click();
    for (const auto &v : schema::SetupRest)
        if (v.key.section == schema::Pals)
            QCOMPARE(m_store->ReadSetting(v.key), toQString(v.value));
}

void TestConfigDialog::altDPressesDoneAlone()
{
    // "&DEFAULTS" and "&DONE" both show D: the key closes the dialog and resets nothing.
    m_store->WriteSetting(schema::PalArmors, QStringLiteral("palX"));
    auto dialog = makeDialog();
    QCOMPARE(button(*dialog, "CmdDefault")->text(), QStringLiteral("&DEFAULTS"));
    QCOMPARE(button(*dialog, "CmdDone")->text(), QStringLiteral("&DONE"));
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    QTest::keyClick(edit(*dialog, "TxtPath"), Qt::Key_D, Qt::AltModifier);
    QTRY_VERIFY(!dialog->isVisible()); // an access key clicks a moment later
    QCOMPARE(m_refreshes, 1);
    QCOMPARE(m_store->ReadSetting(schema::PalArmors), QStringLiteral("palX"));
}

void TestConfigDialog::unreadableStoreGivesOneMessageAndStillOpens()
{
    QVERIFY(QDir().mkpath(m_ini)); // a folder where the settings file belongs
    auto dialog = makeDialog();
    QCOMPARE(m_prompts.calls.size(), 1);
    const auto &message = m_prompts.calls.first();
    QCOMPARE(message.title, QStringLiteral("Error! I think..."));
    QCOMPARE(message.text, QStringLiteral("I get the feeling your registry is messed up. Run Primewell.exe in "
                                          "Brannock's directory(folder).\r\nPrimewell offers to set a broken "
                                          "settings file aside and write the defaults."));
    QCOMPARE(message.buttons, PromptButtons::Ok);
    QCOMPARE(message.icon, PromptIcon::None);

    // The steps that could not read left their fields empty; the picture still drew.
    QCOMPARE(edit(*dialog, "TxtPath")->text(), QString());
    QCOMPARE(edit(*dialog, "TxtArmors")->text(), QString());
    QVERIFY(picture(*dialog) != designTemplate());
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
}

void TestConfigDialog::boxesTakeNoMoreThanTheStoreKeeps()
{
    // A pasted text longer than the store keeps is cut at the limit, so Done never writes a
    // value that would make the store unreadable.
    const QString pasted(schema::MaxValueLength + 100, u'p');
    auto dialog = makeDialog();
    const QList<QLineEdit *> boxes = dialog->findChildren<QLineEdit *>();
    QCOMPARE(boxes.size(), 11);
    for (QLineEdit *box : boxes) {
        box->setText(pasted);
        QCOMPARE(box->text().size(), schema::MaxValueLength);
    }
    dialog->show();
    button(*dialog, "CmdDone")->click();
    QVERIFY(m_prompts.calls.isEmpty());
    QCOMPARE(m_store->ReadSetting(schema::GamePath), pasted.left(schema::MaxValueLength));
    QCOMPARE(m_store->ReadSetting(schema::PalTurrets), pasted.left(schema::MaxValueLength));

    ColourDialog colour(*m_store, m_prompts, ColourTarget::Text);
    for (QLineEdit *box : colour.findChildren<QLineEdit *>())
        QCOMPARE(box->maxLength(), schema::MaxValueLength);
}

void TestConfigDialog::failedSaveIsReported()
{
    auto dialog = makeDialog();
    dialog->show();
    QVERIFY(QDir().mkpath(m_ini)); // the store breaks while the dialog is open
    button(*dialog, "CmdDone")->click();
    QCOMPARE(m_prompts.titles(), QStringList{QStringLiteral("Config Error!")});
    QVERIFY(m_prompts.calls.first().text.startsWith(QStringLiteral("Error 1001:\r\n")));
    QCOMPARE(m_prompts.calls.first().icon, PromptIcon::Exclamation);
    QCOMPARE(m_refreshes, 0);
    QVERIFY(!dialog->isVisible());
}

void TestConfigDialog::colourDialogOnABrokenStoreIsReported()
{
    auto dialog = makeDialog();
    dialog->show();
    QVERIFY(QDir().mkpath(m_ini));
    button(*dialog, "CmdClr2")->click(); // returns at once: no colour dialog opens
    QCOMPARE(m_prompts.titles(), QStringList{QStringLiteral("Color Error!")});
    QVERIFY(m_prompts.calls.first().text.startsWith(QStringLiteral("Error 1001:\r\n")));
    QVERIFY(dialog->isVisible());
}

void TestConfigDialog::colourButtonsOpenTheirDialogs_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("greenKey");
    QTest::newRow("Color 1") << "CmdClr1" << "FrmColor1" << "G1";
    QTest::newRow("Color 2") << "CmdClr2" << "FrmColor2" << "G2";
    QTest::newRow("Text") << "CmdTxtClr" << "FrmColorTxt" << "TxtG";
}

void TestConfigDialog::colourButtonsOpenTheirDialogs()
{
    QFETCH(QString, button);
    QFETCH(QString, dialog);
    QFETCH(QString, greenKey);
    auto cfg = makeDialog();
    cfg->show();
    QString opened;
    bool modal = false;
    QTimer::singleShot(0, this, [&] {
        QWidget *colour = QApplication::activeModalWidget();
        QVERIFY(colour);
        opened = colour->objectName();
        modal = colour->isModal();
        colour->findChild<QLineEdit *>(QStringLiteral("TxtG"))->setText(QStringLiteral("77"));
        colour->findChild<QPushButton *>(QStringLiteral("CmdOK"))->click();
    });
    cfg->findChild<QPushButton *>(button)->click();
    QCOMPARE(opened, dialog);
    QVERIFY(modal);
    // Saved by the colour dialog itself, before Done; Done leaves the colour keys alone.
    QCOMPARE(m_store->ReadSetting(QStringLiteral("Color"), greenKey), QStringLiteral("77"));
    QVERIFY(cfg->isVisible());
    QCOMPARE(m_refreshes, 0);
    this->button(*cfg, "CmdDone")->click();
    QCOMPARE(m_store->ReadSetting(QStringLiteral("Color"), greenKey), QStringLiteral("77"));
}

void TestConfigDialog::unloadAllClosesColourDialogUnsavedThenSaves()
{
    auto cfg = makeDialog();
    cfg->show();
    edit(*cfg, "TxtPath")->setText(QStringLiteral("C:\\Halvern\\Kestrow"));
    QTimer::singleShot(0, this, [&] {
        QWidget *colour = QApplication::activeModalWidget();
        QVERIFY(colour);
        colour->findChild<QLineEdit *>(QStringLiteral("TxtR"))->setText(QStringLiteral("5"));
        cfg->UnloadAll();
        QVERIFY(!colour->isVisible());
    });
    button(*cfg, "CmdClr1")->click();
    QVERIFY(!cfg->isVisible());
    QCOMPARE(m_refreshes, 1);
    QCOMPARE(m_store->ReadSetting(schema::ColorR1, kMissing), kMissing);
    QCOMPARE(m_store->ReadSetting(schema::GamePath), QStringLiteral("C:\\Halvern\\Kestrow"));
    QCOMPARE(m_store->ReadSetting(schema::PalTurrets), QStringLiteral("pal2"));
}

void TestConfigDialog::controlsCarryTheirCaptionsAndTips()
{
    auto dialog = makeDialog();
    const struct {
        const char *name, *caption, *tip;
    } buttons[] = {
        {"CmdClr1", "Color &1", "The starting, leftmost color in the main window."},
        {"CmdClr2", "Color &2", "The finishing, rightmost color in the main window."},
        {"CmdTxtClr", "&Text Color", "The color of the text in the main window."},
        {"CmdDone", "&DONE", "Apply Settings"},
        {"CmdDefault", "&DEFAULTS", "Reset the palettes to their defaults."},
    };
    for (const auto &b : buttons) {
        QCOMPARE(button(*dialog, b.name)->text(), QString::fromLatin1(b.caption));
        QCOMPARE(button(*dialog, b.name)->toolTip(), QString::fromLatin1(b.tip));
    }
    QVERIFY(button(*dialog, "CmdDone")->isDefault());
    QCOMPARE(box(*dialog, "ChkDelNew")->text(),
             QStringLiteral("De&lete MakeSkin-created bitmaps(.BMPs) after compiling VOL"));
    QCOMPARE(edit(*dialog, "TxtSolars")->toolTip(), QStringLiteral("Solar Panel Make Palette(default is pal2)"));
    QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("LblGens"))->text(), QStringLiteral("Generators Use"));
    QCOMPARE(dialog->findChildren<QFrame *>(QStringLiteral("FLine")).size(), 4);
    QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("picRD"))->size(), QSize(190, 32));
}

void TestConfigDialog::templateHoldsOnlyBlackAndGreen()
{
    const QImage image = designTemplate();
    QCOMPARE(image.size(), QSize(190, 32));
    int green = 0;
    int black = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            QVERIFY(pixel == kGreen || pixel == kBlack);
            (pixel == kGreen ? green : black)++;
        }
    QVERIFY(green > 1000);
    QVERIFY(black > 500);
}

void TestConfigDialog::firstTwoPassesChangeOnlyGreenPixels()
{
    const QImage original = designTemplate();
    QImage image = original;
    design::greyPass(image, seeded(7));
    design::blackWhitePass(image, seeded(8));
    int changed = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb before = original.pixel(x, y);
            const QRgb after = image.pixel(x, y);
            if (before == kBlack)
                QCOMPARE(after, kBlack);
            QVERIFY(after != kGreen); // pass 2 leaves no green
            QCOMPARE(qRed(after), qGreen(after));
            QCOMPARE(qGreen(after), qBlue(after));
            changed += after != before;
        }
    QVERIFY(changed > 1000);

    // After the third pass a template-black pixel is black or one of its red/blue specks,
    // each of which sits below-right of a white pixel.
    const QImage full = drawRandomDesign(original, seeded(9));
    for (int y = 0; y < full.height(); ++y)
        for (int x = 0; x < full.width(); ++x)
            if (original.pixel(x, y) == kBlack && full.pixel(x, y) != kBlack) {
                QCOMPARE(qGreen(full.pixel(x, y)), 0);
                QVERIFY(x > 0 && y > 0);
            }
}

void TestConfigDialog::greyPassUsesTheLoopColumn()
{
    // A 4 x 1 green strip: the loop runs X = 0..4 and Y = 0..1, ten random points.
    QImage image(4, 1, QImage::Format_RGB32);
    image.fill(kGreen);
    int draws = 0;
    // Points per (X, Y): (0,0) and (0,1) hit (3,0); (1,0) hits (1,0); (1,1) hits (0,0);
    // (2,0) and (2,1) hit (3,0) again, no longer green; (3,0) hits (2,0); the rest hit (0,0).
    design::greyPass(image, scripted({0.75, 0.0, 0.75, 0.0, 0.25, 0.0, 0.0, 0.0, 0.75, 0.0, 0.75, 0.0, 0.5,
                                       0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
                                      &draws));
    QCOMPARE(draws, 2 * 5 * 2);
    QCOMPARE(image.pixel(3, 0), qRgb(0, 0, 0));    // painted at X = 0
    QCOMPARE(image.pixel(1, 0), qRgb(10, 10, 10)); // painted at X = 1
    QCOMPARE(image.pixel(0, 0), qRgb(10, 10, 10)); // X = 1, Y = 1 hit (0,0)
    QCOMPARE(image.pixel(2, 0), qRgb(30, 30, 30)); // painted at X = 3

    // Columns from 26 on give white.
    QImage wide(30, 1, QImage::Format_RGB32);
    wide.fill(kGreen);
    QList<double> values(2 * 31 * 2, 0.0);
    values[2 * 27 * 2] = 0.5; // first point of X = 27 hits (15, 0)
    design::greyPass(wide, scripted(values));
    QCOMPARE(wide.pixel(15, 0), kWhite);
}

void TestConfigDialog::speckPassFollowsWhiteNeighbours()
{
    QImage image(3, 3, QImage::Format_RGB32);
    image.fill(kBlack);
    image.setPixel(0, 0, kWhite);
    image.setPixel(2, 2, kWhite); // its lower-right neighbour lies outside: draws, paints nothing
    int draws = 0;
    design::speckPass(image, scripted({0.5, 0.5, 0.1, 0.9}, &draws));
    QCOMPARE(draws, 4);
    // a = 0.5 -> 127.5 -> 128 (half to even); b = 0.5 -> 177.5 -> 178.
    QCOMPARE(image.pixel(1, 1), qRgb(128, 0, 178));
    QCOMPARE(image.pixel(2, 2), kWhite);
    for (const QPoint p : {QPoint(1, 0), QPoint(0, 1), QPoint(2, 1), QPoint(1, 2)})
        QCOMPARE(image.pixel(p), kBlack);

    // Blue above 255 counts as 255.
    QImage one(2, 2, QImage::Format_RGB32);
    one.fill(kBlack);
    one.setPixel(0, 0, kWhite);
    design::speckPass(one, scripted({0.0, 0.9}));
    QCOMPARE(one.pixel(1, 1), qRgb(0, 0, 255));
}

void TestConfigDialog::clickingThePictureDrawsAnew()
{
    int draws = 0;
    auto counting = [&draws, source = seeded(3)] {
        ++draws;
        return source();
    };
    auto dialog = makeDialog(counting);
    const QImage first = picture(*dialog);
    QVERIFY(draws > 0);
    QVERIFY(first != designTemplate());
    const int afterLoad = draws;

    auto *pic = dialog->findChild<QLabel *>(QStringLiteral("picRD"));
    dialog->show();
    QTest::mouseClick(pic, Qt::LeftButton);
    QVERIFY(draws > afterLoad);
    QVERIFY(picture(*dialog) != first);

    // Two openings with the clock's generator differ too.
    auto a = std::make_unique<FrmCfg>(*m_store, m_prompts, [] {}, nullptr, clockSeededRandom());
    QTest::qWait(2);
    auto b = std::make_unique<FrmCfg>(*m_store, m_prompts, [] {}, nullptr, clockSeededRandom());
    QVERIFY(picture(*a) != picture(*b));
}

QTEST_MAIN(TestConfigDialog)
#include "tst_config_dialog.moc"
