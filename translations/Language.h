#pragma once

#include <QString>
#include <QStringList>

namespace brannock {

/// The language to translate into for a player whose system wants the user interface
/// languages `wanted`, most wanted first as QLocale::uiLanguages() gives them ("de-DE",
/// "en"), when translations exist for the languages `available` ("de", "pt_BR"): the first
/// wanted language that is English, the programs' own, or that has a translation, by its full
/// name or else by its language alone. Empty for English, and when none of them has one.
QString chooseLanguage(const QStringList &wanted, const QStringList &available);

/// The languages the programs carry a translation for, from the translations embedded in
/// them ("de").
QStringList embeddedLanguages();

/// Installs the embedded translation of the programs' texts into `language` ("de"), and Qt's
/// own translation of its standard texts (Yes, No, Cancel) where one is embedded. False when
/// the programs have no translation into `language`.
bool installTranslations(const QString &language);

/// installTranslations for the system's user interface language; with English or a
/// language without a translation, nothing. Call once the application object exists,
/// before the first text is made.
void installTranslations();

} // namespace brannock
