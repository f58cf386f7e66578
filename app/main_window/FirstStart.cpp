#include "main_window/FirstStart.h"

#include "base/AppError.h"
#include "common/SettingsStore.h"
#include "main_window/TopmostProtocol.h"
#include "setup/DefaultSettings.h"

namespace brannock {

FirstStart::FirstStart(SettingsStore &store, TopmostProtocol &boxes, const DosPaths &dosPaths,
                       QString programFolder)
    : m_store(store), m_boxes(boxes), m_dosPaths(dosPaths), m_programFolder(std::move(programFolder))
{
}

bool FirstStart::needed() const
{
    return m_store.holdsNoSettings();
}

QString FirstStart::question(const QString &gameFolder) const
{
    const QString crLf = QStringLiteral("\r\n");
    QString text = tr("Brannock found no settings, so its window has no colours yet. Primewell writes "
                                  "them; Brannock can write the same defaults now.")
        + crLf + crLf + tr("Write the default settings (colours, look, palettes and build options)?");
    if (!gameFolder.isEmpty())
        return text + crLf + tr("The game folder will be %1, where the game was found.").arg(gameFolder);
    QStringList places;
    for (const QString &root : defaults::standardInstallRoots(m_dosPaths, m_programFolder))
        places << root + QLatin1String(defaults::StandardGameFolder);
    return text + crLf
        + tr("The game was not found in %1; set its folder later under Configuration.")
              .arg(places.join(tr(" or ")));
}

bool FirstStart::offerDefaults()
{
    const QString gameFolder = defaults::findStandardInstall(m_dosPaths, m_programFolder);
    const PromptAnswer answer =
        m_boxes.message(title(), question(gameFolder), PromptButtons::YesNo, PromptIcon::Question);
    if (answer != PromptAnswer::Yes)
        return false;
    try {
        // Primewell may have written the settings while the box was open: they stay.
        if (m_store.holdsNoSettings())
            m_store.WriteSettings(defaults::setupValues(gameFolder));
    } catch (const AppError &error) {
        //: The operation named in the title of its failure box ("%1 Error!").
        m_boxes.reportFailure(tr("Settings"), error);
        return false;
    }
    return true;
}

} // namespace brannock
