#include "skinset/ToolCheck.h"

#include "platform/WindowsPrograms.h"
#include "skinset/BuildPlan.h"

#include <QDir>
#include <QStringList>

#include <algorithm>

namespace brannock {

namespace {

QString quotedNative(const QString &path)
{
    return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}

/// "A", "A and B".
QString listed(const QStringList &names)
{
    return names.join(QStringLiteral(" and "));
}

QString kindName(ProgramKind kind)
{
    switch (kind) {
    case ProgramKind::Dos:
        return QStringLiteral("a DOS program");
    case ProgramKind::Win16:
        return QStringLiteral("a 16-bit Windows program");
    case ProgramKind::Win32:
        return QStringLiteral("a 32-bit Windows program");
    case ProgramKind::Win64:
        return QStringLiteral("a 64-bit Windows program");
    default:
        return QStringLiteral("not a Windows program");
    }
}

} // namespace

QString toolProblems(const QList<BuildStep> &steps, WindowsPrograms &programs, const QString &workingFolder,
                     const QString &toolsFolder)
{
    QStringList tools;
    const auto uses = [&steps](BuildStep::Kind kind) {
        return std::any_of(steps.cbegin(), steps.cend(), [kind](const BuildStep &s) { return s.kind == kind; });
    };
    if (uses(BuildStep::Kind::MakeSkin))
        tools << QStringLiteral("MakeSkin.exe");
    if (uses(BuildStep::Kind::Pack))
        tools << QStringLiteral("VT.exe");

    QStringList missing, needWine, needWine32, paragraphs;
    for (const QString &tool : std::as_const(tools)) {
        const FoundProgram found = programs.find(tool, workingFolder, toolsFolder);
        const QString named = tool + QStringLiteral(" (") + quotedNative(found.path) + QLatin1Char(')');
        switch (found.kind) {
        case ProgramKind::Missing:
            missing << tool;
            continue;
        case ProgramKind::Unreadable:
            paragraphs << named + QStringLiteral(" cannot be read. Allow your user to read it.");
            continue;
        case ProgramKind::NotProgram:
        case ProgramKind::OtherMachine:
            paragraphs << named
                              + (found.kind == ProgramKind::OtherMachine
                                     ? QStringLiteral(" is made for another processor: it is not a Windows program "
                                                      "this system can run.")
                                     : QStringLiteral(" is not a Windows program this system can run."))
                              + QStringLiteral(" Put the game's own %1 in its place.").arg(tool);
            continue;
        case ProgramKind::Dos:
        case ProgramKind::Win16:
        case ProgramKind::Win32:
        case ProgramKind::Win64:
            break;
        }
        switch (programs.support(found.kind)) {
        case RunSupport::Yes:
            break;
        case RunSupport::NeedsWine:
            needWine << tool;
            break;
        case RunSupport::NeedsWine32:
            needWine32 << named + QStringLiteral(" is ") + kindName(found.kind) + QLatin1Char('.');
            break;
        case RunSupport::No:
            paragraphs << named + QStringLiteral(" is ") + kindName(found.kind)
                              + QStringLiteral(", which cannot run on this system. The game's tools must be 32- or "
                                               "64-bit Windows programs: put a Windows version of %1 in its place.")
                                    .arg(tool);
            break;
        }
    }

    if (!missing.isEmpty()) {
        const QStringList path = programs.searchPath();
        QString where = QStringLiteral("the working folder ") + quotedNative(workingFolder);
        if (!toolsFolder.isEmpty())
            where += QStringLiteral(", then in Brannock's tools folder ") + quotedNative(toolsFolder);
        if (!path.isEmpty())
            where += QStringLiteral(", then in ") + path.join(QStringLiteral("; "));
        const QString put = toolsFolder.isEmpty()
            ? QStringLiteral("Put %1 into %2, the folder Brannock was started from.")
                  .arg(listed(missing), quotedNative(workingFolder))
            : QStringLiteral("Copy %1 from the game into Brannock's tools folder %2: it is searched whatever "
                             "folder Brannock was started from.")
                  .arg(listed(missing), quotedNative(toolsFolder));
        paragraphs.prepend(QStringLiteral("%1 %2 not found. The command interpreter looked in %3.\r\n%4")
                               .arg(listed(missing),
                                    missing.size() == 1 ? QStringLiteral("was") : QStringLiteral("were"), where, put));
    }
    if (!needWine.isEmpty())
        paragraphs << QStringLiteral("%1 can only run under Wine, and the \"wine\" command was not found. "
                                     "Install Wine (on Debian: sudo apt-get install wine).")
                          .arg(listed(needWine));
    if (!needWine32.isEmpty())
        paragraphs << needWine32.join(QStringLiteral("\r\n"))
                          + QStringLiteral("\r\nThis Wine runs only 64-bit programs. Add its 32-bit part; on Debian "
                                           "run:\r\n"
                                           "    sudo dpkg --add-architecture i386\r\n"
                                           "    sudo apt-get update\r\n"
                                           "    sudo apt-get install wine32:i386\r\n"
                                           "then make the skinset again.");
    return paragraphs.join(QStringLiteral("\r\n\r\n"));
}

} // namespace brannock
