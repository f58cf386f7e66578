#include "base/AppError.h"
#include "common/SettingsStore.h"
#include "fakes/FakeDosPaths.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeScriptRunner.h"
#include "fakes/FakeWindowsPrograms.h"
#include "items/TsfFile.h"
#include "skinset/BatchText.h"
#include "skinset/MakeSkinset.h"
#include "skinset/SkinCatalogue.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <memory>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace brannock;
using brannock::test::FakeDosPaths;
using brannock::test::FakePrompts;
using brannock::test::FakeScriptRunner;
using brannock::test::FakeWindowsPrograms;

namespace {

/// A program folder, a paint folder and a game folder in a temporary place, seen by the
/// tools as C:\Skinner, D:\Paint and C:\Games\Kestrow.
struct Bench {
    QTemporaryDir root;
    QString base; ///< the temporary folder, or the one given
    QString program, paint, game;
    std::unique_ptr<SettingsStore> store;
    FakePrompts boxes;
    FakeDosPaths dos;
    FakeScriptRunner runner;
    FakeWindowsPrograms programs;
    QList<bool> enabledCalls;
    BuildInputs in;
    QStringList ticked{QStringLiteral("mnularmor"), QStringLiteral("mnuFlag")};

    explicit Bench(const QString &at = {})
    {
        base = at.isEmpty() ? root.path() : at;
        program = base + QStringLiteral("/prog");
        paint = base + QStringLiteral("/paint");
        game = base + QStringLiteral("/game");
        QDir().mkpath(program);
        QDir().mkpath(paint);
        QDir().mkpath(game + QStringLiteral("/base/Skins"));
        store = std::make_unique<SettingsStore>(base + QStringLiteral("/settings.ini"));
        if (at.isEmpty()) // a given folder holds its settings already
            store->WriteSetting(schema::GamePath, QStringLiteral("C:\\Games\\Kestrow"));
        dos.mappings = {{program, QStringLiteral("C:\\Skinner")},
                        {paint, QStringLiteral("D:\\Paint")},
                        {game, QStringLiteral("C:\\Games\\Kestrow")}};
        in.saveFilePrefix = QStringLiteral("skin1");
        in.openFilePrefix = QStringLiteral("new1");
        in.volumeName = QStringLiteral("newvol");
        in.sourceFolder = paint;
        in.isTicked = [this](const SkinItem &item) { return ticked.contains(item.menuItem); };
        in.workingFolder = root.filePath(QStringLiteral("start"));
    }

    QStringList leftOut; ///< of the last run
    bool paintTicked = true; ///< run() paints each ticked bitmap that is not there yet

    /// Writes `bytes` as the file `name` in the source folder (not when that folder is gone).
    bool paintFile(const QString &name, const QByteArray &bytes = "BM painted")
    {
        const QString folder = in.sourceFolder;
        const QString path =
            QDir::cleanPath(folder + QLatin1Char('/') + QString(name).replace(QLatin1Char('\\'), QLatin1Char('/')));
        if (!path.startsWith(folder + QLatin1Char('/')) || !QFileInfo(path).absoluteDir().exists())
            return false;
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    /// The painted bitmaps of every ticked built-in and user-created item.
    void paintTickedBitmaps()
    {
        QStringList files;
        for (const SkinItem &item : SkinCatalogue::items())
            if (ticked.contains(item.menuItem))
                files += item.files;
        for (const QString &entry : std::as_const(in.tickedUserEntries)) {
            try {
                const QString path = program + QLatin1Char('/') + MakeSkinset::definitionFileOf(entry);
                files += tsf::skinFileOf(tsf::readFirstLine(path), path);
            } catch (const AppError &) {
            }
        }
        const QString prefix = in.openFilePrefix.isEmpty() ? QString() : in.openFilePrefix + QLatin1Char('.');
        for (const QString &file : std::as_const(files))
            if (!QFileInfo::exists(in.sourceFolder + QLatin1Char('/') + prefix + file))
                paintFile(prefix + file);
    }

    MakeSkinset::Outcome run(int codePage = 437)
    {
        if (paintTicked)
            paintTickedBitmaps();
        MakeSkinset make(*store, boxes, dos, runner, programs, program, *CodePage::byNumber(codePage));
        const MakeSkinset::Result result = make.run(in, [this](bool on) { enabledCalls.append(on); });
        leftOut = result.leftOut;
        return result.outcome;
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

    /// Sets one input: a box ("save", "open", "volume"), the DOS path of a folder ("source",
    /// "game"), the stored "Armors" palette ("palette") or the bytes of one ticked user-created
    /// item's .tsf file ("tsf"). False for another name.
    bool setField(const QString &field, const QByteArray &value)
    {
        const QString text = QString::fromUtf8(value);
        if (field == QLatin1String("save"))
            in.saveFilePrefix = text;
        else if (field == QLatin1String("open"))
            in.openFilePrefix = text;
        else if (field == QLatin1String("volume"))
            in.volumeName = text;
        else if (field == QLatin1String("source"))
            dos.mappings[1].dos = text;
        else if (field == QLatin1String("game")) {
            dos.mappings[2].dos = text;
            store->WriteSetting(schema::GamePath, text);
        } else if (field == QLatin1String("palette")) {
            if (text.size() <= schema::MaxValueLength) {
                store->WriteSetting(schema::PalArmors, text);
            } else {
                // Longer than the store writes: only a hand-edited file holds it.
                QSettings file(store->location(), QSettings::IniFormat);
                file.setValue(QStringLiteral("Pals/Armors"), text);
                file.sync();
            }
        }
        else if (field == QLatin1String("tsf")) {
            QFile tsf(program + QStringLiteral("/hostile.tsf"));
            if (!tsf.open(QIODevice::WriteOnly) || tsf.write(value) != value.size())
                return false;
            in.tickedUserEntries = {QStringLiteral("Hostile * hostile.tsf")};
        } else
            return false;
        return true;
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
    void linuxFolderNamesTheToolsReadOtherwise_data();
    void linuxFolderNamesTheToolsReadOtherwise();
    void lineLimit_data();
    void lineLimit();
    void scriptInConsoleCodePage();
    void failures_data();
    void failures();
    void scriptIsWholeOrAbsentOnAFullDisk();
    void hostileCorpus_data();
    void hostileCorpus();
    void secondBuildReusesFolders();
    void paintedBitmapsNeverWritten_data();
    void paintedBitmapsNeverWritten();
    void missingBitmaps_data();
    void missingBitmaps();
    void toolsCheckedBeforeAnythingIsWritten_data();
    void toolsCheckedBeforeAnythingIsWritten();
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
    // What runs is the watched copy: every line of Compile.bat as written, in order.
    QCOMPARE(b.runner.started, QStringList{b.program + QStringLiteral("/Compile.watched.bat")});
    QFile watched(b.runner.started[0]);
    QVERIFY(watched.open(QIODevice::ReadOnly));
    QByteArrayList own;
    for (const QByteArray &line : watched.readAll().split('\n'))
        if (!line.startsWith('@') && !line.isEmpty())
            own.append(line + '\n');
    QCOMPARE(own.join(), expected);
    QCOMPARE(b.runner.workingFolders, QStringList{b.in.workingFolder});
    MakeSkinset make(*b.store, b.boxes, b.dos, b.runner, b.programs, b.program, *CodePage::byNumber(437));
    QVERIFY(!make.takeStarted().run); // a build that did not start hands over nothing
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
        for (const schema::Setting &category : schema::PaletteCategories) {
            QString name = toQString(category.key.key).toLower().replace(QLatin1Char(' '), QLatin1Char('_'));
            std::reverse(name.begin(), name.end());
            b.store->WriteSetting(category, name);
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
    Bench b;
    if (stored == QLatin1String("<native>") && QDir::isAbsolutePath(b.game) && b.game.at(1) == QLatin1Char(':'))
        QSKIP("here the native path is itself a DOS path, written as stored");
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
    QTest::addColumn<bool>("makeFolders");
    QTest::addColumn<bool>("started");
    QTest::addColumn<bool>("folders");

    QTest::newRow("plain") << true << true << true << true;
    QTest::newRow("/noexec/ writes, does not start") << false << true << false << true;
    QTest::newRow("/noexec/ and /nodirs/: no folder") << false << false << false << false;
    QTest::newRow("/nodirs/ alone changes nothing") << true << false << true << true;
}

void TestMakeSkinset::switches()
{
    QFETCH(bool, runScript);
    QFETCH(bool, makeFolders);
    QFETCH(bool, started);
    QFETCH(bool, folders);
    Bench b;
    b.in.runScript = runScript;
    b.in.makeFolders = makeFolders;
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
    b.writeTsf(QStringLiteral("up.tsf"), QStringLiteral("pal2"), QStringLiteral("..\\..\\up.bmp"));
    b.writeTsf(QStringLiteral("dev.tsf"), QStringLiteral("pal2"), QStringLiteral("COM1.bmp"));
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
    QCOMPARE(b.runner.started.size(), 1);

    // Every item left out is named with its reason; the run's window shows them, so no box.
    const QStringList reasons{"\"Item gone.tsf * gone.tsf\": Cannot open ",
                              "\"Item evil.tsf * evil.tsf\": The palette \"pal1 & del \" in ",
                              "\"Item quote.tsf * quote.tsf\": The skin file name ",
                              "\"Item slash.tsf * slash.tsf\": The skin file name ",
                              "\"Item pct.tsf * pct.tsf\": The skin file name ",
                              "\"Item up.tsf * up.tsf\": The skin file name \"..\\..\\up.bmp\" in ",
                              "\"Item dev.tsf * dev.tsf\": The skin file name \"COM1.bmp\" in ",
                              "\"No star here\": it names no definition file."};
    QCOMPARE(b.leftOut.size(), reasons.size());
    for (qsizetype i = 0; i < reasons.size(); ++i)
        QVERIFY2(b.leftOut[i].startsWith(reasons[i]), qPrintable(b.leftOut[i]));
    QVERIFY(b.boxes.calls.isEmpty());

    // When nothing runs, one box names them.
    b.in.runScript = false;
    QCOMPARE(b.run(), MakeSkinset::Outcome::Written);
    QCOMPARE(b.boxes.titles(), QStringList{"Invalid Data!"});
    QCOMPARE(b.boxes.calls[0].text,
             QStringLiteral("These ticked items were left out of the build:\r\n") + b.leftOut.join(QStringLiteral("\r\n")));
}

void TestMakeSkinset::emptySkinFileWithoutOpenPrefixLeftOut()
{
    Bench b;
    b.ticked.clear();
    b.in.openFilePrefix.clear();
    b.writeTsf(QStringLiteral("blank.tsf"), QStringLiteral("pal1"), QString());
    b.writeTsf(QStringLiteral("one.tsf"), QStringLiteral("pal1"), QStringLiteral("one.bmp"));
    b.in.runScript = false; // nothing runs: the box alone tells what was left out

    QCOMPARE(b.run(), MakeSkinset::Outcome::Written);
    QCOMPARE(b.leftOut, QStringList{"\"Item blank.tsf * blank.tsf\": its skin file name is empty and no Open "
                                    "File Prefix is given."});
    QCOMPARE(b.boxes.titles(), QStringList{"Invalid Data!"});
    QCOMPARE(linesStartingWith(b.scriptLines(), QStringLiteral("MakeSkin.exe ")),
             QStringList{"MakeSkin.exe pal1 \"D:\\Paint\\one.bmp\" \"C:\\Skinner\\New_Wendle\\skin1\\skin1.one.bmp\""});
}

void TestMakeSkinset::refusals_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");

    const QString tail = QStringLiteral(".\r\nNothing was written or started.");
    QTest::newRow("save prefix with a quote") << "save" << "sk\"in" << "The Save File Prefix holds the character \"\"\"" + tail;
    QTest::newRow("save prefix with %") << "save" << "%PATH%" << "The Save File Prefix holds the character \"%\"" + tail;
    QTest::newRow("save prefix with a line break") << "save" << "a\r\ndel x" << "The Save File Prefix holds a line break" + tail;
    QTest::newRow("save prefix with Ctrl-Z") << "save" << "a\x1a" << "The Save File Prefix holds the control character 0x1A" + tail;
    QTest::newRow("save prefix with NUL") << "save" << QString(QChar(0)) << "The Save File Prefix holds the control character 0x00" + tail;
    QTest::newRow("open prefix with !") << "open" << "!x!" << "The Open File Prefix holds the character \"!\"" + tail;
    QTest::newRow("open prefix with a tab") << "open" << "a\tb" << "The Open File Prefix holds the control character 0x09" + tail;
    QTest::newRow("volume with ^") << "volume" << "a^b" << "The New VOL name holds the character \"^\"" + tail;
    QTest::newRow("volume with *") << "volume" << "*" << "The New VOL name holds the character \"*\"" + tail;
    QTest::newRow("volume with ?") << "volume" << "a?.vol" << "The New VOL name holds the character \"?\"" + tail;
    QTest::newRow("character outside the code page")
        << "save" << QStringLiteral("skin\u20ac") << "The Save File Prefix holds the character \"\u20ac\", which code page 437 cannot hold" + tail;
    QTest::newRow("source folder with %") << "source" << "D:\\50%" << "The source folder \"D:\\50%\" holds the character \"%\"" + tail;
    QTest::newRow("game folder with !") << "game" << "C:\\Games!" << "The game folder \"C:\\Games!\\base\\Skins\\\" holds the character \"!\"" + tail;
    QTest::newRow("palette with a command") << "palette" << "pal1 & del *" << "The \"Armors\" palette holds a blank" + tail;
    QTest::newRow("palette as an option") << "palette" << "-x" << "The \"Armors\" palette starts with the character \"-\"" + tail;
    QTest::newRow("palette as a switch") << "palette" << "/x" << "The \"Armors\" palette starts with the character \"/\"" + tail;
    QTest::newRow("empty palette") << "palette" << "" << "The \"Armors\" palette is empty" + tail;
    QTest::newRow("palette with a redirection") << "palette" << "p>x" << "The \"Armors\" palette holds the character \">\"" + tail;

    // The save prefix names a folder in New_Wendle and the volume a file in it: single names.
    const QString single = QStringLiteral("; a single name leaves out \\ / : * ? \" < > and |");
    QTest::newRow("save prefix leading out of New_Wendle")
        << "save" << "..\\..\\..\\escaped" << "The Save File Prefix holds the character \"\\\"" + single + tail;
    QTest::newRow("save prefix naming a deeper path")
        << "save" << "a/b" << "The Save File Prefix holds the character \"/\"" + single + tail;
    QTest::newRow("save prefix of dots") << "save" << ".." << "The Save File Prefix is made of dots only, which names a folder, not a file" + tail;
    QTest::newRow("volume leading out of New_Wendle")
        << "volume" << "..\\..\\..\\..\\escvol" << "The New VOL name holds the character \"\\\"" + single + tail;
    QTest::newRow("volume that is a device") << "volume" << "con" << "The New VOL name is a device name" + tail;
    QTest::newRow("volume with a colon") << "volume" << "c:x" << "The New VOL name holds the character \":\"" + single + tail;

    // A line past what the interpreter reads as one line would run its rest as a command.
    const QString limit = QStringLiteral(" bytes long; the command interpreter reads at most 8191 bytes a line");
    QTest::newRow("open prefix past the line limit")
        << "open" << QString(8300, QLatin1Char('A')) + "&echo pwned>pwned&"
        << "The Open File Prefix makes line 1 of Compile.bat 8407" + limit + tail;
    QTest::newRow("palette past the line limit")
        << "palette" << QString(8180, QLatin1Char('p')) + "del"
        << "The \"Armors\" palette makes line 1 of Compile.bat 8272" + limit + tail;
    QTest::newRow("save prefix past the line limit, in a pack line")
        << "save" << QString(2703, QLatin1Char('s'))
        << "The Save File Prefix makes line 3 of Compile.bat 8194" + limit + tail;
}

void TestMakeSkinset::linuxFolderNamesTheToolsReadOtherwise_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("named");
    QTest::addColumn<QString>("why");
    QTest::newRow("a name ending in a backslash") << "paint\\" << "paint\\" << "holds \"\\\"";
    QTest::newRow("a name that leads elsewhere") << "a\\..\\..\\elsewhere" << "a\\..\\..\\elsewhere" << "holds \"\\\"";
    QTest::newRow("a name ending in a dot") << "paint." << "paint." << "ends in a dot or a blank";
}

void TestMakeSkinset::linuxFolderNamesTheToolsReadOtherwise()
{
    QFETCH(QString, folder);
    QFETCH(QString, named);
    QFETCH(QString, why);
    if (QDir::separator() != QLatin1Char('/'))
        QSKIP("such folder names exist only where \"\\\" and a trailing dot are plain characters");
    Bench b;
    const QString source = b.root.filePath(folder);
    QVERIFY(QDir().mkpath(source));
    b.in.sourceFolder = source;
    b.dos.mappings[1].native = source;
    const auto outcome = b.run();
    QCOMPARE(outcome, MakeSkinset::Outcome::Failed);
    QCOMPARE(b.boxes.titles(), QStringList{"Make Error!"});
    const QString text = b.boxes.calls[0].text;
    QVERIFY2(text.contains(QStringLiteral("its folder name \"%1\" %2").arg(named, why)), qPrintable(text));
    QVERIFY(!QFileInfo::exists(b.scriptPath()));
    QVERIFY(b.runner.started.isEmpty());
}

void TestMakeSkinset::refusals()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, message);
    Bench b;
    QVERIFY(b.setField(field, value.toUtf8()));
    const auto outcome = b.run();
    QCOMPARE(b.boxes.calls.value(0).text, message);
    QCOMPARE(outcome, MakeSkinset::Outcome::Refused);
    QCOMPARE(b.boxes.titles(), QStringList{"Invalid Data!"});
    QVERIFY(!QFileInfo::exists(b.scriptPath()));
    QVERIFY(!b.workFolderExists());
    QVERIFY(b.runner.started.isEmpty());
    QCOMPARE(b.enabledCalls.last(), true);
}

void TestMakeSkinset::lineLimit_data()
{
    QTest::addColumn<int>("extraLength");
    QTest::addColumn<bool>("written");
    // Line 1 is 93 bytes with its CR LF; the source folder's DOS path grows by the extra
    // characters (painted bitmaps cannot have names that long, so the folder makes it long).
    QTest::newRow("8191 bytes: read whole") << 8098 << true;
    QTest::newRow("8192 bytes: refused") << 8099 << false;
}

void TestMakeSkinset::lineLimit()
{
    QFETCH(int, extraLength);
    QFETCH(bool, written);
    Bench b;
    b.dos.mappings[1].dos += QString(extraLength, QLatin1Char('o'));
    QCOMPARE(b.run(), written ? MakeSkinset::Outcome::Started : MakeSkinset::Outcome::Refused);
    if (written)
        QCOMPARE(b.scriptBytes().indexOf("\r\n") + 2, 8191);
    else
        QVERIFY(!QFileInfo::exists(b.scriptPath()));
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

    // A multi-byte console page: only plain ASCII is written, anything else is refused
    // with the page named, never written in another page.
    Bench cjk;
    cjk.in.saveFilePrefix = QStringLiteral("grün");
    QCOMPARE(cjk.run(932), MakeSkinset::Outcome::Refused);
    QCOMPARE(cjk.boxes.calls.value(0).text,
             QStringLiteral("The Save File Prefix holds the character \"ü\"; in the console's code page 932 only plain "
                            "ASCII text can be written.\r\nNothing was written or started."));
    Bench utf8;
    QCOMPARE(utf8.run(65001), MakeSkinset::Outcome::Started);

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
        << "file New_Wendle" << "Error 75:\r\nCannot create the folder \"<prog/New_Wendle>\": a file of that name is in the way."
        << false;
    QTest::newRow("source folder gone")
        << "source gone" << "Error 76:\r\nThe source folder \"<paint>\" does not exist." << false;
    QTest::newRow("source folder Windows cannot open")
        << "source <" << "Error 75:\r\nThe source folder \"D:\\Pa<int\" cannot be opened by the game's tools: Windows "
                         "does not allow the character \"<\" in a name." << false;
    QTest::newRow("program folder Windows cannot open")
        << "program |" << "Error 75:\r\nThe program folder \"C:\\Ski|ner\" cannot be opened by the game's tools: "
                          "Windows does not allow the character \"|\" in a name." << false;
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
    } else if (fault == QLatin1String("source gone")) {
        QVERIFY(QDir(b.paint).removeRecursively());
    } else if (fault == QLatin1String("source <")) {
        b.dos.mappings[1].dos = QStringLiteral("D:\\Pa<int");
    } else if (fault == QLatin1String("program |")) {
        b.dos.mappings[0].dos = QStringLiteral("C:\\Ski|ner");
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
        QCOMPARE(b.boxes.calls[0].text, QString(report)
                                            .replace(QStringLiteral("<prog>"), QDir::toNativeSeparators(b.program))
                                            .replace(QStringLiteral("<prog/New_Wendle>"),
                                                     QDir::toNativeSeparators(b.program + QStringLiteral("/New_Wendle")))
                                            .replace(QStringLiteral("<paint>"), QDir::toNativeSeparators(b.paint)));
    // Every failure but the start comes before anything is written.
    QCOMPARE(QFileInfo(b.program + QStringLiteral("/New_Wendle")).isDir(), fault == QLatin1String("runner fails"));
    QCOMPARE(QFileInfo(b.scriptPath()).isFile(), scriptWritten);
    QVERIFY(!QFileInfo::exists(b.program + QStringLiteral("/Compile.watched.bat"))); // no copy left behind
    QVERIFY(b.runner.started.isEmpty());
    QCOMPARE(b.enabledCalls.last(), true);

    // The script file is closed: the next build deletes and writes it again.
    if (scriptWritten) {
        b.runner.failWith.reset();
        b.boxes.calls.clear();
        QCOMPARE(b.run(), MakeSkinset::Outcome::Started);
    }
}

void TestMakeSkinset::scriptIsWholeOrAbsentOnAFullDisk()
{
#ifdef Q_OS_UNIX
    // A full disk, even for root: the child (this program, building in `b`'s folders) may
    // not grow any file past 0 blocks.
    Bench b;
    b.store->WriteSetting(schema::OtherDelNew, QStringLiteral("Yes"));
    b.paintTickedBitmaps(); // the child cannot write them
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("BRANNOCK_TEST_BUILD_IN"), b.base);
    child.setProcessEnvironment(env);
    child.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("ulimit -f 0; trap '' XFSZ; exec \"$0\""),
                                            QCoreApplication::applicationFilePath()});
    QVERIFY(child.waitForFinished(30000));
    const QString boxes = QString::fromLocal8Bit(child.readAllStandardError());
    QCOMPARE(child.exitCode(), int(MakeSkinset::Outcome::Failed));
    QVERIFY2(boxes.startsWith(QStringLiteral("Make Error!|Error 61:\r\nCannot write \"")), qPrintable(boxes));
    QCOMPARE(QDir(b.program).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("New_Wendle")}); // no script, no temporary file
#else
    QSKIP("needs a POSIX shell for the file-size limit");
#endif
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

void TestMakeSkinset::paintedBitmapsNeverWritten_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("openPrefix");
    QTest::addColumn<QString>("problem"); ///< empty: the build runs
    const QString painted = QStringLiteral("The painted bitmap \"<source>/");
    QTest::newRow("source folder is the save folder")
        << "source in work" << "skin1"
        << painted + "skin1.larmor.bmp\" would be overwritten by its compiled copy and would be deleted.\r\n"
           + painted + "skin1.flag.bmp\" would be overwritten by its compiled copy and would be deleted";
    QTest::newRow("same names in another letter case")
        << "source in work" << "SKIN1"
        << painted + "SKIN1.larmor.bmp\" would be overwritten by its compiled copy and would be deleted.\r\n"
           + painted + "SKIN1.flag.bmp\" would be overwritten by its compiled copy and would be deleted";
    QTest::newRow("source folder links into the work folder")
        << "source links to work" << "skin1"
        << painted + "skin1.larmor.bmp\" would be overwritten by its compiled copy and would be deleted.\r\n"
           + painted + "skin1.flag.bmp\" would be overwritten by its compiled copy and would be deleted";
    QTest::newRow("save folder links to the source folder")
        << "work links to source" << "skin1"
        << painted + "skin1.larmor.bmp\" would be overwritten by its compiled copy and would be deleted.\r\n"
           + painted + "skin1.flag.bmp\" would be overwritten by its compiled copy and would be deleted";
    QTest::newRow("a user item named like the volume")
        << "source in work, vol item" << "newvol" << painted + "newvol.vol\" would be overwritten by the volume";
    QTest::newRow("a user item named like the volume in the game")
        << "source in game, vol item" << "newvol"
        << painted + "newvol.vol\" would be overwritten by the copy of the volume into the game";
#ifdef Q_OS_UNIX
    QTest::newRow("a hard link of a painted bitmap")
        << "hard link" << "new1"
        << painted + "new1.larmor.bmp\" would be overwritten by the compiled copy of \"<source>/new1.flag.bmp\"";
#endif
    QTest::newRow("inside the work folder, other prefixes") << "source in work" << "skin2" << "";
}

void TestMakeSkinset::paintedBitmapsNeverWritten()
{
    QFETCH(QString, setup);
    QFETCH(QString, openPrefix);
    QFETCH(QString, problem);
    Bench b;
    b.store->WriteSetting(schema::OtherDelNew, QStringLiteral("Yes"));
    const QString save = b.program + QStringLiteral("/New_Wendle/skin1");
    QString source = save;
#ifndef Q_OS_UNIX
    if (setup.contains(QLatin1String("links")))
        QSKIP("symbolic links as Linux has them (QFile::link makes shortcuts here)");
#endif
    if (setup == QLatin1String("source links to work")) {
        QVERIFY(QDir().mkpath(save));
        source = b.base + QStringLiteral("/link");
        QVERIFY(QFile::link(save, source));
        b.dos.mappings.append({source, QStringLiteral("E:\\Link")});
    } else if (setup == QLatin1String("work links to source")) {
        QVERIFY(QDir().mkpath(b.program + QStringLiteral("/New_Wendle")));
        QVERIFY(QFile::link(b.paint, save));
        source = b.paint;
    } else if (setup.startsWith(QLatin1String("source in game"))) {
        source = b.game + QStringLiteral("/base/Skins");
    } else if (setup == QLatin1String("hard link")) {
        source = b.paint;
    }
    QVERIFY(QDir().mkpath(source));
    b.in.sourceFolder = source;
    b.in.openFilePrefix = openPrefix;
    if (setup.endsWith(QLatin1String("vol item"))) {
        b.ticked.clear();
        b.writeTsf(QStringLiteral("vol.tsf"), QStringLiteral("pal1"), QStringLiteral("vol"));
    }
    b.paintTickedBitmaps();
#ifdef Q_OS_UNIX
    if (setup == QLatin1String("hard link")) {
        // The flag's compiled copy is another name of the painted armour.
        QVERIFY(QDir().mkpath(save));
        QVERIFY(::link(QFile::encodeName(b.paint + QStringLiteral("/new1.larmor.bmp")).constData(),
                       QFile::encodeName(save + QStringLiteral("/skin1.flag.bmp")).constData()) == 0);
    }
#endif
    QDir paintFolder(source);
    const QStringList before = paintFolder.entryList(QDir::Files);

    const MakeSkinset::Outcome outcome = b.run();
    if (problem.isEmpty()) {
        QCOMPARE(outcome, MakeSkinset::Outcome::Started);
        return;
    }
    QCOMPARE(outcome, MakeSkinset::Outcome::Refused);
    QCOMPARE(b.boxes.titles(), QStringList{"Invalid Data!"});
    // The bitmaps are named by the folder the tools see, its links resolved.
    QCOMPARE(b.boxes.calls[0].text,
             QDir::toNativeSeparators(QString(problem).replace(QStringLiteral("<source>"), QFileInfo(source).canonicalFilePath()))
                 + QStringLiteral(".\r\nNothing was written or started."));
    QVERIFY(!QFileInfo::exists(b.scriptPath()));
    QVERIFY(b.runner.started.isEmpty());
    QCOMPARE(paintFolder.entryList(QDir::Files), before);
}

void TestMakeSkinset::missingBitmaps_data()
{
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<QStringList>("paint"); ///< "name" a bitmap, "name:text", "name:empty", "name:folder", "name:pipe"
    QTest::addColumn<PromptAnswer>("answer");
    QTest::addColumn<QStringList>("named"); ///< the bitmaps and why, as the box and the Compile window name them
    QTest::addColumn<QStringList>("compiled"); ///< empty: nothing written

    const QStringList both{QStringLiteral("mnularmor"), QStringLiteral("mnuFlag")};
    QTest::newRow("one of two missing, build the rest")
        << both << QStringList{"new1.flag.bmp"} << PromptAnswer::Yes << QStringList{"\"new1.larmor.bmp\": not found"}
        << QStringList{"flag.bmp"};
    QTest::newRow("one of two missing, stop")
        << both << QStringList{"new1.flag.bmp"} << PromptAnswer::No << QStringList{"\"new1.larmor.bmp\": not found"}
        << QStringList{};
    QTest::newRow("every ticked bitmap missing")
        << both << QStringList{"new1.larmor.bmp:text"} << PromptAnswer::Yes
        << QStringList{"\"new1.larmor.bmp\": not a Windows bitmap", "\"new1.flag.bmp\": not found"} << QStringList{};
    QTest::newRow("each reason")
        << QStringList{"mnularmor", "mnuFlag", "mnuDoor", "mnuharmor", "mnumarmor"}
        << QStringList{"new1.larmor.bmp:empty", "new1.flag.bmp:folder", "new1.door.bmp:pipe", "new1.harmor.bmp"}
        << PromptAnswer::Yes
        << QStringList{"\"new1.larmor.bmp\": not a Windows bitmap", "\"new1.marmor.bmp\": not found",
                       "\"new1.flag.bmp\": is not a file", "\"new1.door.bmp\": is not a file"}
        << QStringList{"harmor.bmp"};
    QStringList emblems;
    QStringList painted;
    for (int n = 1; n <= 11; ++n) {
        if (n != 7)
            painted << QStringLiteral("new1.emblem%1.bmp").arg(n);
        if (n != 7)
            emblems << QStringLiteral("emblem%1.bmp").arg(n);
    }
    QTest::newRow("one emblem of eleven missing")
        << QStringList{"mnuEmblems"} << painted << PromptAnswer::Yes << QStringList{"\"new1.emblem7.bmp\": not found"}
        << emblems;
    QTest::newRow("found in another letter case, as Wine finds it")
        << both << QStringList{"NEW1.Larmor.BMP", "new1.flag.bmp"} << PromptAnswer::No << QStringList{}
        << QStringList{"larmor.bmp", "flag.bmp"};
}

void TestMakeSkinset::missingBitmaps()
{
    QFETCH(QStringList, ticked);
    QFETCH(QStringList, paint);
    QFETCH(PromptAnswer, answer);
    QFETCH(QStringList, named);
    QFETCH(QStringList, compiled);
    Bench b;
    b.store->WriteSetting(schema::OtherDelNew, QStringLiteral("Yes"));
    b.paintTicked = false;
    b.ticked = ticked;
    for (const QString &entry : paint) {
        const QString name = entry.section(QLatin1Char(':'), 0, 0);
        const QString kind = entry.section(QLatin1Char(':'), 1);
        const QString path = b.paint + QLatin1Char('/') + name;
        if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else if (kind == QLatin1String("pipe")) {
#ifdef Q_OS_UNIX
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0); // opening it would block
#else
            QVERIFY(QDir().mkpath(path));
#endif
        } else {
            QVERIFY(b.paintFile(name, kind == QLatin1String("text") ? "PK not a picture"
                                          : kind == QLatin1String("empty") ? "" : "BM painted"));
        }
    }
    b.boxes.answers = {answer};

    const MakeSkinset::Outcome outcome = b.run();
    const QString list = QStringLiteral("\r\n") + named.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    const QString folder = QDir::toNativeSeparators(b.paint);
    const bool noneThere = compiled.isEmpty() && answer == PromptAnswer::Yes;
    if (named.isEmpty()) {
        QVERIFY(b.boxes.calls.isEmpty());
    } else if (noneThere) {
        QCOMPARE(b.boxes.titles(), QStringList{"Invalid Data!"});
        QCOMPARE(b.boxes.calls[0].text, "None of the ticked bitmaps in \"" + folder + "\" can be compiled:" + list
                                            + "Nothing was written or started.");
    } else {
        QCOMPARE(b.boxes.titles(), QStringList{"Missing Bitmaps"});
        QCOMPARE(b.boxes.calls[0].text, "These ticked bitmaps in \"" + folder + "\" cannot be compiled:" + list
                                            + "\r\nBuild the rest?");
        QCOMPARE(b.boxes.calls[0].buttons, PromptButtons::YesNo);
        QCOMPARE(b.boxes.calls[0].icon, PromptIcon::Question);
    }
    if (compiled.isEmpty()) {
        QCOMPARE(outcome, MakeSkinset::Outcome::Refused);
        QVERIFY(!QFileInfo::exists(b.scriptPath()));
        QVERIFY(!b.workFolderExists());
        QVERIFY(b.leftOut.isEmpty());
        return;
    }
    QCOMPARE(outcome, MakeSkinset::Outcome::Started);
    QCOMPARE(b.leftOut, named);
    // Only the bitmaps that are there get compile, pack and delete lines.
    const QStringList lines = b.scriptLines();
    QCOMPARE(compiledFiles(lines), compiled);
    QCOMPARE(linesStartingWith(lines, QStringLiteral("VT.exe -sp ")).size(), compiled.size());
    QCOMPARE(linesStartingWith(lines, QStringLiteral("del ")).size(), compiled.size());
    QCOMPARE(linesStartingWith(lines, QStringLiteral("copy ")).size(), 1);
}

void TestMakeSkinset::hostileCorpus_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("page");
    const QDir corpus(QStringLiteral(HOSTILE_CORPUS));
    const QStringList names = corpus.entryList({QStringLiteral("*.case")}, QDir::Files);
    QVERIFY(names.size() >= 20);
    for (const QString &name : names) {
        QFile file(corpus.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const qsizetype lineEnd = bytes.indexOf('\n');
        const QList<QByteArray> head = bytes.left(lineEnd).split(' ');
        QVERIFY2(head.size() == 2 || head.size() == 3, qPrintable(name));
        QTest::newRow(qPrintable(name)) << QString::fromLatin1(head[0]) << QString::fromLatin1(head[1])
                                        << bytes.mid(lineEnd + 1) << (head.size() == 3 ? head[2].toInt() : 437);
    }
}

void TestMakeSkinset::hostileCorpus()
{
    QFETCH(QString, field);
    QFETCH(QString, expected);
    QFETCH(QByteArray, value);
    QFETCH(int, page);
    QVERIFY2(CodePage::byNumber(page), qPrintable(QString::number(page)));
    Bench b;
    b.store->WriteSetting(schema::OtherDelNew, QStringLiteral("Yes")); // all four kinds of line
    QVERIFY2(b.setField(field, value), qPrintable(field));

    const MakeSkinset::Outcome outcome = b.run(page);
    const QHash<QString, MakeSkinset::Outcome> outcomes{{"refused", MakeSkinset::Outcome::Refused},
                                                        {"failed", MakeSkinset::Outcome::Failed},
                                                        {"left-out", MakeSkinset::Outcome::Started},
                                                        {"written", MakeSkinset::Outcome::Started}};
    QVERIFY2(outcomes.contains(expected), qPrintable(expected));
    QCOMPARE(outcome, outcomes.value(expected));
    QCOMPARE(b.leftOut.size(), expected == QLatin1String("left-out") ? 1 : 0);
    if (outcome != MakeSkinset::Outcome::Started) {
        QVERIFY(!QFileInfo::exists(b.scriptPath()));
        return;
    }
    // Two compile lines (and the user item's), two pack lines, the copy line, two delete
    // lines: nothing more, and each line one whole command.
    const QStringList lines = b.scriptLines();
    QCOMPARE(lines.size(), expected == QLatin1String("written") && field == QLatin1String("tsf") ? 8 : 7);
    for (const QByteArray &line : b.scriptBytes().split('\n')) {
        if (line.isEmpty())
            continue;
        const QByteArray bare = line.chopped(1); // its CR
        const int pieces = bare.startsWith("del ") ? 1 : 2;
        QVERIFY2(batch::encodedLineProblem(bare, pieces).isEmpty(), bare.left(200).constData());
        QVERIFY2(bare.startsWith("MakeSkin.exe ") || bare.startsWith("VT.exe -sp ") || bare.startsWith("copy ")
                     || bare.startsWith("del "),
                 bare.left(200).constData());
    }
}

/// Child mode of scriptIsWholeOrAbsentOnAFullDisk: one build in the folders of a Bench at
/// `folder`; every box goes to stderr as "title|text"; the outcome is the exit code.
int buildIn(const QString &folder)
{
    Bench b(folder);
    const MakeSkinset::Outcome outcome = b.run();
    for (const FakePrompts::Call &call : b.boxes.calls)
        std::fputs(qPrintable(call.title + QLatin1Char('|') + call.text + QLatin1Char('\n')), stderr);
    return int(outcome);
}


void TestMakeSkinset::toolsCheckedBeforeAnythingIsWritten_data()
{
    QTest::addColumn<bool>("runScript");
    QTest::addColumn<MakeSkinset::Outcome>("outcome");
    QTest::newRow("a run stops before any file") << true << MakeSkinset::Outcome::ToolsNotReady;
    QTest::newRow("/noexec/ writes without the tools") << false << MakeSkinset::Outcome::Written;
}

void TestMakeSkinset::toolsCheckedBeforeAnythingIsWritten()
{
    QFETCH(bool, runScript);
    QFETCH(MakeSkinset::Outcome, outcome);
    Bench b;
    b.in.runScript = runScript;
    b.programs.kinds.insert(QStringLiteral("VT.exe"), ProgramKind::Missing);
    QCOMPARE(b.run(), outcome);
    QCOMPARE(QFileInfo::exists(b.scriptPath()), !runScript);
    QCOMPARE(b.workFolderExists(), !runScript);
    QVERIFY(b.runner.started.isEmpty());
    if (!runScript) {
        QVERIFY(b.programs.asked.isEmpty());
        return;
    }
    QCOMPARE(b.programs.asked, (QStringList{QStringLiteral("MakeSkin.exe"), QStringLiteral("VT.exe")}));
    QCOMPARE(b.boxes.titles(), QStringList{QStringLiteral("Make Skinset")});
    QVERIFY(b.boxes.calls[0].text.startsWith(QStringLiteral("VT.exe was not found.")));
    QVERIFY(b.boxes.calls[0].text.endsWith(QStringLiteral("\r\n\r\nNothing was written or started.")));
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (const QString folder = qEnvironmentVariable("BRANNOCK_TEST_BUILD_IN"); !folder.isEmpty())
        return buildIn(folder);
    TestMakeSkinset test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_makeskinset.moc"
