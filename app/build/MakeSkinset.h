#pragma once

#include "CodePage.h"
#include "CompileScript.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace brannock {

class DosPaths;
class Prompts;
class ScriptRunner;
class SettingsStore;
struct SkinItem;

/// What the main window hands to one build.
struct BuildInputs {
    QString saveFilePrefix, openFilePrefix, volumeName; ///< TxtSFP, TxtOFP, TxtVOL as typed
    QString sourceFolder;                               ///< DirFP's current path (native)
    std::function<bool(const SkinItem &)> isTicked;     ///< Include-menu check marks
    QStringList tickedUserEntries; ///< texts of the ticked user-created entries, menu order
    QString commandLine;           ///< the program's command line, for "/nodirs/"
    bool runScript = true;         ///< false with "/noexec/"
};

/// The "&Make Skinset" operation: reads the settings, checks the inputs, prepares the work
/// folders, writes Compile.bat in the program folder and starts it without waiting.
class MakeSkinset final {
public:
    enum class Outcome {
        Started,      ///< script written and started
        Written,      ///< script written, not started ("/noexec/")
        NoSavePrefix, ///< "You need a Save File Prefix."
        Refused,      ///< a text cannot stand in the script; nothing written
        Failed,       ///< "Make Error!"
    };

    /// `boxes` already follows the main window's topmost protocol; `scriptPage` is the code
    /// page the command interpreter reads the script in (the console's).
    MakeSkinset(SettingsStore &store, Prompts &boxes, DosPaths &dos, ScriptRunner &runner, QString programFolder,
                CodePage scriptPage);

    /// One build. `setMakeEnabled(false)` while it runs, `setMakeEnabled(true)` when it ends,
    /// whichever way it ends.
    Outcome run(const BuildInputs &in, const std::function<void(bool)> &setMakeEnabled);

    /// The native path of the script in the program folder.
    QString scriptPath() const;

    /// The definition file name of a user-created entry "Description * file.tsf": the text
    /// after the first "*" and the one character after it; empty when there is no "*".
    static QString definitionFileOf(const QString &entryText);

    /// `text` followed by ".vol" unless it already ends in ".vol" in any letter case.
    static QString volumeNameOf(const QString &text);

private:
    Q_DISABLE_COPY(MakeSkinset)

    Outcome build(const BuildInputs &in, const std::function<void(bool)> &setMakeEnabled);
    void exclaim(const QString &title, const QString &text);
    QString dosFolder(const QString &nativeFolder, const QString &what) const;
    QString refusalOf(const ScriptValues &values, const BuildInputs &in) const;
    QList<ScriptValues::UserItem> readUserItems(const QStringList &entries, const QString &openPrefix) const;
    void makeWorkFolders(const QString &saveFolder) const;

    SettingsStore &m_store;
    Prompts &m_boxes;
    DosPaths &m_dos;
    ScriptRunner &m_runner;
    QString m_programFolder;
    CodePage m_page;
};

} // namespace brannock
