// The German translation as a German-speaking player meets it: the language follows the
// system's, every text of the windows is translated, and every caption still fits.
#include "main_window/menus/IncludePictures.h"
#include "translations/Language.h"
#include "translations/WindowTexts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>

using namespace brannock;

namespace {

/// Texts that German writes as English does: names of the game, its parts and the programs,
/// "OK", a file name extension, the data the scenes fill in, and the titles of the two pop-up
/// menus, which a pop-up menu does not show.
const QStringList kSameInGerman = {
    QStringLiteral("Kestrow Wendle VI"), QStringLiteral("Prime Well"), QStringLiteral("OK"), QStringLiteral("O&K"),
    QStringLiteral("&Skins"), QStringLiteral("LPC/HPC"), QStringLiteral("Generator"), QStringLiteral("Palette"),
    QStringLiteral("Primewell"), QStringLiteral("C:\\Halvern\\Kestrow"), QStringLiteral("root"),
    QStringLiteral("Mode: portable"), QStringLiteral(".tsf"), QStringLiteral("MainMenu"), QStringLiteral("IncludeMenu"),
};

/// The lines of `lines` by their place ("<window>\t<object path>\t<what>"), each place with
/// its texts.
QMap<QString, QStringList> byPlace(const QStringList &lines)
{
    QMap<QString, QStringList> places;
    for (const QString &line : lines) {
        const qsizetype cut = line.lastIndexOf(QLatin1Char('\t'));
        places[line.left(cut)].append(line.mid(cut + 1));
    }
    return places;
}

} // namespace

class TestGerman final : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void languageFollowsTheSystem_data();
    void languageFollowsTheSystem();
    void everyWindowTextIsTranslated();
    void everyCaptionFitsItsBox();
    void includePicturesShowTheGermanWords();
    void helpFollowsTheSystemLanguage_data();
    void helpFollowsTheSystemLanguage();

private:
    QStringList m_english;                 ///< every window's texts before German was installed
    QMap<int, QImage> m_englishPictures;   ///< the include pictures in English, by picture
};

void TestGerman::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    m_english = test::allWindowTexts();
    for (int which = 0; which <= int(IncludePicture::ToggleUser); ++which)
        m_englishPictures[which] = includePicture(IncludePicture(which), kIncludePictureSizes[0]).toImage();
    QVERIFY(embeddedLanguages().contains(QStringLiteral("de")));
    QVERIFY(installTranslations(QStringLiteral("de")));
}

void TestGerman::languageFollowsTheSystem_data()
{
    QTest::addColumn<QStringList>("wanted");
    QTest::addColumn<QStringList>("available");
    QTest::addColumn<QString>("chosen");
    const QStringList german{QStringLiteral("de")};
    QTest::newRow("German") << QStringList{"de-DE", "de", "en-US"} << german << "de";
    QTest::newRow("Austrian German") << QStringList{"de-AT"} << german << "de";
    QTest::newRow("written with an underscore, in capitals") << QStringList{"DE_CH"} << german << "de";
    QTest::newRow("English") << QStringList{"en-GB", "en"} << german << "";
    QTest::newRow("English before German") << QStringList{"en-US", "de-DE"} << german << "";
    QTest::newRow("French without a translation, then German") << QStringList{"fr-FR", "fr", "de-DE"} << german
                                                                << "de";
    QTest::newRow("French, then English, then German") << QStringList{"fr-FR", "en-GB", "de-DE"} << german << "";
    QTest::newRow("the C locale") << QStringList{"C"} << german << "";
    QTest::newRow("nothing wanted") << QStringList{} << german << "";
    QTest::newRow("a country's own translation first")
        << QStringList{"pt-BR"} << QStringList{"pt", "pt_BR"} << "pt_BR";
    QTest::newRow("else the language's") << QStringList{"pt-PT"} << QStringList{"pt", "pt_BR"} << "pt";
}

void TestGerman::languageFollowsTheSystem()
{
    QFETCH(QStringList, wanted);
    QFETCH(QStringList, available);
    QFETCH(QString, chosen);
    QCOMPARE(chooseLanguage(wanted, available), chosen);
}

void TestGerman::everyWindowTextIsTranslated()
{
    const QMap<QString, QStringList> english = byPlace(m_english);
    const QMap<QString, QStringList> german = byPlace(test::allWindowTexts());
    QCOMPARE(german.keys(), english.keys());
    QStringList untranslated;
    for (auto place = german.cbegin(); place != german.cend(); ++place)
        for (const QString &text : place.value())
            if (english[place.key()].contains(text) && !kSameInGerman.contains(text))
                untranslated.append(place.key() + QLatin1Char('\t') + text);
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
    // A text from the translation, and one from Qt's own (its standard buttons).
    QVERIFY(german.value(QStringLiteral("Brannock\tCmdMake\ttext")).contains(QStringLiteral("Skinset &erstellen")));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
}

void TestGerman::everyCaptionFitsItsBox()
{
    const QStringList cut = test::cutCaptionsOfEveryWindow();
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
}

void TestGerman::includePicturesShowTheGermanWords()
{
    // The pictures drawn when the program was built show the English words: where German has
    // another word, the picture is drawn with it.
    for (int which = 0; which <= int(IncludePicture::ToggleUser); ++which) {
        const auto picture = IncludePicture(which);
        const QImage german = includePicture(picture, kIncludePictureSizes[0]).toImage();
        QCOMPARE(german, drawIncludePicture(picture, kIncludePictureSizes[0]).toImage());
        if (includePictureWord(picture) != QLatin1String("Team"))
            QVERIFY2(german != m_englishPictures[which], qPrintable(includePictureWord(picture)));
    }
}

void TestGerman::helpFollowsTheSystemLanguage_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Brannock, German") << "Brannock" << "de" << "Aufruf: Brannock [Schalter]";
    QTest::newRow("Brannock, German before English") << "Brannock" << "de_DE:en" << "Einstellungen: <home>";
    QTest::newRow("Brannock, English before German") << "Brannock" << "en_GB:de" << "Usage: Brannock [switches]";
    QTest::newRow("Primewell, German") << "Primewell" << "de_AT" << "Aufruf: Primewell";
}

void TestGerman::helpFollowsTheSystemLanguage()
{
    // LANGUAGE (and LANG, LC_MESSAGES) name the language on Linux; Windows has its own setting.
    if (QDir::separator() != QLatin1Char('/'))
        QSKIP("the language is chosen by LANGUAGE on Linux only");
    QFETCH(QString, program);
    QFETCH(QString, language);
    QFETCH(QString, expected);
    const QString help = test::programHelp(program, language);
    QVERIFY2(help.contains(expected), qPrintable(help));
}

QTEST_MAIN(TestGerman)
#include "tst_german.moc"
