// The real programs, started offscreen with switches or asked for --help and --version,
// in a folder and settings location of their own.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void startsAndPaintsItsFirstFrame_data();
    void startsAndPaintsItsFirstFrame();
    void helpAndVersionPrintWithoutAWindow_data();
    void helpAndVersionPrintWithoutAWindow();
    void portableCopyKeepsItsWorkFilesBesideIt();

private:
    /// Runs `program` with `arguments` where no window can open (an unknown window
    /// system: a program that tried would fail); returns its standard output.
    static QString runWithoutWindowSystem(const QString &program, const QStringList &arguments,
                                          const QTemporaryDir &home);
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

    // Brannock's own program, ending at its first frame.
    QProcess brannock;
    brannock.setProcessEnvironment(env);
    brannock.setWorkingDirectory(work.path());
    brannock.start(QStringLiteral(BRANNOCK_FIRST_FRAME_EXE), arguments);
    QVERIFY2(brannock.waitForFinished(30000), "the window never painted a frame");
    QCOMPARE(brannock.exitStatus(), QProcess::NormalExit);
    QCOMPARE(brannock.exitCode(), 0);

    // Starting writes nothing: no settings, no script, no work folder.
    QVERIFY(!QFileInfo::exists(config.filePath(QStringLiteral("Brannock/Brannock.conf"))));
    QVERIFY(QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

QString TestEndToEnd::runWithoutWindowSystem(const QString &program, const QStringList &arguments,
                                             const QTemporaryDir &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-window-system"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en")); // the texts looked for are the English ones
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QStringLiteral("failed: ") + QString::fromLocal8Bit(process.readAllStandardError());
    // Windows ends the printed lines with CR LF.
    return QString::fromLocal8Bit(process.readAllStandardOutput()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void TestEndToEnd::helpAndVersionPrintWithoutAWindow_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("expected");
    const QString brannock = QStringLiteral(BRANNOCK_EXE);
    const QString primewell = QStringLiteral(PRIMEWELL_EXE);
    const QString data = QStringLiteral("Work files: ");
    QTest::newRow("Brannock --help") << brannock << QStringList{"--help"}
                                     << QStringList{"Usage: Brannock", "/nopaint/", "/hide/", "/noexec/", "/noregion/",
                                                    "/nodirs/", "Mode: installed", data, "Settings: ",
                                                    // what a player needs besides the switches
                                                    "Run Primewell once", "MakeSkin.exe and VT.exe in the tools folder", "Game's tools: ",
                                                    "search path", "dpkg --add-architecture i386", "apt-get install wine wine32:i386"};
    QTest::newRow("Brannock -h among switches") << brannock << QStringList{"/hide/", "-h"}
                                                << QStringList{"Usage: Brannock"};
    QTest::newRow("Brannock --version") << brannock << QStringList{"--version"}
                                        << QStringList{"Brannock " PROJECT_VERSION "\n"};
    QTest::newRow("Primewell --help") << primewell << QStringList{"--help"}
                                      << QStringList{"Usage: Primewell", "Mode: installed", data, "Settings: ",
                                                     "before Brannock's first start", "Brannock --help"};
    QTest::newRow("Primewell --version") << primewell << QStringList{"--version"}
                                         << QStringList{"Primewell " PROJECT_VERSION "\n"};
}

void TestEndToEnd::helpAndVersionPrintWithoutAWindow()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, expected);
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QString out = runWithoutWindowSystem(program, arguments, home);
    for (const QString &text : expected)
        QVERIFY2(out.contains(text), qPrintable(out));
    // Asking writes nothing: no settings, no work folder.
    QVERIFY(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

void TestEndToEnd::portableCopyKeepsItsWorkFilesBesideIt()
{
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QString programs = QDir(home.path()).filePath(QStringLiteral("Brannock portable"));
    QVERIFY(QDir().mkpath(programs));
    const QString copy = programs + QLatin1Char('/') + QFileInfo(QStringLiteral(BRANNOCK_EXE)).fileName();
    QVERIFY(QFile::copy(QStringLiteral(BRANNOCK_EXE), copy));

    // Without the marker the copy counts as installed: work files in the user data folder
    // (where XDG_DATA_HOME says on Linux; Windows has its own per-user folder).
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    qunsetenv("XDG_DATA_HOME");
    const QString installed = runWithoutWindowSystem(copy, {QStringLiteral("--help")}, home);
    QVERIFY2(installed.contains(QStringLiteral("Work files: ") + QDir::toNativeSeparators(data + QStringLiteral("/Brannock"))),
             qPrintable(installed));

    QFile marker(programs + QStringLiteral("/portable"));
    QVERIFY(marker.open(QIODevice::WriteOnly));
    marker.close();
    const QString out = runWithoutWindowSystem(copy, {QStringLiteral("--help")}, home);
    QVERIFY2(out.contains(QStringLiteral("Mode: portable")), qPrintable(out));
    QVERIFY2(out.contains(QStringLiteral("Work files: ") + QDir::toNativeSeparators(programs) + QLatin1Char('\n')),
             qPrintable(out));
}

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
