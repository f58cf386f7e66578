#include "common/SettingsStore.h"
#include "skinset/BatchText.h"
#include "skinset/BuildPlan.h"
#include "skinset/PaletteSet.h"
#include "skinset/SkinCatalogue.h"

#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace brannock;

class TestCatalogue final : public QObject {
    Q_OBJECT

private slots:
    void tableShape();
    void menuOrder_data();
    void menuOrder();
    void groups();
    void paletteReads();
    void quotedText_data();
    void quotedText();
    void paletteWord_data();
    void paletteWord();
    void encodedLine_data();
    void encodedLine();
    void longLineNamesItsDefinitionAsTyped();
};

void TestCatalogue::tableShape()
{
    const QList<SkinItem> &items = SkinCatalogue::items();
    QCOMPARE(items.size(), 31);
    QSet<QString> names, files;
    qsizetype fileCount = 0;
    for (const SkinItem &item : items) {
        names.insert(item.menuItem);
        fileCount += item.files.size();
        for (const QString &f : item.files)
            files.insert(f);
        QVERIFY2(std::any_of(schema::PaletteCategories.begin(), schema::PaletteCategories.end(),
                             [&item](const schema::Setting &category) { return category.key == item.paletteCategory; }),
                 qPrintable(item.menuItem));
    }
    QCOMPARE(names.size(), 31);
    QCOMPARE(fileCount, 41);
    QCOMPARE(files.size(), 41);
    QCOMPARE(items.first().menuItem, QStringLiteral("mnularmor"));
    QCOMPARE(items.last().menuItem, QStringLiteral("mnuSRed"));

    const SkinItem *emblems = SkinCatalogue::find(u"mnuEmblems");
    QVERIFY(emblems);
    QCOMPARE(emblems->files.size(), 11);
    QCOMPARE(emblems->files.indexOf(QStringLiteral("emblem10.bmp")), 9);
    QCOMPARE(emblems->files.last(), QStringLiteral("emblem11.bmp"));
    QVERIFY(!SkinCatalogue::find(u"mnuNothing"));

    // The three equipment items share a sub-menu but not a palette.
    QCOMPARE(SkinCatalogue::find(u"mnuEDish")->paletteCategory, schema::PalSensors);
    QCOMPARE(SkinCatalogue::find(u"mnuEGen")->paletteCategory, schema::PalGenerators);
    QCOMPARE(SkinCatalogue::find(u"mnuESP")->paletteCategory, schema::PalSolarPanels);
}

void TestCatalogue::menuOrder_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("team") << int(SkinGroup::Team)
                          << QStringList{"Light Male", "Light Female", "Medium Male", "Medium Female", "Heavy",
                                         "Flag", "Emblems", "Door"};
    QTest::newRow("flyer") << int(SkinGroup::Flyer)
                           << QStringList{"Scout", "Scout Cockpit", "Scout Thruster", "LPC/HPC", "LPC/HPC Cockpits",
                                          "LPC/HPC Thruster", "LPC/HPC Stand"};
    QTest::newRow("turret") << int(SkinGroup::Turret)
                            << QStringList{"Plasma Turret", "ELF Turret", "Rocket Turret", "Indoor Turret",
                                           "Mortar Turret"};
    QTest::newRow("equipment") << int(SkinGroup::Equipment)
                               << QStringList{"Sensor Dish", "Generator", "Solar Panel"};
    QTest::newRow("station") << int(SkinGroup::Station)
                             << QStringList{"Red Globe/Cmd Bottom", "Various Parts", "Ammo Station Top",
                                            "Command Station Top", "Command Panel: Yellow", "Command Panel: Orange",
                                            "Vehicle Station Panel", "Inv Station Panel"};
}

void TestCatalogue::menuOrder()
{
    QFETCH(int, group);
    QFETCH(QStringList, captions);
    QStringList got;
    for (const SkinItem *item : SkinCatalogue::menuOrder(SkinGroup(group)))
        got << item->caption;
    QCOMPARE(got, captions);
}

void TestCatalogue::groups()
{
    const QList<SkinGroupInfo> &groups = SkinCatalogue::groups();
    QCOMPARE(groups.size(), 5);
    QStringList names;
    for (const SkinGroupInfo &g : groups)
        names << g.menuName + QLatin1Char('|') + g.caption + QLatin1Char('|') + g.separatorName + QLatin1Char('|')
                + g.toggleName + QLatin1Char('|') + g.toggleCaption;
    QCOMPARE(names, (QStringList{"mnuTSkins|&Team Skins|mnuSepT1|mnuTAll|&Toggle Team Skins",
                                 "mnuFSkins|&Flyer Skins|mnuFSep1|mnuFAll|&Toggle Flyer Skins",
                                 "mnuTuSkins|T&urret Skins|mnuTuSep1|mnuTuAll|&Toggle Turret Skins",
                                 "mnuEqSkins|&Equipment Skins|mnuESep1|mnuEAll|&Toggle Equipment Skins",
                                 "mnuSSkins|&Station Skins|mnuSSep1|mnuSAll|&Toggle Station Skins"}));
    QCOMPARE(SkinCatalogue::groupInfo(SkinGroup::Equipment).menuName, QStringLiteral("mnuEqSkins"));
}

void TestCatalogue::paletteReads()
{
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("s.ini")));
    store.WriteSetting(schema::PalDoors, QStringLiteral(" pal9 ")); // taken unchanged
    store.WriteSetting(schema::PalSensors, QString());                // stored empty stays empty
    const PaletteSet set = PaletteSet::read(store);
    QCOMPARE(set.palette(schema::PalArmors), QStringLiteral("pal3"));
    QCOMPARE(set.palette(schema::PalFlags), QStringLiteral("pal3"));
    QCOMPARE(set.palette(schema::PalEmblems), QStringLiteral("pal1"));
    QCOMPARE(set.palette(schema::PalSolarPanels), QStringLiteral("pal2"));
    QCOMPARE(set.palette(schema::PalDoors), QStringLiteral(" pal9 "));
    QCOMPARE(set.palette(schema::PalSensors), QString());
    QCOMPARE(set.palette(schema::GamePath), QString());
}

void TestCatalogue::quotedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("endsPiece");
    QTest::addColumn<QString>("problem");

    QTest::newRow("plain") << "skin 1 (red) & <blue>|x" << true << "";
    QTest::newRow("empty") << "" << true << "";
    QTest::newRow("code page letter") << "grün" << true << "";
    QTest::newRow("quote") << "a\"b" << false << "holds the character \"\"\"";
    QTest::newRow("percent") << "50%" << false << "holds the character \"%\"";
    QTest::newRow("bang") << "hi!" << false << "holds the character \"!\"";
    QTest::newRow("caret") << "a^" << false << "holds the character \"^\"";
    QTest::newRow("star") << "*.bmp" << false << "holds the character \"*\"";
    QTest::newRow("question mark") << "a?" << false << "holds the character \"?\"";
    QTest::newRow("carriage return") << "a\rb" << false << "holds a line break";
    QTest::newRow("line feed") << "a\nb" << false << "holds a line break";
    QTest::newRow("escape") << "a\x1b" << false << "holds the control character 0x1B";
    QTest::newRow("delete") << "a\x7f" << false << "holds the control character 0x7F";
    QTest::newRow("C1 control") << QStringLiteral("a\u0085") << false << "holds the control character 0x85";
    QTest::newRow("trailing backslash ending the piece") << "x\\" << true << "ends in a backslash";
    QTest::newRow("trailing backslash inside") << "D:\\" << false << "";
    QTest::newRow("euro sign") << QStringLiteral("\u20ac") << false
                               << "holds the character \"\u20ac\", which code page 437 cannot hold";
    QTest::newRow("emoji") << QStringLiteral("\U0001F600") << false
                           << "holds the character \"\U0001F600\", which code page 437 cannot hold";
}

void TestCatalogue::quotedText()
{
    QFETCH(QString, text);
    QFETCH(bool, endsPiece);
    QFETCH(QString, problem);
    const auto place = endsPiece ? batch::QuotedPlace::EndOfPiece : batch::QuotedPlace::Inside;
    QCOMPARE(batch::quotedTextProblem(text, *CodePage::byNumber(437), place), problem);
}

void TestCatalogue::paletteWord_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("problem");
    QTest::newRow("pal1") << "pal1" << "";
    QTest::newRow("dots dashes underscores") << "my_pal-2.b" << "";
    QTest::newRow("accented letter") << "palé" << "";
    QTest::newRow("empty") << "" << "is empty";
    QTest::newRow("command") << "pal1 & del *" << "holds a blank";
    QTest::newRow("leading dash") << "-sp" << "starts with the character \"-\"";
    QTest::newRow("leading slash") << "/?" << "starts with the character \"/\"";
    QTest::newRow("ampersand") << "a&b" << "holds the character \"&\"";
    QTest::newRow("pipe") << "a|b" << "holds the character \"|\"";
    QTest::newRow("quote") << "a\"" << "holds the character \"\"\"";
    QTest::newRow("percent") << "%x%" << "holds the character \"%\"";
    QTest::newRow("line feed") << "a\nb" << "holds a line break";
    QTest::newRow("greek letter outside 437") << QStringLiteral("\u03bb") << "holds the character \"\u03bb\", which code page 437 cannot hold";
}

void TestCatalogue::paletteWord()
{
    QFETCH(QString, text);
    QFETCH(QString, problem);
    QCOMPARE(batch::paletteWordProblem(text, *CodePage::byNumber(437)), problem);
}

void TestCatalogue::encodedLine_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("pieces");
    QTest::addColumn<bool>("ok");
    QTest::newRow("compile line") << QByteArray("MakeSkin.exe pal1 \"D:\\\\a.bmp\" \"C:\\b.bmp\"") << 2 << true;
    QTest::newRow("delete line") << QByteArray("del \"C:\\b.bmp\"") << 1 << true;
    QTest::newRow("high bytes") << QByteArray("del \"C:\\gr\x81n\"") << 1 << true;
    QTest::newRow("extra quote") << QByteArray("del \"C:\\b\".bmp\"") << 1 << false;
    QTest::newRow("missing quote") << QByteArray("del \"C:\\b.bmp") << 1 << false;
    QTest::newRow("escaped closing quote") << QByteArray("del \"C:\\b\\\"") << 1 << false;
    QTest::newRow("line feed") << QByteArray("del \"C:\\b\"\ndel x") << 1 << false;
    QTest::newRow("NUL byte") << QByteArray("del \"C:\\b\0\"", 12) << 1 << false;
}

void TestCatalogue::encodedLine()
{
    QFETCH(QByteArray, line);
    QFETCH(int, pieces);
    QFETCH(bool, ok);
    QCOMPARE(batch::encodedLineProblem(line, pieces).isEmpty(), ok);
}

QTEST_GUILESS_MAIN(TestCatalogue)
void TestCatalogue::longLineNamesItsDefinitionAsTyped()
{
    PlanValues v;
    v.workFolder = {QStringLiteral("/skinner"), QStringLiteral("C:\\Skinner")};
    v.sourceFolder = {QStringLiteral("/paint"), QStringLiteral("D:\\Paint")};
    v.saveFolder = QStringLiteral("skin1");
    v.volumeName = QStringLiteral("newvol");
    v.userItems = {{QStringLiteral("pal1"), QString(4200, QLatin1Char('f')), QStringLiteral("a%2b.tsf")}};
    const QString refusal = BuildPlan(v).encode(*CodePage::byNumber(437)).refusal;
    QVERIFY2(refusal.startsWith(QStringLiteral("The skin file name in \"a%2b.tsf\" makes line 1 of Compile.bat ")),
             qPrintable(refusal));
    QVERIFY2(refusal.endsWith(QStringLiteral(" bytes long; the command interpreter reads at most 8191 bytes a line")),
             qPrintable(refusal));
}

#include "tst_catalogue.moc"
