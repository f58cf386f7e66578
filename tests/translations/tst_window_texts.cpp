// The texts a player sees, window by window: with no translation in use they are the
// program's own English texts, character for character as recorded in english_texts.txt.
#include "translations/WindowTexts.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>

using namespace brannock;

namespace {

QString textsFile()
{
    return qEnvironmentVariable("BRANNOCK_ENGLISH_TEXTS");
}

} // namespace

class TestWindowTexts final : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void englishTextsAreTheRecordedOnes();
    void everyCaptionFitsItsBox();
};

void TestWindowTexts::englishTextsAreTheRecordedOnes()
{
    QStringList lines = test::allWindowTexts();
    // A caption shortened to its label's width depends on the font: its tooltip holds it whole.
    lines.removeIf([](const QString &line) { return line.contains(QChar(0x2026)); });
    // The help texts name folders the way each system writes them; they are compared on
    // the systems with "/" paths.
    const bool slashPaths = QDir::separator() == QLatin1Char('/');
    if (slashPaths) {
        for (const char *program : {"Brannock", "Primewell"}) {
            const QString help = test::programHelp(QLatin1String(program), QStringLiteral("en"));
            for (const QString &line : help.split(QLatin1Char('\n')))
                lines.append(QLatin1String(program) + QStringLiteral(" --help\t") + line);
        }
    }

    QFile file(textsFile());
    if (qEnvironmentVariableIsSet("BRANNOCK_RECORD_TEXTS")) {
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
        return;
    }
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(textsFile()));
    QStringList recorded = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    recorded.removeLast(); // after the last line end
    if (!slashPaths)
        recorded.removeIf([](const QString &line) { return line.contains(QLatin1String(" --help\t")); });
    // Line by line, so that a failure names the first text that differs.
    for (qsizetype n = 0; n < std::min(lines.size(), recorded.size()); ++n)
        QCOMPARE(lines[n], recorded[n]);
    QCOMPARE(lines.size(), recorded.size());
}

void TestWindowTexts::everyCaptionFitsItsBox()
{
    const QStringList cut = test::cutCaptionsOfEveryWindow();
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestWindowTexts)
#include "tst_window_texts.moc"
