#include "setup/SetupReg.h"

#include "setup/DefaultSettings.h"

#include "base/AppError.h"
#include "platform/DosPaths.h"
#include "desktop/Prompts.h"
#include "common/SettingsSchema.h"
#include "common/SettingsStore.h"

#include <QDir>
#include <QFileInfo>

namespace brannock::primewell {

namespace {

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
    return prompts.message(QStringLiteral("You Sure?"),
                           QStringLiteral("This program will set up the registry for") + kCrLf
                               + QStringLiteral("Kestrow Wendle VI. Proceed?"),
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
        QStringLiteral("Broken settings file"),
        QStringLiteral("The settings file \"%1\" cannot be used (%2).").arg(file, problem) + kCrLf
            + QStringLiteral("Set it aside as \"%1\" (it is kept) and write the defaults?")
                  .arg(QDir::toNativeSeparators(aside)),
        PromptButtons::YesNo, PromptIcon::Question);
    if (answer != PromptAnswer::Yes)
        return;
    m_store.setAside(aside);
    view.addLog(QStringLiteral("Broken settings file set aside as ") + QDir::toNativeSeparators(aside));
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
        view.addLog(QStringLiteral("Settings not written."));
        view.enableClose();
        m_prompts.message(QStringLiteral("Primewell Error!"), report, PromptButtons::Ok,
                          PromptIcon::Exclamation);
        view.setCaption(QStringLiteral("Prime Well - Failed."));
        return;
    }
    view.addLog(QStringLiteral("Done."));
    view.enableClose();
    m_prompts.message(QStringLiteral("Primewell"), QStringLiteral("Done. You may now close Primewell."),
                      PromptButtons::Ok, PromptIcon::None);
    view.setCaption(QStringLiteral("Prime Well - Done."));
}

void SetupReg::writeDefaults(SetupView &view)
{
    using namespace schema;
    view.addLog(QStringLiteral("Adding Color Data..."));
    writeAll(m_store, SetupColors, 0, SetupColors.size());

    view.addLog(QStringLiteral("Adding Path Data..."));
    writeGamePath(view);

    view.addLog(QStringLiteral("Adding Palette Data..."));
    writeAll(m_store, SetupRest, firstOf(Pals), endOf(Pals));
    view.addLog(QStringLiteral("Adding Skinning Data..."));
    writeAll(m_store, SetupRest, firstOf(Skin), endOf(Skin));
    view.addLog(QStringLiteral("Adding Other Data..."));
    writeAll(m_store, SetupRest, firstOf(Other), endOf(Other));
}

void SetupReg::writeGamePath(SetupView &view)
{
    const QString found = defaults::findStandardInstall(m_dosPaths, m_programFolder);
    if (!found.isEmpty()) {
        const PromptAnswer use = m_prompts.message(
            QStringLiteral("Kestrow installation found."),
            QStringLiteral("A KESTROW installation has been detected under ") + found + QStringLiteral(".")
                + kCrLf + QStringLiteral("Use this path?"),
            PromptButtons::YesNo, PromptIcon::None);
        if (use == PromptAnswer::Yes) {
            m_store.WriteSetting(schema::GamePath, found);
            return;
        }
    }
    const QString offered = found.isEmpty() ? toQString(schema::SetupGamePathGuess) : QString();
    const QString answer = m_prompts
                               .input(QStringLiteral("Where is Kestrow Found on your computer?"),
                                      QStringLiteral("Just Checking."), offered)
                               .value_or(QString());
    if (answer.isEmpty()) {
        view.addLog(QStringLiteral("Path Data invalid."));
        return;
    }
    m_store.WriteSetting(schema::GamePath, answer);
}

} // namespace brannock::primewell
