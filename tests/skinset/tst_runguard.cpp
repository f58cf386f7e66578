// The volumes around a watched run: what the game and the work folder hold after a run that
// succeeded, one that did not, and one that was never settled because Brannock ended.
#include "skinset/RunGuard.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace brannock;

namespace {

struct Folders {
    QTemporaryDir root;
    QString work, game;

    Folders()
    {
        QDir().mkpath(root.filePath(QStringLiteral("work")));
        QDir().mkpath(root.filePath(QStringLiteral("game")));
        work = root.filePath(QStringLiteral("work/newvol.vol"));
        game = root.filePath(QStringLiteral("game/newvol.vol"));
    }
};

bool put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

} // namespace

class TestRunGuard final : public QObject {
    Q_OBJECT
private slots:
    void afterTheRun_data();
    void afterTheRun();
    void anUnsettledRunIsPutBackFirst();
};

void TestRunGuard::afterTheRun_data()
{
    QTest::addColumn<bool>("gameHad");      // the game held a volume before
    QTest::addColumn<bool>("workHad");      // the work folder held an earlier build's volume
    QTest::addColumn<bool>("succeeded");
    QTest::addColumn<QByteArray>("gameAfter");
    QTest::addColumn<QByteArray>("workAfter");
    QTest::addColumn<QString>("said"); // a part of what the player is told
    QTest::newRow("success replaces both") << true << true << true << QByteArray("new") << QByteArray("new") << "";
    QTest::newRow("failure keeps both") << true << true << false << QByteArray("good") << QByteArray("earlier")
                                        << "The game's newvol.vol was kept as it was before this build.";
    QTest::newRow("failure leaves no volume where there was none")
        << false << false << false << QByteArray("(none)") << QByteArray("(none)") << "No newvol.vol was put into the game.";
}

void TestRunGuard::afterTheRun()
{
    QFETCH(bool, gameHad);
    QFETCH(bool, workHad);
    QFETCH(bool, succeeded);
    QFETCH(QByteArray, gameAfter);
    QFETCH(QByteArray, workAfter);
    QFETCH(QString, said);
    Folders f;
    if (gameHad)
        QVERIFY(put(f.game, "good"));
    if (workHad)
        QVERIFY(put(f.work, "earlier"));
    RunGuard guard = RunGuard::prepare(f.work, f.game);
    // The tools start a fresh volume, never appending to the earlier one.
    QVERIFY(!QFileInfo::exists(f.work));
    // What the run leaves: torn when it failed, whole when it succeeded.
    QVERIFY(put(f.work, succeeded ? "new" : "to"));
    QVERIFY(put(f.game, succeeded ? "new" : "to"));

    const QString told = guard.settle(succeeded);
    QCOMPARE(bytesOf(f.game), gameAfter);
    QCOMPARE(bytesOf(f.work), workAfter);
    QVERIFY2(told.contains(said), qPrintable(told));
    QCOMPARE(QDir(f.root.filePath(QStringLiteral("work"))).entryList(QDir::Files),
             workAfter == "(none)" ? QStringList() : QStringList{QStringLiteral("newvol.vol")});
    QVERIFY(guard.settle(false).isEmpty()); // settled once
}

void TestRunGuard::anUnsettledRunIsPutBackFirst()
{
    Folders f;
    QVERIFY(put(f.game, "good"));
    QVERIFY(put(f.work, "earlier"));
    {
        // Brannock ends during the copy line: the game's volume is torn, nothing settles.
        RunGuard guard = RunGuard::prepare(f.work, f.game);
        QVERIFY(put(f.work, "new"));
        QVERIFY(put(f.game, "ne"));
    }
    RunGuard next = RunGuard::prepare(f.work, f.game);
    QCOMPARE(bytesOf(f.game), QByteArray("good"));
    QVERIFY(put(f.work, "x"));
    const QString told = next.settle(false);
    QVERIFY2(told.contains(QStringLiteral("before an earlier build that did not end")), qPrintable(told));
    QCOMPARE(bytesOf(f.game), QByteArray("good"));
    QCOMPARE(bytesOf(f.work), QByteArray("earlier"));
}

QTEST_GUILESS_MAIN(TestRunGuard)
#include "tst_runguard.moc"
