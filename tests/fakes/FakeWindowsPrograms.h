#pragma once

#include "platform/WindowsPrograms.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace brannock::test {

/// WindowsPrograms with set answers: by default every tool is found in the working folder
/// as a 64-bit program, and every kind runs. `kinds` and `support` change single answers.
class FakeWindowsPrograms final : public WindowsPrograms {
public:
    QHash<QString, ProgramKind> kinds;           ///< by tool name; Missing: found nowhere
    QMap<ProgramKind, RunSupport> supported;///< by kind; Yes when not listed
    QStringList path{QStringLiteral("C:\\windows\\system32"), QStringLiteral("C:\\windows")};
    QStringList asked; ///< tool names looked for, in order
    QStringList toolsFolders; ///< the tools folder of each look-up

    FoundProgram find(const QString &name, const QString &workingFolder, const QString &toolsFolder) override
    {
        asked.append(name);
        toolsFolders.append(toolsFolder);
        const ProgramKind kind = kinds.value(name, ProgramKind::Win64);
        if (kind == ProgramKind::Missing)
            return {};
        return {workingFolder + QLatin1Char('/') + name, kind};
    }
    QStringList searchPath() override { return path; }
    RunSupport support(ProgramKind kind) override { return supported.value(kind, RunSupport::Yes); }
};

} // namespace brannock::test
