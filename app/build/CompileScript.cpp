#include "CompileScript.h"

#include "AppError.h"
#include "BatchText.h"
#include "SkinCatalogue.h"

namespace brannock {

namespace {
const QChar Quote = QLatin1Char('"');
const QChar Blank = QLatin1Char(' ');
} // namespace

CompileScript::CompileScript(QString workRootQ, QString saveFolder, QString savePrefix)
    : m_workRootQ(std::move(workRootQ)), m_saveFolder(std::move(saveFolder)), m_savePrefix(std::move(savePrefix))
{
}

void CompileScript::WriteMakeSkinLine(const QString &palette, const QString &source, const QString &target)
{
    m_lines.append({QStringLiteral("MakeSkin.exe ") + palette + Blank + source + Blank + target, 2});
}

void CompileScript::WriteVolLine(const QString &volume, const QString &file)
{
    m_lines.append({QStringLiteral("VT.exe -sp ") + volume + Blank + file, 2});
}

void CompileScript::WriteCopyLine(const QString &volume, const QString &target)
{
    m_lines.append({QStringLiteral("copy ") + volume + Blank + target, 2});
}

void CompileScript::WriteDelLine(const QString &fileName)
{
    m_lines.append({QStringLiteral("del ") + compiledPath(fileName), 1});
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

QByteArray CompileScript::encoded(const CodePage &page) const
{
    QByteArray bytes;
    for (qsizetype n = 0; n < m_lines.size(); ++n) {
        const Line &line = m_lines[n];
        const CodePage::Encoded enc = page.encode(line.text);
        QString problem;
        if (!enc.ok())
            problem = QStringLiteral("holds %1, which code page %2 cannot hold")
                          .arg(batch::describeCharacter(line.text[enc.badIndex].unicode()))
                          .arg(page.number());
        else
            problem = batch::encodedLineProblem(enc.bytes, line.quotedPieces);
        if (!problem.isEmpty())
            throw AppError(ErrorNumber::BadArgument,
                           QStringLiteral("Line %1 of Compile.bat cannot be written safely: it %2.")
                               .arg(n + 1)
                               .arg(problem));
        bytes += enc.bytes;
        bytes += "\r\n";
    }
    return bytes;
}

CompileScript writeCompileScript(const ScriptValues &v)
{
    const QString workRootQ = Quote + v.workFolder + QLatin1Char('\\');
    const QString sourceRootQ = Quote + v.sourceFolder + QLatin1Char('\\');
    const QString savePrefix = v.saveFolder + QLatin1Char('.');
    CompileScript script(workRootQ, v.saveFolder, savePrefix);
    const QString volume =
        workRootQ + QStringLiteral("New_Wendle\\") + v.saveFolder + QLatin1Char('\\') + v.volumeName + Quote;

    for (const SkinItem *item : v.tickedItems) {
        const QString palette = v.palettes.palette(item->paletteCategory);
        for (const QString &file : item->files)
            script.WriteMakeSkinLine(palette, sourceRootQ + v.openPrefix + file + Quote, script.compiledPath(file));
    }
    for (const ScriptValues::UserItem &user : v.userItems)
        script.WriteMakeSkinLine(user.palette, sourceRootQ + v.openPrefix + user.file + Quote,
                                 script.compiledPath(user.file));
    for (const SkinItem *item : v.tickedItems)
        for (const QString &file : item->files)
            script.WriteVolLine(volume, script.compiledPath(file));
    if (!v.skinsFolder.isEmpty())
        script.WriteCopyLine(volume, Quote + v.skinsFolder + v.volumeName + Quote);
    if (v.deleteBitmaps)
        for (const SkinItem *item : v.tickedItems)
            for (const QString &file : item->files)
                script.WriteDelLine(file);
    return script;
}

} // namespace brannock
