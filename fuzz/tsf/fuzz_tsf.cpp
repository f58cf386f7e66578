// libFuzzer target for the whole road of a shared .tsf file into Compile.bat: any bytes must
// either give the three fields or an AppError, fields that all read must put the line back
// together, and an item the script takes must give only whole, safe command lines.
#include "base/AppError.h"
#include "items/TsfFile.h"
#include "skinset/BatchText.h"
#include "skinset/BuildPlan.h"
#include "skinset/SkinCatalogue.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace {

using namespace brannock;

/// The fields of the first line, or false when one cannot be read.
bool readFields(const QByteArray &bytes, QString fields[3])
{
    const QString path = QStringLiteral("fuzz.tsf");
    QString line;
    try {
        line = tsf::firstLineOf(bytes, path);
    } catch (const AppError &) {
        // Only an empty file or a first line too long to be a definition gives no line.
        const qsizetype cr = bytes.indexOf('\r');
        if (!bytes.isEmpty() && (cr < 0 ? bytes.size() : cr) <= tsf::kMaxLineBytes)
            __builtin_trap();
        return false;
    }
    if (line.contains(QLatin1Char('\r')))
        __builtin_trap();

    bool read[3] = {false, false, false};
    using Parser = QString (*)(const QString &, const QString &);
    const Parser parsers[3] = {&tsf::descriptionOf, &tsf::paletteOf, &tsf::skinFileOf};
    for (int i = 0; i < 3; ++i) {
        try {
            fields[i] = parsers[i](line, path);
            read[i] = true;
        } catch (const AppError &) {
        }
        if (read[i] && fields[i].size() > tsf::kMaxFieldLength)
            __builtin_trap();
    }
    if (read[0] && read[1] && read[2]) {
        if (fields[0].contains(QLatin1Char('*')) || fields[1].contains(QLatin1Char('*')))
            __builtin_trap();
        if (fields[0] + QLatin1Char('*') + fields[1] + QLatin1Char('*') + fields[2] != line)
            __builtin_trap();
    }
    if (read[2] && !line.endsWith(fields[2]))
        __builtin_trap();
    return read[1] && read[2];
}

/// The item goes into a script beside one built-in item, as the build puts it there; every
/// encoded line must be one whole command with its texts inside their quotes.
void writeScript(const QString &palette, const QString &skinFile)
{
    const CodePage page = *CodePage::byNumber(437);
    if (!batch::definitionProblem(palette, skinFile, QStringLiteral("fuzz.tsf"), page).isEmpty() || skinFile.isEmpty())
        return;
    PlanValues v;
    v.workFolder = {QStringLiteral("/skinner"), QStringLiteral("C:\\Skinner")};
    v.sourceFolder = {QStringLiteral("/paint"), QStringLiteral("D:\\Paint")};
    v.openPrefix = QStringLiteral("new1.");
    v.saveFolder = QStringLiteral("skin1");
    v.volumeName = QStringLiteral("newvol.vol");
    v.skinsFolder = {QStringLiteral("/kestrow/base/Skins"), QStringLiteral("C:\\Games\\Kestrow\\base\\Skins")};
    v.deleteBitmaps = true;
    v.palettes.setPalette(schema::PalArmors, QStringLiteral("pal3"));
    v.tickedItems.append(&SkinCatalogue::items().first());
    v.userItems.append({palette, skinFile, QStringLiteral("fuzz.tsf")});

    BuildPlan::Encoded encoded;
    try {
        encoded = BuildPlan(v).encode(page);
    } catch (const AppError &) {
        __builtin_trap(); // a text the checks let through was caught only by the last net
    }
    if (!encoded.refusal.isEmpty())
        return;
    const QList<QByteArray> lines = encoded.bytes.split('\n');
    const qsizetype expected = 2 * SkinCatalogue::items().first().files.size() + 1 + 1 + 1 + 1;
    if (lines.size() != expected) // the commands and the empty rest after the last CR LF
        __builtin_trap();
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QByteArray &line = lines[i];
        if (!line.endsWith('\r'))
            __builtin_trap();
        const QByteArray bare = line.chopped(1);
        if (!batch::encodedLineProblem(bare, bare.startsWith("del ") ? 1 : 2).isEmpty())
            __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QString fields[3];
    if (readFields(bytes, fields))
        writeScript(fields[1], fields[2]);
    return 0;
}
