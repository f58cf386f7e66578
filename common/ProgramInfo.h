#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace brannock {

class WorkFolders;

/// What a command line asks for besides starting the program.
enum class InfoRequest { None, Help, Version };

/// "--help" (or "-h") or "--version" given as a whole argument after the program's own
/// path; the first one counts. Anything else, switches included, asks for nothing here.
InfoRequest infoRequest(const QStringList &arguments);
InfoRequest infoRequest(int argc, char **argv);

/// "<program> <version>".
QString versionLine(const QString &programName);

/// The closing lines of every --help: the two information options, the folders in use and
/// where the settings are stored.
QString helpFooter(const WorkFolders &folders, const QString &settingsLocation);

/// Prints the answer to `request` (not None) on the standard output, without opening a
/// window: the version line, or `helpText` given the folders in use. Returns the exit code.
int printInfo(int argc, char **argv, InfoRequest request, const QString &programName,
              const std::function<QString(const WorkFolders &)> &helpText);

} // namespace brannock
