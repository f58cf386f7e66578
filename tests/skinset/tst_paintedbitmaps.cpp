#include "skinset/PaintedBitmaps.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace brannock;
using painted::Change;

class TestPaintedBitmaps final : public QObject {
    Q_OBJECT

private slots:
    void overwritten_data();
    void overwritten();
    void foundWithoutCase();
};

void TestPaintedBitmaps::overwritten_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("change");
    QTest::addColumn<QString>("how"); ///< empty: no overlap

    QTest::newRow("compiled onto itself") << "paint/a.bmp" << "paint/a.bmp" << int(Change::Compile)
                                          << "would be overwritten by its compiled copy";
    QTest::newRow("letter case ignored") << "paint/a.bmp" << "PAINT/A.BMP" << int(Change::Delete) << "would be deleted";
    // Symbolic links, as Linux has them (QFile::link makes shortcuts on Windows).
#ifdef Q_OS_UNIX
    QTest::newRow("through a folder link") << "paint/a.bmp" << "link/a.bmp" << int(Change::Pack)
                                           << "would be overwritten by the volume";
    QTest::newRow("missing file under a linked folder") << "paint/new/x.bmp" << "link/NEW/x.bmp"
                                                        << int(Change::Copy)
                                                        << "would be overwritten by the copy of the volume into the game";
    QTest::newRow("deleting a link leaves its target") << "paint/a.bmp" << "alias.bmp" << int(Change::Delete) << "";
    QTest::newRow("writing through a file link") << "paint/a.bmp" << "alias.bmp" << int(Change::Pack)
                                                 << "would be overwritten by the volume";
    QTest::newRow("a hard link") << "paint/a.bmp" << "hard.bmp" << int(Change::Pack) << "would be overwritten by the volume";
#endif
    QTest::newRow("another file") << "paint/a.bmp" << "paint/b.bmp" << int(Change::Compile) << "";
}

void TestPaintedBitmaps::overwritten()
{
    QFETCH(QString, source);
    QFETCH(QString, target);
    QFETCH(int, change);
    QFETCH(QString, how);
    QTemporaryDir dir;
    const QString root = dir.path() + QLatin1Char('/');
    QVERIFY(QDir().mkpath(root + QStringLiteral("paint/new")));
    for (const char *name : {"paint/a.bmp", "paint/b.bmp"}) {
        QFile file(root + QLatin1String(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
#ifdef Q_OS_UNIX
    QVERIFY(QFile::link(root + QStringLiteral("paint"), root + QStringLiteral("link")));
    QVERIFY(QFile::link(root + QStringLiteral("paint/a.bmp"), root + QStringLiteral("alias.bmp")));
    QCOMPARE(::link(QFile::encodeName(root + QStringLiteral("paint/a.bmp")).constData(),
                    QFile::encodeName(root + QStringLiteral("hard.bmp")).constData()),
             0);
#endif
    const QString read = root + source;
    // A second compile line reading the same bitmap names it once.
    const QString problem = painted::overwrittenProblem(
        {read, read}, {{root + QStringLiteral("paint/b.bmp"), Change::Compile, root + QStringLiteral("paint/b.bmp")},
                       {root + target, Change(change), read}});
    QCOMPARE(problem, how.isEmpty() ? QString()
                                    : QStringLiteral("The painted bitmap \"%1\" %2").arg(QDir::toNativeSeparators(read), how));
}

void TestPaintedBitmaps::foundWithoutCase()
{
    QTemporaryDir dir;
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("Paint/Sub"))));
    QFile file(dir.filePath(QStringLiteral("Paint/Sub/Larmor.BMP")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    // Where the system itself ignores letter case, the name as asked finds the file too.
    for (const QString &asked : {QStringLiteral("paint/SUB/larmor.bmp"), QStringLiteral("Paint/Sub/Larmor.BMP")}) {
        const QString found = painted::foundWithoutCase(dir.filePath(asked));
        QVERIFY2(QFileInfo(found).isFile(), qPrintable(found));
        QCOMPARE(found.toLower(), file.fileName().toLower());
    }
    const QString missing = dir.filePath(QStringLiteral("paint/sub/flag.bmp"));
    QCOMPARE(painted::foundWithoutCase(missing), missing);
}

QTEST_GUILESS_MAIN(TestPaintedBitmaps)
#include "tst_paintedbitmaps.moc"
