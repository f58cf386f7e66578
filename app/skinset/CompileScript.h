#pragma once

#include "platform/CodePage.h"
#include "skinset/PaletteSet.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>

namespace brannock {

struct SkinItem;

/// A text that a line of the script is built from, named as the user knows it ("The Open
/// File Prefix"), and how many times the line holds it.
struct LinePart {
    QString name;
    QString text;
    int times = 1;
};
using LineParts = QList<LinePart>;

/// The lines of Compile.bat, gathered in memory so that nothing reaches the disk before
/// every line has been checked. Each writer appends one complete line; `parts` names the
/// texts it was built from, so that a line too long to be read whole can be blamed on one.
class CompileScript final {
public:
    /// `workRootQ`: a double quote, W and a backslash; `saveFolder`: P; `savePrefix`: P + ".".
    CompileScript(QString workRootQ, QString saveFolder, QString savePrefix);

    /// "MakeSkin.exe " palette " " source " " target; source and target come quoted.
    void WriteMakeSkinLine(const QString &palette, const QString &source, const QString &target,
                           LineParts parts = {});
    /// "VT.exe -sp " volume " " file; both come quoted.
    void WriteVolLine(const QString &volume, const QString &file, LineParts parts = {});
    /// "copy " volume " " target; both come quoted.
    void WriteCopyLine(const QString &volume, const QString &target, LineParts parts = {});
    /// "del " and the quoted path of the compiled bitmap `fileName` in the work folder.
    void WriteDelLine(const QString &fileName, LineParts parts = {});

    /// The quoted path of the compiled copy of `fileName`: "W\New_Wendle\P\P.f".
    QString compiledPath(const QString &fileName) const;

    QStringList lines() const;

    struct Encoded {
        QByteArray bytes; ///< every line in the page, each ended by CR LF, no header or footer
        QString refusal;  ///< why the script cannot be written; then `bytes` is empty
    };
    /// The file's bytes. A line that would pass what the command interpreter reads as one
    /// line gives a refusal naming the part that made it long. Throws AppError when a
    /// character cannot be held exactly or a line's bytes fail the final check.
    Encoded encode(const CodePage &page) const;

private:
    struct Line {
        QString text;
        int quotedPieces;
        LineParts parts;
    };
    QList<Line> m_lines;
    QString m_workRootQ;
    QString m_saveFolder;
    QString m_savePrefix;
};

/// Everything a build puts into the script, as values (DOS forms of the folders).
struct ScriptValues {
    QString workFolder;   ///< W
    QString sourceFolder; ///< S
    QString openPrefix;   ///< O: the Open File Prefix and ".", or empty
    QString saveFolder;   ///< P
    QString volumeName;   ///< V
    QString skinsFolder;  ///< K (ends in a backslash); empty: no copy line
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
};

/// Writes the five sections: compile lines of built-in items, of user-created items, pack
/// lines, the copy line, delete lines; the files in `leftOutFiles` get none of them.
CompileScript writeCompileScript(const ScriptValues &values);

} // namespace brannock
