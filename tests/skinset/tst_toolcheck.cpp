#include "fakes/FakeWindowsPrograms.h"
#include "skinset/BuildPlan.h"
#include "skinset/ToolCheck.h"

#include <QDir>
#include <QTest>

using namespace brannock;
using brannock::test::FakeWindowsPrograms;

namespace {

const QString Working = QStringLiteral("/home/me/games");
const QString Tools = QStringLiteral("/home/me/.local/share/Brannock/Tools");

QList<BuildStep> stepsOf(bool compile, bool pack)
{
    const PlanPath save{QStringLiteral("/skinner/New_Wendle/s"), QStringLiteral("C:\\Skinner\\New_Wendle\\s")};
    const PlanPath compiled = save / QStringLiteral("s.a.bmp");
    const PlanPath volume = save / QStringLiteral("v.vol");
    QList<BuildStep> steps;
    if (compile)
        steps << BuildStep::makeSkin(QStringLiteral("pal3"), {QStringLiteral("/paint/a.bmp"), QStringLiteral("D:\\Paint\\a.bmp")},
                                     compiled);
    if (pack)
        steps << BuildStep::pack(volume, compiled);
    steps << BuildStep::copy(volume, {QStringLiteral("/games/base/Skins/v.vol"), QStringLiteral("C:\\Games\\base\\Skins\\v.vol")});
    return steps;
}

} // namespace

class TestToolCheck final : public QObject {
    Q_OBJECT

private slots:
    void messages_data();
    void messages();
    void onlyTheToolsOfTheLines_data();
    void onlyTheToolsOfTheLines();
};

void TestToolCheck::messages_data()
{
    QTest::addColumn<ProgramKind>("makeSkin");
    QTest::addColumn<ProgramKind>("vt");
    QTest::addColumn<RunSupport>("support"); ///< the answer for every kind but 64-bit
    QTest::addColumn<QStringList>("says");   ///< in this order
    QTest::addColumn<QStringList>("never");

    const RunSupport yes = RunSupport::Yes;
    QTest::newRow("both found, 64-bit") << ProgramKind::Win64 << ProgramKind::Win64 << yes << QStringList{}
                                        << QStringList{};
    QTest::newRow("32-bit where it runs") << ProgramKind::Win32 << ProgramKind::Win32 << yes << QStringList{}
                                          << QStringList{};
    QTest::newRow("one missing: where it was looked for, where it goes")
        << ProgramKind::Missing << ProgramKind::Win64 << yes
        << QStringList{"MakeSkin.exe was not found.", "the working folder \"<work>\"",
                       ", then in Brannock's tools folder \"<tools>\"",
                       ", then in C:\\windows\\system32; C:\\windows.",
                       "Copy MakeSkin.exe from the game into Brannock's tools folder \"<tools>\": it is searched "
                       "whatever folder Brannock was started from."}
        << QStringList{"VT.exe"};
    QTest::newRow("both missing, one paragraph")
        << ProgramKind::Missing << ProgramKind::Missing << yes
        << QStringList{"MakeSkin.exe and VT.exe were not found.",
                       "Copy MakeSkin.exe and VT.exe from the game into Brannock's tools folder \"<tools>\""}
        << QStringList{};
    QTest::newRow("32-bit on a Wine without its 32-bit part: the Debian steps once")
        << ProgramKind::Win32 << ProgramKind::Win32 << RunSupport::NeedsWine32
        << QStringList{"MakeSkin.exe (\"<work>/MakeSkin.exe\") is a 32-bit Windows program.",
                       "VT.exe (\"<work>/VT.exe\") is a 32-bit Windows program.",
                       "This Wine runs only 64-bit programs.", "    sudo dpkg --add-architecture i386\r\n",
                       "    sudo apt-get update\r\n", "    sudo apt-get install wine32:i386\r\n",
                       "then make the skinset again."}
        << QStringList{};
    QTest::newRow("16-bit needs the same 32-bit part of Wine")
        << ProgramKind::Win16 << ProgramKind::Win64 << RunSupport::NeedsWine32
        << QStringList{"is a 16-bit Windows program.", "wine32:i386"} << QStringList{"VT.exe"};
    QTest::newRow("DOS program")
        << ProgramKind::Dos << ProgramKind::Win64 << RunSupport::No
        << QStringList{"MakeSkin.exe (\"<work>/MakeSkin.exe\") is a DOS program, which cannot run on this "
                       "system.",
                       "must be 32- or 64-bit Windows programs"}
        << QStringList{"wine32"};
    QTest::newRow("not a program")
        << ProgramKind::NotProgram << ProgramKind::Win64 << yes
        << QStringList{"MakeSkin.exe (\"<work>/MakeSkin.exe\") is not a Windows program this system can run."}
        << QStringList{};
    QTest::newRow("another processor")
        << ProgramKind::Win64 << ProgramKind::OtherMachine << yes
        << QStringList{"VT.exe (\"<work>/VT.exe\") is made for another processor"} << QStringList{};
    QTest::newRow("no wine command") << ProgramKind::Win32 << ProgramKind::Win32 << RunSupport::NeedsWine
                                     << QStringList{"MakeSkin.exe and VT.exe can only run under Wine",
                                                    "the \"wine\" command was not found"}
                                     << QStringList{"wine32"};
    QTest::newRow("missing first, then what cannot run")
        << ProgramKind::Dos << ProgramKind::Missing << RunSupport::No
        << QStringList{"VT.exe was not found.", "\r\n\r\nMakeSkin.exe (", "is a DOS program"} << QStringList{};
}

void TestToolCheck::messages()
{
    QFETCH(ProgramKind, makeSkin);
    QFETCH(ProgramKind, vt);
    QFETCH(RunSupport, support);
    QFETCH(QStringList, says);
    QFETCH(QStringList, never);

    FakeWindowsPrograms programs;
    programs.kinds = {{QStringLiteral("MakeSkin.exe"), makeSkin}, {QStringLiteral("VT.exe"), vt}};
    for (const ProgramKind kind : {ProgramKind::Dos, ProgramKind::Win16, ProgramKind::Win32})
        programs.supported.insert(kind, support);
    const QString text = toolProblems(stepsOf(true, true), programs, Working, Tools);

    QCOMPARE(text.isEmpty(), says.isEmpty());
    const QString work = QDir::toNativeSeparators(Working);
    qsizetype at = 0;
    for (QString part : says) {
        part.replace(QStringLiteral("<work>/"), work + QDir::separator()).replace(QStringLiteral("<work>"), work);
        part.replace(QStringLiteral("<tools>"), QDir::toNativeSeparators(Tools));
        const qsizetype found = text.indexOf(part, at);
        QVERIFY2(found >= 0, qPrintable(QStringLiteral("\"%1\" not after %2 in:\n%3").arg(part).arg(at).arg(text)));
        at = found + part.size();
    }
    for (const QString &part : never)
        QVERIFY2(!text.contains(part), qPrintable(text));
    QVERIFY(text.count(QStringLiteral("sudo apt-get update")) <= 1);
}

void TestToolCheck::onlyTheToolsOfTheLines_data()
{
    QTest::addColumn<bool>("compile");
    QTest::addColumn<bool>("pack");
    QTest::addColumn<QStringList>("asked");
    QTest::newRow("compile and pack") << true << true << QStringList{"MakeSkin.exe", "VT.exe"};
    QTest::newRow("compile only") << true << false << QStringList{"MakeSkin.exe"};
    QTest::newRow("pack only") << false << true << QStringList{"VT.exe"};
    QTest::newRow("neither") << false << false << QStringList{};
}

void TestToolCheck::onlyTheToolsOfTheLines()
{
    QFETCH(bool, compile);
    QFETCH(bool, pack);
    QFETCH(QStringList, asked);
    FakeWindowsPrograms programs;
    programs.kinds = {{QStringLiteral("MakeSkin.exe"), ProgramKind::Missing}, {QStringLiteral("VT.exe"), ProgramKind::Missing}};
    const QString text = toolProblems(stepsOf(compile, pack), programs, Working, Tools);
    QCOMPARE(programs.asked, asked);
    QCOMPARE(programs.toolsFolders, QStringList(asked.size(), Tools));
    QCOMPARE(text.isEmpty(), asked.isEmpty());
}

QTEST_GUILESS_MAIN(TestToolCheck)
#include "tst_toolcheck.moc"
