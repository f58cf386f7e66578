#include "dialogs/compile/FrmCompile.h"

#include "skinset/WatchedScript.h"
#include "widgets/Accessibility.h"

#include "ui_FrmCompile.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextCursor>

#include <algorithm>

namespace brannock {

FrmCompile::FrmCompile(QWidget *parent) : QWidget(parent, Qt::Dialog), m_ui(std::make_unique<Ui::FrmCompile>())
{
    m_ui->setupUi(this);
    setAccessibleRole(this, QAccessible::Dialog);
    // The status line ends as the verdict, which assistive technology announces as an alert.
    setAccessibleRole(m_ui->lblStatus, QAccessible::AlertMessage);
    m_ui->txtOutput->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    pressWithEnter(m_ui->cmdStop);
    pressWithEnter(m_ui->cmdClose);

    connect(m_ui->cmdStop, &QPushButton::clicked, this, [this] { CmdStop_Click(); });
    connect(m_ui->cmdClose, &QPushButton::clicked, this, &QWidget::close);
    m_ui->lblOutcome->hide();
    m_ui->lblNotes->hide();
    m_ui->scrDetails->hide();
    m_ui->cmdStop->setEnabled(false);
}

FrmCompile::~FrmCompile() = default;

void FrmCompile::follow(StartedScript started)
{
    if (m_started.run)
        m_started.run->disconnect(this);
    m_started = std::move(started);
    m_stopRequested = false;
    m_verdict.reset();
    m_ui->txtOutput->clear();
    m_ui->lblOutcome->clear();
    m_ui->lblOutcome->hide();
    setNotes({}); // fits the details too
    m_ui->lblStatus->setWordWrap(false);
    m_ui->lblStatus->setTextFormat(Qt::PlainText);
    m_ui->lblStatus->setPalette(palette());
    m_ui->lblStatus->setText(tr("Starting the command interpreter..."));
    m_ui->prgLines->setRange(0, 0); // busy until the first line shows
    m_ui->cmdStop->setEnabled(true);
    connect(m_started.run.get(), &ScriptRun::output, this, &FrmCompile::onOutput);
    connect(m_started.run.get(), &ScriptRun::finished, this, &FrmCompile::onFinished);
}

void FrmCompile::setNotes(const QStringList &notes)
{
    m_ui->lblNotes->setText(notes.isEmpty() ? QString() : tr("Left out of this build:\n") + notes.join(QLatin1Char('\n')));
    m_ui->lblNotes->setVisible(!notes.isEmpty());
    fitDetails();
}

void FrmCompile::fitDetails()
{
    const bool shown = !m_ui->lblOutcome->isHidden() || !m_ui->lblNotes->isHidden();
    m_ui->scrDetails->setVisible(shown);
    if (!shown)
        return;
    constexpr int MostLines = 9;
    const int width = m_ui->txtOutput->width();
    const int wanted = m_ui->details->heightForWidth(width);
    const int most = MostLines * fontMetrics().lineSpacing();
    m_ui->scrDetails->setFixedHeight(std::min(wanted < 0 ? most : wanted, most));
}

void FrmCompile::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitDetails();
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
    m_ui->lblStatus->setText(tr("Stopping..."));
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
    QScrollBar *bar = m_ui->txtOutput->verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    QTextCursor end(m_ui->txtOutput->document());
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
    m_ui->prgLines->setRange(0, judge.lineCount());
    m_ui->prgLines->setValue(judge.linesDone());
    const QString status =
        tr("Line %1 of %2: %3").arg(judge.currentLine()).arg(judge.lineCount()).arg(judge.currentText());
    m_ui->lblStatus->setToolTip(status);
    m_ui->lblStatus->setText(m_ui->lblStatus->fontMetrics().elidedText(status, Qt::ElideMiddle, m_ui->lblStatus->width()));
}

void FrmCompile::onFinished(int exitCode, bool crashed)
{
    if (m_verdict)
        return; // settled already (stopAndWait)
    QScrollBar *bar = m_ui->txtOutput->verticalScrollBar();
    const bool atEnd = bar->value() == bar->maximum();
    CompileVerdict verdict = m_started.judge->finish(exitCode, crashed, m_stopRequested);
    const QString kept = m_started.guard.settle(verdict.kind == CompileVerdict::Kind::Success);
    if (!kept.isEmpty())
        verdict.details += (verdict.details.isEmpty() ? QString() : QStringLiteral("\n")) + kept;
    if (!m_started.watchedScript.isEmpty())
        QFile::remove(m_started.watchedScript);
    const CompileJudge &judge = *m_started.judge;
    m_ui->prgLines->setRange(0, std::max(1, judge.lineCount()));
    m_ui->prgLines->setValue(judge.linesDone());
    m_ui->lblStatus->setTextFormat(Qt::RichText);
    m_ui->lblStatus->setText(QStringLiteral("<b>%1</b>").arg(verdict.summary.toHtmlEscaped()));
    m_ui->lblStatus->setToolTip(verdict.summary);
    m_ui->lblStatus->setWordWrap(true);
    QPalette palette = this->palette();
    if (verdict.kind == CompileVerdict::Kind::Success)
        palette.setColor(QPalette::WindowText, QColor(0, 110, 0));
    else if (verdict.kind != CompileVerdict::Kind::Stopped)
        palette.setColor(QPalette::WindowText, QColor(170, 0, 0));
    m_ui->lblStatus->setPalette(palette);
    m_ui->lblOutcome->setText(verdict.details);
    m_ui->lblOutcome->setVisible(!verdict.details.isEmpty());
    fitDetails();
    m_ui->cmdStop->setEnabled(false);
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
    m_ui->lblStatus->hide();
    m_ui->lblStatus->show();
    // While the player is in Brannock the keys come here: Close, or Tab to the output.
    if (QApplication::activeWindow()) {
        raise();
        activateWindow();
        m_ui->cmdClose->setFocus(Qt::OtherFocusReason);
    }
}

void FrmCompile::closeEvent(QCloseEvent *event)
{
    CmdStop_Click();
    event->accept();
}

} // namespace brannock
