#include "skinset/CompileJudge.h"

#include "skinset/PaintedBitmaps.h"
#include "skinset/WatchedScript.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace brannock {

namespace {

/// The verdict's texts in the player's language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(brannock::CompileJudge)
};

QString fileNameOf(const QString &dosPath)
{
    return dosPath.section(QLatin1Char('\\'), -1);
}

QString folderOf(const QString &dosPath)
{
    return dosPath.section(QLatin1Char('\\'), 0, -2);
}

/// Words with which tools and the interpreter report that something went wrong.
const QRegularExpression &failureWords()
{
    static const QRegularExpression words(
        QStringLiteral(R"(\b(errors?|fail(s|ed|ure)?|cannot|can't|could ?n[o']t|unable|denied|not found|no such|)"
                       R"(invalid|abort(ed)?|disk (is )?full|no space|not enough space|out of memory)\b)"),
        QRegularExpression::CaseInsensitiveOption);
    return words;
}

bool sameBytes(const QString &a, const QString &b)
{
    QFile left(a), right(b);
    if (!left.open(QIODevice::ReadOnly) || !right.open(QIODevice::ReadOnly) || left.size() != right.size())
        return false;
    while (!left.atEnd()) {
        const QByteArray chunk = left.read(1 << 20);
        if (chunk != right.read(chunk.size()))
            return false;
    }
    return true;
}

} // namespace

CompileJudge::CompileJudge(QList<BuildStep> steps, QString workingFolder, QString toolsFolder, QByteArray token)
    : m_workingFolder(std::move(workingFolder)), m_toolsFolder(std::move(toolsFolder)),
      m_token(QString::fromLatin1(token))
{
    // Windows and Wine find a file without regard to letter case.
    const auto found = [](const PlanPath &path) {
        return path.native.isEmpty() ? QString() : painted::foundWithoutCase(path.native);
    };
    m_steps.reserve(steps.size());
    for (BuildStep &step : steps) {
        Tracked tracked;
        tracked.nativeInput = found(step.input);
        tracked.nativeProduct = found(step.product);
        tracked.step = std::move(step);
        m_steps.append(std::move(tracked));
    }
    for (int n = 0; n < m_steps.size(); ++n)
        if (m_steps[n].step.kind == BuildStep::Kind::Delete)
            for (int reader = n + 1; reader < m_steps.size(); ++reader)
                if (m_steps[reader].nativeInput == m_steps[n].nativeProduct)
                    m_steps[reader].inputDeletedEarlier = true;
    if (!m_steps.isEmpty())
        m_steps[0].before = stateOf(m_steps[0].nativeProduct);
}

CompileJudge::FileState CompileJudge::stateOf(const QString &nativePath)
{
    if (nativePath.isEmpty())
        return {};
    const QFileInfo info(nativePath);
    if (!info.isFile())
        return {};
    return {true, info.lastModified(), info.size()};
}

CompileJudge::Fed CompileJudge::feed(QStringView text)
{
    Fed fed;
    m_partial += text;
    qsizetype start = 0;
    for (qsizetype end; (end = m_partial.indexOf(QLatin1Char('\n'), start)) >= 0; start = end + 1) {
        const QStringView line = QStringView(m_partial).mid(start, end - start);
        if (start == 0 && m_partialShown > 0) {
            // Its beginning was shown already; it can be no marker.
            fed.shown += QStringView(m_partial).mid(m_partialShown, end + 1 - m_partialShown);
            QString ignored;
            takeLine(line, ignored, fed.answers);
        } else {
            takeLine(line, fed.shown, fed.answers);
        }
        m_partialShown = 0;
    }
    m_partial.remove(0, start);
    // A piece of a line without its end is shown at once, unless it may be the start of
    // one of the watched script's own lines.
    const QStringView tail = QStringView(m_partial).trimmed();
    const bool mayBeMarker = tail.size() < m_token.size() ? QStringView(m_token).startsWith(tail) : tail.startsWith(m_token);
    if (!m_partial.isEmpty() && !mayBeMarker) {
        fed.shown += QStringView(m_partial).mid(m_partialShown);
        m_partialShown = m_partial.size();
    }
    return fed;
}

CompileJudge::Fed CompileJudge::feedBytes(QByteArrayView bytes, const CodePage &console, const CodePage &tools)
{
    m_consolePage = console;
    m_partialBytes += bytes;
    const qsizetype end = m_partialBytes.lastIndexOf('\n');
    if (end < 0)
        return {};
    QString text;
    for (qsizetype from = 0, to; from <= end; from = to + 1) {
        to = m_partialBytes.indexOf('\n', from);
        const QByteArrayView line = QByteArrayView(m_partialBytes).sliced(from, to - from);
        const QString asConsole = console.decode(line);
        // The interpreter's echo of a command, and the markers, come in the console's page.
        QStringView bare = asConsole;
        if (bare.endsWith(QLatin1Char('\r')))
            bare.chop(1);
        bool fromInterpreter = watch::markerOf(bare, m_token).has_value();
        for (int n = std::max(0, m_current - 1); !fromInterpreter && n < std::min<int>(m_current + 1, m_steps.size()); ++n)
            fromInterpreter = isEcho(bare, n);
        text += fromInterpreter || tools.number() == console.number() ? asConsole : tools.decode(line);
        text += QLatin1Char('\n');
    }
    m_partialBytes.remove(0, end + 1);
    return feed(text);
}

bool CompileJudge::isEcho(QStringView line, int step) const
{
    // The interpreter echoes "<prompt>" + command, the prompt ending in ">".
    const QStringView trimmed = line.trimmed();
    const QString &command = m_steps[step].step.line;
    return trimmed.size() > command.size() && trimmed.endsWith(command)
        && trimmed[trimmed.size() - command.size() - 1] == QLatin1Char('>');
}

void CompileJudge::takeLine(QStringView line, QString &shown, QList<bool> &answers)
{
    QStringView bare = line;
    if (bare.endsWith(QLatin1Char('\r')))
        bare.chop(1);
    if (const std::optional<watch::Marker> marker = watch::markerOf(bare, m_token)) {
        const int index = marker->line - 1;
        if (index < 0 || index >= m_steps.size())
            return;
        if (marker->kind == watch::Marker::Kind::Begin) {
            m_current = marker->line;
            return;
        }
        Tracked &t = m_steps[index];
        t.failure = judge(index, marker->exitCode);
        m_done = std::max(m_done, marker->line);
        const bool goOn = t.failure.isEmpty() && m_failed < 0;
        if (!goOn && m_failed < 0)
            m_failed = index;
        // The next line's product is looked at before the next line may start.
        if (goOn && index + 1 < m_steps.size())
            m_steps[index + 1].before = stateOf(m_steps[index + 1].nativeProduct);
        answers.append(goOn);
        return;
    }
    shown += line;
    shown += QLatin1Char('\n');
    const QString text = bare.trimmed().toString();
    if (text.isEmpty())
        return;
    if (m_current == 0) {
        m_preamble.append(text);
        return;
    }
    if (m_done >= m_current || isEcho(bare, m_current - 1))
        return; // the echo of the command, or the interpreter between two lines
    m_steps[m_current - 1].printed.append(text);
}

QString CompileJudge::printedFailure(const Tracked &t) const
{
    // The line's own words (paths, names, palette) are no report of the tool's.
    QStringList own;
    for (const PlanPath *path : {&t.step.input, &t.step.product})
        if (!path->dos.isEmpty())
            own << path->dos << fileNameOf(path->dos);
    own += t.step.line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::sort(own.begin(), own.end(), [](const QString &a, const QString &b) { return a.size() > b.size(); });
    for (const QString &line : t.printed) {
        QString rest = line;
        for (const QString &word : own)
            if (word.size() >= 3)
                rest.replace(word, QStringLiteral(" "), Qt::CaseInsensitive);
        if (failureWords().match(rest).hasMatch())
            return line;
    }
    return {};
}

QString CompileJudge::judge(int index, int exitCode) const
{
    const Tracked &t = m_steps[index];
    const BuildStep &s = t.step;
    const QString what = s.tool.isEmpty() ? Texts::tr("The command") : s.tool;
    const bool inputMissing = !s.input.isEmpty() && !t.inputDeletedEarlier && !QFileInfo(t.nativeInput).isFile();
    if (s.kind != BuildStep::Kind::Other && s.kind != BuildStep::Kind::Delete && t.nativeProduct.isEmpty())
        return Texts::tr("%1 lies on no drive this system can see.").arg(s.product.dos);
    const bool namesItsTool = t.printed.join(QLatin1Char(' ')).contains(s.tool, Qt::CaseInsensitive);
    if (!s.tool.isEmpty() && exitCode != 0 && !toolBeside(s.tool) && namesItsTool)
        return Texts::tr("%1 was not found.").arg(s.tool);
    if (inputMissing && s.kind == BuildStep::Kind::MakeSkin)
        return Texts::tr("The bitmap %1 is missing.").arg(fileNameOf(s.input.dos));
    if (inputMissing && s.kind == BuildStep::Kind::Pack)
        return Texts::tr("The compiled bitmap %1 is missing.").arg(fileNameOf(s.input.dos));
    if (inputMissing && s.kind == BuildStep::Kind::Copy)
        return Texts::tr("There was no volume %1 to copy.").arg(fileNameOf(s.input.dos));
    if (exitCode != 0)
        return Texts::tr("%1 ended with exit code %2.").arg(what).arg(exitCode);
    if (const QString printed = printedFailure(t); !printed.isEmpty())
        return Texts::tr("%1 reported a failure: %2").arg(what, printed);
    const FileState now = stateOf(t.nativeProduct);
    switch (s.kind) {
    case BuildStep::Kind::MakeSkin:
        if (!now.exists)
            return Texts::tr("MakeSkin.exe did not write %1.").arg(fileNameOf(s.product.dos));
        if (now == t.before)
            return Texts::tr("MakeSkin.exe left %1 unchanged.").arg(fileNameOf(s.product.dos));
        break;
    case BuildStep::Kind::Pack:
        if (!now.exists)
            return Texts::tr("VT.exe did not write the volume %1.").arg(fileNameOf(s.product.dos));
        if (now.size <= t.before.size)
            return Texts::tr("VT.exe did not add %1 to the volume %2.")
                .arg(fileNameOf(s.input.dos), fileNameOf(s.product.dos));
        break;
    case BuildStep::Kind::Copy:
        if (!now.exists)
            return Texts::tr("The copy into %1 was refused.").arg(folderOf(s.product.dos));
        if (!sameBytes(t.nativeInput, t.nativeProduct))
            return Texts::tr("The copy of %1 in %2 is not the whole volume.")
                .arg(fileNameOf(s.product.dos), folderOf(s.product.dos));
        break;
    case BuildStep::Kind::Delete:
        if (QFileInfo::exists(t.nativeProduct))
            return Texts::tr("%1 could not be deleted.").arg(fileNameOf(s.product.dos));
        break;
    case BuildStep::Kind::Other:
        break;
    }
    return {};
}

bool CompileJudge::toolBeside(const QString &tool) const
{
    // Wine finds programs without regard to letter case, as Windows does.
    if (!m_toolFolderFiles) {
        m_toolFolderFiles = QDir(m_workingFolder).entryList(QDir::Files | QDir::Hidden);
        if (!m_toolsFolder.isEmpty())
            *m_toolFolderFiles += QDir(m_toolsFolder).entryList(QDir::Files | QDir::Hidden);
    }
    return m_toolFolderFiles->contains(tool, Qt::CaseInsensitive);
}

CompileVerdict CompileJudge::finish(int exitCode, bool crashed, bool stopped)
{
    if (!m_partialBytes.isEmpty() && m_consolePage) {
        feed(m_consolePage->decode(m_partialBytes));
        m_partialBytes.clear();
    }
    if (!m_partial.isEmpty()) {
        QString ignored;
        QList<bool> answers;
        takeLine(m_partial, ignored, answers);
        m_partial.clear();
        m_partialShown = 0;
    }
    const int total = lineCount();
    if (m_failed >= 0)
        return failure(m_failed);
    if (stopped)
        return {CompileVerdict::Kind::Stopped,
                m_current > 0 ? Texts::tr("Stopped at line %1 of %2.").arg(m_current).arg(total)
                              : Texts::tr("Stopped before the first line ran."),
                currentText(), 0};
    if (total > 0 && m_current == 0) {
        const QString printed = m_preamble.join(QLatin1Char('\n'));
        return {CompileVerdict::Kind::NotStarted, Texts::tr("The command interpreter did not run Compile.bat."),
                printed.isEmpty() ? Texts::tr("It ended with exit code %1 and printed nothing.").arg(exitCode)
                                  : printed,
                0};
    }
    if (m_done >= total)
        return success();
    // The interpreter ended in the middle of a line.
    const int index = std::max(m_current, 1) - 1;
    m_steps[index].failure = crashed ? Texts::tr("The command interpreter was ended during this line.")
                                     : Texts::tr("The command interpreter ended during this line (exit code %1).")
                                           .arg(exitCode);
    m_failed = index;
    return failure(index);
}

CompileVerdict CompileJudge::failure(int index) const
{
    const Tracked &t = m_steps[index];
    QStringList details{Texts::tr("Line %1: %2").arg(index + 1).arg(t.step.line)};
    if (t.failure == Texts::tr("%1 was not found.").arg(t.step.tool))
        details.append(m_toolsFolder.isEmpty()
                           ? Texts::tr("Compile.bat runs in %1, the folder Brannock was started from; "
                                            "%2 was not found there.")
                                 .arg(QDir::toNativeSeparators(m_workingFolder), t.step.tool)
                           : Texts::tr("Compile.bat runs in %1, the folder Brannock was started from; %2 was "
                                            "found neither there nor in Brannock's tools folder %3.\n"
                                            "Copy %2 from the game into %3: it is searched whatever folder "
                                            "Brannock was started from.")
                                 .arg(QDir::toNativeSeparators(m_workingFolder), t.step.tool,
                                      QDir::toNativeSeparators(m_toolsFolder)));
    else if (t.step.kind == BuildStep::Kind::MakeSkin
             && t.failure == Texts::tr("The bitmap %1 is missing.").arg(fileNameOf(t.step.input.dos)))
        details.append(Texts::tr("It was looked for in %1.").arg(folderOf(t.step.input.dos)));
    details.append(t.printed.isEmpty() ? Texts::tr("Nothing was printed for this line.")
                                       : Texts::tr("Printed:\n") + t.printed.join(QLatin1Char('\n')));
    if (index + 1 < lineCount())
        details.append(Texts::tr("The run stopped there; no later line ran."));
    return {CompileVerdict::Kind::Failure,
            Texts::tr("Line %1 of %2 failed: %3").arg(index + 1).arg(lineCount()).arg(t.failure),
            details.join(QLatin1Char('\n')), index + 1};
}

CompileVerdict CompileJudge::success() const
{
    QString volume, copy;
    int compiled = 0;
    for (const Tracked &t : m_steps) {
        if (t.step.kind == BuildStep::Kind::Pack)
            volume = t.step.product.dos;
        else if (t.step.kind == BuildStep::Kind::Copy)
            copy = t.step.product.dos;
        else if (t.step.kind == BuildStep::Kind::MakeSkin)
            ++compiled;
    }
    if (m_steps.isEmpty())
        return {CompileVerdict::Kind::Success, Texts::tr("Done: Compile.bat had nothing to do."),
                Texts::tr("No item was ticked."), 0};
    if (volume.isEmpty()) {
        const QString summary = Texts::tr("Done: %n bitmaps compiled; no volume was made.", nullptr, compiled);
        return {CompileVerdict::Kind::Success, summary,
                Texts::tr("Only built-in items are packed into the volume, and none was ticked."), 0};
    }
    const QString name = fileNameOf(volume);
    QStringList details{Texts::tr("Volume: %1").arg(volume)};
    if (!copy.isEmpty())
        details.append(Texts::tr("In the game: %1").arg(copy));
    return {CompileVerdict::Kind::Success,
            copy.isEmpty() ? Texts::tr("Done: %1 is ready in the work folder.").arg(name)
                           : Texts::tr("Done: %1 is in the game.").arg(name),
            details.join(QLatin1Char('\n')), 0};
}

} // namespace brannock
