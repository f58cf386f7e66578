#pragma once

#include <QList>
#include <QString>

namespace brannock {

class WindowsPrograms;
struct BuildStep;

/// Finds the tools that `steps` start (MakeSkin.exe for a compile line, VT.exe for a pack
/// line) as the command interpreter will in `workingFolder` with `toolsFolder` at the front
/// of its search path, and checks that this system can run each. Empty when all can; else
/// one text for the player that names each problem and how to fix it.
QString toolProblems(const QList<BuildStep> &steps, WindowsPrograms &programs, const QString &workingFolder,
                     const QString &toolsFolder);

} // namespace brannock
