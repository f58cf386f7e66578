#include "common/ProgramInfo.h"

#include "common/BuildInfo.h"
#include "common/WorkFolders.h"
#include "translations/Language.h"

#include <QCoreApplication>
#include <QTextStream>

namespace brannock {

InfoRequest infoRequest(const QStringList &arguments)
{
    for (const QString &argument : arguments.mid(1)) {
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            return InfoRequest::Help;
        if (argument == QLatin1String("--version"))
            return InfoRequest::Version;
    }
    return InfoRequest::None;
}

InfoRequest infoRequest(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return infoRequest(arguments);
}

QString versionLine(const QString &programName)
{
    return programName + QLatin1Char(' ') + QLatin1String(Version);
}

QString helpFooter(const WorkFolders &folders, const QString &settingsLocation)
{
    return QCoreApplication::translate("brannock::ProgramInfo", "  --help       show this text and end\n"
                          "  --version    show the version and end\n\n")
         + folders.description() + QCoreApplication::translate("brannock::ProgramInfo", "\nSettings: ")
         + settingsLocation + QLatin1Char('\n');
}

int printInfo(int argc, char **argv, InfoRequest request, const QString &programName,
              const std::function<QString(const WorkFolders &)> &helpText)
{
    // A core application only: it knows the program's folder and opens no window.
    QCoreApplication core(argc, argv);
    installTranslations();
    QTextStream out(stdout);
    if (request == InfoRequest::Version)
        out << versionLine(programName) << '\n';
    else
        out << helpText(WorkFolders::detect(QCoreApplication::applicationDirPath()));
    out.flush();
    return 0;
}

} // namespace brannock
