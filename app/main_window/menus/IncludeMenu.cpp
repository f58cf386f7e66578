#include "main_window/menus/IncludeMenu.h"

#include "base/AppError.h"
#include "common/NameOrder.h"
#include "skinset/BatchText.h"
#include "platform/FileListing.h"
#include "desktop/Prompts.h"
#include "items/TsfFile.h"
#include "main_window/menus/MenuEntries.h"
#include "widgets/Accessibility.h"

#include <QAction>
#include <QDir>
#include <QMenu>

#include <algorithm>
#include <optional>

namespace brannock {

namespace {

/// A menu caption that shows `text` as it is: "&" would mark the next letter as the access key.
QString captionOf(const QString &text)
{
    return QString(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

/// The text a caption made by captionOf shows.
QString textOfCaption(const QString &caption)
{
    return QString(caption).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

} // namespace

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
}

IncludeMenu::~IncludeMenu()
{
    delete m_mnuInc;
}

void IncludeMenu::ensureMenus() const
{
    if (m_mnuInc)
        return;
    auto *self = const_cast<IncludeMenu *>(this); // made once, on the first look at them
    self->m_mnuInc = new QMenu(QStringLiteral("IncludeMenu"));
    self->m_mnuInc->setObjectName(QStringLiteral("mnuInc"));
    self->m_mnuInc->setAccessibleName(tr("Include"));
    self->createBuiltInMenus();
    self->createUserCreatedMenu();
}

QMenu *IncludeMenu::includeMenu() const
{
    ensureMenus();
    return m_mnuInc;
}

QMenu *IncludeMenu::userCreatedMenu() const
{
    ensureMenus();
    return m_mnuUC;
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
        QMenu *menu = m_mnuInc->addMenu(SkinCatalogue::translated(info.caption));
        menu->setObjectName(info.menuName);
        menu->setAccessibleName(spokenCaption(menu->title()));
        menu->menuAction()->setObjectName(info.menuName);
        m_groupMenus.insert(info.group, menu);

        for (const SkinItem *item : SkinCatalogue::menuOrder(info.group)) {
            // A checkable entry flips its own mark when chosen: that is its whole handler.
            QAction *entry = makeAction(menu, item->menuItem, SkinCatalogue::translated(item->caption));
            entry->setCheckable(true);
            entry->setChecked(info.group == SkinGroup::Team);
            announceTicks(entry);
        }
        menu->addSeparator()->setObjectName(info.separatorName);
        QAction *toggle = makeAction(menu, info.toggleName, SkinCatalogue::translated(info.toggleCaption));
        const SkinGroup group = info.group;
        connect(toggle, &QAction::triggered, this, [this, group] { toggleGroup(group); });
    }

    m_mnuInc->addSeparator()->setObjectName(QStringLiteral("mnuISep1"));
    QAction *all = makeAction(m_mnuInc, QStringLiteral("mnuTggl"), tr("Toggle &All(Non-User-created)"));
    connect(all, &QAction::triggered, this, &IncludeMenu::mnuTggl_Click);
    m_mnuInc->addSeparator()->setObjectName(QStringLiteral("mnuISep2"));
}

void IncludeMenu::createUserCreatedMenu()
{
    m_mnuUC = m_mnuInc->addMenu(tr("&User-Created"));
    m_mnuUC->setObjectName(QStringLiteral("mnuUC"));
    m_mnuUC->setAccessibleName(tr("User-Created"));
    m_mnuUC->menuAction()->setObjectName(QStringLiteral("mnuUC"));

    QAction *add = makeAction(m_mnuUC, QStringLiteral("mnuUCAdd"), tr("&Add Support..."));
    connect(add, &QAction::triggered, this, &IncludeMenu::addSupportRequested);
    QAction *rebuild = makeAction(m_mnuUC, QStringLiteral("mnuRebuildUCI"), tr("&Rebuild Menu"));
    connect(rebuild, &QAction::triggered, this, &IncludeMenu::BuildUCIMenu);

    m_mnuUCIs0 = m_mnuUC->addSeparator();
    m_mnuUCIs0->setObjectName(QStringLiteral("mnuUCIs"));
    m_mnuUCIs0->setData(0);
    m_mnuUCSep1 = m_mnuUC->addSeparator();
    m_mnuUCSep1->setObjectName(QStringLiteral("mnuUCSep1"));
    QAction *allUser = makeAction(m_mnuUC, QStringLiteral("mnuTAUC"), tr("Toggle &All(User-created)"));
    connect(allUser, &QAction::triggered, this, &IncludeMenu::mnuTAUC_Click);
    // Both captions show "A": the key opens Add Support, and never flips every mark.
    withdrawAccessKey(allUser);
}

QMenu *IncludeMenu::groupMenu(SkinGroup group) const
{
    ensureMenus();
    return m_groupMenus.value(group);
}

QAction *IncludeMenu::action(const QString &controlName) const
{
    ensureMenus();
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
            texts << textOfCaption(entry->text());
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

QAction *IncludeMenu::makeUserEntry(QObject *owner, const QDir &folder, const QString &fileName,
                                    qsizetype number, const CodePage &scriptPage)
{
    if (number > kMaxUserEntries)
        throw AppError(ErrorNumber::BadArgument,
                       tr("The User-Created menu holds at most %1 entries; \"%2\" and the "
                                      "files listed after it get none.")
                           .arg(QString::number(kMaxUserEntries), fileName));

    const QString path = folder.filePath(fileName);
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

    auto *entry = new QAction(captionOf(description + QStringLiteral(" * ") + fileName), owner);
    entry->setObjectName(QStringLiteral("mnuUCIs"));
    entry->setCheckable(true);
    entry->setData(int(number));
    announceTicks(entry);
    return entry;
}

void IncludeMenu::replaceUserEntries(QObject *owner, QList<QAction *> fresh)
{
    const QList<QAction *> old = std::exchange(m_userEntries, std::move(fresh));
    replaceMenuEntries(m_mnuUC, m_mnuUCSep1, old, m_userEntries);
    // The old entries go with their owner, all at once.
    delete std::exchange(m_userEntryOwner, owner);
}

void IncludeMenu::BuildUCIMenu()
{
    // A file that cannot be listed is reported once the others are listed; one bad file
    // never hides the ones after it. The new entries replace the old ones in one step.
    ensureMenus();
    std::optional<AppError> firstFailure;
    QStringList notListed;
    // The entries of one build share an owner (in the menu), so they are deleted together.
    auto *owner = new QObject(m_mnuUC);
    QList<QAction *> fresh;
    try {
        const CodePage scriptPage = m_scriptCodePage();
        const QDir folder(m_workFolder);
        // One pass over the folder. A folder that cannot be read (not made yet) lists nothing.
        FolderListing listing = listFilesEndingIn(folder.path(), QLatin1StringView(".tsf"));
        sortNamesForLists(listing.names); // as the Skins list: not in the order the folder keeps them
        fresh.reserve(std::min<qsizetype>(listing.names.size(), kMaxUserEntries));
        for (const QString &fileName : std::as_const(listing.names)) {
            try {
                fresh.append(makeUserEntry(owner, folder, fileName, fresh.size() + 1, scriptPage));
            } catch (const AppError &error) {
                if (!firstFailure)
                    firstFailure = error;
                notListed.append(batch::visibleText(fileName));
            }
        }
    } catch (const AppError &error) {
        firstFailure = error;
    }
    replaceUserEntries(owner, std::move(fresh));
    if (!firstFailure)
        return;
    QString text = firstFailure->report();
    if (!notListed.isEmpty()) {
        constexpr qsizetype kNamesShown = 10;
        QString names = notListed.mid(0, kNamesShown).join(QStringLiteral(", "));
        if (notListed.size() > kNamesShown)
            names += tr(" and %1 more").arg(notListed.size() - kNamesShown);
        text += tr("\r\n\r\nNot listed in the menu: %1. Every other definition file is listed.").arg(names);
    }
    m_boxes.message(tr("UCI Menu Build Error!"), text, PromptButtons::Ok, PromptIcon::Exclamation);
}

} // namespace brannock
