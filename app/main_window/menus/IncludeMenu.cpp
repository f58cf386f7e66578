#include "main_window/menus/IncludeMenu.h"

#include "base/AppError.h"
#include "common/NameOrder.h"
#include "desktop/Prompts.h"
#include "items/TsfFile.h"
#include "main_window/menus/MenuEntries.h"
#include "platform/FileListing.h"
#include "skinset/BatchText.h"
#include "widgets/Accessibility.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QThread>

#include <algorithm>
#include <memory>
#include <optional>

namespace brannock {

namespace {

/// A menu caption that shows `text` as it is: "&" would mark the next letter as the access key.
QString captionOf(const QString &text)
{
    return QString(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
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
    // A background read still on its way reads into values of its own; it ends before its
    // thread goes with this object.
    for (QThread *reading : findChildren<QThread *>(Qt::FindDirectChildrenOnly))
        reading->wait();
    delete m_mnuInc;
}

void IncludeMenu::ensureMenus()
{
    if (m_mnuInc)
        return;
    m_mnuInc = new QMenu(QStringLiteral("IncludeMenu"));
    m_mnuInc->setObjectName(QStringLiteral("mnuInc"));
    m_mnuInc->setAccessibleName(tr("Include"));
    createBuiltInMenus();
    createUserCreatedMenu();
}

QMenu *IncludeMenu::includeMenu()
{
    ensureUserEntries();
    return m_mnuInc;
}

QMenu *IncludeMenu::userCreatedMenu()
{
    ensureUserEntries();
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

QMenu *IncludeMenu::groupMenu(SkinGroup group)
{
    ensureMenus();
    return m_groupMenus.value(group);
}

QAction *IncludeMenu::action(const QString &controlName)
{
    ensureMenus();
    return m_actions.value(controlName);
}

bool IncludeMenu::isTicked(const SkinItem &item) const
{
    if (!m_mnuInc) // the marks the menus start with
        return item.group == SkinGroup::Team;
    const QAction *entry = m_actions.value(item.menuItem);
    return entry && entry->isChecked();
}

QStringList IncludeMenu::tickedUserEntries() const
{
    QStringList texts;
    if (!m_userEntriesMade)
        return texts; // entries not made yet were never ticked
    for (const QAction *entry : m_userEntries)
        if (entry->isChecked())
            texts << spokenCaption(entry->text()); // the text captionOf made the caption of
    return texts;
}

QList<QAction *> IncludeMenu::userEntries()
{
    ensureUserEntries();
    return m_userEntries;
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
    ensureUserEntries();
    for (QAction *entry : std::as_const(m_userEntries))
        ToggleCheck(entry);
}

namespace {

/// The entry text for the definition file `fileName` in `folder`; throws AppError when the
/// file cannot be listed.
QString userEntryText(const QDir &folder, const QString &fileName, const CodePage &scriptPage)
{
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
    return description + QStringLiteral(" * ") + fileName;
}

} // namespace

UserEntryList readUserEntries(const QString &folder, const CodePage &scriptPage)
{
    // A file that cannot be listed is reported once the others are listed; one bad file
    // never hides the ones after it.
    UserEntryList read;
    const QDir dir(folder);
    // One pass over the folder. A folder that cannot be read (not made yet) lists nothing.
    FolderListing listing = listFilesEndingIn(dir.path(), QLatin1StringView(".tsf"));
    sortNamesForLists(listing.names); // as the Skins list: not in the order the folder keeps them
    read.texts.reserve(std::min<qsizetype>(listing.names.size(), IncludeMenu::kMaxUserEntries));
    for (const QString &fileName : std::as_const(listing.names)) {
        try {
            if (read.texts.size() >= IncludeMenu::kMaxUserEntries)
                throw AppError(ErrorNumber::BadArgument,
                               IncludeMenu::tr("The User-Created menu holds at most %1 entries; \"%2\" and the "
                                               "files listed after it get none.")
                                   .arg(QString::number(IncludeMenu::kMaxUserEntries), fileName));
            read.texts.append(userEntryText(dir, fileName, scriptPage));
        } catch (const AppError &error) {
            if (!read.firstFailure)
                read.firstFailure = error;
            read.notListed.append(batch::visibleText(fileName));
        }
    }
    return read;
}

void IncludeMenu::ensureUserEntries()
{
    ensureMenus();
    // Needed before a background read is done: the files are read now instead.
    if (m_readingInBackground)
        BuildUCIMenu();
    if (m_userEntriesMade)
        return;
    m_userEntriesMade = true;
    // The entries of one build share an owner (in the menu), so they are deleted together.
    auto *owner = new QObject(m_mnuUC);
    QList<QAction *> fresh;
    fresh.reserve(m_userTexts.size());
    for (const QString &text : std::as_const(m_userTexts)) {
        auto *entry = new QAction(captionOf(text), owner);
        entry->setObjectName(QStringLiteral("mnuUCIs"));
        entry->setCheckable(true);
        entry->setData(int(fresh.size() + 1));
        announceTicks(entry);
        fresh.append(entry);
    }
    // The new entries replace the old ones in one step; the old go with their owner.
    const QList<QAction *> old = std::exchange(m_userEntries, std::move(fresh));
    replaceMenuEntries(m_mnuUC, m_mnuUCSep1, old, m_userEntries);
    delete std::exchange(m_userEntryOwner, owner);
}

void IncludeMenu::takeUserEntries(UserEntryList read)
{
    m_userTexts = std::move(read.texts);
    m_userEntriesMade = false;
    if (m_userEntryOwner)
        ensureUserEntries(); // entries made before may have been handed out: they stay whole
    emit userEntriesBuilt();
    if (!read.firstFailure)
        return;
    QString text = read.firstFailure->report();
    if (!read.notListed.isEmpty()) {
        constexpr qsizetype kNamesShown = 10;
        QString names = read.notListed.mid(0, kNamesShown).join(QStringLiteral(", "));
        if (read.notListed.size() > kNamesShown)
            names += tr(" and %1 more").arg(read.notListed.size() - kNamesShown);
        text += tr("\r\n\r\nNot listed in the menu: %1. Every other definition file is listed.").arg(names);
    }
    m_boxes.message(tr("UCI Menu Build Error!"), text, PromptButtons::Ok, PromptIcon::Exclamation);
}

void IncludeMenu::BuildUCIMenu()
{
    ++m_buildNumber; // a background read still on its way is of an older build
    m_readingInBackground = false;
    UserEntryList read;
    try {
        read = readUserEntries(m_workFolder, m_scriptCodePage());
    } catch (const AppError &error) {
        read.firstFailure = error;
    }
    takeUserEntries(std::move(read));
}

void IncludeMenu::BuildUCIMenuInBackground()
{
    const int build = ++m_buildNumber;
    m_readingInBackground = true;
    std::optional<CodePage> page;
    auto read = std::make_shared<UserEntryList>();
    try {
        page = m_scriptCodePage();
    } catch (const AppError &error) {
        read->firstFailure = error;
    }
    QThread *reading = QThread::create([read, page, folder = m_workFolder] {
        if (page)
            *read = readUserEntries(folder, *page);
    });
    reading->setParent(this);
    // Queued to this thread: the entries are taken here, where the menus live.
    connect(reading, &QThread::finished, this, [this, reading, read, build] {
        reading->wait(); // it has all but ended once it says so
        delete reading;
        if (build != m_buildNumber)
            return;
        m_readingInBackground = false;
        takeUserEntries(std::move(*read));
    });
    // Below everything else: the window's own work after its first frame goes first. Should
    // the entries be needed before the read is done, they are read at once (ensureUserEntries).
    reading->start(QThread::IdlePriority);
}

} // namespace brannock
