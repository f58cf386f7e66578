#include "common/AppError.h"
#include "common/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <functional>

using namespace brannock;

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    /// What the run wrote into the test store goes.
    void cleanupTestCase()
    {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brannock-test"), QStringLiteral("Brannock"))
            .clear();
    }

    void missingKeysGiveTheCallersDefault();
    void storedEmptyTextIsNotReplaced();
    void valuesAreExactText();
    void keyWithASpace();
    void separateStoresSeeEachOthersWrites();
    void anotherProcessSeesAWriteAtOnce();
    void unreadableStoreIsReportedAndNothingIsLost();
    void malformedStoreIsNotOverwritten();
    void storeThatWouldNotReadBackIsNeitherReadNorWritten_data();
    void storeThatWouldNotReadBackIsNeitherReadNorWritten();
    void writeFailuresCarryTheirCause_data();
    void writeFailuresCarryTheirCause();
    void perUserStoreLivesUnderBrannock();

private:
    QTemporaryDir m_dir;
    QString iniPath(const QString &name) const { return m_dir.filePath(name); }
};

void TestSettings::missingKeysGiveTheCallersDefault()
{
    SettingsStore store(iniPath("missing.ini"));
    QCOMPARE(store.ReadSetting(u"Pals", u"Armors", QStringLiteral("pal3")), QStringLiteral("pal3"));
    QCOMPARE(store.ReadSetting(u"Pals", u"Armors"), QString());
    store.WriteSetting(u"Color", u"R1", QStringLiteral("10"));
    // A missing section beside an existing one still gives the default.
    QCOMPARE(store.ReadSetting(schema::OtherUseAVC, QStringLiteral("Yes")), QStringLiteral("Yes"));
    QCOMPARE(store.ReadSetting(u"Color", u"G1", QStringLiteral("0")), QStringLiteral("0"));
}

void TestSettings::storedEmptyTextIsNotReplaced()
{
    SettingsStore store(iniPath("empty.ini"));
    store.WriteSetting(schema::GamePath, QString());
    QCOMPARE(store.ReadSetting(schema::GamePath, QStringLiteral("fallback")), QString());
}

void TestSettings::valuesAreExactText()
{
    SettingsStore store(iniPath("exact.ini"));
    const QString texts[] = {QStringLiteral("yes"), QStringLiteral(" Yes "), QStringLiteral("C:\\Halvern\\Kestrow\\"),
                             QStringLiteral("Skins\\6.0 GOLD\\"), QStringLiteral("p=1;x,y \"q\""),
                             QStringLiteral("\u00fcber")};
    for (const QString &text : texts) {
        store.WriteSetting(schema::SkinPath, text);
        QCOMPARE(store.ReadSetting(schema::SkinPath), text);
    }
    store.WriteSetting(schema::SkinPath, QStringLiteral("first"));
    store.WriteSetting(schema::SkinPath, QStringLiteral("second"));
    QCOMPARE(store.ReadSetting(schema::SkinPath), QStringLiteral("second"));
}

void TestSettings::keyWithASpace()
{
    SettingsStore store(iniPath("space.ini"));
    store.WriteSetting(schema::PalSolarPanels, QStringLiteral("pal9"));
    QCOMPARE(store.ReadSetting(u"Pals", u"Solar Panels"), QStringLiteral("pal9"));
    QCOMPARE(store.ReadSetting(u"Pals", u"Solar"), QString());
    QCOMPARE(store.ReadSetting(u"Pals", u"Panels"), QString());
}

void TestSettings::separateStoresSeeEachOthersWrites()
{
    SettingsStore writer(iniPath("shared.ini"));
    const SettingsStore reader(iniPath("shared.ini"));
    QCOMPARE(reader.ReadSetting(schema::OtherDelNew), QString());
    writer.WriteSetting(schema::OtherDelNew, QStringLiteral("Yes"));
    QCOMPARE(reader.ReadSetting(schema::OtherDelNew), QStringLiteral("Yes"));
    writer.WriteSetting(schema::OtherDelNew, QStringLiteral("No"));
    QCOMPARE(reader.ReadSetting(schema::OtherDelNew), QStringLiteral("No"));
}

void TestSettings::anotherProcessSeesAWriteAtOnce()
{
    // The per-user store, written by a child process (the test's own binary in writer mode).
    SettingsStore store;
    store.WriteSetting(schema::ColorR2, QStringLiteral("1"));
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("BRANNOCK_TEST_WRITE"), QStringLiteral("Color/R2=77"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(store.ReadSetting(schema::ColorR2), QStringLiteral("77"));
}

void TestSettings::unreadableStoreIsReportedAndNothingIsLost()
{
    // A folder where the store's file should be: fails for root as well.
    const QString path = iniPath("folder.ini");
    QVERIFY(QDir().mkpath(path));
    SettingsStore store(path);
    try {
        store.ReadSetting(schema::ColorR1, QStringLiteral("0"));
        QFAIL("reading a store that is a folder must fail");
    } catch (const AppError &error) {
        QCOMPARE(error.number(), ErrorNumber::SettingsStore);
        QVERIFY(error.description().contains(QStringLiteral("folder.ini")));
        QVERIFY(error.report().startsWith(QStringLiteral("Error 1001:\r\n")));
    }
    QVERIFY_THROWS_EXCEPTION(AppError, store.WriteSetting(schema::ColorR1, QStringLiteral("5")));
    QVERIFY(QFileInfo(path).isDir());
}

void TestSettings::malformedStoreIsNotOverwritten()
{
    const QString path = iniPath("malformed.ini");
    {
        SettingsStore store(path);
        store.WriteSetting(schema::ColorR1, QStringLiteral("12"));
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append));
    file.write("[Broken\nno closing bracket and = signs ]]]\n");
    file.close();
    const QByteArray before = [&] { QFile f(path); f.open(QIODevice::ReadOnly); return f.readAll(); }();

    SettingsStore store(path);
    bool failed = false;
    try {
        store.WriteSetting(schema::ColorG1, QStringLiteral("1"));
    } catch (const AppError &error) {
        failed = true;
        QVERIFY(error.description().contains(QStringLiteral("malformed")));
    }
    QVERIFY(failed);
    QFile after(path);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), before); // refused: the file is untouched
}

void TestSettings::storeThatWouldNotReadBackIsNeitherReadNorWritten_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("problem");

    QByteArray noise(4096, '\0');
    quint32 state = 7;
    for (char &byte : noise) {
        state = state * 1103515245u + 12345u;
        byte = char(state >> 24);
    }
    const QByteArray good = "[Color]\nR1=12\n";
    QTest::newRow("random bytes") << noise << "not UTF-8 text";
    QTest::newRow("a line without =") << good + "hand edited\nG1=3\n" << "line 3 is neither";
    QTest::newRow("a comment") << good + "; my note\n" << "line 3 is neither";
    QTest::newRow("a key twice") << good + "R1=13\n" << "line 3 sets Color/R1 a second time";
    QTest::newRow("a broken section") << good + "[Pals\n" << "line 3 is not a whole [section] line";
    QTest::newRow("a control character") << good + "G1=\x01\n" << "line 3 holds a control character";
}

void TestSettings::storeThatWouldNotReadBackIsNeitherReadNorWritten()
{
    // The per-user store, where QSettings itself reads past what it does not understand.
    QFETCH(QByteArray, content);
    QFETCH(QString, problem);
    SettingsStore store;
    const QString path = store.location();
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(content), content.size());
    }
    const auto expectRefusal = [&](const std::function<void()> &use) {
        try {
            use();
            QFAIL("a store that would not read back was used");
        } catch (const AppError &error) {
            QCOMPARE(error.number(), ErrorNumber::SettingsStore);
            QVERIFY2(error.description().contains(QDir::toNativeSeparators(path)), qPrintable(error.report()));
            QVERIFY2(error.description().contains(problem), qPrintable(error.report()));
        }
    };
    expectRefusal([&] { store.ReadSetting(schema::ColorR1, QStringLiteral("0")); });
    expectRefusal([&] { store.WriteSetting(schema::ColorG1, QStringLiteral("1")); });
    QFile after(path);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), content); // never rewritten
    after.close();
    QVERIFY(QFile::remove(path));
}

void TestSettings::writeFailuresCarryTheirCause_data()
{
    QTest::addColumn<QString>("ini");  ///< "<dir>" stands for a temporary folder
    QTest::addColumn<bool>("fullDisk"); ///< the writer may not grow any file
    QTest::addColumn<QString>("report");
    QTest::newRow("full disk") << "<dir>/full.ini" << true << "Error 61:\r\nCannot write the settings store \"";
    // Nobody, root included, may create a file in sysfs.
    QTest::newRow("folder that may not be written")
        << "/sys/brannock-test.ini" << false << "Error 70:\r\nCannot write the settings store \"";
}

void TestSettings::writeFailuresCarryTheirCause()
{
#ifdef Q_OS_UNIX
    QFETCH(QString, ini);
    QFETCH(bool, fullDisk);
    QFETCH(QString, report);
    if (ini.startsWith(QLatin1String("/sys/")) && !QFileInfo(QStringLiteral("/sys")).isDir())
        QSKIP("no sysfs here");
    ini.replace(QStringLiteral("<dir>"), m_dir.path());
    QByteArray before;
    if (fullDisk) {
        SettingsStore(ini).WriteSetting(schema::ColorR1, QStringLiteral("12"));
        QFile file(ini);
        QVERIFY(file.open(QIODevice::ReadOnly));
        before = file.readAll();
    }
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("BRANNOCK_TEST_WRITE"), QStringLiteral("Color/R2=77"));
    env.insert(QStringLiteral("BRANNOCK_TEST_INI"), ini);
    child.setProcessEnvironment(env);
    child.start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"),
                 fullDisk ? QStringLiteral("ulimit -f 0; trap '' XFSZ; exec \"$0\"") : QStringLiteral("exec \"$0\""),
                 QCoreApplication::applicationFilePath()});
    QVERIFY(child.waitForFinished(30000));
    const QString stderrText = QString::fromLocal8Bit(child.readAllStandardError());
    QCOMPARE(child.exitCode(), 3);
    QVERIFY2(stderrText.startsWith(report), qPrintable(stderrText));
    QVERIFY2(stderrText.contains(QDir::toNativeSeparators(ini)), qPrintable(stderrText));
    if (fullDisk) {
        QFile after(ini);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), before);
        QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("*full*"), QStringLiteral(".Brannock*")},
                                              QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("full.ini")});
    }
#else
    QSKIP("needs a POSIX shell and sysfs");
#endif
}

void TestSettings::perUserStoreLivesUnderBrannock()
{
    // A test run keeps to a store of its own, in a file or the registry, never the player's.
    const QString location = SettingsStore().location();
    QVERIFY2(location.endsWith(QStringLiteral("/Brannock-test/Brannock.conf"))
                 || location == QLatin1String("\\HKEY_CURRENT_USER\\Software\\Brannock-test\\Brannock"),
             qPrintable(location));
}

int main(int argc, char *argv[])
{
    const QByteArray write = qgetenv("BRANNOCK_TEST_WRITE");
    if (!write.isEmpty()) {
        // Writer mode for anotherProcessSeesAWriteAtOnce.
        QCoreApplication app(argc, argv);
        QStandardPaths::setTestModeEnabled(true);
        const QString text = QString::fromUtf8(write);
        const QString section = text.section(QLatin1Char('/'), 0, 0);
        const QString key = text.section(QLatin1Char('/'), 1).section(QLatin1Char('='), 0, 0);
        const QString value = text.section(QLatin1Char('='), 1);
        const QString ini = qEnvironmentVariable("BRANNOCK_TEST_INI");
        try {
            (ini.isEmpty() ? SettingsStore() : SettingsStore(ini)).WriteSetting(section, key, value);
        } catch (const AppError &error) {
            std::fputs(qPrintable(error.report()), stderr);
            return 3;
        }
        return 0;
    }
    QCoreApplication app(argc, argv);
    TestSettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settings.moc"
