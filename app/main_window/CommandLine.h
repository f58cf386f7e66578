#pragma once

#include <QString>
#include <QStringList>

namespace brannock {

class WorkFolders;

/// The main program's command-line switches. A switch is present when its text, both
/// slashes included, occurs anywhere in the command line, in any letter case.
namespace Switch {
inline constexpr auto NoPaint = "/nopaint/";
inline constexpr auto Hide = "/hide/";
inline constexpr auto NoExec = "/noexec/";
inline constexpr auto NoRegion = "/noregion/";
inline constexpr auto NoDirs = "/nodirs/";
} // namespace Switch

bool hasSwitch(const QString &commandLine, const char *switchText);

/// The command line as one text: the arguments after the program's own path, joined by
/// blanks. The program's path is left out, so that a folder named like a switch
/// ("/home/me/hide/Brannock") switches nothing.
QString commandLineText(const QStringList &arguments);

/// What `Brannock --help` prints: the switches, the folders in use and the settings' place.
QString helpText(const WorkFolders &folders, const QString &settingsLocation);

} // namespace brannock
