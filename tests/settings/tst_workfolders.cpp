// Where the player's files live: portable beside the programs, or installed in the
// per-user data folder, with the looks searched in the work folder before the shipped ones.
#include "common/WorkFolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace brannock;

namespace {

/// A scratch tree with a folder of programs and a user data folder.
struct Tree {
    QTemporaryDir root;
    QString path(const QString &relative) const { return QDir::toNativeSeparators(root.filePath(relative)); }
    void makeFolder(const QString &relative) const { QVERIFY(QDir(root.path()).mkpath(relative)); }
    void makeFile(const QString &relative) const
    {
        QFile file(root.filePath(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
};

} // namespace

class TestWorkFolders : public QObject {
    Q_OBJECT
private slots:
    void modeAndWorkFolder_data();
    void modeAndWorkFolder();
    void looksAreSearchedInTheWorkFolderFirst_data();
    void looksAreSearchedInTheWorkFolderFirst();
    void workFolderIsMadeWithItsParents();
    void descriptionNamesTheModeAndFolders();
};

void TestWorkFolders::modeAndWorkFolder_data()
{
    QTest::addColumn<bool>("markerFile");
    QTest::addColumn<bool>("markerFolder");
    QTest::addColumn<bool>("portable");
    QTest::newRow("marker file: portable") << true << false << true;
    QTest::newRow("no marker: installed") << false << false << false;
    QTest::newRow("a folder named like the marker: installed") << false << true << false;
}

void TestWorkFolders::modeAndWorkFolder()
{
    QFETCH(bool, markerFile);
    QFETCH(bool, markerFolder);
    QFETCH(bool, portable);
    Tree tree;
    tree.makeFolder("bin/Skins");
    if (markerFile)
        tree.makeFile("bin/portable");
    if (markerFolder)
        tree.makeFolder("bin/portable");

    const WorkFolders folders = WorkFolders::detect(tree.path("bin"), tree.path("data/Brannock"));
    QCOMPARE(folders.mode(), portable ? WorkFolders::Mode::Portable : WorkFolders::Mode::Installed);
    QCOMPARE(folders.programFolder(), tree.path("bin"));
    // The .tsf items, Compile.bat and New_Wendle go here.
    QCOMPARE(folders.workFolder(), portable ? tree.path("bin") : tree.path("data/Brannock"));
}

void TestWorkFolders::looksAreSearchedInTheWorkFolderFirst_data()
{
    QTest::addColumn<QString>("programs");    ///< relative to the tree
    QTest::addColumn<QString>("shippedRoot"); ///< where the shipped Skins folder stands
    QTest::newRow("build folder: looks beside the programs") << "build/bin" << "build/bin";
    QTest::newRow("installed: looks in share/brannock") << "usr/bin" << "usr/share/brannock";
}

void TestWorkFolders::looksAreSearchedInTheWorkFolderFirst()
{
    QFETCH(QString, programs);
    QFETCH(QString, shippedRoot);
    Tree tree;
    tree.makeFolder(programs);
    tree.makeFolder(shippedRoot + "/Skins/6.0 GOLD");
    tree.makeFolder(shippedRoot + "/Skins/Steel");
    tree.makeFolder("data/Brannock/Skins/Steel"); // the player's own copy of a shipped look
    tree.makeFolder("data/Brannock/Skins/Mine");

    const WorkFolders folders = WorkFolders::detect(tree.path(programs), tree.path("data/Brannock"));
    QCOMPARE(folders.lookRoots(), QStringList({tree.path("data/Brannock"), tree.path(shippedRoot)}));
    QCOMPARE(folders.lookRootFor("Skins\\Steel\\"), tree.path("data/Brannock"));
    QCOMPARE(folders.lookRootFor("Skins\\Mine\\"), tree.path("data/Brannock"));
    QCOMPARE(folders.lookRootFor("Skins\\6.0 GOLD\\"), tree.path(shippedRoot));
    // A look that is nowhere is looked for among the shipped ones, where its message points.
    QCOMPARE(folders.lookRootFor("Skins\\Gone\\"), tree.path(shippedRoot));
}

void TestWorkFolders::workFolderIsMadeWithItsParents()
{
    Tree tree;
    tree.makeFolder("bin");
    const WorkFolders installed = WorkFolders::detect(tree.path("bin"), tree.path("data/deep/Brannock"));
    QVERIFY(installed.makeWorkFolder());
    QVERIFY(QFileInfo(tree.path("data/deep/Brannock")).isDir());

    // A file where the folder should be cannot become one, even for root.
    tree.makeFile("blocked");
    QVERIFY(!WorkFolders::detect(tree.path("bin"), tree.path("blocked/Brannock")).makeWorkFolder());
}

void TestWorkFolders::descriptionNamesTheModeAndFolders()
{
    Tree tree;
    tree.makeFolder("bin/Skins");
    const QString installed = WorkFolders::detect(tree.path("bin"), tree.path("data")).description();
    QVERIFY2(installed.startsWith("Mode: installed"), qPrintable(installed));
    QVERIFY(installed.contains("Work files: " + tree.path("data")));
    QVERIFY(installed.contains("Game's tools: " + tree.path("data/Tools") + "\n"));
    QVERIFY(installed.endsWith("Looks: " + tree.path("data/Skins") + "\n  then " + tree.path("bin/Skins")));

    tree.makeFile("bin/portable");
    const QString portable = WorkFolders::detect(tree.path("bin"), tree.path("data")).description();
    QVERIFY2(portable.startsWith("Mode: portable"), qPrintable(portable));
    QVERIFY(portable.endsWith("Looks: " + tree.path("bin/Skins"))); // one folder: work files and looks
    QVERIFY(portable.contains("Game's tools: " + tree.path("bin/Tools") + "\n")); // beside the programs
}

QTEST_GUILESS_MAIN(TestWorkFolders)
#include "tst_workfolders.moc"
