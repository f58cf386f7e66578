#include "base/AppError.h"
#include "common/SettingsStore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>

#ifdef Q_OS_UNIX
#include <utime.h>
#endif

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
    void handEditedStoreIsReadAsWritten_data();
    void handEditedStoreIsReadAsWritten();
    void valuesTheStoreCouldNotReadBackAreRefused_data();
    void valuesTheStoreCouldNotReadBackAreRefused();
    void lockOfAnEndedWriterIsTakenOverAtOnce_data();
    void lockOfAnEndedWriterIsTakenOverAtOnce();
    void lockOfALiveWriterIsWaitedFor();
    void leftoverCopiesOfKilledWritesGo_data();
    void leftoverCopiesOfKilledWritesGo();
    void writeFailuresCarryTheirCause_data();
    void writeFailuresCarryTheirCause();
    void perUserStoreLivesUnderBrannock();
    void storeWithoutSettings_data();
    void storeWithoutSettings();
    void severalValuesAreWrittenAllOrNone();

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
    QTest::newRow("a key twice, spelt with escapes") << good + "%52%31=99\n" << "line 3 sets Color/R1 a second time";
    QTest::newRow("a key twice, spelt with %U escapes") << good + "%U0052%U0031=99\n"
                                                         << "line 3 sets Color/R1 a second time";
    QTest::newRow("a section twice, spelt with escapes") << good + "[%43olor]\nR1=9\n"
                                                          << "line 4 sets Color/R1 a second time";
    QTest::newRow("a key twice, once outside the sections")
        << QByteArray("Color\\R1=1\n[Color]\nR1=2\n") << "line 3 sets Color/R1 a second time";
    QTest::newRow("a trailing backslash") << good + "G1=10\\\nB1=3\n" << "line 3 ends in a \\ that joins it";
    QTest::newRow("a backslash the store drops") << QByteArray("[Kestrow]\nPath=C:\\Halvern\n")
                                                  << "line 2 holds \"\\H\", which is not read as written";
    QTest::newRow("a comma") << good + "G1=1,2\n" << "line 3 holds \",\" outside quotes";
    QTest::newRow("a semicolon") << good + "G1=1;2\n" << "line 3 holds \";\" outside quotes";
    QTest::newRow("an open quote") << good + "G1=\"12\nB1=3\n" << "line 3 opens a quote that it does not close";
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
            QVERIFY2(error.description().contains(QStringLiteral("run Primewell, which offers to set it aside and "
                                                                 "write the defaults")),
                     qPrintable(error.report()));
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

void TestSettings::handEditedStoreIsReadAsWritten_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("key"); ///< section/key
    QTest::addColumn<QString>("value");
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF[Color]\nR1=10\n") << "Color/R1" << "10";
    QTest::newRow("escaped backslashes") << QByteArray("[Skin]\nPath=Skins\\\\6.0 GOLD\\\\\n") << "Skin/Path"
                                         << "Skins\\6.0 GOLD\\";
    QTest::newRow("quoted comma") << QByteArray("[Pals]\nArmors=\"pal3,x; y\"\n") << "Pals/Armors" << "pal3,x; y";
    QTest::newRow("CR LF lines") << QByteArray("[Color]\r\nR1=10\r\nG1=20\r\n") << "Color/G1" << "20";
}

void TestSettings::handEditedStoreIsReadAsWritten()
{
    // Read as written, and the next write keeps what was there and reports success.
    QFETCH(QByteArray, content);
    QFETCH(QString, key);
    QFETCH(QString, value);
    const QString path = iniPath(QStringLiteral("hand-%1.ini").arg(QTest::currentDataTag()));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    SettingsStore store(path);
    const QString section = key.section(u'/', 0, 0);
    const QString name = key.section(u'/', 1);
    QCOMPARE(store.ReadSetting(section, name), value);
    store.WriteSetting(schema::OtherUseAVC, QStringLiteral("Yes"));
    QCOMPARE(store.ReadSetting(section, name), value);
    QCOMPARE(store.ReadSetting(schema::OtherUseAVC), QStringLiteral("Yes"));
}

void TestSettings::valuesTheStoreCouldNotReadBackAreRefused_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("refusal"); ///< empty: stored
    QTest::newRow("at the limit") << QString(schema::MaxValueLength, u'x') << QString();
    QTest::newRow("over the limit") << QString(schema::MaxValueLength + 1, u'x')
                                    << "The setting Kestrow/Path was not written: it is longer than 1024 characters.";
    QTest::newRow("a text box's most") << QString(32767, u'x')
                                       << "The setting Kestrow/Path was not written: it is longer than 1024 characters.";
    QTest::newRow("a control character") << QStringLiteral("C:\\a\x7f")
                                         << "The setting Kestrow/Path was not written: it holds a control character.";
}

void TestSettings::valuesTheStoreCouldNotReadBackAreRefused()
{
    QFETCH(QString, value);
    QFETCH(QString, refusal);
    SettingsStore store(iniPath(QStringLiteral("long.ini")));
    store.WriteSetting(schema::GamePath, QStringLiteral("C:\\Halvern\\Kestrow"));
    // Every key at its longest: the store still reads and writes.
    for (int i = 0; i < 30; ++i)
        store.WriteSetting(u"Pals", QStringLiteral("Key%1").arg(i), QString(schema::MaxValueLength, u'\u00fc'));
    if (refusal.isEmpty()) {
        store.WriteSetting(schema::GamePath, value);
        QCOMPARE(store.ReadSetting(schema::GamePath), value);
        return;
    }
    try {
        store.WriteSetting(schema::GamePath, value);
        QFAIL("a value the store could not read back was written");
    } catch (const AppError &error) {
        QCOMPARE(error.description(), refusal);
    }
    QCOMPARE(store.ReadSetting(schema::GamePath), QStringLiteral("C:\\Halvern\\Kestrow"));
    store.WriteSetting(schema::ColorR1, QStringLiteral("1"));
}

void TestSettings::lockOfAnEndedWriterIsTakenOverAtOnce_data()
{
    QTest::addColumn<QByteArray>("lock"); ///< the lock file's bytes; empty: left by a killed child
    QTest::addColumn<bool>("byChild");
    QTest::newRow("empty, killed before it named its owner") << QByteArray() << false;
    QTest::newRow("unreadable") << QByteArray("not a lock\n") << false;
    QTest::newRow("owner ended without letting go") << QByteArray() << true;
}

void TestSettings::lockOfAnEndedWriterIsTakenOverAtOnce()
{
    QFETCH(QByteArray, lock);
    QFETCH(bool, byChild);
    const QString path = iniPath(QStringLiteral("locked.ini"));
    const QString lockPath = path + QStringLiteral(".lock");
    SettingsStore store(path);
    store.WriteSetting(schema::ColorR1, QStringLiteral("1"));
    if (byChild) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("BRANNOCK_TEST_LOCK"), lockPath);
        env.insert(QStringLiteral("BRANNOCK_TEST_LOCK_MS"), QStringLiteral("0"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitCode(), 5); // ended holding the lock
    } else {
        QFile file(lockPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(lock);
    }
    QVERIFY(QFileInfo::exists(lockPath));
    QElapsedTimer clock;
    clock.start();
    store.WriteSetting(schema::ColorR1, QStringLiteral("2"));
    // QSettings alone waits half a minute for a lock that names no owner.
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(store.ReadSetting(schema::ColorR1), QStringLiteral("2"));
    QVERIFY(!QFileInfo::exists(lockPath));
}

void TestSettings::lockOfALiveWriterIsWaitedFor()
{
    const QString path = iniPath(QStringLiteral("live.ini"));
    const QString lockPath = path + QStringLiteral(".lock");
    SettingsStore store(path);
    store.WriteSetting(schema::ColorR1, QStringLiteral("1"));
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("BRANNOCK_TEST_LOCK"), lockPath);
    env.insert(QStringLiteral("BRANNOCK_TEST_LOCK_MS"), QStringLiteral("1500"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForReadyRead(30000)); // "locked"
    QElapsedTimer clock;
    clock.start();
    store.WriteSetting(schema::ColorR1, QStringLiteral("2"));
    QVERIFY2(clock.elapsed() >= 800, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitCode(), 0); // its lock stayed its own until it let go
    QCOMPARE(store.ReadSetting(schema::ColorR1), QStringLiteral("2"));
}

void TestSettings::leftoverCopiesOfKilledWritesGo_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("ageSeconds");
    QTest::addColumn<bool>("folder");
    QTest::addColumn<bool>("kept");
    QTest::newRow("an old copy") << "copies.ini.Ab12Cd" << 120 << false << false;
    QTest::newRow("an old copy, six characters of any kind") << "copies.ini.a.b.c." << 3600 << false << false;
    QTest::newRow("a live writer's copy") << "copies.ini.Ab12Cd" << 2 << false << true;
    QTest::newRow("another file's copy") << "other.ini.Ab12Cd" << 120 << false << true;
    QTest::newRow("seven characters") << "copies.ini.Ab12Cde" << 120 << false << true;
    QTest::newRow("a folder") << "copies.ini.Ab12Cd" << 120 << true << true;
}

void TestSettings::leftoverCopiesOfKilledWritesGo()
{
#ifdef Q_OS_UNIX
    QFETCH(QString, name);
    QFETCH(int, ageSeconds);
    QFETCH(bool, folder);
    QFETCH(bool, kept);
    QTemporaryDir dir;
    const QString leftover = dir.filePath(name);
    if (folder) {
        QVERIFY(QDir().mkpath(leftover));
    } else {
        QFile file(leftover);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Color]\nR1=");
    }
    const auto then = std::time(nullptr) - ageSeconds;
    const utimbuf times{then, then};
    QCOMPARE(utime(QFile::encodeName(leftover).constData(), &times), 0);
    SettingsStore(dir.filePath(QStringLiteral("copies.ini"))).WriteSetting(schema::ColorR1, QStringLiteral("3"));
    QCOMPARE(QFileInfo::exists(leftover), kept);
#else
    QSKIP("sets file times with utime()");
#endif
}

void TestSettings::writeFailuresCarryTheirCause_data()
{
    QTest::addColumn<QString>("ini");  ///< "<dir>" stands for a temporary folder
    QTest::addColumn<bool>("fullDisk"); ///< the writer may not grow any file
    QTest::addColumn<bool>("several");  ///< every default at once instead of one value
    QTest::addColumn<QString>("report");
    QTest::newRow("full disk") << "<dir>/full.ini" << true << false << "Error 61:\r\nCannot write the settings store \"";
    QTest::newRow("full disk, every default at once")
        << "<dir>/full.ini" << true << true << "Error 61:\r\nCannot write the settings store \"";
    // Nobody, root included, may create a file in sysfs.
    QTest::newRow("folder that may not be written")
        << "/sys/brannock-test.ini" << false << false << "Error 70:\r\nCannot write the settings store \"";
}

void TestSettings::writeFailuresCarryTheirCause()
{
#ifdef Q_OS_UNIX
    QFETCH(QString, ini);
    QFETCH(bool, fullDisk);
    QFETCH(bool, several);
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
    env.insert(QStringLiteral("BRANNOCK_TEST_WRITE"), several ? QStringLiteral("<defaults>") : QStringLiteral("Color/R2=77"));
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

void TestSettings::storeWithoutSettings_data()
{
    QTest::addColumn<QByteArray>("content"); ///< "<none>": no file, "<folder>": a folder instead
    QTest::addColumn<bool>("none");
    QTest::newRow("no file") << QByteArray("<none>") << true;
    QTest::newRow("empty file") << QByteArray() << true;
    QTest::newRow("a section without keys") << QByteArray("[Color]\n") << true;
    QTest::newRow("one setting") << QByteArray("[Other]\nUseAVC=Yes\n") << false;
    QTest::newRow("a file the store cannot use") << QByteArray("; only a note\n") << false;
    QTest::newRow("a folder in its place") << QByteArray("<folder>") << false;
}

void TestSettings::storeWithoutSettings()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, none);
    const QString ini = iniPath(QStringLiteral("without-%1.ini").arg(QTest::currentDataTag()));
    if (content == "<folder>") {
        QVERIFY(QDir().mkpath(ini));
    } else if (content != "<none>") {
        QFile file(ini);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QCOMPARE(SettingsStore(ini).holdsNoSettings(), none);
}

void TestSettings::severalValuesAreWrittenAllOrNone()
{
    SettingsStore store(iniPath(QStringLiteral("several.ini")));
    store.WriteSetting(schema::ColorR1, QStringLiteral("12"));
    const QList<SettingValue> values = {{schema::ColorR1, QStringLiteral("0")},
                                        {schema::GamePath, QStringLiteral("C:\\Kw")},
                                        {schema::SkinPath, QStringLiteral("Skins\\a\tb\\")}};
    try {
        store.WriteSettings(values);
        QFAIL("a value the store could not read back was written");
    } catch (const AppError &error) {
        QCOMPARE(error.description(), QStringLiteral("The setting Skin/Path was not written: it holds a control character."));
    }
    QCOMPARE(store.ReadSetting(schema::ColorR1), QStringLiteral("12"));
    QCOMPARE(store.ReadSetting(schema::GamePath, QStringLiteral("<missing>")), QStringLiteral("<missing>"));

    store.WriteSettings(values.mid(0, 2));
    QCOMPARE(store.ReadSetting(schema::ColorR1), QStringLiteral("0"));
    QCOMPARE(store.ReadSetting(schema::GamePath), QStringLiteral("C:\\Kw"));
}

int main(int argc, char *argv[])
{
    if (const QString lockPath = qEnvironmentVariable("BRANNOCK_TEST_LOCK"); !lockPath.isEmpty()) {
        // Lock holder for the lock tests: takes the store's lock, says so, holds it for the
        // given time and lets go (exit 0, or 4 when its lock was taken from it), or ends
        // holding it (exit 5) when the time is 0.
        QCoreApplication app(argc, argv);
        QLockFile lock(lockPath);
        if (!lock.tryLock(10000))
            return 3;
        const int holdMs = qEnvironmentVariableIntValue("BRANNOCK_TEST_LOCK_MS");
        if (holdMs == 0)
            std::_Exit(5);
        std::fputs("locked\n", stdout);
        std::fflush(stdout);
        QThread::msleep(holdMs);
        qint64 pid = 0;
        QString host;
        QString application;
        if (!lock.getLockInfo(&pid, &host, &application) || pid != QCoreApplication::applicationPid())
            return 4;
        return 0;
    }
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
        QList<SettingValue> defaults;
        for (const auto &v : schema::SetupColors)
            defaults.append({v.key, toQString(v.value)});
        for (const auto &v : schema::SetupRest)
            defaults.append({v.key, toQString(v.value)});
        try {
            SettingsStore store = ini.isEmpty() ? SettingsStore() : SettingsStore(ini);
            if (text == QLatin1String("<defaults>"))
                store.WriteSettings(defaults);
            else
                store.WriteSetting(section, key, value);
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
