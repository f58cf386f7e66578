#include "base/AppError.h"
#include "desktop/WindowPlacement.h"
#include "fakes/TestWine.h"
#include "platform/CodePage.h"
#include "platform/Drives.h"
#include "platform/FileListing.h"
#include "platform/InterpreterWarmUp.h"
#include "platform/posix/WineDosPaths.h"
#include "platform/posix/WinePrefix.h"
#include "platform/ScriptRunner.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

using namespace brannock;

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

/// A fake Wine prefix: drive_c with a few folders, c: and z: links, a longer e: inside
/// drive_c, a dangling d:, and a device entry that is no drive.
class TestPlatform final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void drives();
    void wineDrivesAndHome();
    void toDos_data();
    void toDos();
    void toNative_data();
    void toNative();
    void noPrefix();
    void placementBeside_data();
    void placementBeside();
    void wineRunsInTheLocaleTheScriptIsWrittenFor_data();
    void wineRunsInTheLocaleTheScriptIsWrittenFor();
    void codePageEncoding_data();
    void codePageEncoding();
    void everySingleBytePageIsConverted();
    void listingTakesFilesEndingInTheSuffix();
    void listingOfAMissingFolderSaysSo();
    void runnerWithoutWine();
    void runnerFollowsAStandInWine();
    void runnerRunsInTheWorkingFolder();
    void stopEndsTheRunAndItsTools();
    void warmUpStartsNothingWithoutWineOrPrefix_data();
    void warmUpStartsNothingWithoutWineOrPrefix();
    void warmUpKeepsItsInterpreterUntilStopped();
    void warmUpStoppedWhileBootingEndsAtOnce();
    void warmUpBootsTheRealPrefix();

private:
    /// Puts a stand-in "wine" (a shell script's body) first on the search path and makes
    /// `prefix` the Wine prefix, until restoreWine.
    void useStandInWine(const QByteArray &body, const QString &prefix);
    void restoreWine();

    QByteArray m_oldPath, m_oldPrefix;
    QTemporaryDir m_dir;
    QString m_prefix, m_outside;
};

void TestPlatform::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // canonical, so that comparisons hold where /tmp is itself a link
    const QString root = QFileInfo(m_dir.path()).canonicalFilePath();
    m_prefix = root + QStringLiteral("/prefix");
    m_outside = root + QStringLiteral("/home/me/paint");
    QVERIFY(QDir().mkpath(m_prefix + QStringLiteral("/dosdevices")));
    QVERIFY(QDir().mkpath(m_prefix + QStringLiteral("/drive_c/Halvern/Kestrow/base/Skins")));
    QVERIFY(QDir().mkpath(m_prefix + QStringLiteral("/drive_c/users/Me/Paint")));
    QVERIFY(QDir().mkpath(m_prefix + QStringLiteral("/drive_c/games")));
    QVERIFY(QDir().mkpath(m_outside));
    const QString dev = m_prefix + QStringLiteral("/dosdevices/");
    QVERIFY(QFile::link(QStringLiteral("../drive_c"), dev + QStringLiteral("c:")));
    QVERIFY(QFile::link(QStringLiteral("/"), dev + QStringLiteral("z:")));
    QVERIFY(QFile::link(m_prefix + QStringLiteral("/drive_c/games"), dev + QStringLiteral("e:")));
    QVERIFY(QFile::link(root + QStringLiteral("/nowhere"), dev + QStringLiteral("d:")));
    QVERIFY(QFile::link(QStringLiteral("/dev/null"), dev + QStringLiteral("com1")));
    QVERIFY(QFile::link(m_outside, root + QStringLiteral("/paintlink")));
}

void TestPlatform::drives()
{
    const WineDosPaths paths(m_prefix);
    QStringList table;
    for (const WineDosPaths::Drive &d : paths.drives())
        table << QString(d.letter) + QLatin1Char('=') + d.root;
    QCOMPARE(table, (QStringList{"C=" + m_prefix + "/drive_c", "E=" + m_prefix + "/drive_c/games", "Z=/"}));
}

void TestPlatform::wineDrivesAndHome()
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("prefix"));
    QVERIFY(QDir().mkpath(prefix + QStringLiteral("/drive_c")));
    QVERIFY(QDir().mkpath(prefix + QStringLiteral("/dosdevices")));
    QVERIFY(QFile::link(QStringLiteral("../drive_c"), prefix + QStringLiteral("/dosdevices/c:")));
    QVERIFY(QFile::link(QStringLiteral("/"), prefix + QStringLiteral("/dosdevices/z:")));
    QVERIFY(QFile::link(QStringLiteral("/nowhere/at/all"), prefix + QStringLiteral("/dosdevices/d:")));
    QVERIFY(QFile::link(QStringLiteral("/dev/null"), prefix + QStringLiteral("/dosdevices/com1")));
    const QString home = dir.filePath(QStringLiteral("home"));
    QVERIFY(QDir().mkpath(home));

    const QList<DriveEntry> drives = listWineDrives(prefix, home);
    QCOMPARE(drives.size(), 3);
    QVERIFY(drives[0].label.startsWith(QStringLiteral("c: ")));
    QCOMPARE(drives[0].rootPath, QFileInfo(prefix + QStringLiteral("/drive_c")).canonicalFilePath());
    QCOMPARE(drives[1].rootPath, QStringLiteral("/"));
    QVERIFY(drives[2].label.startsWith(QStringLiteral("~ ")));
    // The longest matching root holds a path.
    QCOMPARE(driveHolding(drives, prefix + QStringLiteral("/drive_c")), 0);
    QCOMPARE(driveHolding(drives, home), 2);
    QCOMPARE(driveHolding(drives, QStringLiteral("/usr")), 1);
}

void TestPlatform::toDos_data()
{
    QTest::addColumn<QString>("native"); // relative to the temporary folder unless absolute
    QTest::addColumn<QString>("dos");    // "<root>" stands for the temporary folder's DOS path
    QTest::newRow("inside drive_c") << "prefix/drive_c/Halvern/Kestrow" << "C:\\Halvern\\Kestrow";
    QTest::newRow("drive_c itself") << "prefix/drive_c" << "C:\\";
    QTest::newRow("longest drive root wins") << "prefix/drive_c/games/x.vol" << "E:\\x.vol";
    QTest::newRow("outside the prefix") << "home/me/paint" << "<root>\\home\\me\\paint";
    QTest::newRow("through a link") << "paintlink" << "<root>\\home\\me\\paint";
    QTest::newRow("missing part below an existing folder") << "prefix/drive_c/users/Me/New Folder/x"
                                                           << "C:\\users\\Me\\New Folder\\x";
    QTest::newRow("filesystem root") << "/" << "Z:\\";
    QTest::newRow("DOS path given back") << "C:\\Already\\Dos" << "C:\\Already\\Dos";
}

void TestPlatform::toDos()
{
    QFETCH(QString, native);
    QFETCH(QString, dos);
    const QString root = QFileInfo(m_dir.path()).canonicalFilePath();
    const QString path = native.startsWith(QLatin1Char('/')) || native.contains(QLatin1Char(':'))
        ? native
        : root + QLatin1Char('/') + native;
    const QString rootDos = QStringLiteral("Z:") + QString(root).replace(QLatin1Char('/'), QLatin1Char('\\'));
    QCOMPARE(WineDosPaths(m_prefix).toDos(path), QString(dos).replace(QStringLiteral("<root>"), rootDos));
}

void TestPlatform::toNative_data()
{
    QTest::addColumn<QString>("dos");
    QTest::addColumn<QString>("native"); // relative to the prefix, or absolute
    QTest::newRow("exact case") << "C:\\Halvern\\Kestrow" << "drive_c/Halvern/Kestrow";
    QTest::newRow("other letter case") << "c:\\HALVERN\\kestrow\\BASE\\skins" << "drive_c/Halvern/Kestrow/base/Skins";
    QTest::newRow("forward slashes and doubled separators") << "C:/users//me/paint" << "drive_c/users/Me/Paint";
    QTest::newRow("missing tail kept as typed") << "C:\\Users\\ME\\NewOne\\Deeper" << "drive_c/users/Me/NewOne/Deeper";
    QTest::newRow("dot-dot clamped at the root") << "C:\\..\\..\\games\\..\\Halvern" << "drive_c/Halvern";
    QTest::newRow("drive root") << "C:\\" << "drive_c";
    QTest::newRow("Z: is the file system") << "Z:\\tmp" << "/tmp";
    QTest::newRow("native path as is") << "/usr/share" << "/usr/share";
    QTest::newRow("dangling drive") << "D:\\x" << "";
    QTest::newRow("unknown drive") << "Q:\\x" << "";
}

void TestPlatform::toNative()
{
    QFETCH(QString, dos);
    QFETCH(QString, native);
    const QString expected = native.isEmpty() || native.startsWith(QLatin1Char('/'))
        ? native
        : m_prefix + QLatin1Char('/') + native;
    QCOMPARE(WineDosPaths(m_prefix).toNative(dos), expected);
}

void TestPlatform::noPrefix()
{
    const WineDosPaths paths(m_dir.filePath(QStringLiteral("no-such-prefix")));
    QCOMPARE(paths.drives().size(), 1);
    QCOMPARE(paths.toDos(m_outside), QStringLiteral("Z:") + QString(m_outside).replace(QLatin1Char('/'), QLatin1Char('\\')));
    QCOMPARE(paths.toNative(QStringLiteral("z:\\usr")), QStringLiteral("/usr"));
    QCOMPARE(paths.toNative(QStringLiteral("C:\\x")), QString());
}

void TestPlatform::placementBeside_data()
{
    QTest::addColumn<QRect>("owner");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QList<QRect>>("taken");
    QTest::addColumn<QPoint>("expected");
    const QRect screen(0, 0, 1280, 800);
    const QRect centred(483, 256, 315, 288);
    QTest::newRow("right of it") << centred << QSize(333, 308) << screen << QList<QRect>{} << QPoint(798, 256);
    QTest::newRow("left of it at the right edge") << QRect(965, 256, 315, 288) << QSize(333, 308) << screen
                                                  << QList<QRect>{} << QPoint(632, 256);
    QTest::newRow("above it, pulled onto the screen") << QRect(965, 500, 315, 288) << QSize(1000, 300) << screen
                                                      << QList<QRect>{} << QPoint(280, 200);
    QTest::newRow("below it at the top") << QRect(400, 0, 315, 288) << QSize(1000, 300) << screen
                                         << QList<QRect>{} << QPoint(280, 288);
    QTest::newRow("no room beside it: over it") << centred << QSize(1000, 700) << screen << QList<QRect>{} << QPoint(141, 50);
    QTest::newRow("larger than the screen") << centred << QSize(1400, 900) << screen << QList<QRect>{} << QPoint(0, 0);
    QTest::newRow("second screen below a panel") << QRect(2400, 30, 315, 288) << QSize(333, 308)
                                                 << QRect(1280, 30, 1440, 870) << QList<QRect>{} << QPoint(2067, 30);
    QTest::newRow("owner partly off the screen") << QRect(-200, -50, 315, 288) << QSize(600, 400) << screen
                                                 << QList<QRect>{} << QPoint(115, 0);
    QTest::newRow("clear of another window beside it") << centred << QSize(333, 308) << screen
                                                       << QList<QRect>{{798, 256, 333, 308}} << QPoint(150, 256);
    QTest::newRow("no free place: beside it all the same") << centred << QSize(333, 308) << screen
                                                           << QList<QRect>{screen} << QPoint(798, 256);
}

void TestPlatform::placementBeside()
{
    QFETCH(QRect, owner);
    QFETCH(QSize, frame);
    QFETCH(QRect, screen);
    QFETCH(QList<QRect>, taken);
    QFETCH(QPoint, expected);
    const QRect place = brannock::placementBeside(owner, frame, screen, taken);
    QCOMPARE(place.topLeft(), expected);
    QCOMPARE(place.size(), frame);
}

void TestPlatform::codePageEncoding_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes"); ///< empty: refused
    QTest::addColumn<int>("badIndex");
    QTest::newRow("437 ü") << 437 << QString::fromUtf8("grün") << QByteArray("gr\x81n") << -1;
    QTest::newRow("858 has the euro") << 858 << QString::fromUtf8("5€") << QByteArray("5\xd5") << -1;
    QTest::newRow("850 has none") << 850 << QString::fromUtf8("5€") << QByteArray() << 1;
    QTest::newRow("1252 euro and ÿ") << 1252 << QString::fromUtf8("€ÿ") << QByteArray("\x80\xff") << -1;
    QTest::newRow("1252 no best fit for ě") << 1252 << QString::fromUtf8("aě") << QByteArray() << 1;
    QTest::newRow("1252 no Ω") << 1252 << QString::fromUtf8("Ω") << QByteArray() << 0;
    QTest::newRow("1258 no Ã as A + tilde") << 1258 << QString::fromUtf8("xÃ") << QByteArray() << 1;
    QTest::newRow("1258 tilde of its own") << 1258 << QString::fromUtf8("A\u0303") << QByteArray("A\xde") << -1;
    QTest::newRow("1251 broken surrogate") << 1251 << QString(QChar(0xD800)) << QByteArray() << 0;
    QTest::newRow("866 outside the BMP") << 866 << QString::fromUtf8("a😀") << QByteArray() << 1;
    QTest::newRow("932 ASCII only") << 932 << QString::fromUtf8("aé") << QByteArray() << 1;
}

void TestPlatform::codePageEncoding()
{
    QFETCH(int, page);
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(int, badIndex);
    const CodePage codePage = *CodePage::byNumber(page);
    const CodePage::Encoded encoded = codePage.encode(text);
    QCOMPARE(encoded.badIndex, qsizetype(badIndex));
    QCOMPARE(encoded.bytes, bytes);
    if (encoded.ok())
        QCOMPARE(codePage.decode(bytes), text);
}

void TestPlatform::everySingleBytePageIsConverted()
{
    // Each byte the page defines reads as one character that is written back as that byte.
    for (const int number : CodePage::singleBytePages()) {
        const CodePage page = *CodePage::byNumber(number);
        int defined = 0;
        for (int b = 0x80; b <= 0xFF; ++b) {
            const QString c = page.decode(QByteArray(1, char(b)));
            if (c == QChar(QChar::ReplacementCharacter))
                continue;
            ++defined;
            QVERIFY2(page.encode(c).bytes == QByteArray(1, char(b)), qPrintable(QStringLiteral("%1: byte %2").arg(number).arg(b)));
        }
        QVERIFY2(defined > 64, qPrintable(QString::number(number))); // the system knows the page
    }
}

namespace {

/// Output and end of one run, gathered as they come.
struct RunRecord {
    QByteArray output;
    int exitCode = -1;
    bool ended = false;

    explicit RunRecord(ScriptRun &run)
    {
        QObject::connect(&run, &ScriptRun::output, &run, [this](const QByteArray &bytes) { output += bytes; });
        QObject::connect(&run, &ScriptRun::finished, &run, [this](int code, bool) {
            exitCode = code;
            ended = true;
        });
    }
};

/// Whether a process whose command line holds `token` is still running.
bool processWith(const QByteArray &token)
{
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &pid : pids) {
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (cmdline.open(QIODevice::ReadOnly) && cmdline.readAll().contains(token))
            return true;
    }
    return false;
}

} // namespace

void TestPlatform::listingTakesFilesEndingInTheSuffix()
{
    QTemporaryDir dir;
    for (const char *name : {"a.tsf", ".dot.tsf", "UPPER.TSF", "notes.txt", "a.tsfx", "tsf"}) {
        QFile file(dir.filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.tsf")));
    QStringList expected{".dot.tsf", "UPPER.TSF", "a.tsf"};
#ifdef Q_OS_UNIX
    // A link counts as what it points to; one that points nowhere is no file.
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("a.tsf")), dir.filePath(QStringLiteral("link.tsf"))));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone")), dir.filePath(QStringLiteral("broken.tsf"))));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("folder.tsf")), dir.filePath(QStringLiteral("linked-folder.tsf"))));
    expected << QStringLiteral("link.tsf");
#endif
    FolderListing listing = listFilesEndingIn(dir.path(), QLatin1StringView(".tsf"));
    QCOMPARE(listing.error, 0);
    listing.names.sort();
    expected.sort();
    QCOMPARE(listing.names, expected);
}

void TestPlatform::listingOfAMissingFolderSaysSo()
{
    QTemporaryDir dir;
    const FolderListing listing = listFilesEndingIn(dir.filePath(QStringLiteral("gone")), QLatin1StringView(".tsf"));
    QCOMPARE(listing.error, ENOENT);
    QVERIFY(listing.names.isEmpty());
}

void TestPlatform::runnerWithoutWine()
{
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", m_dir.filePath(QStringLiteral("empty-bin")).toLocal8Bit());
    bool thrown = false;
    try {
        makeNativeScriptRunner()->start(QStringLiteral("/x/Compile.bat"), m_dir.path(), QString());
    } catch (const AppError &error) {
        thrown = true;
        QCOMPARE(error.number(), ErrorNumber::CannotStart);
        QVERIFY2(error.description().contains(QStringLiteral("\"wine\"")), qPrintable(error.description()));
    }
    qputenv("PATH", oldPath);
    QVERIFY(thrown);
}

void TestPlatform::runnerFollowsAStandInWine()
{
    // A stand-in "wine" that prints where it runs and what it would run, then fails.
    const QString bin = m_dir.filePath(QStringLiteral("bin"));
    const QString start = m_dir.filePath(QStringLiteral("start here"));
    QVERIFY(QDir().mkpath(bin) && QDir().mkpath(start));
    QVERIFY(writeFile(bin + QStringLiteral("/wine"),
                      "#!/bin/sh\necho \"in $(pwd)\"\necho \"script $BRANNOCK_SCRIPT\" >&2\nexit 3\n"));
    QVERIFY(QFile::setPermissions(bin + QStringLiteral("/wine"),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const QByteArray oldPath = qgetenv("PATH");
    const QByteArray oldPrefix = qgetenv("WINEPREFIX");
    qputenv("PATH", bin.toLocal8Bit() + ":/usr/bin:/bin");
    qputenv("WINEPREFIX", m_prefix.toLocal8Bit());
    const auto run = makeNativeScriptRunner()->start(m_prefix + QStringLiteral("/drive_c/Skinner/Compile.bat"), start, QString());
    qputenv("PATH", oldPath);
    qputenv("WINEPREFIX", oldPrefix);
    RunRecord record(*run);
    QTRY_VERIFY_WITH_TIMEOUT(record.ended, 10000);
    QCOMPARE(record.exitCode, 3);
    QCOMPARE(record.output, "in " + start.toLocal8Bit() + "\nscript \"C:\\Skinner\\Compile.bat\"\n");
}

void TestPlatform::runnerRunsInTheWorkingFolder()
{
    test::TestWine wine(m_dir.path());
    if (!wine.available())
        QSKIP("wine is not installed: the real command interpreter cannot be tried");
    // Folder names that cmd would split if the script's path reached it unquoted.
    const QString root = QFileInfo(m_dir.path()).canonicalFilePath();
    const QString start = root + QStringLiteral("/start (here) & now");
    const QString program = root + QStringLiteral("/prog (x) & y");
    QVERIFY(QDir().mkpath(start) && QDir().mkpath(program));
    QVERIFY(writeFile(program + QStringLiteral("/Compile.bat"), "echo \"CD=%CD%\"\r\n"));

    const auto run = makeNativeScriptRunner()->start(program + QStringLiteral("/Compile.bat"), start, QString());
    RunRecord record(*run);
    QTRY_VERIFY_WITH_TIMEOUT(record.ended, test::TestWine::FirstRunMs);
    const QString dosStart = WineDosPaths(wine.prefix()).toDos(start);
    QVERIFY2(record.output.contains("\r\n\"CD=" + dosStart.toLatin1() + "\"\r\n"), record.output.constData());
    QCOMPARE(record.exitCode, 0);
}

void TestPlatform::stopEndsTheRunAndItsTools()
{
    test::TestWine wine(m_dir.path());
    if (!wine.available())
        QSKIP("wine is not installed: the real command interpreter cannot be tried");
    const QString tools = test::TestWine::standInFolder();
    if (tools.isEmpty())
        QSKIP("the stand-in tools were not built (no mingw-w64 C compiler)");
    const QString start = m_dir.filePath(QStringLiteral("stop"));
    QVERIFY(QDir().mkpath(start));
    QVERIFY(QFile::copy(tools + QStringLiteral("/MakeSkin.exe"), start + QStringLiteral("/MakeSkin.exe")));
    // The token marks the tool's process; it sleeps for a minute unless it is ended.
    const QByteArray token = "pal" + QByteArray::number(QCoreApplication::applicationPid());
    QVERIFY(writeFile(start + QStringLiteral("/Compile.bat"), "MakeSkin.exe " + token + " a.bmp b.bmp\r\necho after\r\n"));
    qputenv("STANDIN_DELAY_MS", "60000");
    const auto run = makeNativeScriptRunner()->start(start + QStringLiteral("/Compile.bat"), start, QString());
    qunsetenv("STANDIN_DELAY_MS");
    RunRecord record(*run);
    QTRY_VERIFY_WITH_TIMEOUT(processWith(token), test::TestWine::FirstRunMs);

    run->stop();
    QTRY_VERIFY_WITH_TIMEOUT(record.ended, 5000);
    QVERIFY(!run->isRunning());
    QTRY_VERIFY_WITH_TIMEOUT(!processWith(token), 5000);
    QVERIFY(!record.output.contains("after"));
}

void TestPlatform::useStandInWine(const QByteArray &body, const QString &prefix)
{
    const QString bin = m_dir.filePath(QStringLiteral("warm-bin"));
    QVERIFY(QDir().mkpath(bin));
    QFile::remove(bin + QStringLiteral("/wine"));
    QVERIFY(writeFile(bin + QStringLiteral("/wine"), "#!/bin/sh\n" + body));
    QVERIFY(QFile::setPermissions(bin + QStringLiteral("/wine"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    m_oldPath = qgetenv("PATH");
    m_oldPrefix = qgetenv("WINEPREFIX");
    qputenv("PATH", bin.toLocal8Bit() + ":/usr/bin:/bin");
    qputenv("WINEPREFIX", prefix.toLocal8Bit());
}

void TestPlatform::restoreWine()
{
    qputenv("PATH", m_oldPath);
    qputenv("WINEPREFIX", m_oldPrefix);
}

void TestPlatform::warmUpStartsNothingWithoutWineOrPrefix_data()
{
    QTest::addColumn<bool>("wineThere");
    QTest::addColumn<bool>("prefixMade");
    QTest::newRow("no wine") << false << true;
    // Wine would make the prefix (long, and much written) for a warm-up nobody asked for.
    QTest::newRow("prefix never made") << true << false;
}

void TestPlatform::warmUpStartsNothingWithoutWineOrPrefix()
{
    QFETCH(bool, wineThere);
    QFETCH(bool, prefixMade);
    const QString prefix = m_dir.filePath(QStringLiteral("unmade-prefix"));
    const QString ran = m_dir.filePath(QStringLiteral("wine-ran"));
    QVERIFY(QDir().mkpath(prefix));
    if (prefixMade)
        QVERIFY(writeFile(prefix + QStringLiteral("/system.reg"), "WINE REGISTRY Version 2\n"));
    useStandInWine("touch '" + ran.toLocal8Bit() + "'\nexec sleep 60\n", prefix);
    if (!wineThere)
        qputenv("PATH", m_dir.filePath(QStringLiteral("empty-bin")).toLocal8Bit());
    const auto warmUp = makeNativeInterpreterWarmUp();
    warmUp->start();
    const bool warm = warmUp->waitUntilWarm(10000);
    warmUp->stop();
    restoreWine();
    QVERIFY(!warm);
    QVERIFY(!QFileInfo::exists(ran));
    QCOMPARE(QDir(prefix).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             prefixMade ? QStringList{QStringLiteral("system.reg")} : QStringList());
    QFile::remove(prefix + QStringLiteral("/system.reg"));
}

void TestPlatform::warmUpKeepsItsInterpreterUntilStopped()
{
    // A stand-in for Wine's cmd: it notes how it was started, answers what it is asked, and
    // notes when its input ends.
    const QString prefix = m_dir.filePath(QStringLiteral("made-prefix"));
    const QString record = m_dir.filePath(QStringLiteral("keeper-record"));
    QVERIFY(QDir().mkpath(prefix));
    QVERIFY(writeFile(prefix + QStringLiteral("/system.reg"), "WINE REGISTRY Version 2\n"));
    useStandInWine("r='" + record.toLocal8Bit() + "'\n"
                   "printf '%s\\n' \"args $*|LC_ALL=$LC_ALL|WINEDEBUG=$WINEDEBUG|in $(pwd)\" >\"$r\"\n"
                   "while IFS= read -r line; do\n"
                   "  case \"$line\" in *brannock*) printf 'brannock\\r\\nwarm\\r\\n' ;; esac\n"
                   "done\n"
                   "echo 'input ended' >>\"$r\"\n",
                   prefix);
    const auto warmUp = makeNativeInterpreterWarmUp();
    warmUp->start();
    warmUp->start(); // one keeper however often it is asked
    const bool warm = warmUp->waitUntilWarm(10000);
    restoreWine();
    QVERIFY(warm);
    QFile started(record);
    QVERIFY(started.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromLocal8Bit(started.readAll()),
             QStringLiteral("args C:\\windows\\system32\\cmd.exe /d /q|LC_ALL=C.UTF-8|WINEDEBUG=-all|in /\n"));
    started.close();

    QElapsedTimer stopping;
    stopping.start();
    warmUp->stop();
    QVERIFY2(stopping.elapsed() < 900, "the keeper was killed, not ended by the end of its input");
    QVERIFY(!warmUp->waitUntilWarm(0));
    QVERIFY(started.open(QIODevice::ReadOnly));
    QVERIFY(started.readAll().endsWith("input ended\n"));
}

void TestPlatform::warmUpStoppedWhileBootingEndsAtOnce()
{
    // A Wine that never comes up: stopping does not wait for it, and leaves nothing running.
    const QString prefix = m_dir.filePath(QStringLiteral("slow-prefix"));
    QVERIFY(QDir().mkpath(prefix));
    QVERIFY(writeFile(prefix + QStringLiteral("/system.reg"), "WINE REGISTRY Version 2\n"));
    const QByteArray token = "6017" + QByteArray::number(QCoreApplication::applicationPid());
    useStandInWine("exec sleep " + token + "\n", prefix);
    const auto warmUp = makeNativeInterpreterWarmUp();
    warmUp->start();
    QTRY_VERIFY_WITH_TIMEOUT(processWith(token), 10000);
    restoreWine();
    QVERIFY(!warmUp->waitUntilWarm(200));
    QElapsedTimer stopping;
    stopping.start();
    warmUp->stop();
    QVERIFY(stopping.elapsed() < 3000);
    QTRY_VERIFY_WITH_TIMEOUT(!processWith(token), 5000);
}

void TestPlatform::warmUpBootsTheRealPrefix()
{
    test::TestWine wine(m_dir.path());
    if (!wine.available())
        QSKIP("wine is not installed: the real command interpreter cannot be tried");
    // The prefix is made by a first program, as a player's first build would make it.
    QProcess first;
    first.start(QStringLiteral("wine"), {QStringLiteral("cmd"), QStringLiteral("/c"), QStringLiteral("exit")});
    QVERIFY(first.waitForFinished(test::TestWine::FirstRunMs));
    const auto warmUp = makeNativeInterpreterWarmUp();
    warmUp->start();
    QVERIFY(warmUp->waitUntilWarm(test::TestWine::FirstRunMs));
    QElapsedTimer stopping;
    stopping.start();
    warmUp->stop();
    QVERIFY(stopping.elapsed() < 3000);
}

void TestPlatform::wineRunsInTheLocaleTheScriptIsWrittenFor_data()
{
    QTest::addColumn<QString>("locale");
    // Wine takes its code pages from the process's locale: in these the player's own would
    // read the script in a multi-byte page (932 ...) or in 850, not in the page it was written in.
    for (const char *locale : {"ja_JP.UTF-8", "zh_CN.UTF-8", "ko_KR.UTF-8", "zh_TW.UTF-8", "de_DE.UTF-8"})
        QTest::newRow(locale) << QString::fromLatin1(locale);
}

void TestPlatform::wineRunsInTheLocaleTheScriptIsWrittenFor()
{
    QFETCH(QString, locale);
    test::TestWine wine(m_dir.path());
    if (!wine.available())
        QSKIP("wine is not installed: the real command interpreter cannot be tried");
    const QString tools = test::TestWine::standInFolder();
    if (tools.isEmpty() || !QFileInfo::exists(tools + QStringLiteral("/Pages.exe")))
        QSKIP("the stand-in tools were not built (no mingw-w64 C compiler)");
    const QString locales = test::TestWine::localeFolder(m_dir.path());
    if (!test::TestWine::makeLocale(locales, locale))
        QSKIP("localedef cannot make the locale here");
    const QString start = m_dir.filePath(QStringLiteral("pages"));
    QVERIFY(QDir().mkpath(start));
    QVERIFY(QFileInfo::exists(start + QStringLiteral("/Pages.exe"))
            || QFile::copy(tools + QStringLiteral("/Pages.exe"), start + QStringLiteral("/Pages.exe")));
    QVERIFY(writeFile(start + QStringLiteral("/Compile.bat"), "@Pages.exe\r\n"));

    const QByteArray oldLang = qgetenv("LANG"), oldLocPath = qgetenv("LOCPATH");
    qputenv("LANG", locale.toLatin1());
    qputenv("LOCPATH", locales.toLocal8Bit());
    const auto run = makeNativeScriptRunner()->start(start + QStringLiteral("/Compile.bat"), start, QString());
    qputenv("LANG", oldLang);
    qputenv("LOCPATH", oldLocPath);
    RunRecord record(*run);
    QTRY_VERIFY_WITH_TIMEOUT(record.ended, test::TestWine::FirstRunMs);
    QVERIFY2(record.output.contains("OEMCP=" + QByteArray::number(oemCodePage().number()) + " ACP="
                                    + QByteArray::number(CodePage::ansi().number())),
             record.output.constData());
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
