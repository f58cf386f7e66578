// What only the Windows build has: the registry as the settings store, shared between
// processes, and the code pages that come from the system and that cmd.exe reads.
#include "platform/CodePage.h"
#include "common/SettingsStore.h"
#include "platform/WinePrefix.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace brannock;

namespace {

const QString kStoreKey = QStringLiteral("HKCU\\Software\\Brannock\\Brannock");

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
    void settingsLiveInTheRegistry();
    void codePagesAreTheSystems();
    void batchFileReadInTheConsoleCodePage();
};

void TestWindows::settingsLiveInTheRegistry()
{
    SettingsStore store;
    QCOMPARE(store.location(), QStringLiteral("\\HKEY_CURRENT_USER\\Software\\Brannock\\Brannock"));

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

QTEST_GUILESS_MAIN(TestWindows)
#include "tst_windows.moc"
