#include "MakeSkinset.h"

#include "AppError.h"
#include "BatchText.h"
#include "DosPaths.h"
#include "FileErrors.h"
#include "Prompts.h"
#include "ScriptRunner.h"
#include "SettingsStore.h"
#include "SkinCatalogue.h"
#include "TsfFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace brannock {

namespace {

const QString InvalidDataTitle = QStringLiteral("Invalid Data!");

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
                       QStringLiteral("Cannot create the folder \"%1\": a file of that name is in the way.")
                           .arg(QDir::toNativeSeparators(path)));
    clearFileError();
    if (!QDir().mkdir(path))
        throw lastFileFailure(QStringLiteral("create the folder"), path, ENOENT);
}

/// The first refusal among `checks` (field name, problem), as the box text; empty when none.
struct Check {
    QString field;
    QString problem;
};

} // namespace

MakeSkinset::MakeSkinset(SettingsStore &store, Prompts &boxes, DosPaths &dos, ScriptRunner &runner,
                         QString programFolder, CodePage scriptPage)
    : m_store(store), m_boxes(boxes), m_dos(dos), m_runner(runner), m_programFolder(std::move(programFolder)),
      m_page(scriptPage)
{
}

QString MakeSkinset::scriptPath() const
{
    return m_programFolder + QStringLiteral("/Compile.bat");
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
    const QString dos = m_dos.toDos(nativeFolder);
    if (dos.isEmpty())
        throw AppError(ErrorNumber::PathNotFound,
                       QStringLiteral("The %1 \"%2\" lies on no drive that the game's tools can see.")
                           .arg(what, QDir::toNativeSeparators(nativeFolder)));
    return dos;
}

MakeSkinset::Outcome MakeSkinset::run(const BuildInputs &in, const std::function<void(bool)> &setMakeEnabled)
{
    Outcome outcome = Outcome::Failed;
    try {
        outcome = build(in, setMakeEnabled);
    } catch (const AppError &error) {
        exclaim(QStringLiteral("Make Error!"), error.report());
        outcome = Outcome::Failed;
    }
    if (setMakeEnabled)
        setMakeEnabled(true);
    return outcome;
}

MakeSkinset::Outcome MakeSkinset::build(const BuildInputs &in, const std::function<void(bool)> &setMakeEnabled)
{
    ScriptValues v;
    v.palettes = PaletteSet::read(m_store);

    const QString script = scriptPath();
    if (QFileInfo::exists(script) || QFileInfo(script).isSymLink()) {
        QFile old(script);
        clearFileError();
        if (!old.remove())
            throw lastFileFailure(QStringLiteral("delete"), script, EACCES);
    }

    v.workFolder = dosFolder(m_programFolder, QStringLiteral("program folder"));
    if (setMakeEnabled)
        setMakeEnabled(false);
    v.sourceFolder = dosFolder(in.sourceFolder, QStringLiteral("source folder"));

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
        exclaim(InvalidDataTitle, QStringLiteral("Invalid Path Data.\r\nNot using auto-VOL-copy."));

    const bool deleteBitmaps = m_store.ReadSetting(schema::OtherDelNew, toQString(schema::No)) == toQString(schema::Yes);
    const bool autoCopy = m_store.ReadSetting(schema::OtherUseAVC, toQString(schema::Yes)) == toQString(schema::Yes);
    v.openPrefix = in.openFilePrefix.isEmpty() ? QString() : in.openFilePrefix + QLatin1Char('.');

    if (in.saveFilePrefix.isEmpty()) {
        exclaim(QStringLiteral("Error"), QStringLiteral("You need a Save File Prefix."));
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

    // Every text that goes into the script is checked before anything is written.
    const QString problem = refusalOf(v, in);
    if (!problem.isEmpty()) {
        exclaim(InvalidDataTitle, problem);
        return Outcome::Refused;
    }
    v.userItems = readUserItems(in.tickedUserEntries, v.openPrefix);

    const bool noDirs = in.commandLine.contains(QLatin1String("/nodirs/"), Qt::CaseInsensitive);
    if (in.runScript || !noDirs)
        makeWorkFolders(v.saveFolder);

    const QByteArray bytes = writeCompileScript(v).encoded(m_page);
    QFile file(script);
    clearFileError();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw lastFileFailure(QStringLiteral("create"), script, EACCES);
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw lastFileFailure(QStringLiteral("write"), script, EIO);
    file.close();

    if (!in.runScript)
        return Outcome::Written;
    m_runner.start(script);
    return Outcome::Started;
}

QString MakeSkinset::refusalOf(const ScriptValues &v, const BuildInputs &in) const
{
    using batch::QuotedPlace;
    const QList<Check> checks = {
        {QStringLiteral("The Save File Prefix"), batch::quotedTextProblem(in.saveFilePrefix, m_page, QuotedPlace::Inside)},
        {QStringLiteral("The Open File Prefix"), batch::quotedTextProblem(in.openFilePrefix, m_page, QuotedPlace::Inside)},
        {QStringLiteral("The New VOL name"), batch::quotedTextProblem(in.volumeName, m_page, QuotedPlace::Inside)},
        {QStringLiteral("The source folder \"%1\"").arg(v.sourceFolder),
         batch::quotedTextProblem(v.sourceFolder, m_page, QuotedPlace::Inside)},
        {QStringLiteral("The program folder \"%1\"").arg(v.workFolder),
         batch::quotedTextProblem(v.workFolder, m_page, QuotedPlace::Inside)},
        {QStringLiteral("The game folder \"%1\"").arg(v.skinsFolder),
         batch::quotedTextProblem(v.skinsFolder, m_page, QuotedPlace::Inside)},
    };
    for (const Check &check : checks)
        if (!check.problem.isEmpty())
            return check.field + QLatin1Char(' ') + check.problem + QStringLiteral(".\r\nNothing was written or started.");
    for (const SkinItem *item : v.tickedItems) {
        const QString name = v.palettes.palette(item->paletteCategory);
        const QString problem = batch::paletteWordProblem(name, m_page);
        if (!problem.isEmpty())
            return QStringLiteral("The \"%1\" palette ").arg(toQString(item->paletteCategory.key)) + problem
                + QStringLiteral(".\r\nNothing was written or started.");
    }
    return {};
}

QList<ScriptValues::UserItem> MakeSkinset::readUserItems(const QStringList &entries, const QString &openPrefix) const
{
    QList<ScriptValues::UserItem> result;
    result.reserve(entries.size());
    for (const QString &entry : entries) {
        const QString name = definitionFileOf(entry);
        if (name.isEmpty())
            continue;
        const QString path = m_programFolder + QLatin1Char('/') + name;
        ScriptValues::UserItem item;
        try {
            const QString line = tsf::readFirstLine(path);
            item.palette = tsf::paletteOf(line, path);
            item.file = tsf::skinFileOf(line, path);
        } catch (const AppError &) {
            continue; // an unreadable definition is left out without a word
        }
        // A definition whose fields cannot stand in the script is left out like an unreadable one.
        // An empty skin file name without an open prefix would end the source path in the
        // folder's backslash, which escapes the closing quote.
        if (!batch::paletteWordProblem(item.palette, m_page).isEmpty()
            || !batch::quotedTextProblem(item.file, m_page, batch::QuotedPlace::EndOfPiece).isEmpty()
            || (openPrefix + item.file).isEmpty())
            continue;
        result.append(item);
    }
    return result;
}

void MakeSkinset::makeWorkFolders(const QString &saveFolder) const
{
    const QString root = m_programFolder + QStringLiteral("/New_Wendle");
    makeFolder(root);
    makeFolder(root + QLatin1Char('/') + toSlashes(saveFolder));
}

} // namespace brannock
