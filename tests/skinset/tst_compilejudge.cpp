#include "skinset/CompileJudge.h"

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

const QByteArray Token = "[brannock-test]";

/// The echo of one script line as the interpreter prints it: Wine's cmd ends it in a blank.
QString echo(int line, bool trailingBlank = true)
{
    return QStringLiteral("\r\nZ:\\start>") + Script[line] + (trailingBlank ? QStringLiteral(" \r\n") : QStringLiteral("\r\n"));
}

/// The watched script's report that line `n` (0-based) begins, or ended with `exitCode`.
QString begins(int n)
{
    return QStringLiteral("%1 begin %2\r\n").arg(QLatin1String(Token)).arg(n + 1);
}
QString ends(int n, int exitCode = 0)
{
    return QStringLiteral("%1 end %2 %3\r\n").arg(QLatin1String(Token)).arg(n + 1).arg(exitCode);
}

struct Folders {
    QTemporaryDir root;
    QString start, paint, work, game, tools;

    Folders()
    {
        start = root.filePath(QStringLiteral("start"));
        paint = root.filePath(QStringLiteral("paint"));
        work = root.filePath(QStringLiteral("prog"));
        game = root.filePath(QStringLiteral("game"));
        tools = root.filePath(QStringLiteral("data/Tools"));
        for (const QString &folder : {start, paint, tools, work + QStringLiteral("/New_Wendle/skin1"), game + QStringLiteral("/base/Skins")})
            QDir().mkpath(folder);
    }

    /// The plan's steps of Script, each path in both its forms.
    QList<BuildStep> steps() const
    {
        const PlanPath sources{paint, QStringLiteral("D:\\Paint")};
        const PlanPath save{work + QStringLiteral("/New_Wendle/skin1"), QStringLiteral("C:\\Skinner\\New_Wendle\\skin1")};
        const PlanPath skins{game + QStringLiteral("/base/Skins"), QStringLiteral("C:\\Games\\Kestrow\\base\\Skins")};
        const PlanPath volume = save / QStringLiteral("newvol.vol");
        const PlanPath larmor = save / QStringLiteral("skin1.larmor.bmp");
        const PlanPath flag = save / QStringLiteral("skin1.flag.bmp");
        return {BuildStep::makeSkin(QStringLiteral("pal3"), sources / QStringLiteral("new1.larmor.bmp"), larmor),
                BuildStep::makeSkin(QStringLiteral("pal3"), sources / QStringLiteral("new1.flag.bmp"), flag),
                BuildStep::pack(volume, larmor),
                BuildStep::pack(volume, flag),
                BuildStep::copy(volume, skins / QStringLiteral("newvol.vol")),
                BuildStep::remove(larmor),
                BuildStep::remove(flag)};
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
    void outputShownAsTyped();
};

void TestCompileJudge::steps()
{
    // Each step's line is the script's text; its paths are joined in both forms.
    Folders f;
    const QList<BuildStep> steps = f.steps();
    QCOMPARE(steps.size(), Script.size());
    for (qsizetype n = 0; n < steps.size(); ++n)
        QCOMPARE(steps[n].line, Script[n]);
    QCOMPARE(steps[0].tool, QStringLiteral("MakeSkin.exe"));
    QCOMPARE(steps[2].input.native, f.work + QStringLiteral("/New_Wendle/skin1/skin1.larmor.bmp"));
    QCOMPARE(steps[2].product.dos, QStringLiteral("C:\\Skinner\\New_Wendle\\skin1\\newvol.vol"));
    QCOMPARE(steps[4].product.native, f.game + QStringLiteral("/base/Skins/newvol.vol"));
    QCOMPARE(steps[6].kind, BuildStep::Kind::Delete);
    QCOMPARE(steps[6].quotedPieces(), 1);
}

void TestCompileJudge::progress_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("chunk"); // the output arrives in pieces of this many characters
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("done");
    QTest::addColumn<QString>("shown");
    QTest::newRow("nothing yet") << QString() << 1 << 0 << 0 << QString();
    QTest::newRow("interpreter's own message first")
        << QStringLiteral("wine: starting\r\n") << 100 << 0 << 0 << QStringLiteral("wine: starting\r\n");
    QTest::newRow("first line begun") << begins(0) + echo(0) << 100 << 1 << 0 << echo(0);
    QTest::newRow("markers split anywhere")
        << begins(0) + echo(0) + "MakeSkin: ok\r\n" + ends(0) + begins(1) + echo(1) << 5 << 2 << 1
        << echo(0) + "MakeSkin: ok\r\n" + echo(1);
    QTest::newRow("a tool's words that look like a marker are shown")
        << begins(0) + QStringLiteral("[brannock-tes] end 1 0\r\n") << 3 << 1 << 0
        << QStringLiteral("[brannock-tes] end 1 0\r\n");
}

void TestCompileJudge::progress()
{
    QFETCH(QString, output);
    QFETCH(int, chunk);
    QFETCH(int, current);
    QFETCH(int, done);
    QFETCH(QString, shown);
    Folders f;
    Folders::put(f.paint + QStringLiteral("/new1.larmor.bmp"));
    f.perform(0);
    CompileJudge judge(f.steps(), f.start, f.tools, Token);
    QString seen;
    for (qsizetype at = 0; at < output.size(); at += chunk)
        seen += judge.feed(QStringView(output).mid(at, chunk)).shown;
    QCOMPARE(judge.lineCount(), 7);
    QCOMPARE(judge.currentLine(), current);
    QCOMPARE(judge.linesDone(), done);
    QCOMPARE(seen.remove(QLatin1Char('\r')), QString(shown).remove(QLatin1Char('\r')));
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
    QTest::newRow("tool not found") << "no MakeSkin.exe" << int(K::Failure)
                                    << "Line 1 of 7 failed: MakeSkin.exe was not found."
                                    << "MakeSkin.exe was found neither there nor in Brannock's tools folder";
    QTest::newRow("tool in the tools folder fails: not taken for a missing tool")
        << "MakeSkin.exe in the tools folder" << int(K::Failure)
        << "Line 1 of 7 failed: MakeSkin.exe ended with exit code 1." << "Printed:\nMakeSkin.exe: usage";
    QTest::newRow("bitmap missing") << "no flag.bmp" << int(K::Failure)
                                    << "Line 2 of 7 failed: The bitmap new1.flag.bmp is missing."
                                    << "It was looked for in D:\\Paint.";
    QTest::newRow("half written, exit 1") << "half" << int(K::Failure)
                                          << "Line 1 of 7 failed: MakeSkin.exe ended with exit code 1."
                                          << "The run stopped there; no later line ran.";
    QTest::newRow("torn append, exit 1") << "torn" << int(K::Failure)
                                         << "Line 3 of 7 failed: VT.exe ended with exit code 1." << "Line 3: VT.exe -sp";
    QTest::newRow("full disk, exit 0") << "full" << int(K::Failure)
                                       << "Line 4 of 7 failed: VT.exe reported a failure: VT: write failed"
                                       << "Printed:\nVT: write failed";
    QTest::newRow("product of an earlier build left as it was") << "unchanged" << int(K::Failure)
                                                                << "Line 2 of 7 failed: MakeSkin.exe left skin1.flag.bmp unchanged."
                                                                << "Nothing was printed";
    QTest::newRow("copy cut short") << "short copy" << int(K::Failure)
                                    << "Line 5 of 7 failed: The copy of newvol.vol in C:\\Games\\Kestrow\\base\\Skins is not the whole volume."
                                    << "Line 5: copy";
    QTest::newRow("interpreter killed during a line") << "killed" << int(K::Failure)
                                                      << "Line 3 of 7 failed: The command interpreter was ended during this line."
                                                      << "Line 3: VT.exe";
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
    const auto is = [&fault](const char *name) { return fault == QLatin1String(name); };
    if (is("MakeSkin.exe in the tools folder"))
        Folders::put(f.tools + QStringLiteral("/MAKESKIN.exe"), "MZ");
    else if (!is("no MakeSkin.exe"))
        Folders::put(f.start + QStringLiteral("/makeskin.EXE"), "MZ"); // found in any letter case
    Folders::put(f.start + QStringLiteral("/VT.exe"), "MZ");
    Folders::put(f.paint + QStringLiteral("/new1.larmor.bmp"));
    if (!is("no flag.bmp"))
        Folders::put(f.paint + QStringLiteral("/new1.flag.bmp"));
    if (is("unchanged"))
        Folders::put(f.work + QStringLiteral("/New_Wendle/skin1/skin1.flag.bmp"), "BM old");

    CompileJudge judge(f.steps(), f.start, f.tools, Token);
    if (is("no start")) {
        judge.feed(QStringLiteral("wine: could not load kernel32.dll, status c0000135\n"));
        const CompileVerdict v = judge.finish(1, false, false);
        QCOMPARE(int(v.kind), kind);
        QCOMPARE(v.summary, summary);
        QVERIFY2(v.details.contains(detail), qPrintable(v.details));
        return;
    }
    // The interpreter as the watched script drives it: each line waits for its answer.
    QList<bool> answers;
    bool ended = false;
    int exitCode = 0;
    for (int n = 0; n < Script.size() && !ended; ++n) {
        QString output = begins(n) + echo(n);
        int status = 0;
        if (is("stop") && n == 2) {
            judge.feed(output);
            break;
        }
        if (is("killed") && n == 2) {
            judge.feed(output + QStringLiteral("VT: adding\r\n"));
            ended = true;
            exitCode = 1;
            break;
        }
        const QString volume = f.work + QStringLiteral("/New_Wendle/skin1/newvol.vol");
        if (is("no MakeSkin.exe") && n == 0) {
            output += QStringLiteral("Can't recognize '%1' as an internal or external command, or batch script.\r\n").arg(Script[0]);
            status = 9009;
        } else if (is("MakeSkin.exe in the tools folder") && n == 0) {
            output += QStringLiteral("MakeSkin.exe: usage\r\n");
            status = 1;
        } else if (is("no flag.bmp") && n == 1) {
            output += QStringLiteral("MakeSkin: cannot open D:\\Paint\\new1.flag.bmp\r\n");
            status = 1;
        } else if (is("half") && n == 0) {
            Folders::put(f.work + QStringLiteral("/New_Wendle/skin1/skin1.larmor.bmp"), "B");
            status = 1;
        } else if (is("torn") && n == 2) {
            Folders::put(volume, "lar");
            status = 1;
        } else if (is("full") && n == 3) {
            Folders::put(volume, "f");
            output += QStringLiteral("VT: write failed\r\n");
        } else if (is("unchanged") && n == 1) {
        } else if (is("short copy") && n == 4) {
            Folders::put(f.game + QStringLiteral("/base/Skins/newvol.vol"), "ent");
            output += QStringLiteral("        1 file(s) copied.\r\n");
        } else {
            f.perform(n);
            // A tool that names the files of its line, whatever words they hold, reports no failure.
            if (n == 0)
                output += QStringLiteral("MakeSkin: D:\\Paint\\new1.larmor.bmp -> skin1.larmor.bmp with palette pal3\r\n");
        }
        judge.feed(output + ends(n, status)).answers.swap(answers);
        QCOMPARE(answers.size(), 1);
        if (!answers[0]) {
            ended = true;
            exitCode = 1;
        }
    }
    const CompileVerdict v = judge.finish(exitCode, is("killed"), is("stop"));
    QCOMPARE(int(v.kind), kind);
    QCOMPARE(v.summary, summary);
    QVERIFY2(v.details.contains(detail), qPrintable(v.details));
    // The run goes on only after a line that did its work.
    QCOMPARE(answers.value(0, true), kind == int(CompileVerdict::Kind::Success) || is("stop") || is("killed"));
}

void TestCompileJudge::outputShownAsTyped()
{
    // The interpreter echoes in the console's page (437: "é" is 0x82), the tools print the
    // names they were given in the ANSI page (1252: "é" is 0xE9); both show as typed.
    const QString line = QStringLiteral("MakeSkin.exe pal3 \"D:\\Caf\u00e9\\larmor.bmp\" \"C:\\Skinner\\x.bmp\"");
    Folders f;
    const BuildStep step = BuildStep::makeSkin(
        QStringLiteral("pal3"), {f.root.filePath(QStringLiteral("Caf\u00e9/larmor.bmp")), QStringLiteral("D:\\Caf\u00e9\\larmor.bmp")},
        {f.work + QStringLiteral("/x.bmp"), QStringLiteral("C:\\Skinner\\x.bmp")});
    QCOMPARE(step.line, line);
    CompileJudge judge({step}, f.start, f.tools, Token);
    const QByteArray output = begins(0).toLatin1() + "\r\nZ:\\start>MakeSkin.exe pal3 \"D:\\Caf\x82\\larmor.bmp\" \"C:\\Skinner\\x.bmp\" \r\n"
        + "MakeSkin: cannot open D:\\Caf\xe9\\larmor.bmp\r\n" + ends(0, 1).toLatin1();
    QString shown;
    QList<bool> answers;
    for (qsizetype at = 0; at < output.size(); at += 9) { // lines split anywhere
        const CompileJudge::Fed fed = judge.feedBytes(output.mid(at, 9), *CodePage::byNumber(437),
                                                      *CodePage::byNumber(1252));
        shown += fed.shown;
        answers += fed.answers;
    }
    QCOMPARE(answers, QList<bool>{false});
    QVERIFY2(shown.contains(QStringLiteral("Z:\\start>") + line), qPrintable(shown));
    QVERIFY2(shown.contains(QStringLiteral("cannot open D:\\Caf\u00e9\\larmor.bmp")), qPrintable(shown));
    QVERIFY(judge.finish(1, false, false).details.contains(QStringLiteral("cannot open D:\\Caf\u00e9")));
}

QTEST_GUILESS_MAIN(TestCompileJudge)
#include "tst_compilejudge.moc"
