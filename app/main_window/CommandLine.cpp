#include "main_window/CommandLine.h"

#include "common/ProgramInfo.h"
#include "common/WorkFolders.h"

#include <QCoreApplication>

namespace brannock {

namespace {

/// The help's texts in the player's language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(brannock::CommandLine)
};

} // namespace

bool hasSwitch(const QString &commandLine, const char *switchText)
{
    return commandLine.contains(QLatin1StringView(switchText), Qt::CaseInsensitive);
}

QString commandLineText(const QStringList &arguments)
{
    return arguments.mid(1).join(QLatin1Char(' '));
}

QString helpText(const WorkFolders &folders, const QString &settingsLocation)
{
    static const struct {
        const char *text;
        const char *effect;
    } switches[] = {
        {Switch::NoPaint, QT_TRANSLATE_NOOP("brannock::CommandLine", "keep the built-in look; the look folder and colours are not applied")},
        {Switch::Hide, QT_TRANSLATE_NOOP("brannock::CommandLine", "start hidden in the tray (ignored where the desktop has no tray)")},
        {Switch::NoExec, QT_TRANSLATE_NOOP("brannock::CommandLine", "write Compile.bat but do not start it")},
        {Switch::NoRegion, QT_TRANSLATE_NOOP("brannock::CommandLine", "keep the window rectangular instead of its drawn outline")},
        {Switch::NoDirs, QT_TRANSLATE_NOOP("brannock::CommandLine", "together with /noexec/: create no work folders")},
    };
    QString text = versionLine(QStringLiteral("Brannock"))
                 + Texts::tr(" - makes a skinset for Kestrow Wendle VI from a folder of painted bitmaps.\n\n"
                                  "Usage: Brannock [switches]\n\n"
                                  "Switches count anywhere on the command line, in any letter case, run together\n"
                                  "or inside other text:\n");
    for (const auto &s : switches)
        text += QStringLiteral("  %1 %2\n").arg(QLatin1String(s.text), -12).arg(Texts::tr(s.effect));
    text += Texts::tr("\nThe game's tools: Compile.bat names MakeSkin.exe and VT.exe without a folder. The\n"
                           "command interpreter looks for them in the folder Brannock was started from, then in\n"
                           "%1\n"
                           "(made when missing), then along its search path. Copy both tools from the game into\n"
                           "that folder and they are found however Brannock is started.\n\n")
                .arg(folders.toolsFolder());
    return text + helpFooter(folders, settingsLocation)
         + Texts::tr("\nBefore the first start:\n"
                          "  Run Primewell once: it writes the default settings (where: Settings, above).\n"
                          "  Put the game's MakeSkin.exe and VT.exe in the tools folder named above, or in the\n"
                          "  folder Brannock is started from.\n"
                          "  On Linux the tools run under Wine; 32-bit tools need its 32-bit part:\n"
                          "    sudo dpkg --add-architecture i386 && sudo apt-get update\n"
                          "    sudo apt-get install wine wine32:i386\n");
}

} // namespace brannock
