#pragma once

#include <QString>
#include <QStringList>

namespace brannock {

/// Where the player's own files live, decided once from the programs' folder.
///
/// Portable: a file named "portable" stands beside the programs (the Windows zip ships
/// one); the work files (the .tsf items, Compile.bat and the New_Wendle folder) stay in
/// the program folder. Installed: no such file; the work files live in the per-user data
/// folder. Either way the look folders are searched in the work folder first, then among
/// the shipped looks, so a stored look folder such as "Skins\6.0 GOLD\" works in both.
class WorkFolders final {
public:
    enum class Mode { Portable, Installed };

    /// The marker file that makes a copy portable.
    static constexpr char PortableMarker[] = "portable";

    /// The folders for programs in `programFolder`; `userDataFolder` is the per-user data
    /// folder used in installed mode (empty: the platform's own, see defaultUserDataFolder).
    static WorkFolders detect(const QString &programFolder, const QString &userDataFolder = {});

    /// The platform's per-user data folder for Brannock, the same for both programs:
    /// $XDG_DATA_HOME/Brannock (~/.local/share/Brannock) on Linux, %LOCALAPPDATA%\Brannock
    /// on Windows.
    static QString defaultUserDataFolder();

    /// Portable folders with everything in `folder`: programs, work files and looks.
    static WorkFolders portableIn(const QString &folder);

    Mode mode() const { return m_mode; }
    /// The folder that holds the programs, native separators.
    const QString &programFolder() const { return m_programFolder; }
    /// The folder for the .tsf items, Compile.bat and New_Wendle, native separators.
    const QString &workFolder() const { return m_workFolder; }
    /// Creates the work folder with its parents when it is missing; false when it cannot.
    bool makeWorkFolder() const;
    /// The folder "Tools" in the work folder, native separators: the command interpreter
    /// looks for MakeSkin.exe and VT.exe there after the working folder, whatever folder
    /// Brannock was started from.
    QString toolsFolder() const;
    /// Creates the tools folder with its parents when it is missing; false when it cannot.
    bool makeToolsFolder() const;

    /// The folders under which stored look folders ("Skins\<name>\") are looked up, in
    /// search order and without repeats: the work folder, then the shipped looks' folder.
    const QStringList &lookRoots() const { return m_lookRoots; }
    /// The first look root that holds the stored look folder `lookFolder` (relative, with
    /// backslashes); the shipped looks' folder when none does.
    QString lookRootFor(const QString &lookFolder) const;

    /// Some lines telling the mode and the folders in use (--help, About); each further
    /// look folder on a line of its own, "  then <folder>".
    QString description() const;

private:
    WorkFolders(Mode mode, QString programFolder, QString workFolder, QStringList lookRoots);

    Mode m_mode;
    QString m_programFolder;
    QString m_workFolder;
    QStringList m_lookRoots;
};

/// The first of `lookRoots` that holds the stored look folder `lookFolder` (relative, with
/// backslashes); the last root, the shipped looks' folder, when none does.
QString lookRootIn(const QStringList &lookRoots, const QString &lookFolder);

} // namespace brannock
