#pragma once

#include "platform/CodePage.h"
#include "skinset/PaletteSet.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace brannock {

struct SkinItem;

/// A file or folder in both of its forms: the path on this machine, and the DOS path by
/// which the game's tools (under Wine on Linux) reach it. Each folder of a build is
/// converted once; the paths below it are joined in both forms.
struct PlanPath {
    QString native;
    QString dos;

    bool isEmpty() const { return native.isEmpty() && dos.isEmpty(); }
    /// The path of `name` (which may hold "\" between names) inside this folder.
    PlanPath operator/(const QString &name) const;
};

/// A text that a line of the script is built from, named as the user knows it ("The Open
/// File Prefix"), and how many times the line holds it.
struct LinePart {
    QString name;
    QString text;
    int times = 1;
};
using LineParts = QList<LinePart>;

/// One line of Compile.bat: what it does, its text, what it reads and writes, and the texts
/// it is made of.
struct BuildStep {
    enum class Kind {
        MakeSkin, ///< compiles a painted bitmap
        Pack,     ///< adds a compiled bitmap to the volume
        Copy,     ///< copies the volume into the game
        Delete,   ///< deletes a compiled bitmap
        Other,    ///< a command of the interpreter's own, judged by its exit status alone
    };
    Kind kind = Kind::Other;
    QString tool;      ///< "MakeSkin.exe" or "VT.exe"; empty for the interpreter's own commands
    QString line;      ///< the line as the script holds it
    PlanPath input;    ///< what the line reads: source bitmap, compiled bitmap, volume; empty for "del"
    PlanPath product;  ///< what the line writes (or, for "del", removes)
    LineParts parts;   ///< the texts that make the line long

    /// How many quoted texts the line holds.
    int quotedPieces() const { return kind == Kind::Delete ? 1 : 2; }

    /// "MakeSkin.exe " palette " " source " " target, the paths quoted.
    static BuildStep makeSkin(const QString &palette, const PlanPath &source, const PlanPath &target,
                              LineParts parts = {});
    /// "VT.exe -sp " volume " " file, both quoted.
    static BuildStep pack(const PlanPath &volume, const PlanPath &file, LineParts parts = {});
    /// "copy " volume " " target, both quoted.
    static BuildStep copy(const PlanPath &volume, const PlanPath &target, LineParts parts = {});
    /// "del " and the quoted file.
    static BuildStep remove(const PlanPath &file, LineParts parts = {});
};

/// Everything a build puts into the script, as chosen by the player and the settings.
struct PlanValues {
    PlanPath workFolder;   ///< W: holds New_Wendle
    PlanPath sourceFolder; ///< S: the painted bitmaps (native: links resolved, as the tools see it)
    QString openPrefix;    ///< O: the Open File Prefix and ".", or empty
    QString saveFolder;    ///< P
    QString volumeName;    ///< V
    PlanPath skinsFolder;  ///< K: the game's Skins folder; empty: no copy line
    bool deleteBitmaps = false;
    PaletteSet palettes;
    QList<const SkinItem *> tickedItems; ///< built-in items in build order
    struct UserItem {
        QString palette;
        QString file;
        QString definition; ///< the definition file's name, for messages
    };
    QList<UserItem> userItems; ///< ticked user-created items in menu order
    /// Skin file names whose painted bitmap cannot be compiled: no line names them.
    QSet<QString> leftOutFiles;

    /// The painted bitmap `file` as a compile line reads it: S\O+file.
    PlanPath sourceBitmap(const QString &file) const;
    /// W\New_Wendle\P: where the compiled bitmaps and the volume are made.
    PlanPath saveFolderPath() const;
};

/// The lines of one build, planned once from its values before anything reaches the disk:
/// compile lines of built-in items, of user-created items, pack lines, the copy line,
/// delete lines; the files in `leftOutFiles` get none of them. The script's bytes encode
/// the plan; the run is judged step by step against it.
class BuildPlan final {
public:
    explicit BuildPlan(const PlanValues &values);

    const QList<BuildStep> &steps() const { return m_steps; }
    QStringList lines() const;

    /// The volume the pack lines write.
    const PlanPath &volume() const { return m_volume; }
    /// The volume the copy line writes into the game; empty without a copy line.
    const PlanPath &gameVolume() const { return m_gameVolume; }

    struct Encoded {
        QByteArray bytes; ///< every line in the page, each ended by CR LF, no header or footer
        QString refusal;  ///< why the script cannot be written; then `bytes` is empty
    };
    /// The file's bytes. A line that would pass what the command interpreter reads as one
    /// line gives a refusal naming the part that made it long. Throws AppError when a
    /// character cannot be held exactly or a line's bytes fail the final check.
    Encoded encode(const CodePage &page) const;

private:
    QList<BuildStep> m_steps;
    PlanPath m_volume;
    PlanPath m_gameVolume;
};

} // namespace brannock
