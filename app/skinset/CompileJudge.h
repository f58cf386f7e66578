#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace brannock {

class DosPaths;

/// One line of Compile.bat with the files it reads and writes, as the script names them.
struct CompileStep {
    enum class Kind { MakeSkin, Pack, Copy, Delete, Other };
    Kind kind = Kind::Other;
    QString line;    ///< as written
    QString tool;    ///< "MakeSkin.exe" or "VT.exe"; empty for the interpreter's own commands
    QString input;   ///< DOS path of the file the line reads: source bitmap, compiled bitmap, volume
    QString product; ///< DOS path of the file the line writes (or, for "del", removes)
};

/// The steps of the script's lines, in order.
QList<CompileStep> compileSteps(const QStringList &lines);

/// How a run ended, in words for the player.
struct CompileVerdict {
    enum class Kind {
        Success,    ///< every line did its work: the volume is where the script puts it
        Failure,    ///< a line did not do its work; `failedLine` says which
        Stopped,    ///< the player stopped the run
        NotStarted, ///< the interpreter (or Wine) never ran the script
    };
    Kind kind = Kind::Failure;
    QString summary;    ///< one sentence, also the tray message
    QString details;    ///< where the volume is, or the failed line, the reason and what was printed
    int failedLine = 0; ///< 1-based line of the first failure, 0 when none
};

/// Follows one run of Compile.bat from what the interpreter echoes (each command after its
/// prompt) and judges it by what landed on disk: each line's product is looked at when the
/// next line starts and when the run ends, against the state it had before the run.
class CompileJudge final {
public:
    /// Takes the before-state of every product now, so construct it before the run starts.
    /// `workingFolder` (native) is where the interpreter looks for the tools.
    CompileJudge(QList<CompileStep> steps, const DosPaths &dos, QString workingFolder);

    /// The next piece of output, decoded; lines may be split anywhere between pieces.
    void feed(QStringView text);

    int lineCount() const { return int(m_steps.size()); }
    /// Lines finished: every line before the one that runs now.
    int linesDone() const { return m_ended ? lineCount() : m_next > 0 ? m_next - 1 : 0; }
    /// The 1-based number of the line running now; 0 before the first echo.
    int currentLine() const { return m_next; }
    QString currentText() const { return m_next > 0 ? m_steps[m_next - 1].step.line : QString(); }

    /// The verdict once the interpreter has ended; `stopped` when the player stopped it.
    CompileVerdict finish(int exitCode, bool crashed, bool stopped);

private:
    enum class Landed { NotChecked, Yes, No, CannotTell };
    struct Tracked {
        CompileStep step;
        QString nativeInput, nativeProduct;
        QStringList printed;
        Landed landed = Landed::NotChecked;
        int deletedBy = -1; ///< index of a later "del" line that removes the product
        bool inputDeletedLater = false;
    };
    struct FileState {
        bool exists = false;
        QDateTime modified;
        qint64 size = 0;
    };

    void takeLine(QStringView line);
    int echoedStep(QStringView line) const;
    void check(int index);
    bool changed(const QString &nativePath) const;
    bool toolInWorkingFolder(const QString &tool) const;
    CompileVerdict failure(int index) const;
    CompileVerdict success() const;
    static FileState stateOf(const QString &nativePath);

    QList<Tracked> m_steps;
    QString m_workingFolder;
    QHash<QString, FileState> m_before;
    QString m_partial;
    QStringList m_preamble; ///< printed before the first echo (Wine's own messages)
    int m_next = 0;         ///< steps echoed so far
    bool m_ended = false;
    mutable std::optional<QStringList> m_workingFiles; ///< read once, when a failure is judged
};

} // namespace brannock
