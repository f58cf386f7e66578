// The real Brannock program, started offscreen with switches, in a folder and settings
// location of its own.
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void startsAndPaintsItsFirstFrame_data();
    void startsAndPaintsItsFirstFrame();
};

void TestEndToEnd::startsAndPaintsItsFirstFrame_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no switches") << QStringList();
    for (const char *single : {"/nopaint/", "/noexec/", "/noregion/", "/nodirs/"})
        QTest::newRow(single) << QStringList{QString::fromLatin1(single)};
    QTest::newRow("all switches run together") << QStringList{QStringLiteral("/NOPAINT//noregion//noexec/")};
    // Offscreen there is no tray: "/hide/" must not hide the window for good.
    QTest::newRow("hide without a tray") << QStringList{QStringLiteral("/hide/")};
}

void TestEndToEnd::startsAndPaintsItsFirstFrame()
{
    QFETCH(QStringList, arguments);
    QTemporaryDir config;
    QTemporaryDir work;
    QVERIFY(config.isValid() && work.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    env.insert(QStringLiteral("WINEPREFIX"), work.filePath(QStringLiteral("no-prefix")));
    env.insert(QStringLiteral("BRANNOCK_QUIT_AT_FIRST_FRAME"), QStringLiteral("1"));

    QProcess brannock;
    brannock.setProcessEnvironment(env);
    brannock.setWorkingDirectory(work.path());
    brannock.start(QStringLiteral(BRANNOCK_EXE), arguments);
    QVERIFY2(brannock.waitForFinished(30000), "the window never painted a frame");
    QCOMPARE(brannock.exitStatus(), QProcess::NormalExit);
    QCOMPARE(brannock.exitCode(), 0);

    // Starting writes nothing: no settings, no script, no work folder.
    QVERIFY(!QFileInfo::exists(config.filePath(QStringLiteral("Brannock/Brannock.conf"))));
    QVERIFY(QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
