#include "dialogs/compile/FrmCompile.h"

#include "skinset/WatchedScript.h"
#include "widgets/Accessibility.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextCursor>
#include <QScrollBar>
#include <QVBoxLayout>

namespace brannock {

namespace {

QLabel *makeLabel(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1StringView(name));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText); // tool output may hold "<" and "&"
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Long paths must not widen the window: the label wraps at its blanks within it.
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    return label;
}

} // namespace

FrmCompile::FrmCompile(QWidget *parent) : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("FrmCompile"));
    setWindowTitle(tr("Compile"));
    setAccessibleRole(this, QAccessible::Dialog);
    resize(460, 400);

    m_lblStatus = makeLabel(this, "lblStatus");
    m_lblStatus->setWordWrap(false);
    // The status line ends as the verdict, which assistive technology announces as an alert.
    setAccessibleRole(m_lblStatus, QAccessible::AlertMessage);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("prgLines"));
    m_progress->setFormat(tr("%v of %m lines"));
    m_progress->setAccessibleName(tr("Lines done"));
    m_txtOutput = new QPlainTextEdit(this);
    m_txtOutput->setObjectName(QStringLiteral("txtOutput"));
    m_txtOutput->setReadOnly(true);
    m_txtOutput->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_txtOutput->setMaximumBlockCount(20000);
    m_txtOutput->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_txtOutput->setAccessibleName(tr("Output of Compile.bat"));
    m_lblOutcome = makeLabel(this, "lblOutcome");
    m_lblNotes = makeLabel(this, "lblNotes");
    m_cmdStop = new QPushButton(tr("&Stop"), this);
    m_cmdStop->setObjectName(QStringLiteral("cmdStop"));
    m_cmdStop->setToolTip(tr("End Compile.bat and the tools it started"));
    m_cmdClose = new QPushButton(tr("&Close"), this);
    m_cmdClose->setObjectName(QStringLiteral("cmdClose"));
    pressWithEnter(m_cmdStop);
    pressWithEnter(m_cmdClose);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdStop);
    buttons->addWidget(m_cmdClose);
    auto *column = new QVBoxLayout(this);
    column->addWidget(m_lblStatus);
    column->addWidget(m_progress);
    column->addWidget(m_txtOutput, 1);
    column->addWidget(m_lblOutcome);
    column->addWidget(m_lblNotes);
    column->addLayout(buttons);

    connect(m_cmdStop, &QPushButton::clicked, this, [this] { CmdStop_Click(); });
    connect(m_cmdClose, &QPushButton::clicked, this, &QWidget::close);
    m_lblOutcome->hide();
    m_lblNotes->hide();
    m_cmdStop->setEnabled(false);
}

FrmCompile::~FrmCompile() = default;

void FrmCompile::follow(StartedScript started)
{
    if (m_started.run)
        m_started.run->disconnect(this);
    m_started = std::move(started);
    m_stopRequested = false;
    m_verdict.reset();
    m_txtOutput->clear();
    m_lblOutcome->clear();
    m_lblOutcome->hide();
    setNotes({});
    m_lblStatus->setWordWrap(false);
    m_lblStatus->setTextFormat(Qt::PlainText);
    m_lblStatus->setPalette(palette());
    m_lblStatus->setText(tr("Starting the command interpreter..."));
    m_progress->setRange(0, 0); // busy until the first line shows
    m_cmdStop->setEnabled(true);
    connect(m_started.run.get(), &ScriptRun::output, this, &FrmCompile::onOutput);
    connect(m_started.run.get(), &ScriptRun::finished, this, &FrmCompile::onFinished);
}

void FrmCompile::setNotes(const QStringList &notes)
{
    m_lblNotes->setText(notes.isEmpty() ? QString() : tr("Left out of this build:\n") + notes.join(QLatin1Char('\n')));
    m_lblNotes->setVisible(!notes.isEmpty());
}

bool FrmCompile::isRunning() const
{
    return m_started.run && m_started.run->isRunning() && !m_verdict;
}

void FrmCompile::CmdStop_Click()
{
    if (!isRunning())
        return;
    m_stopRequested = true;
    m_lblStatus->setText(tr("Stopping..."));
    m_started.run->stop();
}

void FrmCompile::stopAndWait()
{
    if (!isRunning())
        return;
    CmdStop_Click();
    if (!m_started.run->waitForEnd(10000))
        onFinished(1, true); // settle the volumes even if the interpreter does not end
}

void FrmCompile::onOutput(const QByteArray &bytes)
{
    const CompileJudge::Fed fed = m_started.page
        ? m_started.judge->feedBytes(bytes, *m_started.page, CodePage::ansi())
        : m_started.judge->feed(QString::fromLocal8Bit(bytes));
    // Each line that ended waits for its answer before the next may start.
    for (const bool goOn : fed.answers)
        m_started.run->write(watch::answer(goOn && !m_stopRequested));
    const QString &text = fed.shown;
    // Appended through a cursor of its own, so the view neither jumps sideways nor leaves
    // the place the player scrolled back to; at the bottom it follows the output.
    QScrollBar *bar = m_txtOutput->verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    QTextCursor end(m_txtOutput->document());
    end.movePosition(QTextCursor::End);
    end.insertText(QString(text).remove(QLatin1Char('\r')));
    if (atEnd)
        bar->setValue(bar->maximum());
    if (!m_stopRequested)
        showProgress();
}

void FrmCompile::showProgress()
{
    const CompileJudge &judge = *m_started.judge;
    if (judge.currentLine() == 0)
        return;
    m_progress->setRange(0, judge.lineCount());
    m_progress->setValue(judge.linesDone());
    const QString status =
        tr("Line %1 of %2: %3").arg(judge.currentLine()).arg(judge.lineCount()).arg(judge.currentText());
    m_lblStatus->setToolTip(status);
    m_lblStatus->setText(m_lblStatus->fontMetrics().elidedText(status, Qt::ElideMiddle, m_lblStatus->width()));
}

void FrmCompile::onFinished(int exitCode, bool crashed)
{
    if (m_verdict)
        return; // settled already (stopAndWait)
    QScrollBar *bar = m_txtOutput->verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    CompileVerdict verdict = m_started.judge->finish(exitCode, crashed, m_stopRequested);
    const QString kept = m_started.guard.settle(verdict.kind == CompileVerdict::Kind::Success);
    if (!kept.isEmpty())
        verdict.details += (verdict.details.isEmpty() ? QString() : QStringLiteral("\n")) + kept;
    if (!m_started.watchedScript.isEmpty())
        QFile::remove(m_started.watchedScript);
    const CompileJudge &judge = *m_started.judge;
    m_progress->setRange(0, std::max(1, judge.lineCount()));
    m_progress->setValue(judge.linesDone());
    m_lblStatus->setTextFormat(Qt::RichText);
    m_lblStatus->setText(QStringLiteral("<b>%1</b>").arg(verdict.summary.toHtmlEscaped()));
    m_lblStatus->setToolTip(verdict.summary);
    m_lblStatus->setWordWrap(true);
    QPalette palette = this->palette();
    if (verdict.kind == CompileVerdict::Kind::Success)
        palette.setColor(QPalette::WindowText, QColor(0, 110, 0));
    else if (verdict.kind != CompileVerdict::Kind::Stopped)
        palette.setColor(QPalette::WindowText, QColor(170, 0, 0));
    m_lblStatus->setPalette(palette);
    m_lblOutcome->setText(verdict.details);
    m_lblOutcome->setVisible(!verdict.details.isEmpty());
    m_cmdStop->setEnabled(false);
    // The outcome takes room from the output; its last lines stay in view.
    layout()->activate();
    if (atEnd)
        bar->setValue(bar->maximum());
    m_verdict = verdict;
    announceVerdict();
    emit ended(verdict);
}

void FrmCompile::announceVerdict()
{
    // Hidden with the main window, the tray tells the outcome; a script that never ran is
    // told by the main window's box.
    if (!isVisible() || m_verdict->kind == CompileVerdict::Kind::NotStarted)
        return;
    // Shown afresh, the alert is read out by assistive technology wherever the player is.
    m_lblStatus->hide();
    m_lblStatus->show();
    // While the player is in Brannock the keys come here: Close, or Tab to the output.
    if (QApplication::activeWindow()) {
        raise();
        activateWindow();
        m_cmdClose->setFocus(Qt::OtherFocusReason);
    }
}

void FrmCompile::closeEvent(QCloseEvent *event)
{
    CmdStop_Click();
    event->accept();
}

} // namespace brannock
