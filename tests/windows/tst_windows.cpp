// What only the Windows build has: the registry as the settings store, shared between
// processes, the code pages that come from the system and that cmd.exe reads, and cmd.exe
// running a batch file in the working folder, and finding the tools it starts.
#include "common/SettingsStore.h"
#include "platform/CodePage.h"
#include "platform/ScriptRunner.h"
#include "platform/WindowsPrograms.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace brannock;

namespace {

// The store of a test run (Qt's test mode), never the player's HKCU\Software\Brannock.
const QString kTestOrganisationKey = QStringLiteral("HKCU\\Software\\Brannock-test");
const QString kStoreKey = kTestOrganisationKey + QStringLiteral("\\Brannock");

/// Runs a system program and returns what it printed; empty when it failed.
QString run(const QString &program, const QStringList &arguments, const QString &folder = {})
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

/// A REG_SZ value as reg.exe reports it, or an empty text.
QString regValue(const QString &key, const QString &name)
{
    const QString out = run(QStringLiteral("reg.exe"), {QStringLiteral("query"), key, QStringLiteral("/v"), name});
    const QRegularExpression line(QRegularExpression::escape(name) + QStringLiteral("\\s+REG_SZ\\s+([^\\r\\n]*)"));
    return line.match(out).captured(1);
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanupTestCase()
    {
        run(QStringLiteral("reg.exe"), {QStringLiteral("delete"), kTestOrganisationKey, QStringLiteral("/f")});
    }
    void settingsLiveInTheRegistry();
    void codePagesAreTheSystems();
    void batchFileReadInTheConsoleCodePage();
    void scriptRunsInTheWorkingFolder();
    void toolsFoundAsCmdFindsThem();
};

void TestWindows::settingsLiveInTheRegistry()
{
    SettingsStore store;
    QCOMPARE(store.location(), QStringLiteral("\\HKEY_CURRENT_USER\\Software\\Brannock-test\\Brannock"));

    // Written here, read by another program at once...
    store.WriteSetting(schema::GamePath, QStringLiteral("D:\\Halvern\\Kestrow"));
    QCOMPARE(regValue(kStoreKey + QStringLiteral("\\Kestrow"), QStringLiteral("Path")),
             QStringLiteral("D:\\Halvern\\Kestrow"));

    // ... and written by another program, read here at once, a key with a space included.
    QVERIFY(!run(QStringLiteral("reg.exe"), {QStringLiteral("add"), kStoreKey + QStringLiteral("\\Pals"), QStringLiteral("/v"),
                                             QStringLiteral("Solar Panels"), QStringLiteral("/d"), QStringLiteral("pal9"),
                                             QStringLiteral("/f")})
                 .isNull());
    QCOMPARE(store.ReadSetting(schema::PalSolarPanels), QStringLiteral("pal9"));
}

void TestWindows::codePagesAreTheSystems()
{
    const QString nls = QStringLiteral("HKLM\\System\\CurrentControlSet\\Control\\Nls\\CodePage");
    QCOMPARE(QString::number(oemCodePage().number()), regValue(nls, QStringLiteral("OEMCP")));
    QCOMPARE(QString::number(CodePage::ansi().number()), regValue(nls, QStringLiteral("ACP")));
}

void TestWindows::batchFileReadInTheConsoleCodePage()
{
    // A name with a character outside ASCII, written into a batch file in the console code
    // page, names the same file when cmd.exe runs it.
    QTemporaryDir dir;
    const QString name = QStringLiteral("\u00fcbung \u00e9t\u00e9.txt");
    const CodePage::Encoded line = oemCodePage().encode(QStringLiteral("echo made> \"%1\"\r\n").arg(name));
    QVERIFY(line.ok());
    QFile script(dir.filePath(QStringLiteral("write.bat")));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(line.bytes);
    script.close();

    QVERIFY(!run(QStringLiteral("cmd.exe"), {QStringLiteral("/d"), QStringLiteral("/c"), QStringLiteral("write.bat")},
                 dir.path())
                 .isNull());
    QVERIFY2(QFileInfo::exists(dir.filePath(name)),
             qPrintable(QDir(dir.path()).entryList(QDir::Files).join(QStringLiteral(", "))));
}

void TestWindows::scriptRunsInTheWorkingFolder()
{
    // Compile.bat stands in the work folder; cmd.exe runs it in the folder Brannock was
    // started from, where the player keeps MakeSkin.exe and VT.exe.
    QTemporaryDir dir;
    const QString work = dir.filePath(QStringLiteral("work folder")), start = dir.filePath(QStringLiteral("start here"));
    QVERIFY(QDir().mkpath(work) && QDir().mkpath(start));
    QFile script(work + QStringLiteral("/Compile.bat"));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("@echo %CD%> \"%~dp0where.txt\"\r\n@echo ran\r\n");
    script.close();

    const auto run = makeNativeScriptRunner()->start(script.fileName(), start, QString());
    QSignalSpy output(run.get(), &ScriptRun::output), finished(run.get(), &ScriptRun::finished);
    QVERIFY(finished.wait(60000));
    QCOMPARE(finished.first().at(0).toInt(), 0);
    QByteArray printed;
    for (const QList<QVariant> &chunk : std::as_const(output))
        printed += chunk.first().toByteArray();
    QCOMPARE(printed.trimmed(), QByteArray("ran"));
    QFile where(work + QStringLiteral("/where.txt"));
    QVERIFY(where.open(QIODevice::ReadOnly));
    const QString folder = QString::fromLocal8Bit(where.readAll()).trimmed();
    QVERIFY2(folder.compare(QDir::toNativeSeparators(start), Qt::CaseInsensitive) == 0, qPrintable(folder));
}


void TestWindows::toolsFoundAsCmdFindsThem()
{
    // The working folder comes first, then %PATH%; names match in any letter case.
    QTemporaryDir dir;
    const QString start = dir.filePath(QStringLiteral("start")), onPath = dir.filePath(QStringLiteral("on path"));
    QVERIFY(QDir().mkpath(start) && QDir().mkpath(onPath));
    const auto write = [](const QString &path, ProgramKind kind) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(probeProgram(kind)) > 0;
    };
    QVERIFY(write(start + QStringLiteral("/makeskin.EXE"), ProgramKind::Win64));
    QVERIFY(write(onPath + QStringLiteral("/MakeSkin.exe"), ProgramKind::Win32));
    QVERIFY(write(onPath + QStringLiteral("/VT.exe"), ProgramKind::Win32));
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", QDir::toNativeSeparators(onPath).toLocal8Bit() + ';' + oldPath);
    const auto programs = makeNativeWindowsPrograms(dir.path());
    const FoundProgram makeSkin = programs->find(QStringLiteral("MakeSkin.exe"), start, QString());
    const FoundProgram vt = programs->find(QStringLiteral("VT.exe"), start, QString());
    const FoundProgram none = programs->find(QStringLiteral("None.exe"), start, QString());
    const QStringList path = programs->searchPath();
    qputenv("PATH", oldPath);

    QCOMPARE(makeSkin.kind, ProgramKind::Win64);
    QVERIFY2(makeSkin.path.startsWith(QDir::toNativeSeparators(start), Qt::CaseInsensitive), qPrintable(makeSkin.path));
    QCOMPARE(vt.kind, ProgramKind::Win32);
    QVERIFY2(vt.path.startsWith(QDir::toNativeSeparators(onPath), Qt::CaseInsensitive), qPrintable(vt.path));
    QCOMPARE(none.kind, ProgramKind::Missing);
    QCOMPARE(path.value(0), QDir::toNativeSeparators(onPath));
    QCOMPARE(programs->support(ProgramKind::Win32), RunSupport::Yes);
    QCOMPARE(programs->support(ProgramKind::Win64), RunSupport::Yes);
    QCOMPARE(programs->support(ProgramKind::Win16), RunSupport::No);
    QCOMPARE(programs->support(ProgramKind::Dos), RunSupport::No);
}

QTEST_GUILESS_MAIN(TestWindows)
#include "tst_windows.moc"
