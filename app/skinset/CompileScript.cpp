#include "skinset/CompileScript.h"

#include "common/AppError.h"
#include "skinset/BatchText.h"
#include "common/SettingsStore.h"
#include "skinset/SkinCatalogue.h"

#include <QCoreApplication>

namespace brannock {

namespace {

/// The script's texts in the player's language, as part of Make Skinset's.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(brannock::MakeSkinset)
};

const QChar Quote = QLatin1Char('"');
const QChar Blank = QLatin1Char(' ');

/// The part that adds the most characters to its line.
const LinePart *longestPart(const LineParts &parts)
{
    const LinePart *longest = nullptr;
    for (const LinePart &part : parts)
        if (!longest || part.text.size() * part.times > longest->text.size() * longest->times)
            longest = &part;
    return longest;
}
} // namespace

CompileScript::CompileScript(QString workRootQ, QString saveFolder, QString savePrefix)
    : m_workRootQ(std::move(workRootQ)), m_saveFolder(std::move(saveFolder)), m_savePrefix(std::move(savePrefix))
{
}

void CompileScript::WriteMakeSkinLine(const QString &palette, const QString &source, const QString &target,
                                      LineParts parts)
{
    m_lines.append({QStringLiteral("MakeSkin.exe ") + palette + Blank + source + Blank + target, 2, std::move(parts)});
}

void CompileScript::WriteVolLine(const QString &volume, const QString &file, LineParts parts)
{
    m_lines.append({QStringLiteral("VT.exe -sp ") + volume + Blank + file, 2, std::move(parts)});
}

void CompileScript::WriteCopyLine(const QString &volume, const QString &target, LineParts parts)
{
    m_lines.append({QStringLiteral("copy ") + volume + Blank + target, 2, std::move(parts)});
}

void CompileScript::WriteDelLine(const QString &fileName, LineParts parts)
{
    m_lines.append({QStringLiteral("del ") + compiledPath(fileName), 1, std::move(parts)});
}

QString CompileScript::compiledPath(const QString &fileName) const
{
    return m_workRootQ + QStringLiteral("New_Wendle\\") + m_saveFolder + QLatin1Char('\\') + m_savePrefix + fileName
        + Quote;
}

QStringList CompileScript::lines() const
{
    QStringList result;
    result.reserve(m_lines.size());
    for (const Line &line : m_lines)
        result.append(line.text);
    return result;
}

CompileScript::Encoded CompileScript::encode(const CodePage &page) const
{
    Encoded result;
    for (qsizetype n = 0; n < m_lines.size(); ++n) {
        const Line &line = m_lines[n];
        const CodePage::Encoded enc = page.encode(line.text);
        const qsizetype length = enc.bytes.size() + 2; // with its CR LF
        if (enc.ok() && length > batch::kMaxLineBytes) {
            const LinePart *blamed = longestPart(line.parts);
            result.bytes.clear();
            result.refusal = Texts::tr("%1 makes line %2 of Compile.bat %3 bytes long; the command "
                                            "interpreter reads at most %4 bytes a line")
                                 .arg(blamed ? blamed->name : Texts::tr("The text"), QString::number(n + 1),
                                      QString::number(length), QString::number(batch::kMaxLineBytes));
            return result;
        }
        const QString problem = enc.ok() ? batch::encodedLineProblem(enc.bytes, line.quotedPieces)
                                         : batch::codePageProblem(line.text, page);
        if (!problem.isEmpty())
            throw AppError(ErrorNumber::BadArgument,
                           Texts::tr("Line %1 of Compile.bat cannot be written safely: it %2.")
                               .arg(QString::number(n + 1), problem));
        result.bytes += enc.bytes;
        result.bytes += "\r\n";
    }
    return result;
}

CompileScript writeCompileScript(const ScriptValues &v)
{
    const QString workRootQ = Quote + v.workFolder + QLatin1Char('\\');
    const QString sourceRootQ = Quote + v.sourceFolder + QLatin1Char('\\');
    const QString savePrefix = v.saveFolder + QLatin1Char('.');
    CompileScript script(workRootQ, v.saveFolder, savePrefix);
    const QString volume =
        workRootQ + QStringLiteral("New_Wendle\\") + v.saveFolder + QLatin1Char('\\') + v.volumeName + Quote;

    // What each kind of line is built from, for the message about a line too long.
    const auto program = [&v](int times) { return LinePart{Texts::tr("The program folder"), v.workFolder, times}; };
    const auto save = [&v](int times) { return LinePart{Texts::tr("The Save File Prefix"), v.saveFolder, times}; };
    const auto vol = [&v](int times) { return LinePart{Texts::tr("The New VOL name"), v.volumeName, times}; };
    const LineParts compileParts{program(1), save(2), {Texts::tr("The source folder"), v.sourceFolder},
                                 {Texts::tr("The Open File Prefix"), v.openPrefix}};

    for (const SkinItem *item : v.tickedItems) {
        const QString palette = v.palettes.palette(item->paletteCategory);
        LineParts parts = compileParts;
        parts.append({Texts::tr("The \"%1\" palette").arg(toQString(item->paletteCategory.key)), palette});
        for (const QString &file : item->files)
            if (!v.leftOutFiles.contains(file))
                script.WriteMakeSkinLine(palette, sourceRootQ + v.openPrefix + file + Quote,
                                         script.compiledPath(file), parts);
    }
    for (const ScriptValues::UserItem &user : v.userItems) {
        if (v.leftOutFiles.contains(user.file))
            continue;
        LineParts parts = compileParts;
        parts.append({Texts::tr("The palette in \"%1\"").arg(user.definition), user.palette});
        parts.append({Texts::tr("The skin file name in \"%1\"").arg(user.definition), user.file, 2});
        script.WriteMakeSkinLine(user.palette, sourceRootQ + v.openPrefix + user.file + Quote,
                                 script.compiledPath(user.file), parts);
    }
    for (const SkinItem *item : v.tickedItems)
        for (const QString &file : item->files)
            if (!v.leftOutFiles.contains(file))
                script.WriteVolLine(volume, script.compiledPath(file), {program(2), save(3), vol(1)});
    if (!v.skinsFolder.isEmpty())
        script.WriteCopyLine(volume, Quote + v.skinsFolder + v.volumeName + Quote,
                             {program(1), save(1), vol(2), {Texts::tr("The game folder"), v.skinsFolder}});
    if (v.deleteBitmaps)
        for (const SkinItem *item : v.tickedItems)
            for (const QString &file : item->files)
                if (!v.leftOutFiles.contains(file))
                    script.WriteDelLine(file, {program(1), save(2)});
    return script;
}

} // namespace brannock
