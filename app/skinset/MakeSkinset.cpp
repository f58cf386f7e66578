#include "skinset/MakeSkinset.h"

#include "common/AppError.h"
#include "skinset/BatchText.h"
#include "skinset/PaintedBitmaps.h"
#include "platform/DosPaths.h"
#include "platform/Prompts.h"
#include "platform/ScriptRunner.h"
#include "common/SettingsStore.h"
#include "items/SingleName.h"
#include "skinset/SkinCatalogue.h"
#include "skinset/ToolCheck.h"
#include "items/TsfFile.h"
#include "common/WholeFile.h"
#include "skinset/WatchedScript.h"
#include "platform/FileErrors.h"

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

QString toSlashes(QString path)
{
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
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

QString MakeSkinset::dosFolder(const QString &nativeFolder, const QString &what) const
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
    return dos;
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
    ScriptValues v;
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

    v.workFolder = dosFolder(m_workFolder, Texts::tr("program folder"));
    if (setMakeEnabled)
        setMakeEnabled(false);
    v.sourceFolder = dosFolder(in.sourceFolder, Texts::tr("source folder"));

    // The game folder may be stored as a DOS path or as a native one; the folder test
    // runs on the native folder, the script names the DOS one.
    QString game = m_store.ReadSetting(schema::GamePath);
    if (game.endsWith(QLatin1Char('\\')))
        game.chop(1);
    const bool nativeForm = game.startsWith(QLatin1Char('/'));
    const QString skinsNative =
        nativeForm ? game + QStringLiteral("/base/Skins") : m_dos.toNative(game + QStringLiteral("\\base\\Skins"));
    QString skinsFolder;
    if (!skinsNative.isEmpty() && QFileInfo(skinsNative).isDir()) {
        QString gameDos = nativeForm ? m_dos.toDos(game) : game;
        if (gameDos.endsWith(QLatin1Char('\\')))
            gameDos.chop(1);
        if (!gameDos.isEmpty() || !nativeForm)
            skinsFolder = gameDos + QStringLiteral("\\base\\Skins\\");
    }
    if (skinsFolder.isEmpty())
        exclaim(invalidDataTitle(), Texts::tr("Invalid Path Data.\r\nNot using auto-VOL-copy."));

    const bool deleteBitmaps = m_store.ReadSetting(schema::OtherDelNew, toQString(schema::No)) == toQString(schema::Yes);
    const bool autoCopy = m_store.ReadSetting(schema::OtherUseAVC, toQString(schema::Yes)) == toQString(schema::Yes);
    v.openPrefix = in.openFilePrefix.isEmpty() ? QString() : in.openFilePrefix + QLatin1Char('.');

    if (in.saveFilePrefix.isEmpty()) {
        exclaim(Texts::tr("Error"), Texts::tr("You need a Save File Prefix."));
        return Outcome::NoSavePrefix;
    }
    v.saveFolder = in.saveFilePrefix;
    v.volumeName = volumeNameOf(in.volumeName);
    v.deleteBitmaps = deleteBitmaps;
    if (autoCopy)
        v.skinsFolder = skinsFolder;
    if (in.isTicked)
        for (const SkinItem &item : SkinCatalogue::items())
            if (in.isTicked(item))
                v.tickedItems.append(&item);

    // Every text that goes into the script is checked, and the script is put together and
    // encoded, before anything is written.
    QString problem = refusalOf(v, in);
    v.userItems = readUserItems(in.tickedUserEntries, v.openPrefix, leftOut);
    if (problem.isEmpty())
        problem = overwriteProblem(v, in.sourceFolder, v.skinsFolder.isEmpty() ? QString() : skinsNative);
    CompileScript::Encoded encoded;
    QStringList lines;
    const auto encode = [&] {
        const CompileScript compileScript = writeCompileScript(v);
        encoded = compileScript.encode(m_page);
        lines = compileScript.lines();
    };
    if (problem.isEmpty()) {
        encode();
        problem = encoded.refusal;
    }
    if (!problem.isEmpty()) {
        exclaim(invalidDataTitle(), problem + Texts::tr(".\r\nNothing was written or started."));
        leftOut.clear();
        return Outcome::Refused;
    }
    // A script that will run needs its tools where the interpreter finds them, of a kind
    // this system runs.
    if (in.runScript) {
        if (!in.toolsFolder.isEmpty())
            QDir().mkpath(in.toolsFolder); // so that the player finds it where the message says
        if (const QString tools = toolProblems(compileSteps(lines), m_programs, in.workingFolder, in.toolsFolder);
            !tools.isEmpty()) {
            exclaim(Texts::tr("Make Skinset"), tools + Texts::tr("\r\n\r\nNothing was written or started."));
            leftOut.clear();
            return Outcome::ToolsNotReady;
        }
    }
    const qsizetype unexplained = leftOut.size(); // the rest were named in the Missing Bitmaps box
    if (!leaveOutMissingBitmaps(v, in.sourceFolder, leftOut)) {
        leftOut.clear();
        return Outcome::Refused;
    }
    if (!v.leftOutFiles.isEmpty())
        encode();

    const bool noDirs = in.commandLine.contains(QLatin1String("/nodirs/"), Qt::CaseInsensitive);
    if (in.runScript || !noDirs)
        makeWorkFolders(v.saveFolder);
    writeWholeFile(script, encoded.bytes);

    // Ticked items that could not be built are named: in the Compile window when the script
    // runs, in a box of their own when nothing runs.
    if (!in.runScript) {
        if (unexplained > 0)
            exclaim(invalidDataTitle(), Texts::tr("These ticked items were left out of the build:\r\n")
                                          + leftOut.first(unexplained).join(QStringLiteral("\r\n")));
        return Outcome::Written;
    }
    // The volumes as the tools will find them: Windows and Wine match names without regard
    // to letter case.
    const auto resolved = [this](const QString &dosPath, const QString &fallback) {
        const QString native = m_dos.toNative(dosPath);
        return native.isEmpty() ? fallback : native;
    };
    const QString workVolume =
        resolved(v.workFolder + QStringLiteral("\\New_Wendle\\") + v.saveFolder + QLatin1Char('\\') + v.volumeName,
                 m_workFolder + QStringLiteral("/New_Wendle/") + toSlashes(v.saveFolder) + QLatin1Char('/') + v.volumeName);
    const QString gameVolume = v.skinsFolder.isEmpty()
        ? QString()
        : resolved(v.skinsFolder + v.volumeName, skinsNative + QLatin1Char('/') + v.volumeName);
    RunGuard guard = RunGuard::prepare(workVolume, gameVolume);
    // Brannock runs a watched copy that reports each line's end and waits for leave to go
    // on; whatever stops it from starting puts the volumes back and leaves no copy behind.
    const QByteArray token = watch::newToken();
    const QString watched = watchedScriptPath();
    std::unique_ptr<CompileJudge> judge;
    try {
        writeWholeFile(watched, watch::watchedScript(encoded.bytes, token));
        judge = std::make_unique<CompileJudge>(compileSteps(lines), m_dos, in.workingFolder, in.toolsFolder, token);
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
    return Outcome::Started;
}

QString MakeSkinset::refusalOf(const ScriptValues &v, const BuildInputs &in) const
{
    using batch::QuotedPlace;
    const QList<Check> checks = {
        {Texts::tr("The Save File Prefix"), batch::quotedTextProblem(in.saveFilePrefix, m_page, QuotedPlace::Inside)},
        {Texts::tr("The Open File Prefix"), batch::quotedTextProblem(in.openFilePrefix, m_page, QuotedPlace::Inside)},
        {Texts::tr("The New VOL name"), batch::quotedTextProblem(in.volumeName, m_page, QuotedPlace::Inside)},
        // The save prefix names a folder and the volume a file inside New_Wendle: each is one
        // name, never a path out of it.
        {Texts::tr("The Save File Prefix"), singleNameProblem(v.saveFolder)},
        {Texts::tr("The New VOL name"), singleNameProblem(v.volumeName)},
        {Texts::tr("The source folder \"%1\"").arg(v.sourceFolder),
         batch::quotedTextProblem(v.sourceFolder, m_page, QuotedPlace::Inside)},
        {Texts::tr("The program folder \"%1\"").arg(v.workFolder),
         batch::quotedTextProblem(v.workFolder, m_page, QuotedPlace::Inside)},
        {Texts::tr("The game folder \"%1\"").arg(v.skinsFolder),
         batch::quotedTextProblem(v.skinsFolder, m_page, QuotedPlace::Inside)},
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
    return {};
}

QList<ScriptValues::UserItem> MakeSkinset::readUserItems(const QStringList &entries, const QString &openPrefix,
                                                         QStringList &leftOut) const
{
    QList<ScriptValues::UserItem> result;
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
        ScriptValues::UserItem item;
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

namespace {

/// The native path of the painted bitmap `file` that a compile line reads. The tools see the
/// source folder by its links resolved, so a ".." in the Open File Prefix leads from there.
QString sourceBitmap(const QString &sourceFolder, const QString &openPrefix, const QString &file)
{
    const QString canonical = QFileInfo(sourceFolder).canonicalFilePath();
    return (canonical.isEmpty() ? sourceFolder : canonical) + QLatin1Char('/') + toSlashes(openPrefix + file);
}

} // namespace

QString MakeSkinset::overwriteProblem(const ScriptValues &v, const QString &sourceFolder,
                                      const QString &skinsNative) const
{
    using painted::Change;
    const QString saveFolder = m_workFolder + QStringLiteral("/New_Wendle/") + v.saveFolder + QLatin1Char('/');
    const auto compiled = [&](const QString &file) { return saveFolder + v.saveFolder + QLatin1Char('.') + file; };
    QStringList sources;
    QList<painted::Target> targets;
    const auto compile = [&](const QString &file) {
        sources.append(sourceBitmap(sourceFolder, v.openPrefix, file));
        targets.append({compiled(file), Change::Compile, sources.last()});
    };
    for (const SkinItem *item : v.tickedItems)
        for (const QString &file : item->files)
            compile(file);
    for (const ScriptValues::UserItem &user : v.userItems)
        compile(user.file);
    targets.append({saveFolder + v.volumeName, Change::Pack, {}});
    if (!skinsNative.isEmpty())
        targets.append({skinsNative + QLatin1Char('/') + v.volumeName, Change::Copy, {}});
    if (v.deleteBitmaps)
        for (const SkinItem *item : v.tickedItems)
            for (const QString &file : item->files)
                targets.append({compiled(file), Change::Delete, {}});
    return painted::overwrittenProblem(sources, targets);
}

bool MakeSkinset::leaveOutMissingBitmaps(ScriptValues &v, const QString &sourceFolder, QStringList &leftOut)
{
    QStringList files; // each skin file once, in build order
    for (const SkinItem *item : v.tickedItems)
        for (const QString &file : item->files)
            if (!files.contains(file))
                files.append(file);
    for (const ScriptValues::UserItem &user : v.userItems)
        if (!files.contains(user.file))
            files.append(user.file);
    QStringList named;
    for (const QString &file : files) {
        const QString path = painted::foundWithoutCase(sourceBitmap(sourceFolder, v.openPrefix, file));
        if (const QString problem = painted::bitmapProblem(path); !problem.isEmpty()) {
            v.leftOutFiles.insert(file);
            named.append(QStringLiteral("\"%1\": %2").arg(v.openPrefix + file, problem));
        }
    }
    if (named.isEmpty())
        return true;
    const QString folder = QDir::toNativeSeparators(sourceFolder);
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

void MakeSkinset::makeWorkFolders(const QString &saveFolder) const
{
    const QString root = m_workFolder + QStringLiteral("/New_Wendle");
    makeFolder(root);
    makeFolder(root + QLatin1Char('/') + toSlashes(saveFolder));
}

} // namespace brannock
