// libFuzzer target for the .tsf line readers: any bytes must either give the three fields
// or an AppError, and fields that all read must put the line back together.
#include "AppError.h"
#include "TsfFile.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString path = QStringLiteral("fuzz.tsf");
    QString line;
    try {
        line = brannock::tsf::firstLineOf(bytes, path);
    } catch (const brannock::AppError &) {
        if (!bytes.isEmpty())
            __builtin_trap(); // only an empty file may fail to give a line
        return 0;
    }
    if (line.contains(QLatin1Char('\r')))
        __builtin_trap();

    QString fields[3];
    bool read[3] = {false, false, false};
    using Parser = QString (*)(const QString &, const QString &);
    const Parser parsers[3] = {&brannock::tsf::descriptionOf, &brannock::tsf::paletteOf,
                               &brannock::tsf::skinFileOf};
    for (int i = 0; i < 3; ++i) {
        try {
            fields[i] = parsers[i](line, path);
            read[i] = true;
        } catch (const brannock::AppError &) {
        }
    }
    if (read[0] && read[1] && read[2]) {
        if (fields[0].contains(QLatin1Char('*')) || fields[1].contains(QLatin1Char('*')))
            __builtin_trap();
        if (fields[0] + QLatin1Char('*') + fields[1] + QLatin1Char('*') + fields[2] != line)
            __builtin_trap();
    }
    if (read[2] && !line.endsWith(fields[2]))
        __builtin_trap();
    return 0;
}
