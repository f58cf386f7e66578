#include "setup/SetupReg.h"

#include "base/AppError.h"
#include "common/SettingsSchema.h"
#include "common/SettingsStore.h"
#include "desktop/Prompts.h"
#include "platform/DosPaths.h"
#include "setup/DefaultSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace brannock::primewell {

namespace {

/// Primewell's texts in the player's language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(brannock::primewell::SetupReg)
};

const QString kCrLf = QStringLiteral("\r\n");

template <typename Table>
void writeAll(SettingsStore &store, const Table &table, std::size_t from, std::size_t to)
{
    for (std::size_t i = from; i < to; ++i)
        store.WriteSetting(table[i].key, toQString(table[i].value));
}

/// Index of the first entry of `section` in SetupRest; the table keeps sections together.
std::size_t firstOf(std::string_view section)
{
    for (std::size_t i = 0; i < schema::SetupRest.size(); ++i)
        if (schema::SetupRest[i].key.section == section)
            return i;
    return schema::SetupRest.size();
}

std::size_t endOf(std::string_view section)
{
    std::size_t i = firstOf(section);
    while (i < schema::SetupRest.size() && schema::SetupRest[i].key.section == section)
        ++i;
    return i;
}

} // namespace

bool confirmSetup(Prompts &prompts)
{
    return prompts.message(Texts::tr("You Sure?"),
                           Texts::tr("This program will set up the registry for") + kCrLf
                               + Texts::tr("Kestrow Wendle VI. Proceed?"),
                           PromptButtons::YesNo, PromptIcon::Information)
        == PromptAnswer::Yes;
}

SetupReg::SetupReg(SettingsStore &store, Prompts &prompts, const DosPaths &dosPaths, QString programFolder)
    : m_store(store), m_prompts(prompts), m_dosPaths(dosPaths), m_programFolder(std::move(programFolder))
{
}

void SetupReg::setAsideBrokenFile(SetupView &view)
{
    const QString problem = m_store.brokenFileProblem();
    if (problem.isEmpty())
        return;
    const QString file = QDir::toNativeSeparators(m_store.location());
    const QString aside = m_store.setAsideName();
    const PromptAnswer answer = m_prompts.message(
        Texts::tr("Broken settings file"),
        Texts::tr("The settings file \"%1\" cannot be used (%2).").arg(file, problem) + kCrLf
            + Texts::tr("Set it aside as \"%1\" (it is kept) and write the defaults?")
                  .arg(QDir::toNativeSeparators(aside)),
        PromptButtons::YesNo, PromptIcon::Question);
    if (answer != PromptAnswer::Yes)
        return;
    m_store.setAside(aside);
    view.addLog(Texts::tr("Broken settings file set aside as %1").arg(QDir::toNativeSeparators(aside)));
}

void SetupReg::run(SetupView &view)
{
    try {
        // Declined: the writes below report the broken file as before.
        setAsideBrokenFile(view);
        writeDefaults(view);
    } catch (const AppError &error) {
        // The store refuses writes: say so in the log and in a box, then let the user close.
        const QString report = error.report();
        for (const QString &line : report.split(kCrLf))
            view.addLog(line);
        view.addLog(Texts::tr("Settings not written."));
        view.enableClose();
        m_prompts.message(Texts::tr("Primewell Error!"), report, PromptButtons::Ok,
                          PromptIcon::Exclamation);
        view.setCaption(Texts::tr("Prime Well - Failed."));
        return;
    }
    view.addLog(Texts::tr("Done."));
    view.enableClose();
    m_prompts.message(QStringLiteral("Primewell"), Texts::tr("Done. You may now close Primewell."),
                      PromptButtons::Ok, PromptIcon::None);
    view.setCaption(Texts::tr("Prime Well - Done."));
}

void SetupReg::writeDefaults(SetupView &view)
{
    using namespace schema;
    view.addLog(Texts::tr("Adding Color Data..."));
    writeAll(m_store, SetupColors, 0, SetupColors.size());

    view.addLog(Texts::tr("Adding Path Data..."));
    writeGamePath(view);

    view.addLog(Texts::tr("Adding Palette Data..."));
    writeAll(m_store, SetupRest, firstOf(Pals), endOf(Pals));
    view.addLog(Texts::tr("Adding Skinning Data..."));
    writeAll(m_store, SetupRest, firstOf(Skin), endOf(Skin));
    view.addLog(Texts::tr("Adding Other Data..."));
    writeAll(m_store, SetupRest, firstOf(Other), endOf(Other));
}

void SetupReg::writeGamePath(SetupView &view)
{
    const QString found = defaults::findStandardInstall(m_dosPaths, m_programFolder);
    if (!found.isEmpty()) {
        const PromptAnswer use = m_prompts.message(
            Texts::tr("Kestrow installation found."),
            Texts::tr("A KESTROW installation has been detected under %1.").arg(found)
                + kCrLf + Texts::tr("Use this path?"),
            PromptButtons::YesNo, PromptIcon::None);
        if (use == PromptAnswer::Yes) {
            m_store.WriteSetting(schema::GamePath, found);
            return;
        }
    }
    const QString offered = found.isEmpty() ? toQString(schema::SetupGamePathGuess) : QString();
    const QString answer = m_prompts
                               .input(Texts::tr("Where is Kestrow Found on your computer?"),
                                      Texts::tr("Just Checking."), offered)
                               .value_or(QString());
    if (answer.isEmpty()) {
        view.addLog(Texts::tr("Path Data invalid."));
        return;
    }
    m_store.WriteSetting(schema::GamePath, answer);
}

} // namespace brannock::primewell
