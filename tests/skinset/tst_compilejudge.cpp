#include "skinset/CompileJudge.h"
#include "fakes/FakeDosPaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace brannock;

namespace {

/// A small build as the tools see it: C:\Skinner (work), D:\Paint (sources),
/// C:\Games\Kestrow (game), and the folder the script runs in.
const QStringList Script = {
    R"(MakeSkin.exe pal3 "D:\Paint\new1.larmor.bmp" "C:\Skinner\New_Wendle\skin1\skin1.larmor.bmp")",
    R"(MakeSkin.exe pal3 "D:\Paint\new1.flag.bmp" "C:\Skinner\New_Wendle\skin1\skin1.flag.bmp")",
    R"(VT.exe -sp "C:\Skinner\New_Wendle\skin1\newvol.vol" "C:\Skinner\New_Wendle\skin1\skin1.larmor.bmp")",
    R"(VT.exe -sp "C:\Skinner\New_Wendle\skin1\newvol.vol" "C:\Skinner\New_Wendle\skin1\skin1.flag.bmp")",
    R"(copy "C:\Skinner\New_Wendle\skin1\newvol.vol" "C:\Games\Kestrow\base\Skins\newvol.vol")",
    R"(del "C:\Skinner\New_Wendle\skin1\skin1.larmor.bmp")",
    R"(del "C:\Skinner\New_Wendle\skin1\skin1.flag.bmp")",
};

/// The echo of one script line as the interpreter prints it: Wine's cmd ends it in a blank.
QString echo(int line, bool trailingBlank = true)
{
    return QStringLiteral("\r\nZ:\\start>") + Script[line] + (trailingBlank ? QStringLiteral(" \r\n") : QStringLiteral("\r\n"));
}

struct Folders {
    QTemporaryDir root;
    test::FakeDosPaths dos;
    QString start, paint, work, game;

    Folders()
    {
        start = root.filePath(QStringLiteral("start"));
        paint = root.filePath(QStringLiteral("paint"));
        work = root.filePath(QStringLiteral("prog"));
        game = root.filePath(QStringLiteral("game"));
        for (const QString &folder : {start, paint, work + QStringLiteral("/New_Wendle/skin1"), game + QStringLiteral("/base/Skins")})
            QDir().mkpath(folder);
        dos.mappings = {{paint, QStringLiteral("D:\\Paint")}, {work, QStringLiteral("C:\\Skinner")},
                        {game, QStringLiteral("C:\\Games\\Kestrow")}, {start, QStringLiteral("Z:\\start")}};
    }

    static void put(const QString &path, const QByteArray &bytes = "BM")
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Append));
        file.write(bytes);
    }

    /// What line `n` leaves on disk when it does its work.
    void perform(int n)
    {
        const QString compiled = work + QStringLiteral("/New_Wendle/skin1/skin1.");
        const QString volume = work + QStringLiteral("/New_Wendle/skin1/newvol.vol");
        switch (n) {
        case 0: put(compiled + QStringLiteral("larmor.bmp")); break;
        case 1: put(compiled + QStringLiteral("flag.bmp")); break;
        case 2:
        case 3: put(volume, "entry"); break;
        case 4: QFile::copy(volume, game + QStringLiteral("/base/Skins/newvol.vol")); break;
        case 5: QFile::remove(compiled + QStringLiteral("larmor.bmp")); break;
        case 6: QFile::remove(compiled + QStringLiteral("flag.bmp")); break;
        }
    }
};

} // namespace

class TestCompileJudge final : public QObject {
    Q_OBJECT
private slots:
    void steps();
    void progress_data();
    void progress();
    void verdicts_data();
    void verdicts();
};

void TestCompileJudge::steps()
{
    const QList<CompileStep> steps = compileSteps(Script);
    QCOMPARE(steps.size(), Script.size());
    QCOMPARE(steps[0].tool, QStringLiteral("MakeSkin.exe"));
    QCOMPARE(steps[0].input, QStringLiteral("D:\\Paint\\new1.larmor.bmp"));
    QCOMPARE(steps[2].input, QStringLiteral("C:\\Skinner\\New_Wendle\\skin1\\skin1.larmor.bmp"));
    QCOMPARE(steps[2].product, QStringLiteral("C:\\Skinner\\New_Wendle\\skin1\\newvol.vol"));
    QCOMPARE(steps[4].product, QStringLiteral("C:\\Games\\Kestrow\\base\\Skins\\newvol.vol"));
    QCOMPARE(steps[6].kind, CompileStep::Kind::Delete);
}

void TestCompileJudge::progress_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("chunk"); // the output arrives in pieces of this many characters
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("done");
    QTest::newRow("nothing yet") << QString() << 1 << 0 << 0;
    QTest::newRow("interpreter's own message first") << QStringLiteral("wine: starting\r\n") << 100 << 0 << 0;
    QTest::newRow("first line echoed") << echo(0) << 100 << 1 << 0;
    QTest::newRow("echo without its line end yet") << echo(0).chopped(2) << 100 << 1 << 0;
    QTest::newRow("three lines, tool output between")
        << echo(0) + "MakeSkin: ok\r\n" + echo(1) + "MakeSkin: ok\r\n" + echo(2) << 100 << 3 << 2;
    QTest::newRow("echoes split anywhere") << echo(0) + "MakeSkin: ok\r\n" + echo(1) + echo(2) << 7 << 3 << 2;
    QTest::newRow("echo without a trailing blank") << echo(0, false) + echo(1, false) << 100 << 2 << 1;
    QTest::newRow("a line not echoed as written is passed over")
        << echo(0) + "\r\nZ:\\start>MakeSkin.exe something else\r\n" + echo(3) << 100 << 4 << 3;
    QTest::newRow("tool output that names a command is no echo")
        << echo(0) + "would run: " + Script[1] + "\r\n" << 100 << 1 << 0;
}

void TestCompileJudge::progress()
{
    QFETCH(QString, output);
    QFETCH(int, chunk);
    QFETCH(int, current);
    QFETCH(int, done);
    Folders f;
    CompileJudge judge(compileSteps(Script), f.dos, f.start);
    for (qsizetype at = 0; at < output.size(); at += chunk)
        judge.feed(QStringView(output).mid(at, chunk));
    QCOMPARE(judge.lineCount(), 7);
    QCOMPARE(judge.currentLine(), current);
    QCOMPARE(judge.linesDone(), done);
    if (current > 0)
        QCOMPARE(judge.currentText(), Script[current - 1]);
}

void TestCompileJudge::verdicts_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QString>("detail"); // a part of the details
    using K = CompileVerdict::Kind;
    QTest::newRow("success") << "" << int(K::Success) << "Done: newvol.vol is in the game."
                             << "In the game: C:\\Games\\Kestrow\\base\\Skins\\newvol.vol";
    QTest::newRow("output read after the deletes ran") << "late" << int(K::Success)
                                                       << "Done: newvol.vol is in the game." << "Volume: C:\\Skinner";
    QTest::newRow("tool not found") << "no MakeSkin.exe" << int(K::Failure)
                                    << "Line 1 of 7 failed: MakeSkin.exe was not found."
                                    << "Keep MakeSkin.exe and VT.exe there.";
    QTest::newRow("bitmap missing") << "no flag.bmp" << int(K::Failure)
                                    << "Line 2 of 7 failed: The bitmap new1.flag.bmp is missing."
                                    << "MakeSkin: cannot open";
    QTest::newRow("stale volume of an earlier build") << "VT writes nothing" << int(K::Failure)
                                                      << "Line 3 of 7 failed: VT.exe did not write the volume newvol.vol."
                                                      << "Line 3: VT.exe -sp";
    QTest::newRow("copy refused") << "copy refused" << int(K::Failure)
                                  << "Line 5 of 7 failed: The copy into C:\\Games\\Kestrow\\base\\Skins was refused."
                                  << "Access is denied.";
    QTest::newRow("interpreter never started") << "no start" << int(K::NotStarted)
                                               << "The command interpreter did not run Compile.bat."
                                               << "wine: could not load kernel32.dll";
    QTest::newRow("stopped") << "stop" << int(K::Stopped) << "Stopped at line 3 of 7." << Script[2];
}

void TestCompileJudge::verdicts()
{
    QFETCH(QString, fault);
    QFETCH(int, kind);
    QFETCH(QString, summary);
    QFETCH(QString, detail);
    Folders f;
    if (fault != QLatin1String("no MakeSkin.exe"))
        Folders::put(f.start + QStringLiteral("/makeskin.EXE"), "MZ"); // found in any letter case
    Folders::put(f.start + QStringLiteral("/VT.exe"), "MZ");
    Folders::put(f.paint + QStringLiteral("/new1.larmor.bmp"));
    if (fault != QLatin1String("no flag.bmp"))
        Folders::put(f.paint + QStringLiteral("/new1.flag.bmp"));
    if (fault == QLatin1String("VT writes nothing"))
        Folders::put(f.work + QStringLiteral("/New_Wendle/skin1/newvol.vol"), "old");

    CompileJudge judge(compileSteps(Script), f.dos, f.start);
    if (fault == QLatin1String("no start")) {
        judge.feed(QStringLiteral("wine: could not load kernel32.dll, status c0000135\n"));
        const CompileVerdict v = judge.finish(1, false, false);
        QCOMPARE(int(v.kind), kind);
        QCOMPARE(v.summary, summary);
        QVERIFY2(v.details.contains(detail), qPrintable(v.details));
        return;
    }
    QString output;
    for (int n = 0; n < Script.size(); ++n) {
        const bool fails = (n < 2 && fault == QLatin1String("no MakeSkin.exe")) || (n == 1 && fault == QLatin1String("no flag.bmp"))
            || (n >= 2 && n <= 3 && fault == QLatin1String("VT writes nothing")) || (n == 4 && fault == QLatin1String("copy refused"));
        output += echo(n);
        if (fault == QLatin1String("stop") && n == 2)
            break;
        if (fails) {
            output += n == 4 ? QStringLiteral("Access is denied.\r\n") : QStringLiteral("MakeSkin: cannot open\r\n");
        } else {
            f.perform(n);
        }
        if (fault != QLatin1String("late")) {
            judge.feed(output);
            output.clear();
        }
    }
    judge.feed(output);
    const CompileVerdict v = judge.finish(0, false, fault == QLatin1String("stop"));
    QCOMPARE(int(v.kind), kind);
    QCOMPARE(v.summary, summary);
    QVERIFY2(v.details.contains(detail), qPrintable(v.details));
}

QTEST_GUILESS_MAIN(TestCompileJudge)
#include "tst_compilejudge.moc"
