#include "translations/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTranslator>

namespace brannock {

namespace {

/// Where the build embeds the compiled translations: brannock_<language>.qm for the
/// programs' texts, qtbase_<language>.qm for Qt's own.
const QString kFolder = QStringLiteral(":/i18n");
const QString kOwnPrefix = QStringLiteral("brannock_");
const QString kQtPrefix = QStringLiteral("qtbase_");

/// Loads `file` into a translator that lives as long as the application, and installs it.
bool install(const QString &file)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

QString chooseLanguage(const QStringList &wanted, const QStringList &available)
{
    for (QString name : wanted) {
        name.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString language = name.section(QLatin1Char('_'), 0, 0).toLower();
        if (language == QLatin1String("en"))
            return {};
        for (const QString &candidate : {name, language})
            for (const QString &one : available)
                if (one.compare(candidate, Qt::CaseInsensitive) == 0)
                    return one;
    }
    return {};
}

QStringList embeddedLanguages()
{
    QStringList languages;
    for (const QString &file : QDir(kFolder).entryList({kOwnPrefix + QStringLiteral("*.qm")}, QDir::Files))
        languages.append(file.mid(kOwnPrefix.size()).chopped(3));
    return languages;
}

bool installTranslations(const QString &language)
{
    install(kFolder + QLatin1Char('/') + kQtPrefix + language + QStringLiteral(".qm"));
    return install(kFolder + QLatin1Char('/') + kOwnPrefix + language + QStringLiteral(".qm"));
}

void installTranslations()
{
    const QString language = chooseLanguage(QLocale::system().uiLanguages(), embeddedLanguages());
    if (!language.isEmpty())
        installTranslations(language);
}

} // namespace brannock
