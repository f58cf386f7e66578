#pragma once

#include "platform/CodePage.h"
#include "platform/ScriptRunner.h"
#include "skinset/BuildPlan.h"
#include "skinset/CompileJudge.h"
#include "skinset/RunGuard.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace brannock {

class DosPaths;
class Prompts;
class SettingsStore;
class WindowsPrograms;
struct SkinItem;

/// What the main window hands to one build.
struct BuildInputs {
    QString saveFilePrefix, openFilePrefix, volumeName; ///< TxtSFP, TxtOFP, TxtVOL as typed
    QString sourceFolder;                               ///< DirFP's current path (native)
    std::function<bool(const SkinItem &)> isTicked;     ///< Include-menu check marks
    QStringList tickedUserEntries; ///< texts of the ticked user-created entries, menu order
    bool runScript = true;         ///< false with "/noexec/"
    bool makeFolders = true;       ///< false with "/nodirs/": a script that does not run makes no work folders
    QString workingFolder;         ///< the program's working folder (native): the script runs there
    QString toolsFolder;           ///< searched for the tools after the working folder (native; made when missing)
};

/// A script that was started, with what it takes to follow it to its end.
struct StartedScript {
    std::unique_ptr<ScriptRun> run;
    std::unique_ptr<CompileJudge> judge; ///< took the before-state of the products just before the start
    std::optional<CodePage> page;        ///< the console's code page, in which the output comes
    RunGuard guard;                      ///< the volumes kept around the run, settled when it ends
    QString watchedScript;               ///< the watched copy of Compile.bat that runs, removed at the end
};

/// The "&Make Skinset" operation: reads the settings, checks the inputs, prepares the work
/// folders, writes Compile.bat in the program folder and starts it in the working folder;
/// the caller follows the started script (takeStarted).
class MakeSkinset final {
public:
    enum class Outcome {
        Started,      ///< script written and started
        Written,      ///< script written, not started ("/noexec/")
        NoSavePrefix, ///< "You need a Save File Prefix."
        Refused,      ///< a text cannot stand in the script, or the build was stopped; nothing written
        ToolsNotReady, ///< a tool is missing or cannot run here; nothing written or started
        Failed,       ///< "Make Error!"
    };

    /// What one build did.
    struct Result {
        Outcome outcome = Outcome::Failed;
        /// The ticked user-created items and painted bitmaps that the script leaves out, one
        /// line each naming the entry or bitmap and why ("My skin * a.tsf": Cannot open ...,
        /// "new1.flag.bmp": not found).
        QStringList leftOut;
    };

    /// The longest text the Save File Prefix, Open File Prefix and New VOL boxes take: with
    /// the longest bitmap name it keeps every name the build makes from them far below the
    /// 255 characters a name may have, and their paths below 260 for program and source
    /// folders of a usual depth.
    static constexpr int kMaxTypedLength = 64;

    /// `boxes` already follows the main window's topmost protocol; `workFolder` holds the
    /// user's .tsf files, Compile.bat and New_Wendle (made when missing); `scriptPage` is the
    /// code page the command interpreter reads the script in (the console's); `programs`
    /// finds and checks the game's tools before a script that will run is written.
    MakeSkinset(SettingsStore &store, Prompts &boxes, DosPaths &dos, ScriptRunner &runner, WindowsPrograms &programs,
                QString workFolder, CodePage scriptPage);

    /// One build. `setMakeEnabled(false)` while it runs, `setMakeEnabled(true)` when it ends,
    /// whichever way it ends.
    Result run(const BuildInputs &in, const std::function<void(bool)> &setMakeEnabled);

    /// The script started by the last run that returned Started, handed over once.
    StartedScript takeStarted() { return std::move(m_started); }

    /// The native path of the script in the work folder.
    QString scriptPath() const;
    /// The native path of the watched copy that Brannock runs (WatchedScript.h).
    QString watchedScriptPath() const;

    /// The definition file name of a user-created entry "Description * file.tsf": the text
    /// after the first "*" and the one character after it; empty when there is no "*".
    static QString definitionFileOf(const QString &entryText);

    /// `text` followed by ".vol" unless it already ends in ".vol" in any letter case.
    static QString volumeNameOf(const QString &text);

private:
    Q_DISABLE_COPY(MakeSkinset)

    Outcome build(const BuildInputs &in, const std::function<void(bool)> &setMakeEnabled, QStringList &leftOut);
    /// The values of the build, its folders converted once; empty without a Save File Prefix.
    std::optional<PlanValues> gather(const BuildInputs &in, const std::function<void(bool)> &setMakeEnabled,
                                     QStringList &leftOut);
    /// Why the plan cannot be written (a text that cannot stand in the script, a painted
    /// bitmap a line would change, a line too long); empty when it can, with `encoded` set.
    QString refusalOf(const PlanValues &v, const BuildPlan &plan, const BuildInputs &in,
                      BuildPlan::Encoded &encoded) const;
    /// Whether the tools of a script that will run are ready; says what is not.
    bool toolsReady(const BuildPlan &plan, const BuildInputs &in);
    /// Writes the script and the folders the tools write into.
    void write(const PlanValues &v, const BuildPlan::Encoded &encoded, const BuildInputs &in) const;
    /// Starts the watched copy of the written script with the volumes kept around it.
    void start(const BuildPlan &plan, const BuildPlan::Encoded &encoded, const BuildInputs &in);
    void exclaim(const QString &title, const QString &text);
    PlanPath folderOf(const QString &nativeFolder, const QString &what) const;
    /// The game's Skins folder from the stored game folder; empty when it is not there.
    PlanPath skinsFolder() const;
    QList<PlanValues::UserItem> readUserItems(const QStringList &entries, const QString &openPrefix,
                                              QStringList &leftOut) const;
    /// Why a line would write or delete a painted bitmap.
    static QString overwriteProblem(const BuildPlan &plan);
    /// Leaves out the ticked bitmaps that cannot be compiled, when the player agrees; false
    /// when nothing is to be built.
    bool leaveOutMissingBitmaps(PlanValues &v, const QString &shownFolder, QStringList &leftOut);

    SettingsStore &m_store;
    Prompts &m_boxes;
    DosPaths &m_dos;
    ScriptRunner &m_runner;
    WindowsPrograms &m_programs;
    QString m_workFolder;
    CodePage m_page;
    StartedScript m_started;
};

} // namespace brannock
