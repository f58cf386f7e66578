#include "main_window/menus/IncludeMenu.h"

#include "common/AppError.h"
#include "skinset/BatchText.h"
#include "platform/Prompts.h"
#include "items/TsfFile.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QMenu>

#include <optional>

namespace brannock {

void ToggleCheck(QAction *entry)
{
    if (entry && entry->isCheckable())
        entry->setChecked(!entry->isChecked());
}

IncludeMenu::IncludeMenu(Prompts &boxes, QString workFolder, std::function<CodePage()> scriptCodePage,
                         QObject *parent)
    : QObject(parent),
      m_boxes(boxes),
      m_workFolder(std::move(workFolder)),
      m_scriptCodePage(std::move(scriptCodePage))
{
    m_mnuInc = new QMenu(QStringLiteral("IncludeMenu"));
    m_mnuInc->setObjectName(QStringLiteral("mnuInc"));
    createBuiltInMenus();
    createUserCreatedMenu();
}

IncludeMenu::~IncludeMenu()
{
    delete m_mnuInc;
}

QAction *IncludeMenu::makeAction(QMenu *menu, const QString &name, const QString &text)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(name);
    m_actions.insert(name, action);
    return action;
}

void IncludeMenu::createBuiltInMenus()
{
    for (const SkinGroupInfo &info : SkinCatalogue::groups()) {
        QMenu *menu = m_mnuInc->addMenu(info.caption);
        menu->setObjectName(info.menuName);
        menu->menuAction()->setObjectName(info.menuName);
        m_groupMenus.insert(info.group, menu);

        for (const SkinItem *item : SkinCatalogue::menuOrder(info.group)) {
            // A checkable entry flips its own mark when chosen: that is its whole handler.
            QAction *entry = makeAction(menu, item->menuItem, item->caption);
            entry->setCheckable(true);
            entry->setChecked(info.group == SkinGroup::Team);
        }
        menu->addSeparator()->setObjectName(info.separatorName);
        QAction *toggle = makeAction(menu, info.toggleName, info.toggleCaption);
        const SkinGroup group = info.group;
        connect(toggle, &QAction::triggered, this, [this, group] { toggleGroup(group); });
    }

    m_mnuInc->addSeparator()->setObjectName(QStringLiteral("mnuISep1"));
    QAction *all = makeAction(m_mnuInc, QStringLiteral("mnuTggl"), QStringLiteral("Toggle &All(Non-User-created)"));
    connect(all, &QAction::triggered, this, &IncludeMenu::mnuTggl_Click);
    m_mnuInc->addSeparator()->setObjectName(QStringLiteral("mnuISep2"));
}

void IncludeMenu::createUserCreatedMenu()
{
    m_mnuUC = m_mnuInc->addMenu(QStringLiteral("&User-Created"));
    m_mnuUC->setObjectName(QStringLiteral("mnuUC"));
    m_mnuUC->menuAction()->setObjectName(QStringLiteral("mnuUC"));

    QAction *add = makeAction(m_mnuUC, QStringLiteral("mnuUCAdd"), QStringLiteral("&Add Support..."));
    connect(add, &QAction::triggered, this, &IncludeMenu::addSupportRequested);
    QAction *rebuild = makeAction(m_mnuUC, QStringLiteral("mnuRebuildUCI"), QStringLiteral("&Rebuild Menu"));
    connect(rebuild, &QAction::triggered, this, &IncludeMenu::BuildUCIMenu);

    m_mnuUCIs0 = m_mnuUC->addSeparator();
    m_mnuUCIs0->setObjectName(QStringLiteral("mnuUCIs"));
    m_mnuUCIs0->setData(0);
    m_mnuUCSep1 = m_mnuUC->addSeparator();
    m_mnuUCSep1->setObjectName(QStringLiteral("mnuUCSep1"));
    QAction *allUser = makeAction(m_mnuUC, QStringLiteral("mnuTAUC"), QStringLiteral("Toggle &All(User-created)"));
    connect(allUser, &QAction::triggered, this, &IncludeMenu::mnuTAUC_Click);
}

QMenu *IncludeMenu::groupMenu(SkinGroup group) const
{
    return m_groupMenus.value(group);
}

QAction *IncludeMenu::action(const QString &controlName) const
{
    return m_actions.value(controlName);
}

bool IncludeMenu::isTicked(const SkinItem &item) const
{
    const QAction *entry = action(item.menuItem);
    return entry && entry->isChecked();
}

QStringList IncludeMenu::tickedUserEntries() const
{
    QStringList texts;
    for (const QAction *entry : m_userEntries)
        if (entry->isChecked())
            texts << entry->text();
    return texts;
}

void IncludeMenu::toggleGroup(SkinGroup group)
{
    for (const SkinItem *item : SkinCatalogue::menuOrder(group))
        ToggleCheck(action(item->menuItem));
}

void IncludeMenu::mnuTggl_Click()
{
    for (const SkinGroupInfo &info : SkinCatalogue::groups())
        toggleGroup(info.group);
}

void IncludeMenu::mnuTAUC_Click()
{
    for (QAction *entry : std::as_const(m_userEntries))
        ToggleCheck(entry);
}

void IncludeMenu::removeUserEntries()
{
    const QList<QAction *> old = std::exchange(m_userEntries, {});
    for (QAction *entry : old) {
        m_mnuUC->removeAction(entry);
        delete entry;
    }
}

void IncludeMenu::addUserEntry(const QString &fileName, const CodePage &scriptPage)
{
    if (m_userEntries.size() >= kMaxUserEntries)
        throw AppError(ErrorNumber::BadArgument,
                       QStringLiteral("The User-Created menu holds at most %1 entries; \"%2\" and the "
                                      "files listed after it get none.")
                           .arg(QString::number(kMaxUserEntries), fileName));

    const QString path = QDir(m_workFolder).filePath(fileName);
    const QString line = tsf::readFirstLine(path);
    const QString description = tsf::descriptionOf(line, path);
    const QString palette = tsf::paletteOf(line, path);
    const QString skinFile = tsf::skinFileOf(line, path);
    // Players share these files: a field that could change what a line of Compile.bat runs
    // is reported here, and the item is not listed.
    if (const QString problem =
            batch::definitionProblem(palette, skinFile, QDir::toNativeSeparators(path), scriptPage);
        !problem.isEmpty())
        throw AppError(ErrorNumber::BadArgument, problem);

    auto *entry = new QAction(description + QStringLiteral(" * ") + fileName, m_mnuUC);
    entry->setObjectName(QStringLiteral("mnuUCIs"));
    entry->setCheckable(true);
    entry->setData(int(m_userEntries.size() + 1));
    m_mnuUC->insertAction(m_mnuUCSep1, entry);
    m_userEntries.append(entry);
}

void IncludeMenu::BuildUCIMenu()
{
    removeUserEntries();
    // A file that cannot be listed is reported once the others are listed; one bad file
    // never hides the ones after it.
    std::optional<AppError> firstFailure;
    QStringList notListed;
    try {
        const CodePage scriptPage = m_scriptCodePage();
        QDir::Filters filters = QDir::Files | QDir::NoDotAndDotDot;
#ifndef Q_OS_WIN
        // A name that starts with a dot is an ordinary name where .tsf files come from, and
        // Add Support saves such names: list them like any other.
        filters |= QDir::Hidden;
#endif
        QDirIterator listing(m_workFolder, {QStringLiteral("*.tsf")}, filters);
        while (listing.hasNext()) {
            listing.next();
            try {
                addUserEntry(listing.fileName(), scriptPage);
            } catch (const AppError &error) {
                if (!firstFailure)
                    firstFailure = error;
                notListed.append(listing.fileName());
            }
        }
    } catch (const AppError &error) {
        firstFailure = error;
    }
    if (!firstFailure)
        return;
    QString text = firstFailure->report();
    if (!notListed.isEmpty()) {
        constexpr qsizetype kNamesShown = 10;
        QString names = notListed.mid(0, kNamesShown).join(QStringLiteral(", "));
        if (notListed.size() > kNamesShown)
            names += QStringLiteral(" and %1 more").arg(notListed.size() - kNamesShown);
        text += QStringLiteral("\r\n\r\nNot listed in the menu: %1. Every other definition file is listed.").arg(names);
    }
    m_boxes.message(QStringLiteral("UCI Menu Build Error!"), text, PromptButtons::Ok, PromptIcon::Exclamation);
}

} // namespace brannock
