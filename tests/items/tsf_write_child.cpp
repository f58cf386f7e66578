// Writes one definition file and exits: 0 on success, 3 with the failure report on stderr.
// The .tsf tests run it under a file-size limit to see a write fail part-way.
#include "base/AppError.h"
#include "items/TsfFile.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 6) {
        std::fputs("usage: tsf_write_child folder name description palette skinfile\n", stderr);
        return 2;
    }
    try {
        brannock::WriteTSF(args[1], args[2], args[3], args[4], args[5]);
    } catch (const brannock::AppError &error) {
        std::fputs(error.report().toLocal8Bit().constData(), stderr);
        return 3;
    }
    return 0;
}
