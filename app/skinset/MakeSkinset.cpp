#include "skinset/MakeSkinset.h"

#include "base/AppError.h"
#include "base/FileErrors.h"
#include "common/SettingsStore.h"
#include "common/WholeFile.h"
#include "desktop/Prompts.h"
#include "items/SingleName.h"
#include "items/TsfFile.h"
#include "platform/DosPaths.h"
#include "platform/ScriptRunner.h"
#include "skinset/BatchText.h"
#include "skinset/PaintedBitmaps.h"
#include "skinset/SkinCatalogue.h"
#include "skinset/ToolCheck.h"
#include "skinset/WatchedScript.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace brannock {

namespace {

/// The build's texts in the player's language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(brannock::MakeSkinset)
};

QString invalidDataTitle()
{
    return Texts::tr("Invalid Data!");
}

/// Creates one folder level unless a folder of that name is already there.
void makeFolder(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return;
    if (info.exists() || info.isSymLink())
        throw AppError(ErrorNumber::PathFileAccess,
                       Texts::tr("Cannot create the folder \"%1\": a file of that name is in the way.")
                           .arg(QDir::toNativeSeparators(path)));
    clearFileError();
    if (!QDir().mkdir(path))
        throw lastFileFailure(QStringLiteral("create the folder"), path, ENOENT);
}

/// One text of the build and why it cannot go into the script (empty when it can).
struct Check {
    QString field;
    QString problem;
};

} // namespace

MakeSkinset::MakeSkinset(SettingsStore &store, Prompts &boxes, DosPaths &dos, ScriptRunner &runner,
                         WindowsPrograms &programs, QString workFolder, CodePage scriptPage)
    : m_store(store), m_boxes(boxes), m_dos(dos), m_runner(runner), m_programs(programs),
      m_workFolder(std::move(workFolder)), m_page(scriptPage)
{
}

QString MakeSkinset::scriptPath() const
{
    return m_workFolder + QStringLiteral("/Compile.bat");
}

QString MakeSkinset::watchedScriptPath() const
{
    return m_workFolder + QStringLiteral("/Compile.watched.bat");
}

QString MakeSkinset::definitionFileOf(const QString &entryText)
{
    const qsizetype star = entryText.indexOf(QLatin1Char('*'));
    if (star < 0)
        return {};
    return entryText.mid(star + 2);
}

QString MakeSkinset::volumeNameOf(const QString &text)
{
    if (text.right(4).toLower() == QLatin1String(".vol"))
        return text;
    return text + QStringLiteral(".vol");
}

void MakeSkinset::exclaim(const QString &title, const QString &text)
{
    m_boxes.message(title, text, PromptButtons::Ok, PromptIcon::Exclamation);
}

PlanPath MakeSkinset::folderOf(const QString &nativeFolder, const QString &what) const
{
    const QString shown = QDir::toNativeSeparators(nativeFolder);
    if (!QFileInfo(nativeFolder).isDir())
        //: %1 is "program folder" or "source folder".
        throw AppError(ErrorNumber::PathNotFound, Texts::tr("The %1 \"%2\" does not exist.").arg(what, shown));
    const QString dos = m_dos.toDos(nativeFolder);
    if (dos.isEmpty())
        throw AppError(ErrorNumber::PathNotFound,
                       Texts::tr("The %1 \"%2\" lies on no drive that the game's tools can see.").arg(what, shown));
    // A Linux name holding "\\" is read by the tools as two names ("a\\..\\..\\elsewhere"
    // leads elsewhere), and Windows drops a name's trailing dots and blanks: the tools would
    // open another folder than this one.
    if (QDir::separator() == QLatin1Char('/')) {
        for (const QString &name : nativeFolder.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
            if (name.contains(QLatin1Char('\\')))
                throw AppError(ErrorNumber::PathFileAccess,
                               Texts::tr("The %1 \"%2\" cannot be opened by the game's tools: its folder name "
                                              "\"%3\" holds \"\\\", which they read as a folder separator.")
                                   .arg(what, shown, name));
            if (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
                throw AppError(ErrorNumber::PathFileAccess,
                               Texts::tr("The %1 \"%2\" cannot be opened by the game's tools: its folder name "
                                              "\"%3\" ends in a dot or a blank, which Windows drops.")
                                   .arg(what, shown, name));
        }
    }
    // Names that Linux allows and Windows does not: the tools could not open the folder.
    for (qsizetype i = 2; i < dos.size(); ++i) {
        const QChar c = dos[i];
        if (c == QLatin1Char('<') || c == QLatin1Char('>') || c == QLatin1Char('|') || c == QLatin1Char(':'))
            throw AppError(ErrorNumber::PathFileAccess,
                           Texts::tr("The %1 \"%2\" cannot be opened by the game's tools: Windows does not "
                                          "allow the character \"%3\" in a name.")
                               .arg(what, dos, c));
    }
    return {nativeFolder, dos};
}

PlanPath MakeSkinset::skinsFolder() const
{
    // The game folder may be stored as a DOS path or as a native one; it is converted to
    // the other form once, here.
    QString game = m_store.read(schema::GamePath, schema::Reader::Program);
    if (game.endsWith(QLatin1Char('\\')))
        game.chop(1);
    const bool nativeForm = game.startsWith(QLatin1Char('/'));
    PlanPath skins;
    skins.native =
        nativeForm ? game + QStringLiteral("/base/Skins") : m_dos.toNative(game + QStringLiteral("\\base\\Skins"));
    if (skins.native.isEmpty() || !QFileInfo(skins.native).isDir())
        return {};
    QString gameDos = nativeForm ? m_dos.toDos(game) : game;
    if (gameDos.endsWith(QLatin1Char('\\')))
        gameDos.chop(1);
    if (gameDos.isEmpty() && nativeForm)
        return {};
    skins.dos = gameDos + QStringLiteral("\\base\\Skins");
    return skins;
}

MakeSkinset::Result MakeSkinset::run(const BuildInputs &in, const std::function<void(bool)> &setMakeEnabled)
{
    Result result;
    try {
        result.outcome = build(in, setMakeEnabled, result.leftOut);
    } catch (const AppError &error) {
        exclaim(Texts::tr("Make Error!"), error.report());
        result.outcome = Outcome::Failed;
    }
    if (setMakeEnabled)
        setMakeEnabled(true);
    return result;
}

MakeSkinset::Outcome MakeSkinset::build(const BuildInputs &in, const std::function<void(bool)> &setMakeEnabled,
                                        QStringList &leftOut)
{
    std::optional<PlanValues> values = gather(in, setMakeEnabled, leftOut);
    if (!values)
        return Outcome::NoSavePrefix;
    BuildPlan plan(*values);

    // Every text that goes into the script is checked, and the script is put together and
    // encoded, before anything is written.
    BuildPlan::Encoded encoded;
    if (const QString problem = refusalOf(*values, plan, in, encoded); !problem.isEmpty()) {
        exclaim(invalidDataTitle(), problem + Texts::tr(".\r\nNothing was written or started."));
        leftOut.clear();
        return Outcome::Refused;
    }
    if (in.runScript && !toolsReady(plan, in)) {
        leftOut.clear();
        return Outcome::ToolsNotReady;
    }
    const qsizetype unexplained = leftOut.size(); // the rest are named in the Missing Bitmaps box
    if (!leaveOutMissingBitmaps(*values, in.sourceFolder, leftOut)) {
        leftOut.clear();
        return Outcome::Refused;
    }
    if (!values->leftOutFiles.isEmpty()) {
        plan = BuildPlan(*values);
        encoded = plan.encode(m_page);
    }

    write(*values, encoded, in);
    if (in.runScript) {
        start(plan, encoded, in);
        return Outcome::Started;
    }
    // Ticked items that could not be built are named: in the Compile window when the script
    // runs, in a box of their own when nothing runs.
    if (unexplained > 0)
        exclaim(invalidDataTitle(), Texts::tr("These ticked items were left out of the build:\r\n")
                                      + leftOut.first(unexplained).join(QStringLiteral("\r\n")));
    return Outcome::Written;
}

std::optional<PlanValues> MakeSkinset::gather(const BuildInputs &in, const std::function<void(bool)> &setMakeEnabled,
                                              QStringList &leftOut)
{
    PlanValues v;
    v.palettes = PaletteSet::read(m_store);

    // The work folder (the per-user data folder of an installed copy) may not exist yet;
    // the script is written into it even under /nodirs/.
    if (!QFileInfo(m_workFolder).isDir()) {
        clearFileError();
        if (!QDir().mkpath(m_workFolder))
            throw lastFileFailure(QStringLiteral("create the folder"), m_workFolder, ENOENT);
    }
    const QString script = scriptPath();
    if (QFileInfo::exists(script) || QFileInfo(script).isSymLink()) {
        QFile old(script);
        clearFileError();
        if (!old.remove())
            throw lastFileFailure(QStringLiteral("delete"), script, EACCES);
    }

    v.workFolder = folderOf(m_workFolder, Texts::tr("program folder"));
    if (setMakeEnabled)
        setMakeEnabled(false);
    v.sourceFolder = folderOf(in.sourceFolder, Texts::tr("source folder"));
    // The tools see the source folder by its links resolved, so a ".." in the Open File
    // Prefix leads from there.
    if (const QString canonical = QFileInfo(in.sourceFolder).canonicalFilePath(); !canonical.isEmpty())
        v.sourceFolder.native = canonical;

    const PlanPath skins = skinsFolder();
    if (skins.isEmpty())
        exclaim(invalidDataTitle(), Texts::tr("Invalid Path Data.\r\nNot using auto-VOL-copy."));

    const bool deleteBitmaps = m_store.isSet(schema::OtherDelNew, schema::Reader::Program);
    const bool autoCopy = m_store.isSet(schema::OtherUseAVC, schema::Reader::Program);
    v.openPrefix = in.openFilePrefix.isEmpty() ? QString() : in.openFilePrefix + QLatin1Char('.');

    if (in.saveFilePrefix.isEmpty()) {
        exclaim(Texts::tr("Error"), Texts::tr("You need a Save File Prefix."));
        return std::nullopt;
    }
    v.saveFolder = in.saveFilePrefix;
    v.volumeName = volumeNameOf(in.volumeName);
    v.deleteBitmaps = deleteBitmaps;
    if (autoCopy)
        v.skinsFolder = skins;
    if (in.isTicked)
        for (const SkinItem &item : SkinCatalogue::items())
            if (in.isTicked(item))
                v.tickedItems.append(&item);
    v.userItems = readUserItems(in.tickedUserEntries, v.openPrefix, leftOut);
    return v;
}

QString MakeSkinset::refusalOf(const PlanValues &v, const BuildPlan &plan, const BuildInputs &in,
                               BuildPlan::Encoded &encoded) const
{
    using batch::QuotedPlace;
    const QString skins = v.skinsFolder.isEmpty() ? QString() : v.skinsFolder.dos + QLatin1Char('\\');
    const QList<Check> checks = {
        {Texts::tr("The Save File Prefix"), batch::quotedTextProblem(in.saveFilePrefix, m_page, QuotedPlace::Inside)},
        {Texts::tr("The Open File Prefix"), batch::quotedTextProblem(in.openFilePrefix, m_page, QuotedPlace::Inside)},
        {Texts::tr("The New VOL name"), batch::quotedTextProblem(in.volumeName, m_page, QuotedPlace::Inside)},
        // The save prefix names a folder and the volume a file inside New_Wendle: each is one
        // name, never a path out of it.
        {Texts::tr("The Save File Prefix"), singleNameProblem(v.saveFolder)},
        {Texts::tr("The New VOL name"), singleNameProblem(v.volumeName)},
        {Texts::tr("The source folder \"%1\"").arg(v.sourceFolder.dos),
         batch::quotedTextProblem(v.sourceFolder.dos, m_page, QuotedPlace::Inside)},
        {Texts::tr("The program folder \"%1\"").arg(v.workFolder.dos),
         batch::quotedTextProblem(v.workFolder.dos, m_page, QuotedPlace::Inside)},
        {Texts::tr("The game folder \"%1\"").arg(skins), batch::quotedTextProblem(skins, m_page, QuotedPlace::Inside)},
    };
    for (const Check &check : checks)
        if (!check.problem.isEmpty())
            return check.field + QLatin1Char(' ') + check.problem;
    for (const SkinItem *item : v.tickedItems) {
        const QString name = v.palettes.palette(item->paletteCategory);
        const QString problem = batch::paletteWordProblem(name, m_page);
        if (!problem.isEmpty())
            return Texts::tr("The \"%1\" palette ").arg(toQString(item->paletteCategory.key)) + problem;
    }
    if (const QString problem = overwriteProblem(plan); !problem.isEmpty())
        return problem;
    encoded = plan.encode(m_page);
    return encoded.refusal;
}

bool MakeSkinset::toolsReady(const BuildPlan &plan, const BuildInputs &in)
{
    // A script that will run needs its tools where the interpreter finds them, of a kind
    // this system runs.
    if (!in.toolsFolder.isEmpty())
        QDir().mkpath(in.toolsFolder); // so that the player finds it where the message says
    const QString tools = toolProblems(plan.steps(), m_programs, in.workingFolder, in.toolsFolder);
    if (!tools.isEmpty())
        exclaim(Texts::tr("Make Skinset"), tools + Texts::tr("\r\n\r\nNothing was written or started."));
    return tools.isEmpty();
}

void MakeSkinset::write(const PlanValues &v, const BuildPlan::Encoded &encoded, const BuildInputs &in) const
{
    if (in.runScript || in.makeFolders) {
        makeFolder((v.workFolder / QStringLiteral("New_Wendle")).native);
        makeFolder(v.saveFolderPath().native);
    }
    writeWholeFile(scriptPath(), encoded.bytes);
}

void MakeSkinset::start(const BuildPlan &plan, const BuildPlan::Encoded &encoded, const BuildInputs &in)
{
    // The volumes as the tools will find them: Windows and Wine match names without regard
    // to letter case.
    const PlanPath &game = plan.gameVolume();
    RunGuard guard = RunGuard::prepare(painted::foundWithoutCase(plan.volume().native),
                                       game.isEmpty() ? QString() : painted::foundWithoutCase(game.native));
    // Brannock runs a watched copy that reports each line's end and waits for leave to go
    // on; whatever stops it from starting puts the volumes back and leaves no copy behind.
    const QByteArray token = watch::newToken();
    const QString watched = watchedScriptPath();
    std::unique_ptr<CompileJudge> judge;
    try {
        writeWholeFile(watched, watch::watchedScript(encoded.bytes, token));
        judge = std::make_unique<CompileJudge>(plan.steps(), in.workingFolder, in.toolsFolder, token);
        m_started.run = m_runner.start(watched, in.workingFolder, in.toolsFolder);
    } catch (const AppError &) {
        guard.settle(false);
        QFile::remove(watched);
        throw;
    }
    m_started.judge = std::move(judge);
    m_started.page = m_page;
    m_started.guard = std::move(guard);
    m_started.watchedScript = watched;
}

QList<PlanValues::UserItem> MakeSkinset::readUserItems(const QStringList &entries, const QString &openPrefix,
                                                         QStringList &leftOut) const
{
    QList<PlanValues::UserItem> result;
    result.reserve(entries.size());
    for (const QString &entry : entries) {
        const auto leaveOut = [&leftOut, &entry](const QString &why) {
            leftOut.append(QStringLiteral("\"%1\": %2").arg(entry, why));
        };
        const QString name = definitionFileOf(entry);
        if (name.isEmpty()) {
            leaveOut(Texts::tr("it names no definition file."));
            continue;
        }
        const QString path = m_workFolder + QLatin1Char('/') + name;
        PlanValues::UserItem item;
        item.definition = name;
        try {
            const QString line = tsf::readFirstLine(path);
            item.palette = tsf::paletteOf(line, path);
            item.file = tsf::skinFileOf(line, path);
        } catch (const AppError &error) {
            leaveOut(error.description()); // deleted, emptied or spoilt since the menu was built
            continue;
        }
        if (const QString problem =
                batch::definitionProblem(item.palette, item.file, QDir::toNativeSeparators(path), m_page);
            !problem.isEmpty()) {
            leaveOut(problem);
            continue;
        }
        // An empty skin file name without an open prefix would end the source path in the
        // folder's backslash, which escapes the closing quote.
        if ((openPrefix + item.file).isEmpty()) {
            leaveOut(Texts::tr("its skin file name is empty and no Open File Prefix is given."));
            continue;
        }
        result.append(item);
    }
    return result;
}

QString MakeSkinset::overwriteProblem(const BuildPlan &plan)
{
    using painted::Change;
    QStringList sources;
    // The volume counts as written even without a pack line: the run moves an old one aside.
    QList<painted::Target> targets{{plan.volume().native, Change::Pack, {}}};
    for (const BuildStep &step : plan.steps()) {
        switch (step.kind) {
        case BuildStep::Kind::MakeSkin:
            sources.append(step.input.native);
            targets.append({step.product.native, Change::Compile, step.input.native});
            break;
        case BuildStep::Kind::Copy:
            targets.append({step.product.native, Change::Copy, {}});
            break;
        case BuildStep::Kind::Delete:
            targets.append({step.product.native, Change::Delete, {}});
            break;
        case BuildStep::Kind::Pack: // writes the volume, listed first
        case BuildStep::Kind::Other:
            break;
        }
    }
    return painted::overwrittenProblem(sources, targets);
}

bool MakeSkinset::leaveOutMissingBitmaps(PlanValues &v, const QString &shownFolder, QStringList &leftOut)
{
    QStringList files; // each skin file once, in build order
    for (const SkinItem *item : v.tickedItems)
        for (const QString &file : item->files)
            if (!files.contains(file))
                files.append(file);
    for (const PlanValues::UserItem &user : v.userItems)
        if (!files.contains(user.file))
            files.append(user.file);
    QStringList named;
    for (const QString &file : files) {
        const QString path = painted::foundWithoutCase(v.sourceBitmap(file).native);
        if (const QString problem = painted::bitmapProblem(path); !problem.isEmpty()) {
            v.leftOutFiles.insert(file);
            named.append(QStringLiteral("\"%1\": %2").arg(v.openPrefix + file, problem));
        }
    }
    if (named.isEmpty())
        return true;
    const QString folder = QDir::toNativeSeparators(shownFolder);
    const QString list = named.join(QStringLiteral("\r\n"));
    if (named.size() == files.size()) {
        exclaim(invalidDataTitle(), Texts::tr("None of the ticked bitmaps in \"%1\" can be compiled:\r\n%2\r\n"
                                                 "Nothing was written or started.")
                                      .arg(folder, list));
        return false;
    }
    const QString question =
        Texts::tr("These ticked bitmaps in \"%1\" cannot be compiled:\r\n%2\r\n\r\nBuild the rest?").arg(folder, list);
    if (m_boxes.message(Texts::tr("Missing Bitmaps"), question, PromptButtons::YesNo, PromptIcon::Question)
        != PromptAnswer::Yes)
        return false;
    leftOut.append(named);
    return true;
}

} // namespace brannock
