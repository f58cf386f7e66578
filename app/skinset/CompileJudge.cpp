#include "skinset/CompileJudge.h"

#include "platform/DosPaths.h"

#include <QDir>
#include <QFileInfo>

namespace brannock {

namespace {

/// The texts between double quotes, in order (the script's paths never hold a quote).
QStringList quotedPieces(const QString &line)
{
    const QStringList parts = line.split(QLatin1Char('"'));
    QStringList pieces;
    for (qsizetype n = 1; n < parts.size() - 1; n += 2)
        pieces.append(parts[n]);
    return pieces;
}

QString fileNameOf(const QString &dosPath)
{
    return dosPath.section(QLatin1Char('\\'), -1);
}

QString folderOf(const QString &dosPath)
{
    return dosPath.section(QLatin1Char('\\'), 0, -2);
}

} // namespace

QList<CompileStep> compileSteps(const QStringList &lines)
{
    QList<CompileStep> steps;
    steps.reserve(lines.size());
    for (const QString &line : lines) {
        CompileStep step;
        step.line = line;
        const QStringList paths = quotedPieces(line);
        const auto starts = [&line](const char *word) { return line.startsWith(QLatin1String(word), Qt::CaseInsensitive); };
        if (starts("MakeSkin.exe ") && paths.size() == 2) {
            step = {CompileStep::Kind::MakeSkin, line, QStringLiteral("MakeSkin.exe"), paths[0], paths[1]};
        } else if (starts("VT.exe ") && paths.size() == 2) {
            step = {CompileStep::Kind::Pack, line, QStringLiteral("VT.exe"), paths[1], paths[0]};
        } else if (starts("copy ") && paths.size() == 2) {
            step = {CompileStep::Kind::Copy, line, {}, paths[0], paths[1]};
        } else if (starts("del ") && paths.size() == 1) {
            step = {CompileStep::Kind::Delete, line, {}, {}, paths[0]};
        }
        steps.append(step);
    }
    return steps;
}

CompileJudge::CompileJudge(QList<CompileStep> steps, const DosPaths &dos, QString workingFolder)
    : m_workingFolder(std::move(workingFolder))
{
    m_steps.reserve(steps.size());
    for (CompileStep &step : steps) {
        Tracked tracked;
        tracked.nativeInput = step.input.isEmpty() ? QString() : dos.toNative(step.input);
        tracked.nativeProduct = step.product.isEmpty() ? QString() : dos.toNative(step.product);
        tracked.step = std::move(step);
        m_steps.append(std::move(tracked));
    }
    QHash<QString, int> lastWriter;
    for (int n = 0; n < m_steps.size(); ++n) {
        Tracked &t = m_steps[n];
        if (t.nativeProduct.isEmpty())
            continue;
        if (t.step.kind == CompileStep::Kind::Delete) {
            if (const auto writer = lastWriter.constFind(t.nativeProduct); writer != lastWriter.constEnd())
                m_steps[*writer].deletedBy = n;
            for (int reader = 0; reader < n; ++reader)
                if (m_steps[reader].nativeInput == t.nativeProduct)
                    m_steps[reader].inputDeletedLater = true;
        } else {
            lastWriter.insert(t.nativeProduct, n);
            if (!m_before.contains(t.nativeProduct))
                m_before.insert(t.nativeProduct, stateOf(t.nativeProduct));
        }
    }
}

CompileJudge::FileState CompileJudge::stateOf(const QString &nativePath)
{
    const QFileInfo info(nativePath);
    if (!info.isFile())
        return {};
    return {true, info.lastModified(), info.size()};
}

void CompileJudge::feed(QStringView text)
{
    m_partial += text;
    qsizetype start = 0;
    for (qsizetype end; (end = m_partial.indexOf(QLatin1Char('\n'), start)) >= 0; start = end + 1)
        takeLine(QStringView(m_partial).mid(start, end - start));
    m_partial.remove(0, start);
    // An echo without its line end yet still counts, so progress shows while the line runs.
    if (!m_partial.isEmpty() && echoedStep(m_partial) >= 0) {
        takeLine(m_partial);
        m_partial.clear();
    }
    // Every line before the one running now has ended; look at what it left. This comes
    // after the whole piece was read, so a "del" line already echoed in it is known.
    for (int n = 0; n + 1 < m_next; ++n)
        check(n);
}

int CompileJudge::echoedStep(QStringView line) const
{
    // The interpreter echoes "<prompt>" + command, the prompt ending in ">"; a command it did
    // not echo as written only delays the count until the next one it does.
    const QStringView trimmed = line.trimmed();
    for (int n = m_next; n < m_steps.size(); ++n) {
        const QString &command = m_steps[n].step.line;
        if (trimmed.size() > command.size() && trimmed.endsWith(command)
            && trimmed[trimmed.size() - command.size() - 1] == QLatin1Char('>'))
            return n;
    }
    return -1;
}

void CompileJudge::takeLine(QStringView line)
{
    const int echoed = echoedStep(line);
    if (echoed >= 0) {
        m_next = echoed + 1;
        return;
    }
    const QString text = line.trimmed().toString();
    if (text.isEmpty())
        return;
    (m_next > 0 ? m_steps[m_next - 1].printed : m_preamble).append(text);
}

bool CompileJudge::changed(const QString &nativePath) const
{
    const FileState now = stateOf(nativePath);
    const FileState before = m_before.value(nativePath);
    return now.exists && (!before.exists || now.modified != before.modified || now.size != before.size);
}

void CompileJudge::check(int index)
{
    Tracked &t = m_steps[index];
    if (t.landed != Landed::NotChecked)
        return;
    if (t.step.kind == CompileStep::Kind::Other) {
        t.landed = Landed::Yes; // nothing to look at
    } else if (t.nativeProduct.isEmpty()) {
        t.landed = Landed::No; // on no drive this machine can see
    } else if (t.step.kind == CompileStep::Kind::Delete) {
        t.landed = QFileInfo::exists(t.nativeProduct) ? Landed::No : Landed::Yes;
    } else if (changed(t.nativeProduct)) {
        t.landed = Landed::Yes;
    } else {
        // A compiled bitmap may already be gone through its "del" line when the output is
        // read late; only its missing source or tool then tells a failure.
        t.landed = t.deletedBy >= 0 && t.deletedBy < m_next ? Landed::CannotTell : Landed::No;
    }
}

bool CompileJudge::toolInWorkingFolder(const QString &tool) const
{
    // Wine finds programs without regard to letter case, as Windows does.
    if (!m_workingFiles)
        m_workingFiles = QDir(m_workingFolder).entryList(QDir::Files | QDir::Hidden);
    return m_workingFiles->contains(tool, Qt::CaseInsensitive);
}

CompileVerdict CompileJudge::finish(int exitCode, bool crashed, bool stopped)
{
    if (!m_partial.isEmpty()) {
        takeLine(m_partial);
        m_partial.clear();
    }
    const int total = lineCount();
    if (stopped)
        return {CompileVerdict::Kind::Stopped,
                m_next > 0 ? QStringLiteral("Stopped at line %1 of %2.").arg(m_next).arg(total)
                           : QStringLiteral("Stopped before the first line ran."),
                currentText(), 0};
    // The interpreter ran to its end: every line has run, echoed or not.
    const bool echoSeen = m_next > 0;
    m_next = total;
    m_ended = true;
    bool anyLanded = false;
    for (int n = 0; n < total; ++n) {
        check(n);
        const CompileStep::Kind kind = m_steps[n].step.kind;
        anyLanded = anyLanded
            || (m_steps[n].landed == Landed::Yes && kind != CompileStep::Kind::Other && kind != CompileStep::Kind::Delete);
    }
    if (total > 0 && !echoSeen && !anyLanded && (exitCode != 0 || crashed)) {
        const QString printed = m_preamble.join(QLatin1Char('\n'));
        return {CompileVerdict::Kind::NotStarted, QStringLiteral("The command interpreter did not run Compile.bat."),
                printed.isEmpty() ? QStringLiteral("It ended with exit code %1 and printed nothing.").arg(exitCode)
                                  : printed,
                0};
    }
    for (int n = 0; n < total; ++n) {
        const Tracked &t = m_steps[n];
        const bool toolMissing = !t.step.tool.isEmpty() && t.landed != Landed::Yes && !toolInWorkingFolder(t.step.tool);
        const bool sourceMissing = t.step.kind == CompileStep::Kind::MakeSkin && t.landed == Landed::CannotTell
            && !QFileInfo(t.nativeInput).isFile();
        if (t.landed == Landed::No || toolMissing || sourceMissing)
            return failure(n);
    }
    return success();
}

CompileVerdict CompileJudge::failure(int index) const
{
    const Tracked &t = m_steps[index];
    // A compiled bitmap that a later "del" line removes tells nothing by its absence now.
    const bool inputMissing = !t.step.input.isEmpty() && !t.inputDeletedLater && !QFileInfo(t.nativeInput).isFile();
    QString reason, advice;
    if (!t.step.tool.isEmpty() && !toolInWorkingFolder(t.step.tool)) {
        reason = QStringLiteral("%1 was not found.").arg(t.step.tool);
        advice = QStringLiteral("Compile.bat runs in %1, the folder Brannock was started from. "
                                "Keep MakeSkin.exe and VT.exe there.")
                     .arg(QDir::toNativeSeparators(m_workingFolder));
    } else if (inputMissing && t.step.kind == CompileStep::Kind::MakeSkin) {
        reason = QStringLiteral("The bitmap %1 is missing.").arg(fileNameOf(t.step.input));
        advice = QStringLiteral("It was looked for in %1.").arg(folderOf(t.step.input));
    } else if (inputMissing && t.step.kind == CompileStep::Kind::Pack) {
        reason = QStringLiteral("The compiled bitmap %1 is missing.").arg(fileNameOf(t.step.input));
    } else if (inputMissing && t.step.kind == CompileStep::Kind::Copy) {
        reason = QStringLiteral("There was no volume %1 to copy.").arg(fileNameOf(t.step.input));
    } else {
        switch (t.step.kind) {
        case CompileStep::Kind::MakeSkin:
            reason = QStringLiteral("MakeSkin.exe did not write %1.").arg(fileNameOf(t.step.product));
            break;
        case CompileStep::Kind::Pack:
            reason = QStringLiteral("VT.exe did not write the volume %1.").arg(fileNameOf(t.step.product));
            break;
        case CompileStep::Kind::Copy:
            reason = QStringLiteral("The copy into %1 was refused.").arg(folderOf(t.step.product));
            break;
        case CompileStep::Kind::Delete:
            reason = QStringLiteral("%1 could not be deleted.").arg(fileNameOf(t.step.product));
            break;
        case CompileStep::Kind::Other:
            reason = QStringLiteral("The line did not do its work.");
            break;
        }
    }
    QStringList details{QStringLiteral("Line %1: %2").arg(index + 1).arg(t.step.line)};
    if (!advice.isEmpty())
        details.append(advice);
    details.append(t.printed.isEmpty() ? QStringLiteral("Nothing was printed for this line.")
                                       : QStringLiteral("Printed:\n") + t.printed.join(QLatin1Char('\n')));
    return {CompileVerdict::Kind::Failure,
            QStringLiteral("Line %1 of %2 failed: %3").arg(index + 1).arg(lineCount()).arg(reason),
            details.join(QLatin1Char('\n')), index + 1};
}

CompileVerdict CompileJudge::success() const
{
    QString volume, copy;
    int compiled = 0;
    for (const Tracked &t : m_steps) {
        if (t.step.kind == CompileStep::Kind::Pack)
            volume = t.step.product;
        else if (t.step.kind == CompileStep::Kind::Copy)
            copy = t.step.product;
        else if (t.step.kind == CompileStep::Kind::MakeSkin)
            ++compiled;
    }
    if (m_steps.isEmpty())
        return {CompileVerdict::Kind::Success, QStringLiteral("Done: Compile.bat had nothing to do."),
                QStringLiteral("No item was ticked."), 0};
    if (volume.isEmpty()) {
        const QString summary = QStringLiteral("Done: %1 bitmaps compiled; no volume was made.").arg(compiled);
        return {CompileVerdict::Kind::Success, summary,
                QStringLiteral("Only built-in items are packed into the volume, and none was ticked."), 0};
    }
    const QString name = fileNameOf(volume);
    QStringList details{QStringLiteral("Volume: %1").arg(volume)};
    if (!copy.isEmpty())
        details.append(QStringLiteral("In the game: %1").arg(copy));
    return {CompileVerdict::Kind::Success,
            copy.isEmpty() ? QStringLiteral("Done: %1 is ready in the work folder.").arg(name)
                           : QStringLiteral("Done: %1 is in the game.").arg(name),
            details.join(QLatin1Char('\n')), 0};
}

} // namespace brannock
