#include "AppError.h"
#include "FakeDosPaths.h"
#include "FakePrompts.h"
#include "FakeScriptRunner.h"
#include "MakeSkinset.h"
#include "SettingsStore.h"
#include "SkinCatalogue.h"
#include "TsfFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace brannock;
using brannock::test::FakeDosPaths;
using brannock::test::FakePrompts;
using brannock::test::FakeScriptRunner;

namespace {

/// A program folder, a paint folder and a game folder in a temporary place, seen by the
/// tools as C:\Skinner, D:\Paint and C:\Games\Kestrow.
struct Bench {
    QTemporaryDir root;
    QString program, paint, game;
    std::unique_ptr<SettingsStore> store;
    FakePrompts boxes;
    FakeDosPaths dos;
    FakeScriptRunner runner;
    QList<bool> enabledCalls;
    BuildInputs in;
    QStringList ticked{QStringLiteral("mnularmor"), QStringLiteral("mnuFlag")};

    Bench()
    {
        program = root.filePath(QStringLiteral("prog"));
        paint = root.filePath(QStringLiteral("paint"));
        game = root.filePath(QStringLiteral("game"));
        QDir().mkpath(program);
        QDir().mkpath(paint);
        QDir().mkpath(game + QStringLiteral("/base/Skins"));
        store = std::make_unique<SettingsStore>(root.filePath(QStringLiteral("settings.ini")));
        store->WriteSetting(schema::GamePath, QStringLiteral("C:\\Games\\Kestrow"));
        dos.mappings = {{program, QStringLiteral("C:\\Skinner")},
                        {paint, QStringLiteral("D:\\Paint")},
                        {game, QStringLiteral("C:\\Games\\Kestrow")}};
        in.saveFilePrefix = QStringLiteral("skin1");
        in.openFilePrefix = QStringLiteral("new1");
        in.volumeName = QStringLiteral("newvol");
        in.sourceFolder = paint;
        in.isTicked = [this](const SkinItem &item) { return ticked.contains(item.menuItem); };
    }

    MakeSkinset::Outcome run(int codePage = 437)
    {
        MakeSkinset make(*store, boxes, dos, runner, program, *CodePage::byNumber(codePage));
        return make.run(in, [this](bool on) { enabledCalls.append(on); });
    }

    QString scriptPath() const { return program + QStringLiteral("/Compile.bat"); }

    QByteArray scriptBytes() const
    {
        QFile file(scriptPath());
        if (!file.open(QIODevice::ReadOnly))
            return QByteArrayLiteral("<no script>");
        return file.readAll();
    }

    QStringList scriptLines() const
    {
        QString text = QString::fromLatin1(scriptBytes());
        if (text.endsWith(QLatin1String("\r\n")))
            text.chop(2);
        return text.isEmpty() ? QStringList() : text.split(QStringLiteral("\r\n"));
    }

    void writeTsf(const QString &name, const QString &palette, const QString &file)
    {
        WriteTSF(program, name, QStringLiteral("Item ") + name, palette, file);
        in.tickedUserEntries.append(QStringLiteral("Item %1 * %1").arg(name));
    }

    bool workFolderExists() const { return QFileInfo(program + QStringLiteral("/New_Wendle")).exists(); }
};

QStringList linesStartingWith(const QStringList &lines, const QString &start)
{
    QStringList result;
    for (const QString &line : lines)
        if (line.startsWith(start))
            result.append(line);
    return result;
}

/// The bare file names of the compile lines of built-in items, in order.
QStringList compiledFiles(const QStringList &lines)
{
    QStringList files;
    for (const QString &line : linesStartingWith(lines, QStringLiteral("MakeSkin.exe "))) {
        const QString target = line.section(QLatin1Char(' '), 3);
        files.append(target.section(QStringLiteral("skin1."), -1).chopped(1));
    }
    return files;
}

} // namespace

class TestMakeSkinset final : public QObject {
    Q_OBJECT

private slots:
    void workedExampleByteForByte();
    void buildOrder_data();
    void buildOrder();
    void paletteCategories_data();
    void paletteCategories();
    void textRules_data();
    void textRules();
    void nothingTicked();
    void options_data();
    void options();
    void gameFolderForms_data();
    void gameFolderForms();
    void switches_data();
    void switches();
    void invalidPathComesBeforeSavePrefix();
    void userItemsLeftOut();
    void emptySkinFileWithoutOpenPrefixLeftOut();
    void refusals_data();
    void refusals();
    void scriptInConsoleCodePage();
    void failures_data();
    void failures();
    void secondBuildReusesFolders();
};

void TestMakeSkinset::workedExampleByteForByte()
{
    Bench b;
    b.store->WriteSetting(schema::OtherUseAVC, QStringLiteral("Yes"));
    b.store->WriteSetting(schema::OtherDelNew, QStringLiteral("Yes"));
    b.writeTsf(QStringLiteral("tag.tsf"), QStringLiteral("pal1"), QStringLiteral("tag.bmp"));

    QCOMPARE(b.run(), MakeSkinset::Outcome::Started);

    const QByteArray expected =
        "MakeSkin.exe pal3 \"D:\\Paint\\new1.larmor.bmp\" \"C:\\Skinner\\New_Wendle\\skin1\\skin1.larmor.bmp\"\r\n"
        "MakeSkin.exe pal3 \"D:\\Paint\\new1.flag.bmp\" \"C:\\Skinner\\New_Wendle\\skin1\\skin1.flag.bmp\"\r\n"
        "MakeSkin.exe pal1 \"D:\\Paint\\new1.tag.bmp\" \"C:\\Skinner\\New_Wendle\\skin1\\skin1.tag.bmp\"\r\n"
        "VT.exe -sp \"C:\\Skinner\\New_Wendle\\skin1\\newvol.vol\" \"C:\\Skinner\\New_Wendle\\skin1\\skin1.larmor.bmp\"\r\n"
        "VT.exe -sp \"C:\\Skinner\\New_Wendle\\skin1\\newvol.vol\" \"C:\\Skinner\\New_Wendle\\skin1\\skin1.flag.bmp\"\r\n"
        "copy \"C:\\Skinner\\New_Wendle\\skin1\\newvol.vol\" \"C:\\Games\\Kestrow\\base\\Skins\\newvol.vol\"\r\n"
        "del \"C:\\Skinner\\New_Wendle\\skin1\\skin1.larmor.bmp\"\r\n"
        "del \"C:\\Skinner\\New_Wendle\\skin1\\skin1.flag.bmp\"\r\n";
    QCOMPARE(b.scriptBytes(), expected);
    QCOMPARE(b.runner.started, QStringList{b.scriptPath()});
    QVERIFY(QFileInfo(b.program + QStringLiteral("/New_Wendle/skin1")).isDir());
    QVERIFY(b.boxes.calls.isEmpty());
    QCOMPARE(b.enabledCalls, (QList<bool>{false, true}));
}

void TestMakeSkinset::buildOrder_data()
{
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<QStringList>("files");

    QStringList emblems;
    for (int n = 1; n <= 11; ++n)
        emblems << QStringLiteral("emblem%1.bmp").arg(n);
    QTest::newRow("emblems, numeric order") << QStringList{QStringLiteral("mnuEmblems")} << emblems;

    QStringList stations;
    for (const SkinItem *item : SkinCatalogue::menuOrder(SkinGroup::Station))
        stations << item->menuItem;
    QTest::newRow("stations, last menu entry first")
        << stations
        << QStringList{"invtpnl1.bmp", "control.bmp", "cmdpnl01.bmp", "cmdpnl02.bmp",
                       "cmdlite01.bmp", "amun01.bmp", "amoncmd.bmp", "amocmd00.bmp"};

    QStringList team;
    for (const SkinItem *item : SkinCatalogue::menuOrder(SkinGroup::Team))
        team << item->menuItem;
    team.removeAll(QStringLiteral("mnuEmblems"));
    QTest::newRow("team armours in build order, not menu order")
        << team
        << QStringList{"larmor.bmp", "marmor.bmp", "harmor.bmp", "lfemale.bmp", "mfemale.bmp",
                       "flag.bmp", "door.bmp"};
}

void TestMakeSkinset::buildOrder()
{
    QFETCH(QStringList, ticked);
    QFETCH(QStringList, files);
    Bench b;
    b.ticked = ticked;
    b.store->WriteSetting(schema::OtherDelNew, QStringLiteral("Yes"));
    QCOMPARE(b.run(), MakeSkinset::Outcome::Started);
    const QStringList lines = b.scriptLines();

    QCOMPARE(compiledFiles(lines), files);
    // The pack and delete passes visit the same files in the same order.
    const QStringList packs = linesStartingWith(lines, QStringLiteral("VT.exe -sp "));
    const QStringList dels = linesStartingWith(lines, QStringLiteral("del "));
    QCOMPARE(packs.size(), files.size());
    QCOMPARE(dels.size(), files.size());
    for (qsizetype i = 0; i < files.size(); ++i) {
        QVERIFY2(packs[i].endsWith(QStringLiteral("\\skin1.") + files[i] + QLatin1Char('"')), qPrintable(packs[i]));
        QVERIFY2(dels[i].endsWith(QStringLiteral("\\skin1.") + files[i] + QLatin1Char('"')), qPrintable(dels[i]));
    }
}

void TestMakeSkinset::paletteCategories_data()
{
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("palette");

    // Without a "Pals" section: pal3 for armours and flags, pal1 for emblems, pal2 else.
    QTest::newRow("default armour") << false << "mnumfemale" << "pal3";
    QTest::newRow("default flag") << false << "mnuFlag" << "pal3";
    QTest::newRow("default door") << false << "mnuDoor" << "pal2";
    QTest::newRow("default emblem") << false << "mnuEmblems" << "pal1";
    QTest::newRow("default flyer") << false << "mnuAStand" << "pal2";
    QTest::newRow("default station") << false << "mnuSRed" << "pal2";
    QTest::newRow("default solar") << false << "mnuESP" << "pal2";
    // Each category reads its own key (stored values are the key names reversed).
    QTest::newRow("armours") << true << "mnuharmor" << "sromra";
    QTest::newRow("flags") << true << "mnuFlag" << "sgalf";
    QTest::newRow("doors") << true << "mnuDoor" << "srood";
    QTest::newRow("emblems") << true << "mnuEmblems" << "smelbme";
    QTest::newRow("flyers") << true << "mnuSCockpit" << "sreylf";
    QTest::newRow("turrets") << true << "mnuTMort" << "sterrut";
    QTest::newRow("stations") << true << "mnuSInv" << "snoitats";
    QTest::newRow("sensor dish") << true << "mnuEDish" << "srosnes";
    QTest::newRow("generator") << true << "mnuEGen" << "srotareneg";
    QTest::newRow("solar panel") << true << "mnuESP" << "slenap_ralos";
}

void TestMakeSkinset::paletteCategories()
{
    QFETCH(bool, stored);
    QFETCH(QString, menuItem);
    QFETCH(QString, palette);
    Bench b;
    if (stored) {
        for (const auto &key : PaletteSet::ReadOrder) {
            QString name = toQString(key.key).toLower().replace(QLatin1Char(' '), QLatin1Char('_'));
            std::reverse(name.begin(), name.end());
            b.store->WriteSetting(key, name);
        }
    }
    b.ticked = {menuItem};
    QCOMPARE(b.run(), MakeSkinset::Outcome::Started);
    const QStringList compiles = linesStartingWith(b.scriptLines(), QStringLiteral("MakeSkin.exe "));
    QVERIFY(!compiles.isEmpty());
    for (const QString &line : compiles)
        QCOMPARE(line.section(QLatin1Char(' '), 1, 1), palette);
}

void TestMakeSkinset::textRules_data()
{
    QTest::addColumn<QString>("openPrefix");
    QTest::addColumn<QString>("volume");
    QTest::addColumn<QString>("sourceDos");
    QTest::addColumn<QString>("compileLine");
    QTest::addColumn<QString>("packLine");

    const QString target = QStringLiteral(" \"C:\\Skinner\\New_Wendle\\skin1\\skin1.larmor.bmp\"");
    const QString vol = QStringLiteral("VT.exe -sp \"C:\\Skinner\\New_Wendle\\skin1\\");
    QTest::newRow("no open prefix") << "" << "newvol" << "D:\\Paint"
                                    << "MakeSkin.exe pal3 \"D:\\Paint\\larmor.bmp\"" + target
                                    << vol + "newvol.vol\"" + target;
    QTest::newRow("volume already .VOL") << "new1" << "x.VOL" << "D:\\Paint"
                                         << "MakeSkin.exe pal3 \"D:\\Paint\\new1.larmor.bmp\"" + target
                                         << vol + "x.VOL\"" + target;
    QTest::newRow("empty volume") << "new1" << "" << "D:\\Paint"
                                  << "MakeSkin.exe pal3 \"D:\\Paint\\new1.larmor.bmp\"" + target
                                  << vol + ".vol\"" + target;
    QTest::newRow("volume almost .vol") << "new1" << "a.vo" << "D:\\Paint"
                                        << "MakeSkin.exe pal3 \"D:\\Paint\\new1.larmor.bmp\"" + target
                                        << vol + "a.vo.vol\"" + target;
    QTest::newRow("source at a drive root") << "" << "newvol" << "D:\\"
                                            << "MakeSkin.exe pal3 \"D:\\\\larmor.bmp\"" + target
                                            << vol + "newvol.vol\"" + target;
}

void TestMakeSkinset::textRules()
{
    QFETCH(QString, openPrefix);
    QFETCH(QString, volume);
    QFETCH(QString, sourceDos);
    QFETCH(QString, compileLine);
    QFETCH(QString, packLine);
    Bench b;
    b.dos.mappings[1].dos = sourceDos;
    b.in.openFilePrefix = openPrefix;
    b.in.volumeName = volume;
    b.ticked = {QStringLiteral("mnularmor")};
    QCOMPARE(b.run(), MakeSkinset::Outcome::Started);
    const QStringList lines = b.scriptLines();
    QCOMPARE(lines.value(0), compileLine);
    QCOMPARE(lines.value(1), packLine);
}

void TestMakeSkinset::nothingTicked()
{
    Bench b;
    b.ticked.clear();
    QCOMPARE(b.run(), MakeSkinset::Outcome::Started);
    QCOMPARE(b.scriptLines(),
             QStringList{"copy \"C:\\Skinner\\New_Wendle\\skin1\\newvol.vol\" \"C:\\Games\\Kestrow\\base\\Skins\\newvol.vol\""});

    Bench noCopy;
    noCopy.ticked.clear();
    noCopy.store->WriteSetting(schema::OtherUseAVC, QStringLiteral("No"));
    QCOMPARE(noCopy.run(), MakeSkinset::Outcome::Started);
    QCOMPARE(noCopy.scriptBytes(), QByteArray()); // empty, and still started
    QCOMPARE(noCopy.runner.started.size(), 1);
}

void TestMakeSkinset::options_data()
{
    QTest::addColumn<QString>("delNew"); // "<missing>" leaves the key out
    QTest::addColumn<QString>("useAvc");
    QTest::addColumn<int>("deleteLines");
    QTest::addColumn<int>("copyLines");

    QTest::newRow("missing keys: copy, no delete") << "<missing>" << "<missing>" << 0 << 1;
    QTest::newRow("both Yes") << "Yes" << "Yes" << 2 << 1;
    QTest::newRow("lower-case yes counts as no") << "yes" << "yes" << 0 << 0;
    QTest::newRow("No and No") << "No" << "No" << 0 << 0;
    QTest::newRow("Yes with a blank") << "Yes " << " Yes" << 0 << 0;
}

void TestMakeSkinset::options()
{
    QFETCH(QString, delNew);
    QFETCH(QString, useAvc);
    QFETCH(int, deleteLines);
    QFETCH(int, copyLines);
    Bench b;
    if (delNew != QLatin1String("<missing>"))
        b.store->WriteSetting(schema::OtherDelNew, delNew);
    if (useAvc != QLatin1String("<missing>"))
        b.store->WriteSetting(schema::OtherUseAVC, useAvc);
    QCOMPARE(b.run(), MakeSkinset::Outcome::Started);
    const QStringList lines = b.scriptLines();
    QCOMPARE(linesStartingWith(lines, QStringLiteral("del ")).size(), deleteLines);
    QCOMPARE(linesStartingWith(lines, QStringLiteral("copy ")).size(), copyLines);
    if (deleteLines == 0)
        QVERIFY(lines.last().startsWith(copyLines ? QStringLiteral("copy ") : QStringLiteral("VT.exe ")));
}

void TestMakeSkinset::gameFolderForms_data()
{
    QTest::addColumn<QString>("stored"); // "<native>" stands for the game folder's native path
    QTest::addColumn<bool>("found");

    QTest::newRow("DOS path") << "C:\\Games\\Kestrow" << true;
    QTest::newRow("DOS path with trailing backslash") << "C:\\Games\\Kestrow\\" << true;
    QTest::newRow("DOS path in other letter case") << "c:\\games\\kestrow" << true;
    QTest::newRow("native path") << "<native>" << true;
    QTest::newRow("no such folder") << "C:\\Games\\Elsewhere" << false;
    QTest::newRow("missing setting") << "<missing>" << false;
}

void TestMakeSkinset::gameFolderForms()
{
    QFETCH(QString, stored);
    QFETCH(bool, found);
#ifdef Q_OS_WIN
    if (stored == QLatin1String("<native>"))
        QSKIP("on Windows the native path is the DOS path");
#endif
    Bench b;
    if (stored == QLatin1String("<missing>")) {
        Bench fresh; // a store without the key
        QFile::remove(fresh.root.filePath(QStringLiteral("settings.ini")));
        fresh.store = std::make_unique<SettingsStore>(fresh.root.filePath(QStringLiteral("other.ini")));
        QCOMPARE(fresh.run(), MakeSkinset::Outcome::Started);
        QCOMPARE(fresh.boxes.titles(), QStringList{"Invalid Data!"});
        QVERIFY(linesStartingWith(fresh.scriptLines(), QStringLiteral("copy ")).isEmpty());
        return;
    }
    b.store->WriteSetting(schema::GamePath, stored == QLatin1String("<native>") ? b.game : stored);
    QCOMPARE(b.run(), MakeSkinset::Outcome::Started);
    const QStringList copies = linesStartingWith(b.scriptLines(), QStringLiteral("copy "));
    if (found) {
        QVERIFY(b.boxes.calls.isEmpty());
        QCOMPARE(copies.size(), 1);
        const QString stem = stored.startsWith(QLatin1Char('c')) ? QStringLiteral("c:\\games\\kestrow")
                                                                 : QStringLiteral("C:\\Games\\Kestrow");
        QVERIFY2(copies[0].endsWith(QStringLiteral(" \"") + stem + "\\base\\Skins\\newvol.vol\""),
                 qPrintable(copies[0]));
    } else {
        QCOMPARE(b.boxes.calls.size(), 1);
        QCOMPARE(b.boxes.calls[0].title, QStringLiteral("Invalid Data!"));
        QCOMPARE(b.boxes.calls[0].text, QStringLiteral("Invalid Path Data.\r\nNot using auto-VOL-copy."));
        QCOMPARE(b.boxes.calls[0].icon, PromptIcon::Exclamation);
        QVERIFY(copies.isEmpty());
    }
}

void TestMakeSkinset::switches_data()
{
    QTest::addColumn<bool>("runScript");
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<bool>("started");
    QTest::addColumn<bool>("folders");

    QTest::newRow("plain") << true << "" << true << true;
    QTest::newRow("/noexec/ writes, does not start") << false << "/noexec/" << false << true;
    QTest::newRow("/noexec/ and /nodirs/: no folder") << false << "/noexec/ /nodirs/" << false << false;
    QTest::newRow("/NODIRS/ in capitals counts") << false << "/noexec/ /NODIRS/" << false << false;
    QTest::newRow("/nodirs/ alone changes nothing") << true << "/nodirs/" << true << true;
}

void TestMakeSkinset::switches()
{
    QFETCH(bool, runScript);
    QFETCH(QString, commandLine);
    QFETCH(bool, started);
    QFETCH(bool, folders);
    Bench b;
    b.in.runScript = runScript;
    b.in.commandLine = commandLine;
    QCOMPARE(b.run(), started ? MakeSkinset::Outcome::Started : MakeSkinset::Outcome::Written);
    QCOMPARE(b.scriptLines().size(), 5); // two compile, two pack, one copy line
    QCOMPARE(b.runner.started.size(), started ? 1 : 0);
    QCOMPARE(b.workFolderExists(), folders);
    QCOMPARE(b.enabledCalls.last(), true);
}

void TestMakeSkinset::invalidPathComesBeforeSavePrefix()
{
    Bench b;
    b.store->WriteSetting(schema::GamePath, QStringLiteral("C:\\Nowhere"));
    b.in.saveFilePrefix.clear();
    QFile old(b.scriptPath());
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old script\r\n");
    old.close();

    QCOMPARE(b.run(), MakeSkinset::Outcome::NoSavePrefix);
    QCOMPARE(b.boxes.titles(), (QStringList{"Invalid Data!", "Error"}));
    QCOMPARE(b.boxes.calls[1].text, QStringLiteral("You need a Save File Prefix."));
    QVERIFY(!QFileInfo::exists(b.scriptPath())); // the old script is gone, none written
    QVERIFY(!b.workFolderExists());
    QVERIFY(b.runner.started.isEmpty());
    QCOMPARE(b.enabledCalls, (QList<bool>{false, true}));
}

void TestMakeSkinset::userItemsLeftOut()
{
    Bench b;
    b.ticked.clear();
    b.writeTsf(QStringLiteral("one.tsf"), QStringLiteral("pal1"), QStringLiteral("one.bmp"));
    b.writeTsf(QStringLiteral("gone.tsf"), QStringLiteral("pal1"), QStringLiteral("gone.bmp"));
    b.writeTsf(QStringLiteral("evil.tsf"), QStringLiteral("pal1 & del *"), QStringLiteral("evil.bmp"));
    b.writeTsf(QStringLiteral("quote.tsf"), QStringLiteral("pal2"), QStringLiteral("a\" & del \"b.bmp"));
    b.writeTsf(QStringLiteral("slash.tsf"), QStringLiteral("pal2"), QStringLiteral("x\\"));
    b.writeTsf(QStringLiteral("pct.tsf"), QStringLiteral("pal2"), QStringLiteral("%TEMP%.bmp"));
    b.writeTsf(QStringLiteral("two.tsf"), QStringLiteral("pal2"), QStringLiteral("two.bmp"));
    b.in.tickedUserEntries.append(QStringLiteral("No star here"));
    QVERIFY(QFile::remove(b.program + QStringLiteral("/gone.tsf")));

    QCOMPARE(b.run(), MakeSkinset::Outcome::Started);
    const QStringList compiles = linesStartingWith(b.scriptLines(), QStringLiteral("MakeSkin.exe "));
    QCOMPARE(compiles,
             (QStringList{
                 "MakeSkin.exe pal1 \"D:\\Paint\\new1.one.bmp\" \"C:\\Skinner\\New_Wendle\\skin1\\skin1.one.bmp\"",
                 "MakeSkin.exe pal2 \"D:\\Paint\\new1.two.bmp\" \"C:\\Skinner\\New_Wendle\\skin1\\skin1.two.bmp\""}));
    // User-created items are compiled only: no pack or delete line.
    QVERIFY(linesStartingWith(b.scriptLines(), QStringLiteral("VT.exe")).isEmpty());
    QVERIFY(b.boxes.calls.isEmpty());
    QCOMPARE(b.runner.started.size(), 1);
}

void TestMakeSkinset::emptySkinFileWithoutOpenPrefixLeftOut()
{
    Bench b;
    b.ticked.clear();
    b.in.openFilePrefix.clear();
    b.writeTsf(QStringLiteral("blank.tsf"), QStringLiteral("pal1"), QString());
    b.writeTsf(QStringLiteral("one.tsf"), QStringLiteral("pal1"), QStringLiteral("one.bmp"));

    QCOMPARE(b.run(), MakeSkinset::Outcome::Started);
    QVERIFY(b.boxes.calls.isEmpty());
    QCOMPARE(linesStartingWith(b.scriptLines(), QStringLiteral("MakeSkin.exe ")),
             QStringList{"MakeSkin.exe pal1 \"D:\\Paint\\one.bmp\" \"C:\\Skinner\\New_Wendle\\skin1\\skin1.one.bmp\""});
}

void TestMakeSkinset::refusals_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");

    const QString tail = QStringLiteral(".\r\nNothing was written or started.");
    QTest::newRow("save prefix with a quote") << "sfp" << "sk\"in" << "The Save File Prefix holds the character \"\"\"" + tail;
    QTest::newRow("save prefix with %") << "sfp" << "%PATH%" << "The Save File Prefix holds the character \"%\"" + tail;
    QTest::newRow("save prefix with a line break") << "sfp" << "a\r\ndel x" << "The Save File Prefix holds a line break" + tail;
    QTest::newRow("save prefix with Ctrl-Z") << "sfp" << "a\x1a" << "The Save File Prefix holds the control character 0x1A" + tail;
    QTest::newRow("save prefix with NUL") << "sfp" << QString(QChar(0)) << "The Save File Prefix holds the control character 0x00" + tail;
    QTest::newRow("open prefix with !") << "ofp" << "!x!" << "The Open File Prefix holds the character \"!\"" + tail;
    QTest::newRow("open prefix with a tab") << "ofp" << "a\tb" << "The Open File Prefix holds the control character 0x09" + tail;
    QTest::newRow("volume with ^") << "vol" << "a^b" << "The New VOL name holds the character \"^\"" + tail;
    QTest::newRow("volume with *") << "vol" << "*" << "The New VOL name holds the character \"*\"" + tail;
    QTest::newRow("volume with ?") << "vol" << "a?.vol" << "The New VOL name holds the character \"?\"" + tail;
    QTest::newRow("character outside the code page")
        << "sfp" << QStringLiteral("skin\u20ac") << "The Save File Prefix holds the character \"\u20ac\", which code page 437 cannot hold" + tail;
    QTest::newRow("source folder with %") << "source" << "D:\\50%" << "The source folder \"D:\\50%\" holds the character \"%\"" + tail;
    QTest::newRow("game folder with !") << "game" << "C:\\Games!" << "The game folder \"C:\\Games!\\base\\Skins\\\" holds the character \"!\"" + tail;
    QTest::newRow("palette with a command") << "pal" << "pal1 & del *" << "The \"Armors\" palette holds a blank" + tail;
    QTest::newRow("palette as an option") << "pal" << "-x" << "The \"Armors\" palette starts with the character \"-\"" + tail;
    QTest::newRow("palette as a switch") << "pal" << "/x" << "The \"Armors\" palette starts with the character \"/\"" + tail;
    QTest::newRow("empty palette") << "pal" << "" << "The \"Armors\" palette is empty" + tail;
    QTest::newRow("palette with a redirection") << "pal" << "p>x" << "The \"Armors\" palette holds the character \">\"" + tail;
}

void TestMakeSkinset::refusals()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, message);
    Bench b;
    if (field == QLatin1String("sfp"))
        b.in.saveFilePrefix = value;
    else if (field == QLatin1String("ofp"))
        b.in.openFilePrefix = value;
    else if (field == QLatin1String("vol"))
        b.in.volumeName = value;
    else if (field == QLatin1String("source"))
        b.dos.mappings[1].dos = value;
    else if (field == QLatin1String("game")) {
        b.dos.mappings[2].dos = value;
        b.store->WriteSetting(schema::GamePath, value);
    } else if (field == QLatin1String("pal"))
        b.store->WriteSetting(schema::PalArmors, value);

    QCOMPARE(b.run(), MakeSkinset::Outcome::Refused);
    QCOMPARE(b.boxes.titles(), QStringList{"Invalid Data!"});
    QCOMPARE(b.boxes.calls[0].text, message);
    QVERIFY(!QFileInfo::exists(b.scriptPath()));
    QVERIFY(!b.workFolderExists());
    QVERIFY(b.runner.started.isEmpty());
    QCOMPARE(b.enabledCalls.last(), true);
}

void TestMakeSkinset::scriptInConsoleCodePage()
{
    // "ü" is 0x81 in the console page 437 but 0xFC in the ANSI page 1252.
    Bench b;
    b.ticked = {QStringLiteral("mnuFlag")};
    b.in.saveFilePrefix = QStringLiteral("grün");
    QCOMPARE(b.run(437), MakeSkinset::Outcome::Started);
    QVERIFY(b.scriptBytes().startsWith("MakeSkin.exe pal3 \"D:\\Paint\\new1.flag.bmp\" "
                                       "\"C:\\Skinner\\New_Wendle\\gr\x81n\\gr\x81n.flag.bmp\"\r\n"));
    QVERIFY(QFileInfo(b.program + QStringLiteral("/New_Wendle/grün")).isDir());

    // A palette that is unused by the ticked items is not looked at.
    Bench unused;
    unused.ticked = {QStringLiteral("mnuFlag")};
    unused.store->WriteSetting(schema::PalStations, QStringLiteral("bad word"));
    QCOMPARE(unused.run(), MakeSkinset::Outcome::Started);
}

void TestMakeSkinset::failures_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("report");
    QTest::addColumn<bool>("scriptWritten");

    QTest::newRow("a file where New_Wendle must be a folder")
        << "file New_Wendle" << "Error 75:\r\nCannot create the folder \"<prog>/New_Wendle\": a file of that name is in the way."
        << false;
    QTest::newRow("save prefix naming a deeper path")
        << "deep prefix" << "Error 53:\r\nCannot create the folder \"<prog>/New_Wendle/a/b\": file or folder not found."
        << false;
    QTest::newRow("old script cannot be deleted")
        << "folder Compile.bat" << "" << false;
    QTest::newRow("script cannot be started")
        << "runner fails" << "Error 423:\r\nCannot start: no wine" << true;
    QTest::newRow("program folder unseen by the tools")
        << "unmapped program" << "Error 76:\r\nThe program folder \"<prog>\" lies on no drive that the game's tools can see."
        << false;
}

void TestMakeSkinset::failures()
{
    QFETCH(QString, fault);
    QFETCH(QString, report);
    QFETCH(bool, scriptWritten);
    Bench b;
    if (fault == QLatin1String("file New_Wendle")) {
        QFile blocker(b.program + QStringLiteral("/New_Wendle"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    } else if (fault == QLatin1String("deep prefix")) {
        b.in.saveFilePrefix = QStringLiteral("a\\b");
    } else if (fault == QLatin1String("folder Compile.bat")) {
        QVERIFY(QDir().mkpath(b.scriptPath() + QStringLiteral("/inside")));
    } else if (fault == QLatin1String("runner fails")) {
        b.runner.failWith = AppError(ErrorNumber::CannotStart, QStringLiteral("Cannot start: no wine"));
    } else if (fault == QLatin1String("unmapped program")) {
        b.dos.mappings.removeFirst();
    }

    QCOMPARE(b.run(), MakeSkinset::Outcome::Failed);
    QCOMPARE(b.boxes.titles(), QStringList{"Make Error!"});
    QCOMPARE(b.boxes.calls[0].icon, PromptIcon::Exclamation);
    if (report.isEmpty())
        QVERIFY(b.boxes.calls[0].text.startsWith(QStringLiteral("Error ")));
    else
        QCOMPARE(b.boxes.calls[0].text, QDir::toNativeSeparators(QString(report).replace(QStringLiteral("<prog>"), b.program)));
    QCOMPARE(QFileInfo(b.scriptPath()).isFile(), scriptWritten);
    QVERIFY(b.runner.started.isEmpty());
    QCOMPARE(b.enabledCalls.last(), true);

    // The script file is closed: the next build deletes and writes it again.
    if (scriptWritten) {
        b.runner.failWith.reset();
        b.boxes.calls.clear();
        QCOMPARE(b.run(), MakeSkinset::Outcome::Started);
    }
}

void TestMakeSkinset::secondBuildReusesFolders()
{
    Bench b;
    QCOMPARE(b.run(), MakeSkinset::Outcome::Started);
    QFile marker(b.program + QStringLiteral("/New_Wendle/skin1/skin1.larmor.bmp"));
    QVERIFY(marker.open(QIODevice::WriteOnly));
    marker.close();
    QCOMPARE(b.run(), MakeSkinset::Outcome::Started);
    QVERIFY(marker.exists()); // the folder was kept, not made anew
    QCOMPARE(b.runner.started.size(), 2);
    QCOMPARE(b.scriptLines().size(), 5);
}

QTEST_GUILESS_MAIN(TestMakeSkinset)
#include "tst_makeskinset.moc"
