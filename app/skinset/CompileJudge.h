#pragma once

#include "platform/CodePage.h"
#include "skinset/BuildPlan.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace brannock {

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

/// Follows one watched run of Compile.bat (see WatchedScript.h) and judges each line the
/// moment it ends, before the next one may start: a line fails when its tool exits with a
/// status other than 0, prints a failure, or leaves no product or an unchanged one. The run
/// goes on only while every line did its work.
class CompileJudge final {
public:
    /// `steps`: the plan's, one for each line of the script. Takes the state of the first
    /// line's product now, so construct it just before the run starts. The interpreter looks
    /// for the tools in `workingFolder`, then in `toolsFolder` (both native); `token` marks
    /// the watched script's own lines.
    CompileJudge(QList<BuildStep> steps, QString workingFolder, QString toolsFolder, QByteArray token);

    /// What one piece of output means.
    struct Fed {
        QString shown;      ///< the output to show the player, the watched script's own lines left out
        QList<bool> answers; ///< for each line that ended in it: whether the run goes on
    };
    /// The next piece of output, decoded; lines may be split anywhere between pieces. The
    /// caller sends each answer to the interpreter (watch::answer) in order.
    Fed feed(QStringView text);
    /// The next piece of output as bytes, decoded a whole line at a time: what the
    /// interpreter echoes (and the watched script's own lines) in the console's page
    /// `console`, what the tools print in `tools`, the page they get their file names in.
    /// A line without its end yet waits for it (or for finish()).
    Fed feedBytes(QByteArrayView bytes, const CodePage &console, const CodePage &tools);

    int lineCount() const { return int(m_steps.size()); }
    /// Lines that ended.
    int linesDone() const { return m_done; }
    /// The 1-based number of the line running now; 0 before the first line begins.
    int currentLine() const { return m_current; }
    QString currentText() const { return m_current > 0 ? m_steps[m_current - 1].step.line : QString(); }

    /// The verdict once the interpreter has ended; `stopped` when the player stopped it.
    CompileVerdict finish(int exitCode, bool crashed, bool stopped);

private:
    struct FileState {
        bool exists = false;
        QDateTime modified;
        qint64 size = 0;
        bool operator==(const FileState &) const = default;
    };
    struct Tracked {
        BuildStep step;
        QString nativeInput, nativeProduct; ///< as the tools find them, letter case matched
        QStringList printed;
        FileState before; ///< the product just before the line ran
        bool inputDeletedEarlier = false;
        QString failure;  ///< why the line did not do its work; empty when it did
    };

    void takeLine(QStringView line, QString &shown, QList<bool> &answers);
    bool isEcho(QStringView line, int step) const;
    QString judge(int index, int exitCode) const;
    QString printedFailure(const Tracked &t) const;
    /// Whether `tool` lies in the working folder or the tools folder.
    bool toolBeside(const QString &tool) const;
    CompileVerdict failure(int index) const;
    CompileVerdict success() const;
    static FileState stateOf(const QString &nativePath);

    QList<Tracked> m_steps;
    QString m_workingFolder;
    QString m_toolsFolder;
    QString m_token;
    QByteArray m_partialBytes;
    std::optional<CodePage> m_consolePage; ///< for a line left without its end at finish()
    QString m_partial;
    qsizetype m_partialShown = 0; ///< characters of m_partial already shown
    QStringList m_preamble; ///< printed before the first line began (Wine's own messages)
    int m_current = 0;
    int m_done = 0;
    int m_failed = -1; ///< index of the line that failed; the run stopped after it
    mutable std::optional<QStringList> m_toolFolderFiles; ///< read once, when a failure is judged
};

} // namespace brannock
