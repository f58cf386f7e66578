#include "translations/WindowTexts.h"

#include "common/SettingsStore.h"
#include "dialogs/about/FrmAbout.h"
#include "dialogs/about/FrmThanks.h"
#include "dialogs/about/ThanksPulse.h"
#include "dialogs/addsupp/frmAddSupp.h"
#include "dialogs/compile/FrmCompile.h"
#include "dialogs/config/ColourDialog.h"
#include "dialogs/config/FrmCfg.h"
#include "dialogs/skins/FrmSkins.h"
#include "fakes/FakeDosPaths.h"
#include "fakes/FakeInterpreterWarmUp.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeScriptRunner.h"
#include "fakes/FakeTopmostBand.h"
#include "fakes/FakeTray.h"
#include "fakes/FakeWindowsPrograms.h"
#include "main_window/FrmMain.h"
#include "main_window/menus/IncludeMenu.h"
#include "setup/FrmMain.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>

namespace brannock::test {

namespace {

QString escaped(QString text)
{
    return text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('\n'), QStringLiteral("\\n"))
        .replace(QLatin1Char('\r'), QStringLiteral("\\r"))
        .replace(QLatin1Char('\t'), QStringLiteral("\\t"));
}

/// The object's name, or its class and its place among unnamed siblings of that class.
QString step(const QObject *object)
{
    if (!object->objectName().isEmpty())
        return object->objectName();
    const QObject *parent = object->parent();
    int place = 0;
    if (parent) {
        for (const QObject *sibling : parent->children()) {
            if (sibling == object)
                break;
            if (sibling->objectName().isEmpty()
                && qstrcmp(sibling->metaObject()->className(), object->metaObject()->className()) == 0)
                ++place;
        }
    }
    return QStringLiteral("%1#%2").arg(QLatin1String(object->metaObject()->className())).arg(place);
}

QString pathOf(const QObject *object, const QObject *root)
{
    QStringList steps;
    for (const QObject *o = object; o && o != root; o = o->parent())
        steps.prepend(step(o));
    return steps.isEmpty() ? QStringLiteral(".") : steps.join(QLatin1Char('/'));
}

/// The caption as drawn: "&" marks the access key and "&&" stands for one "&".
QString shownCaption(const QString &caption)
{
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

void collect(QStringList &lines, const QString &window, const QObject *root, const QObject *object)
{
    const QString prefix = window + QLatin1Char('\t') + pathOf(object, root) + QLatin1Char('\t');
    const auto add = [&](const char *what, const QString &text) {
        if (!text.isEmpty())
            lines.append(prefix + QLatin1String(what) + QLatin1Char('\t') + escaped(text));
    };
    if (const auto *action = qobject_cast<const QAction *>(object)) {
        add("text", action->text());
        if (action->toolTip() != shownCaption(action->text()))
            add("toolTip", action->toolTip());
        add("statusTip", action->statusTip());
        add("whatsThis", action->whatsThis());
        return;
    }
    const auto *widget = qobject_cast<const QWidget *>(object);
    if (!widget)
        return;
    if (widget->isWindow())
        add("windowTitle", widget->windowTitle());
    add("toolTip", widget->toolTip());
    add("statusTip", widget->statusTip());
    add("whatsThis", widget->whatsThis());
    add("accessibleName", widget->accessibleName());
    add("accessibleDescription", widget->accessibleDescription());
    if (const auto *menu = qobject_cast<const QMenu *>(widget)) {
        add("title", menu->title());
        for (const QAction *action : menu->actions())
            if (!action->isSeparator())
                add("entry", action->text());
    } else if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        add("text", label->text());
    } else if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
        add("text", button->text());
    } else if (const auto *box = qobject_cast<const QLineEdit *>(widget)) {
        add("placeholderText", box->placeholderText());
    } else if (const auto *group = qobject_cast<const QGroupBox *>(widget)) {
        add("title", group->title());
    } else if (const auto *bar = qobject_cast<const QProgressBar *>(widget)) {
        add("format", bar->format());
    } else if (const auto *list = qobject_cast<const QComboBox *>(widget)) {
        for (int i = 0; i < list->count(); ++i)
            add("entry", list->itemText(i));
    } else if (const auto *items = qobject_cast<const QListWidget *>(widget)) {
        for (int i = 0; i < items->count(); ++i)
            add("entry", items->item(i)->text());
    }
}

/// The boxes a fake showed: "<scene>\tbox <n>\t<what>\t<text>" for each box's title, text
/// (an input box's prompt) and an input box's default text, with `folder` written as <folder>.
QStringList boxTexts(const QString &scene, const FakePrompts &prompts, const QString &folder)
{
    QStringList lines;
    for (qsizetype n = 0; n < prompts.calls.size(); ++n) {
        const FakePrompts::Call &call = prompts.calls[n];
        const QString box = scene + QStringLiteral("\tbox %1\t").arg(n + 1);
        QStringList parts{box + QStringLiteral("title\t") + call.title, box + QStringLiteral("text\t") + call.text};
        if (call.kind == FakePrompts::Call::Input)
            parts.append(box + QStringLiteral("default\t") + call.defaultText);
        for (QString &line : parts) {
            line.replace(QDir::toNativeSeparators(folder), QStringLiteral("<folder>"));
            line.replace(QLatin1Char('\r'), QStringLiteral("\\r")).replace(QLatin1Char('\n'), QStringLiteral("\\n"));
            lines.append(line);
        }
    }
    return lines;
}

} // namespace

QStringList windowTexts(const QString &window, QObject *root)
{
    QStringList lines;
    collect(lines, window, root, root);
    for (const QObject *child : root->findChildren<QObject *>())
        collect(lines, window, root, child);
    lines.sort();
    return lines;
}

QStringList cutCaptions(QWidget *root)
{
    QStringList cut;
    const auto check = [&](const QWidget *widget, const QString &caption, int needed, int width) {
        if (needed > width)
            cut.append(QStringLiteral("%1: %2 (%3 > %4 pixels)")
                           .arg(pathOf(widget, root), caption)
                           .arg(needed)
                           .arg(width));
    };
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        // The main window's title bar draws its caption in a font fitted to it.
        if (!widget->isVisibleTo(root) || widget->inherits("brannock::TitleBar"))
            continue;
        const QFontMetrics metrics(widget->font());
        if (const auto *label = qobject_cast<const QLabel *>(widget)) {
            if (label->wordWrap() || label->text().isEmpty() || label->textFormat() == Qt::RichText)
                continue;
            const QString shown = label->buddy() ? shownCaption(label->text()) : label->text();
            for (const QString &line : shown.split(QLatin1Char('\n')))
                check(widget, line, metrics.horizontalAdvance(line), label->contentsRect().width());
        } else if (const auto *box = qobject_cast<const QCheckBox *>(widget)) {
            const QStyle *style = box->style();
            const int indicator = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box)
                + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box);
            const QString shown = shownCaption(box->text());
            check(widget, shown, indicator + metrics.horizontalAdvance(shown), box->width());
        } else if (const auto *button = qobject_cast<const QPushButton *>(widget)) {
            // The caption's room in a push button: its width less three pixels a side.
            const QString shown = shownCaption(button->text());
            if (!shown.isEmpty())
                check(widget, shown, metrics.horizontalAdvance(shown), button->width() - 6);
        }
    }
    return cut;
}

QStringList allWindowTexts(const std::function<void(const QString &scene, QWidget &window)> &visit)
{
    QStringList lines;
    const auto take = [&](const QString &scene, QWidget &window) {
        lines += windowTexts(scene, &window);
        if (visit)
            visit(scene, window);
    };
    QTemporaryDir folder;
    const QString work = folder.path();
    SettingsStore store(folder.filePath(QStringLiteral("settings.ini")));
    store.WriteSetting(schema::OtherUseAVC, toQString(schema::Yes));

    {
        FakePrompts prompts;
        FakeTopmostBand band;
        FakeDosPaths dos;
        dos.mappings = {{QDir::fromNativeSeparators(work), QStringLiteral("C:\\Work")},
                        {QDir::currentPath(), QStringLiteral("D:\\Paint")}};
        FakeScriptRunner runner;
        FakeWindowsPrograms programs;
        FakeInterpreterWarmUp warmUp;
        FakeTray tray;
        FrmMain window(FrmMainContext{store, prompts, band, dos, runner, warmUp, programs, tray,
                                      WorkFolders::portableIn(work), QString(),
                                      [] { return *CodePage::byNumber(437); },
                                      [] { return QList<DriveEntry>{{QStringLiteral("root"), QDir::rootPath()}}; }});
        window.Form_Load();
        take(QStringLiteral("Brannock"), window);
        take(QStringLiteral("Brannock include menu"), *window.includeMenu().includeMenu());
        lines.append(QStringLiteral("Brannock tray\ttoolTip\t") + tray.toolTip);
        // Make Skinset without a save prefix: the boxes it shows.
        window.findChild<QPushButton *>(QStringLiteral("CmdMake"))->click();
        lines += boxTexts(QStringLiteral("Make Skinset without a prefix"), prompts, work);
    }
    {
        FakePrompts prompts;
        FrmCfg cfg(store, prompts, {}, nullptr, [] { return 0.5; });
        take(QStringLiteral("Configuration"), cfg);
        for (const ColourTarget target : {ColourTarget::Color1, ColourTarget::Color2, ColourTarget::Text}) {
            ColourDialog colour(store, prompts, target);
            take(QStringLiteral("Colour"), colour);
        }
    }
    {
        FakePrompts prompts;
        struct Owner final : SkinsDialogOwner {
            CurrentLook currentLook() const override { return {}; }
            void refreshForm() override {}
            void setBandAlways(bool) override {}
        } owner;
        FrmSkins skins(store, prompts, {work}, owner);
        take(QStringLiteral("Skins"), skins);
        skins.findChild<QLineEdit *>()->setText(QStringLiteral("no such look"));
        skins.findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
        lines += boxTexts(QStringLiteral("Skins with a look that is not there"), prompts, work);
    }
    {
        FrmAbout about([] { return 0.5; });
        about.setFolderNote(QStringLiteral("Mode: portable"));
        take(QStringLiteral("About"), about);
        ThanksPulse pulse;
        FrmThanks thanks(pulse);
        take(QStringLiteral("Thanks"), thanks);
    }
    {
        FakePrompts prompts;
        frmAddSupp add(prompts, work, *CodePage::byNumber(437));
        take(QStringLiteral("Add Support"), add);
        add.findChild<QPushButton *>(QStringLiteral("cmdSave"))->click();
        lines += boxTexts(QStringLiteral("Add Support with empty fields"), prompts, work);
    }
    {
        FakeScriptRunner runner;
        FrmCompile compile;
        take(QStringLiteral("Compile before a run"), compile);
        BuildStep step;
        step.line = QStringLiteral("echo one");
        const QByteArray token = "[texts]";
        StartedScript started;
        started.judge = std::make_unique<CompileJudge>(QList<BuildStep>{step}, work, QString(), token);
        started.run = runner.start(folder.filePath(QStringLiteral("Compile.bat")), work, QString());
        started.page = CodePage::byNumber(437);
        FakeScriptRun *run = runner.lastRun;
        compile.follow(std::move(started));
        compile.setNotes({QStringLiteral("\"Tag * tag.tsf\": it names no definition file.")});
        take(QStringLiteral("Compile starting"), compile);
        run->print(token + " begin 1\r\n\r\nZ:\\>echo one\r\none\r\n");
        take(QStringLiteral("Compile running"), compile);
        run->print(token + " end 1 0\r\n");
        run->end(0);
        take(QStringLiteral("Compile done"), compile);
    }
    {
        FakePrompts prompts;
        prompts.answers = {PromptAnswer::Yes};
        FakeDosPaths dos;
        primewell::FrmMain primewell(store, prompts, dos, QDir::toNativeSeparators(work));
        take(QStringLiteral("Primewell"), primewell);
        primewell.Form_Load();
        take(QStringLiteral("Primewell done"), primewell);
        lines += boxTexts(QStringLiteral("Primewell boxes"), prompts, work);
    }
    return lines;
}

QStringList cutCaptionsOfEveryWindow()
{
    QStringList cut;
    allWindowTexts([&cut](const QString &scene, QWidget &window) {
        window.show();
        for (const QString &caption : cutCaptions(&window))
            cut.append(scene + QStringLiteral(": ") + caption);
        window.hide();
    });
    return cut;
}

QString programHelp(const QString &program, const QString &language)
{
    QTemporaryDir home;
    const QString programs = qEnvironmentVariable("BRANNOCK_PROGRAM_DIR");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-window-system"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("LANGUAGE"), language);
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

} // namespace brannock::test
