#include "skinset/BuildPlan.h"

#include "base/AppError.h"
#include "common/SettingsSchema.h"
#include "skinset/BatchText.h"
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

QString quoted(const PlanPath &path)
{
    return Quote + path.dos + Quote;
}

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

PlanPath PlanPath::operator/(const QString &name) const
{
    return {native + QLatin1Char('/') + QString(name).replace(QLatin1Char('\\'), QLatin1Char('/')),
            dos + QLatin1Char('\\') + name};
}

BuildStep BuildStep::makeSkin(const QString &palette, const PlanPath &source, const PlanPath &target, LineParts parts)
{
    return {Kind::MakeSkin, QStringLiteral("MakeSkin.exe"),
            QStringLiteral("MakeSkin.exe ") + palette + Blank + quoted(source) + Blank + quoted(target), source, target,
            std::move(parts)};
}

BuildStep BuildStep::pack(const PlanPath &volume, const PlanPath &file, LineParts parts)
{
    return {Kind::Pack, QStringLiteral("VT.exe"), QStringLiteral("VT.exe -sp ") + quoted(volume) + Blank + quoted(file),
            file, volume, std::move(parts)};
}

BuildStep BuildStep::copy(const PlanPath &volume, const PlanPath &target, LineParts parts)
{
    return {Kind::Copy, {}, QStringLiteral("copy ") + quoted(volume) + Blank + quoted(target), volume, target,
            std::move(parts)};
}

BuildStep BuildStep::remove(const PlanPath &file, LineParts parts)
{
    return {Kind::Delete, {}, QStringLiteral("del ") + quoted(file), {}, file, std::move(parts)};
}

PlanPath PlanValues::sourceBitmap(const QString &file) const
{
    return sourceFolder / (openPrefix + file);
}

PlanPath PlanValues::saveFolderPath() const
{
    return workFolder / QStringLiteral("New_Wendle") / saveFolder;
}

BuildPlan::BuildPlan(const PlanValues &v)
{
    const PlanPath save = v.saveFolderPath();
    const auto compiled = [&](const QString &file) { return save / (v.saveFolder + QLatin1Char('.') + file); };
    m_volume = save / v.volumeName;
    if (!v.skinsFolder.isEmpty())
        m_gameVolume = v.skinsFolder / v.volumeName;

    // What each kind of line is built from, for the message about a line too long.
    const auto program = [&v](int times) {
        return LinePart{Texts::tr("The program folder"), v.workFolder.dos, times};
    };
    const auto savePart = [&v](int times) {
        return LinePart{Texts::tr("The Save File Prefix"), v.saveFolder, times};
    };
    const auto vol = [&v](int times) { return LinePart{Texts::tr("The New VOL name"), v.volumeName, times}; };
    const LineParts compileParts{program(1), savePart(2), {Texts::tr("The source folder"), v.sourceFolder.dos},
                                 {Texts::tr("The Open File Prefix"), v.openPrefix}};
    const auto kept = [&v](const QString &file) { return !v.leftOutFiles.contains(file); };

    for (const SkinItem *item : v.tickedItems) {
        const QString palette = v.palettes.palette(item->paletteCategory);
        LineParts parts = compileParts;
        parts.append({Texts::tr("The \"%1\" palette").arg(toQString(item->paletteCategory.key)), palette});
        for (const QString &file : item->files)
            if (kept(file))
                m_steps.append(BuildStep::makeSkin(palette, v.sourceBitmap(file), compiled(file), parts));
    }
    for (const PlanValues::UserItem &user : v.userItems) {
        if (!kept(user.file))
            continue;
        LineParts parts = compileParts;
        parts.append({Texts::tr("The palette in \"%1\"").arg(user.definition), user.palette});
        parts.append({Texts::tr("The skin file name in \"%1\"").arg(user.definition), user.file, 2});
        m_steps.append(BuildStep::makeSkin(user.palette, v.sourceBitmap(user.file), compiled(user.file), parts));
    }
    for (const SkinItem *item : v.tickedItems)
        for (const QString &file : item->files)
            if (kept(file))
                m_steps.append(BuildStep::pack(m_volume, compiled(file), {program(2), savePart(3), vol(1)}));
    if (!m_gameVolume.isEmpty())
        m_steps.append(BuildStep::copy(
            m_volume, m_gameVolume,
            {program(1), savePart(1), vol(2), {Texts::tr("The game folder"), v.skinsFolder.dos + QLatin1Char('\\')}}));
    if (v.deleteBitmaps)
        for (const SkinItem *item : v.tickedItems)
            for (const QString &file : item->files)
                if (kept(file))
                    m_steps.append(BuildStep::remove(compiled(file), {program(1), savePart(2)}));
}

QStringList BuildPlan::lines() const
{
    QStringList result;
    result.reserve(m_steps.size());
    for (const BuildStep &step : m_steps)
        result.append(step.line);
    return result;
}

BuildPlan::Encoded BuildPlan::encode(const CodePage &page) const
{
    Encoded result;
    for (qsizetype n = 0; n < m_steps.size(); ++n) {
        const BuildStep &step = m_steps[n];
        const CodePage::Encoded enc = page.encode(step.line);
        const qsizetype length = enc.bytes.size() + 2; // with its CR LF
        if (enc.ok() && length > batch::kMaxLineBytes) {
            const LinePart *blamed = longestPart(step.parts);
            result.bytes.clear();
            result.refusal = Texts::tr("%1 makes line %2 of Compile.bat %3 bytes long; the command "
                                      "interpreter reads at most %4 bytes a line")
                                 .arg(blamed ? blamed->name : Texts::tr("The text"), QString::number(n + 1),
                                      QString::number(length), QString::number(batch::kMaxLineBytes));
            return result;
        }
        const QString problem = enc.ok() ? batch::encodedLineProblem(enc.bytes, step.quotedPieces())
                                         : batch::codePageProblem(step.line, page);
        if (!problem.isEmpty())
            throw AppError(ErrorNumber::BadArgument,
                           Texts::tr("Line %1 of Compile.bat cannot be written safely: it %2.")
                               .arg(QString::number(n + 1), problem));
        result.bytes += enc.bytes;
        result.bytes += "\r\n";
    }
    return result;
}

} // namespace brannock
