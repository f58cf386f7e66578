#include "fakes/TestWine.h"
#include "platform/ProgramKind.h"
#include "platform/WindowsPrograms.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace brannock;

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void put16(QByteArray &bytes, qsizetype at, quint16 value)
{
    bytes[at] = char(value & 0xff);
    bytes[at + 1] = char(value >> 8);
}

/// A DOS header whose offset at 0x3c names `next`, padded to `size` bytes.
QByteArray dosHeader(quint32 next, qsizetype size = 0x80)
{
    QByteArray bytes(size, '\0');
    bytes[0] = 'M';
    bytes[1] = 'Z';
    for (int i = 0; i < 4; ++i)
        bytes[0x3c + i] = char((next >> (8 * i)) & 0xff);
    return bytes;
}

/// The 64-bit probe with another machine, file header flags or optional header magic.
QByteArray changedProbe(quint16 machine, quint16 flags, quint16 magic)
{
    QByteArray bytes = probeProgram(ProgramKind::Win64);
    put16(bytes, 0x44, machine);
    put16(bytes, 0x44 + 18, flags);
    put16(bytes, 0x44 + 20, magic);
    return bytes;
}

/// Runs `exe` under wine and returns its exit code (-1 when it did not end normally).
int runUnderWine(const QString &exe)
{
    QProcess wine;
    wine.setStandardOutputFile(QProcess::nullDevice());
    wine.setStandardErrorFile(QProcess::nullDevice());
    wine.start(QStringLiteral("wine"), {exe});
    if (!wine.waitForFinished(test::TestWine::FirstRunMs) || wine.exitStatus() != QProcess::NormalExit)
        return -1;
    return wine.exitCode();
}

} // namespace

class TestPrograms final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void kindOfHeaders_data();
    void kindOfHeaders();
    void kindOfFiles_data();
    void kindOfFiles();
    void namedPipeNeverBlocks();
    void search_data();
    void search();
    void dosProgramsNeverRunUnderWine();
    void probe64RunsUnderWine();
    void answerFor32BitIsWhatWineDoes();

private:
    QTemporaryDir m_dir;
};

void TestPrograms::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestPrograms::kindOfHeaders_data()
{
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<ProgramKind>("kind");

    const QByteArray pe64 = probeProgram(ProgramKind::Win64);
    QByteArray ne = dosHeader(0x80, 0x100);
    ne.replace(0x80, 2, "NE");
    QByteArray le = dosHeader(0x80, 0x100);
    le.replace(0x80, 2, "LE");

    QTest::newRow("empty") << QByteArray() << ProgramKind::NotProgram;
    QTest::newRow("one byte") << QByteArray("M") << ProgramKind::NotProgram;
    QTest::newRow("text") << QByteArray("@echo off\r\n") << ProgramKind::NotProgram;
    QTest::newRow("MZ only") << QByteArray("MZ") << ProgramKind::Dos;
    QTest::newRow("DOS header without a new one") << dosHeader(0) << ProgramKind::Dos;
    QTest::newRow("new header past the end") << dosHeader(0x1000) << ProgramKind::Dos;
    QTest::newRow("new header of another system") << le << ProgramKind::Dos;
    QTest::newRow("NE") << ne << ProgramKind::Win16;
    QTest::newRow("PE32") << probeProgram(ProgramKind::Win32) << ProgramKind::Win32;
    QTest::newRow("PE32+") << pe64 << ProgramKind::Win64;
    QTest::newRow("PE cut off in its file header") << pe64.left(0x50) << ProgramKind::NotProgram;
    QTest::newRow("ARM64") << changedProbe(0xaa64, 0x0022, 0x20b) << ProgramKind::OtherMachine;
    QTest::newRow("a DLL") << changedProbe(0x8664, 0x2022, 0x20b) << ProgramKind::NotProgram;
    QTest::newRow("not executable") << changedProbe(0x8664, 0x0020, 0x20b) << ProgramKind::NotProgram;
    QTest::newRow("x86 machine, 64-bit header") << changedProbe(0x14c, 0x0102, 0x20b) << ProgramKind::NotProgram;
}

void TestPrograms::kindOfHeaders()
{
    QFETCH(QByteArray, head);
    QFETCH(ProgramKind, kind);
    QCOMPARE(programKindOf(head), kind);
}

void TestPrograms::kindOfFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<ProgramKind>("kind");
    QTest::newRow("missing") << QStringLiteral("none.exe") << ProgramKind::Missing;
    QTest::newRow("a folder") << QStringLiteral("folder.exe") << ProgramKind::NotProgram;
    QTest::newRow("empty file") << QStringLiteral("empty.exe") << ProgramKind::NotProgram;
    QTest::newRow("64-bit program") << QStringLiteral("pe64.exe") << ProgramKind::Win64;
    QTest::newRow("a link to it") << QStringLiteral("link.exe") << ProgramKind::Win64;
    QTest::newRow("a dangling link") << QStringLiteral("dangling.exe") << ProgramKind::Missing;
}

void TestPrograms::kindOfFiles()
{
    QFETCH(QString, name);
    QFETCH(ProgramKind, kind);
    const QDir dir(m_dir.path());
    QVERIFY(dir.mkpath(QStringLiteral("folder.exe")));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("empty.exe")), {}));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("pe64.exe")), probeProgram(ProgramKind::Win64)));
    QFile::link(QStringLiteral("pe64.exe"), dir.filePath(QStringLiteral("link.exe")));
    QFile::link(QStringLiteral("gone.exe"), dir.filePath(QStringLiteral("dangling.exe")));
    QCOMPARE(programKindOfFile(dir.filePath(name)), kind);
}

void TestPrograms::namedPipeNeverBlocks()
{
    const QByteArray pipe = QFile::encodeName(m_dir.filePath(QStringLiteral("pipe.exe")));
    QCOMPARE(::mkfifo(pipe.constData(), 0600), 0);
    std::atomic<bool> done = false;
    std::atomic<ProgramKind> kind = ProgramKind::Missing;
    std::thread reader([&] {
        kind = programKindOfFile(QFile::decodeName(pipe));
        done = true;
    });
    const bool blocked = !QTest::qWaitFor([&] { return done.load(); }, 5000);
    if (blocked) { // let a reader that opened the pipe go
        const int writer = ::open(pipe.constData(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0)
            ::close(writer);
    }
    reader.join();
    QVERIFY2(!blocked, "reading the kind of a named pipe waited for a writer");
    QCOMPARE(kind.load(), ProgramKind::NotProgram);
}

void TestPrograms::search_data()
{
    QTest::addColumn<QString>("placed");  ///< folders under the prefix's drive_c, "work", or "outside" (on no drive)
    QTest::addColumn<QString>("winePath");
    QTest::addColumn<QString>("tools");   ///< Brannock's tools folder, named as "placed"; empty: none
    QTest::addColumn<QString>("foundIn"); ///< empty when not found
    QTest::newRow("working folder, other letter case") << "work" << "" << "" << "work";
    QTest::newRow("working folder before system32") << "work,windows/system32" << "" << "" << "work";
    QTest::newRow("WINEPATH, in order") << "tools2,tools" << "C:\\Tools;C:\\tools2" << "" << "tools";
    QTest::newRow("WINEPATH before system32") << "windows/system32,tools" << "\"C:\\tools\"" << "" << "tools";
    QTest::newRow("system32") << "windows,windows/system32" << "" << "" << "windows/system32";
    QTest::newRow("windows") << "windows" << "" << "" << "windows";
    QTest::newRow("a folder is not the program") << "dirwork" << "" << "" << "";
    QTest::newRow("nowhere") << "" << "C:\\tools" << "" << "";
    QTest::newRow("working folder before the tools folder") << "own,work" << "" << "own" << "work";
    QTest::newRow("tools folder before WINEPATH") << "tools,own" << "C:\\tools" << "own" << "own";
    QTest::newRow("tools folder before system32") << "windows/system32,own" << "" << "own" << "own";
    QTest::newRow("tools folder on no drive of the prefix: not searched") << "outside" << "" << "outside" << "";
    QTest::newRow("tools folder with \";\": not searched") << "own;x" << "" << "own;x" << "";
}

void TestPrograms::search()
{
    QFETCH(QString, placed);
    QFETCH(QString, winePath);
    QFETCH(QString, tools);
    QFETCH(QString, foundIn);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString base = QFileInfo(root.path()).canonicalFilePath();
    const QString prefix = base + QStringLiteral("/prefix");
    const QString work = base + QStringLiteral("/work");
    QVERIFY(QDir().mkpath(prefix + QStringLiteral("/dosdevices")));
    QVERIFY(QDir().mkpath(prefix + QStringLiteral("/drive_c/windows/system32")));
    QVERIFY(QDir().mkpath(work));
    QVERIFY(QFile::link(QStringLiteral("../drive_c"), prefix + QStringLiteral("/dosdevices/c:")));
    const auto folderOf = [&](const QString &where) {
        if (where == QLatin1String("outside"))
            return base + QStringLiteral("/outside");
        return where == QLatin1String("work") ? work : prefix + QStringLiteral("/drive_c/") + where;
    };
    for (const QString &where : placed.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (where == QLatin1String("dirwork")) {
            QVERIFY(QDir().mkpath(work + QStringLiteral("/MakeSkin.exe")));
            continue;
        }
        QVERIFY(QDir().mkpath(folderOf(where)));
        QVERIFY(writeFile(folderOf(where) + QStringLiteral("/makeskin.EXE"), probeProgram(ProgramKind::Win64)));
    }

    const QByteArray oldPrefix = qgetenv("WINEPREFIX"), oldPath = qgetenv("WINEPATH");
    qputenv("WINEPREFIX", prefix.toLocal8Bit());
    qputenv("WINEPATH", winePath.toLocal8Bit());
    const auto programs = makeNativeWindowsPrograms(base);
    const FoundProgram found = programs->find(QStringLiteral("MakeSkin.exe"), work, tools.isEmpty() ? QString() : folderOf(tools));
    const QStringList path = programs->searchPath();
    qputenv("WINEPREFIX", oldPrefix);
    qputenv("WINEPATH", oldPath);

    if (foundIn.isEmpty()) {
        QCOMPARE(found.path, QString());
        QCOMPARE(found.kind, ProgramKind::Missing);
    } else {
        QCOMPARE(found.path, folderOf(foundIn) + QStringLiteral("/makeskin.EXE"));
        QCOMPARE(found.kind, ProgramKind::Win64);
    }
    QCOMPARE(path.mid(path.size() - 2), (QStringList{"C:\\windows\\system32", "C:\\windows"}));
}

void TestPrograms::dosProgramsNeverRunUnderWine()
{
    const auto programs = makeNativeWindowsPrograms(m_dir.path());
    QCOMPARE(programs->support(ProgramKind::Dos), RunSupport::No);
    QCOMPARE(programs->support(ProgramKind::OtherMachine), RunSupport::No);
}

void TestPrograms::probe64RunsUnderWine()
{
    test::TestWine wine(m_dir.path());
    if (!wine.available())
        QSKIP("wine is not installed");
    const QString exe = m_dir.filePath(QStringLiteral("probe64.exe"));
    QVERIFY(writeFile(exe, probeProgram(ProgramKind::Win64)));
    QCOMPARE(runUnderWine(exe), ProbeExitCode);
    QCOMPARE(makeNativeWindowsPrograms(m_dir.path())->support(ProgramKind::Win64), RunSupport::Yes);
}

void TestPrograms::answerFor32BitIsWhatWineDoes()
{
    test::TestWine wine(m_dir.path());
    if (!wine.available())
        QSKIP("wine is not installed");
    const QString exe = m_dir.filePath(QStringLiteral("probe32.exe"));
    QVERIFY(writeFile(exe, probeProgram(ProgramKind::Win32)));
    const bool runs = runUnderWine(exe) == ProbeExitCode;
    qInfo("32-bit programs %s under this Wine", runs ? "run" : "do not run");
    const auto programs = makeNativeWindowsPrograms(m_dir.path());
    const RunSupport expected = runs ? RunSupport::Yes : RunSupport::NeedsWine32;
    QCOMPARE(programs->support(ProgramKind::Win32), expected);
    QCOMPARE(programs->support(ProgramKind::Win16), expected); // remembered, through the same part of Wine
    // The probe leaves nothing behind in the folder it was given.
    const QStringList left = QDir(m_dir.path()).entryList({QStringLiteral("probe-*")}, QDir::AllEntries);
    QCOMPARE(left, QStringList{});
}

QTEST_GUILESS_MAIN(TestPrograms)
#include "tst_programs.moc"
