// The texts a player sees, window by window: with no translation in use they are the
// program's own English texts, character for character as recorded in english_texts.txt.
#include "translations/WindowTexts.h"

#include "common/SettingsStore.h"
#include "dialogs/about/FrmAbout.h"
#include "dialogs/about/FrmThanks.h"
#include "dialogs/about/ThanksPulse.h"
#include "dialogs/compile/FrmCompile.h"
#include "dialogs/config/ColourDialog.h"
#include "dialogs/config/FrmCfg.h"
#include "dialogs/skins/FrmSkins.h"
#include "fakes/FakeDosPaths.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeScriptRunner.h"
#include "fakes/FakeTopmostBand.h"
#include "fakes/FakeTray.h"
#include "fakes/FakeWindowsPrograms.h"
#include "items/frmAddSupp.h"
#include "main_window/FrmMain.h"
#include "main_window/menus/IncludeMenu.h"
#include "setup/FrmMain.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace brannock;

namespace {

/// The boxes a fake showed, one line each, with `folder` written as <folder>.
QStringList boxTexts(const QString &scene, const test::FakePrompts &prompts, const QString &folder)
{
    QStringList lines;
    for (const test::FakePrompts::Call &call : prompts.calls) {
        QString line = scene + QLatin1Char('\t') + call.title + QLatin1Char('\t') + call.text;
        if (call.kind == test::FakePrompts::Call::Input)
            line += QLatin1Char('\t') + call.defaultText;
        line.replace(QDir::toNativeSeparators(folder), QStringLiteral("<folder>"));
        line.replace(QLatin1Char('\r'), QStringLiteral("\\r")).replace(QLatin1Char('\n'), QStringLiteral("\\n"));
        lines.append(line);
    }
    return lines;
}

/// Every window and menu of both programs as a player first meets them, and the Compile
/// window through one short run.
QStringList allWindowTexts()
{
    QStringList lines;
    QTemporaryDir folder;
    const QString work = folder.path();
    SettingsStore store(folder.filePath(QStringLiteral("settings.ini")));
    store.WriteSetting(schema::OtherUseAVC, toQString(schema::Yes));

    {
        test::FakePrompts prompts;
        test::FakeTopmostBand band;
        test::FakeDosPaths dos;
        dos.mappings = {{QDir::fromNativeSeparators(work), QStringLiteral("C:\\Work")},
                        {QDir::currentPath(), QStringLiteral("D:\\Paint")}};
        test::FakeScriptRunner runner;
        test::FakeWindowsPrograms programs;
        test::FakeTray tray;
        FrmMain window(FrmMainContext{store, prompts, band, dos, runner, programs, tray,
                                      WorkFolders::portableIn(work), QString(),
                                      [] { return *CodePage::byNumber(437); },
                                      [] { return QList<DriveEntry>{{QStringLiteral("root"), QDir::rootPath()}}; }});
        window.Form_Load();
        lines += test::windowTexts(QStringLiteral("Brannock"), &window);
        lines += test::windowTexts(QStringLiteral("Brannock include menu"), window.includeMenu().includeMenu());
        lines.append(QStringLiteral("Brannock tray\ttoolTip\t") + tray.toolTip);
        // Make Skinset without a save prefix: the boxes it shows.
        window.findChild<QPushButton *>(QStringLiteral("CmdMake"))->click();
        lines += boxTexts(QStringLiteral("Make Skinset without a prefix"), prompts, work);
    }
    {
        test::FakePrompts prompts;
        FrmCfg cfg(store, prompts, {}, nullptr, [] { return 0.5; });
        lines += test::windowTexts(QStringLiteral("Configuration"), &cfg);
        for (const ColourTarget target : {ColourTarget::Color1, ColourTarget::Color2, ColourTarget::Text}) {
            ColourDialog colour(store, prompts, target);
            lines += test::windowTexts(QStringLiteral("Colour"), &colour);
        }
    }
    {
        test::FakePrompts prompts;
        FrmSkins skins(store, prompts, {work}, {}, {}, {});
        lines += test::windowTexts(QStringLiteral("Skins"), &skins);
        skins.findChild<QLineEdit *>()->setText(QStringLiteral("no such look"));
        skins.findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
        lines += boxTexts(QStringLiteral("Skins with a look that is not there"), prompts, work);
    }
    {
        FrmAbout about([] { return 0.5; });
        about.setFolderNote(QStringLiteral("Mode: portable"));
        lines += test::windowTexts(QStringLiteral("About"), &about);
        ThanksPulse pulse;
        FrmThanks thanks(pulse);
        lines += test::windowTexts(QStringLiteral("Thanks"), &thanks);
    }
    {
        test::FakePrompts prompts;
        frmAddSupp add(prompts, work, {});
        lines += test::windowTexts(QStringLiteral("Add Support"), &add);
        add.findChild<QPushButton *>(QStringLiteral("cmdSave"))->click();
        lines += boxTexts(QStringLiteral("Add Support with empty fields"), prompts, work);
    }
    {
        test::FakeDosPaths dos;
        test::FakeScriptRunner runner;
        FrmCompile compile;
        lines += test::windowTexts(QStringLiteral("Compile before a run"), &compile);
        const QStringList scriptLines{QStringLiteral("echo one")};
        const QByteArray token = "[texts]";
        StartedScript started;
        started.judge = std::make_unique<CompileJudge>(compileSteps(scriptLines), dos, work, QString(), token);
        started.run = runner.start(folder.filePath(QStringLiteral("Compile.bat")), work, QString());
        started.page = CodePage::byNumber(437);
        test::FakeScriptRun *run = runner.lastRun;
        compile.follow(std::move(started));
        compile.setNotes({QStringLiteral("\"Tag * tag.tsf\": it names no definition file.")});
        lines += test::windowTexts(QStringLiteral("Compile starting"), &compile);
        run->print(token + " begin 1\r\n\r\nZ:\\>echo one\r\none\r\n");
        lines += test::windowTexts(QStringLiteral("Compile running"), &compile);
        run->print(token + " end 1 0\r\n");
        run->end(0);
        lines += test::windowTexts(QStringLiteral("Compile done"), &compile);
    }
    {
        test::FakePrompts prompts;
        prompts.answers = {PromptAnswer::Yes};
        test::FakeDosPaths dos;
        primewell::FrmMain primewell(store, prompts, dos, QDir::toNativeSeparators(work));
        lines += test::windowTexts(QStringLiteral("Primewell"), &primewell);
        primewell.Form_Load();
        lines += test::windowTexts(QStringLiteral("Primewell done"), &primewell);
        lines += boxTexts(QStringLiteral("Primewell"), prompts, work);
    }
    return lines;
}

/// What `program --help` prints in English, the folders of this run written as <home> and
/// <programs>.
QString helpText(const QString &program)
{
    QTemporaryDir home;
    const QString programs = qEnvironmentVariable("BRANNOCK_PROGRAM_DIR");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-window-system"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(programs + QLatin1Char('/') + program, {QStringLiteral("--help")});
    if (!process.waitForFinished(30000))
        return QStringLiteral("did not end");
    return QString::fromLocal8Bit(process.readAllStandardOutput())
        .replace(home.path(), QStringLiteral("<home>"))
        .replace(QDir(programs).canonicalPath(), QStringLiteral("<programs>"))
        .replace(programs, QStringLiteral("<programs>"));
}

QString textsFile()
{
    return qEnvironmentVariable("BRANNOCK_ENGLISH_TEXTS");
}

} // namespace

class TestWindowTexts final : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void englishTextsAreTheRecordedOnes();
};

void TestWindowTexts::englishTextsAreTheRecordedOnes()
{
    QStringList lines = allWindowTexts();
    // A caption shortened to its label's width depends on the font: its tooltip holds it whole.
    lines.removeIf([](const QString &line) { return line.contains(QChar(0x2026)); });
    // The help texts name folders the way each system writes them; they are compared on
    // the systems with "/" paths.
    const bool slashPaths = QDir::separator() == QLatin1Char('/');
    if (slashPaths) {
        for (const char *program : {"Brannock", "Primewell"}) {
            const QString help = helpText(QLatin1String(program));
            for (const QString &line : help.split(QLatin1Char('\n')))
                lines.append(QLatin1String(program) + QStringLiteral(" --help\t") + line);
        }
    }

    QFile file(textsFile());
    if (qEnvironmentVariableIsSet("BRANNOCK_RECORD_TEXTS")) {
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
        return;
    }
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(textsFile()));
    QStringList recorded = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    recorded.removeLast(); // after the last line end
    if (!slashPaths)
        recorded.removeIf([](const QString &line) { return line.contains(QLatin1String(" --help\t")); });
    // Line by line, so that a failure names the first text that differs.
    for (qsizetype n = 0; n < std::min(lines.size(), recorded.size()); ++n)
        QCOMPARE(lines[n], recorded[n]);
    QCOMPARE(lines.size(), recorded.size());
}

QTEST_MAIN(TestWindowTexts)
#include "tst_window_texts.moc"
