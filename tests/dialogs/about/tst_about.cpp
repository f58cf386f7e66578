#include "dialogs/about/AboutPictures.h"
#include "dialogs/about/FrmAbout.h"
#include "dialogs/about/FrmThanks.h"
#include "dialogs/about/ThanksPulse.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace brannock;

namespace {

/// Hands out the given numbers in order and counts the calls.
struct ScriptedRandom {
    QList<double> values;
    int calls = 0;
    RandomSource source()
    {
        return [this] { return values.isEmpty() ? 0.0 : values.at(calls++ % values.size()); };
    }
};

constexpr QRgb Green = 0xFF00FF00u;

QColor labelColour(const QWidget *label)
{
    return label->palette().color(QPalette::WindowText);
}

} // namespace

class TestAbout final : public QObject {
    Q_OBJECT
private slots:
    void greenKeyRecolouring_data();
    void greenKeyRecolouring();
    void greenKeyLeavesOtherPixels();
    void figureIsRecolouredAtEveryOpening();
    void coverDragMovesWithAnyButton_data();
    void coverDragMovesWithAnyButton();
    void pressOnFigureOrButtonDoesNotDrag_data();
    void pressOnFigureOrButtonDoesNotDrag();
    void unloadAllClosesThanksAndAbout();
    void folderNoteShowsEveryLine();
    void thanksOkLabelClosesOnlyThanks();
    void pulseSequence_data();
    void pulseSequence();
    void pulseClosingResetsCountersOnly();
    void thanksLabelFollowsPulse();
    void thanksPattern();
};

void TestAbout::folderNoteShowsEveryLine()
{
    // Six lines (two look folders) of long folders: each line shows whole, inside the frame,
    // below the text above it and clear of the figure's caption.
    FrmAbout about;
    const QString deep = QStringLiteral("/home/a-player-with-a-long-name/.local/share/Brannock");
    about.setFolderNote(QStringLiteral("Mode: installed (no file \"portable\" beside the programs)\nPrograms: /usr/bin\n"
                                       "Work files: %1\nGame's tools: %1/Tools\nLooks: %1/Skins\n  then /usr/share/brannock/Skins")
                            .arg(deep));
    auto *note = about.findChild<QLabel *>(QStringLiteral("LblFolders"));
    QVERIFY(note);
    const QStringList lines = note->text().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 6);
    const QFontMetrics metrics(note->font());
    QVERIFY(note->height() >= note->sizeHint().height()); // as tall as its lines need
    QVERIFY(note->geometry().top() >= 254);
    QVERIFY(note->geometry().bottom() <= about.height() - 8);
    QVERIFY(note->geometry().right() < 316); // the caption "fresh paint, every time"
    for (const QString &line : lines)
        QVERIFY2(metrics.horizontalAdvance(line) <= note->width(), qPrintable(line));
    QVERIFY(lines.first().startsWith(QStringLiteral("Mode: ")));
}

void TestAbout::greenKeyRecolouring_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<double>("random");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("origin") << QPoint(0, 0) << 0.0 << QColor(0, 0, 0);
    QTest::newRow("red grows right and down") << QPoint(10, 20) << 0.5 << QColor(80, 0, 125);
    QTest::newRow("red capped at 255") << QPoint(44, 59) << 0.999 << QColor(255, 0, 250);
    QTest::newRow("blue half rounds to even, down") << QPoint(3, 1) << 0.01 << QColor(9, 0, 2);
    QTest::newRow("blue half rounds to even, up") << QPoint(3, 1) << 0.014 << QColor(9, 0, 4);
}

void TestAbout::greenKeyRecolouring()
{
    QFETCH(QPoint, at);
    QFETCH(double, random);
    QFETCH(QColor, expected);
    QImage picture(45, 60, QImage::Format_RGB32);
    picture.fill(Qt::black);
    picture.setPixel(at, Green);
    ScriptedRandom scripted{{random}};
    recolourGreenKey(picture, scripted.source());
    QCOMPARE(QColor(picture.pixel(at)), expected);
    QCOMPARE(scripted.calls, 1);
}

void TestAbout::greenKeyLeavesOtherPixels()
{
    // Near-greens and a picture without key green stay as they are; no random number is used.
    QImage picture(45, 60, QImage::Format_RGB32);
    picture.fill(QColor(0, 254, 0));
    picture.setPixel(0, 0, qRgb(1, 255, 0));
    picture.setPixel(44, 59, qRgb(0, 255, 1));
    const QImage before = picture;
    ScriptedRandom scripted{{0.3}};
    recolourGreenKey(picture, scripted.source());
    QCOMPARE(picture, before);
    QCOMPARE(scripted.calls, 0);

    // Random numbers are drawn column by column, top to bottom within a column.
    QImage keyed(4, 4, QImage::Format_RGB32);
    keyed.fill(Qt::black);
    keyed.setPixel(2, 0, Green);
    keyed.setPixel(0, 3, Green);
    keyed.setPixel(0, 1, Green);
    ScriptedRandom order{{0.0, 0.4, 0.8}};
    recolourGreenKey(keyed, order.source());
    QCOMPARE(qBlue(keyed.pixel(0, 1)), 0);
    QCOMPARE(qBlue(keyed.pixel(0, 3)), 100);
    QCOMPARE(qBlue(keyed.pixel(2, 0)), 200);
}

void TestAbout::figureIsRecolouredAtEveryOpening()
{
    const QImage original = drawAboutFigure();
    QCOMPARE(original.size(), QSize(45, 60));
    int keyed = 0;
    for (int y = 0; y < original.height(); ++y)
        for (int x = 0; x < original.width(); ++x)
            keyed += original.pixel(x, y) == Green;
    QVERIFY2(keyed > 100, "the figure needs paint areas to recolour");

    for (double value : {0.2, 0.6}) {
        ScriptedRandom scripted{{value}};
        FrmAbout about(scripted.source());
        auto *pC = about.findChild<QLabel *>(QStringLiteral("pC"));
        QVERIFY(pC);
        QCOMPARE(pC->geometry(), QRect(349, 217, 45, 60));
        const QImage shown = pC->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(scripted.calls, keyed);
        for (int y = 0; y < original.height(); ++y) {
            for (int x = 0; x < original.width(); ++x) {
                const QRgb want = original.pixel(x, y) == Green
                    ? qRgb(std::min(2 * x + 3 * y, 255), 0, int(value * 250))
                    : original.pixel(x, y);
                QCOMPARE(shown.pixel(x, y), want);
            }
        }
    }
}

void TestAbout::coverDragMovesWithAnyButton_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("left") << Qt::LeftButton;
    QTest::newRow("right") << Qt::RightButton;
    QTest::newRow("middle") << Qt::MiddleButton;
}

void TestAbout::coverDragMovesWithAnyButton()
{
    QFETCH(Qt::MouseButton, button);
    FrmAbout about([] { return 0.0; });
    QCOMPARE(about.size(), QSize(640, 335));
    QCOMPARE(about.windowTitle(), QStringLiteral("About Kestrow Wendle"));
    QVERIFY(about.windowFlags() & Qt::FramelessWindowHint);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    about.move(100, 100);
    QWindow *window = about.windowHandle();

    // A press on the bare background lands on Cover; the grab point stays under the pointer.
    QTest::mousePress(window, button, {}, QPoint(100, 60));
    QTest::mouseMove(window, QPoint(130, 50));
    QTRY_COMPARE(about.pos(), QPoint(130, 90));
    QTest::mouseRelease(window, button, {}, QPoint(100, 60));
    QTest::mouseMove(window, QPoint(200, 200));
    QCOMPARE(about.pos(), QPoint(130, 90));
}

void TestAbout::pressOnFigureOrButtonDoesNotDrag_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::newRow("figure") << QPoint(360, 230);
    QTest::newRow("Thanks button") << QPoint(250, 220);
}

void TestAbout::pressOnFigureOrButtonDoesNotDrag()
{
    QFETCH(QPoint, at);
    FrmAbout about([] { return 0.0; });
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    about.move(100, 100);
    QWindow *window = about.windowHandle();
    QTest::mousePress(window, Qt::RightButton, {}, at);
    QTest::mouseMove(window, at + QPoint(40, 25));
    QTest::mouseRelease(window, Qt::RightButton, {}, at + QPoint(40, 25));
    QCOMPARE(about.pos(), QPoint(100, 100));
    QVERIFY(about.isVisible());
}

void TestAbout::unloadAllClosesThanksAndAbout()
{
    FrmAbout about([] { return 0.0; });
    bool thanksWasOpen = false;
    QTimer::singleShot(0, &about, [&] {
        QTimer::singleShot(0, &about, [&] {
            thanksWasOpen = about.thanksDialog() && about.thanksDialog()->isVisible();
            about.UnloadAll();
        });
        about.findChild<QPushButton *>(QStringLiteral("CmdThanks"))->click(); // modal: returns when closed
    });
    about.exec();
    QVERIFY(thanksWasOpen);
    QVERIFY(!about.thanksDialog());
    QVERIFY(!about.isVisible());
}

void TestAbout::thanksOkLabelClosesOnlyThanks()
{
    FrmAbout about([] { return 0.0; });
    about.show();
    bool aboutStillOpen = false;
    QTimer::singleShot(0, &about, [&] {
        FrmThanks *thanks = about.thanksDialog();
        QVERIFY(thanks);
        QCOMPARE(thanks->windowTitle(), QStringLiteral("The Thanks Dialog. (\"Dun-DuN-DUN!!!\")"));
        QCOMPARE(thanks->size(), QSize(489, 241));
        auto *lblThanks = thanks->findChild<QLabel *>(QStringLiteral("LblThanks"));
        QCOMPARE(lblThanks->text().split(QLatin1Char('\n')).size(), 13);
        auto *lblOK = thanks->findChild<QLabel *>(QStringLiteral("lblOK"));
        QTest::mouseClick(lblOK, Qt::LeftButton);
    });
    about.findChild<QPushButton *>(QStringLiteral("CmdThanks"))->click();
    aboutStillOpen = about.isVisible();
    QVERIFY(!about.thanksDialog());
    QVERIFY(aboutStillOpen);
    about.findChild<QPushButton *>(QStringLiteral("CmdOK"))->click();
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Accepted));
}

void TestAbout::pulseSequence_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QColor>("expected");
    QTest::addColumn<bool>("falling");
    QTest::newRow("first tick") << 1 << QColor(0, 3, 3) << false;
    QTest::newRow("green tops out at 129") << 43 << QColor(0, 129, 129) << false;
    QTest::newRow("green stays while blue climbs") << 60 << QColor(0, 129, 180) << false;
    QTest::newRow("blue 258 shows as 255") << 86 << QColor(0, 129, 255) << false;
    QTest::newRow("turns") << 87 << QColor(0, 129, 255) << true;
    QTest::newRow("first fall") << 88 << QColor(0, 126, 255) << true;
    QTest::newRow("green back at 0") << 130 << QColor(0, 0, 129) << true;
    QTest::newRow("blue back at 0") << 173 << QColor(0, 0, 0) << true;
    QTest::newRow("rises again") << 174 << QColor(0, 0, 0) << false;
    QTest::newRow("second climb") << 175 << QColor(0, 3, 3) << false;
}

void TestAbout::pulseSequence()
{
    QFETCH(int, ticks);
    QFETCH(QColor, expected);
    QFETCH(bool, falling);
    ThanksPulse pulse;
    QColor colour;
    for (int i = 0; i < ticks; ++i)
        colour = pulse.tick();
    QCOMPARE(colour, expected);
    QCOMPARE(pulse.falling(), falling);
}

void TestAbout::pulseClosingResetsCountersOnly()
{
    ThanksPulse pulse;
    for (int i = 0; i < 100; ++i)
        pulse.tick();
    QVERIFY(pulse.falling());
    pulse.resetCounters();
    QCOMPARE(pulse.green(), 0);
    QCOMPARE(pulse.blue(), 0);
    QVERIFY(pulse.falling());
    // The next opening's first tick finds nothing to fall from and turns to rising.
    QCOMPARE(pulse.tick(), QColor(0, 0, 0));
    QVERIFY(!pulse.falling());
    QCOMPARE(pulse.tick(), QColor(0, 3, 3));
}

void TestAbout::thanksLabelFollowsPulse()
{
    ThanksPulse pulse;
    {
        FrmThanks thanks(pulse);
        auto *timer = thanks.findChild<QTimer *>(QStringLiteral("Timer"));
        QVERIFY(timer && timer->isActive());
        QCOMPARE(timer->interval(), 1);
        timer->stop();
        auto *lblOK = thanks.findChild<QLabel *>(QStringLiteral("lblOK"));
        QCOMPARE(lblOK->geometry(), QRect(213, 201, 64, 32));
        QCOMPARE(labelColour(lblOK), QColor(Qt::black));
        for (int i = 0; i < 50; ++i)
            thanks.Timer_Timer();
        QCOMPARE(labelColour(lblOK), QColor(0, 129, 150));
        thanks.show();
        thanks.reject();
    }
    QCOMPARE(pulse.green(), 0);
    QCOMPARE(pulse.blue(), 0);
}

void TestAbout::thanksPattern()
{
    const QImage pattern = drawThanksPattern(489, 241);
    // Only the first pass reaches the bottom right: blue 180 - 480 * 180 / 489 = 3.31.
    QCOMPARE(QColor(pattern.pixel(480, 240)), QColor(0, 0, 3));
    // Each line of the second pass starts at the left edge in its own red (100 * 255 / 241).
    QCOMPARE(QColor(pattern.pixel(0, 100)), QColor(106, 0, 0));
    // The third pass starts each line on the top edge in its own green (120 * 120 / 241).
    QCOMPARE(QColor(pattern.pixel(120, 0)), QColor(0, 60, 0));
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
