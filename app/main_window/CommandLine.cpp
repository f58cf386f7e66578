#include "CommandLine.h"

namespace brannock {

bool hasSwitch(const QString &commandLine, const char *switchText)
{
    return commandLine.contains(QLatin1StringView(switchText), Qt::CaseInsensitive);
}

QString commandLineText(const QStringList &arguments)
{
    return arguments.mid(1).join(QLatin1Char(' '));
}

} // namespace brannock
