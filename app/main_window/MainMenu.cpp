#include "main_window/MainMenu.h"

#include "tray/HideShow.h"

#include <QMenu>
#include <QWidget>

namespace brannock {

namespace {

QAction *addEntry(QMenu *menu, const char *name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1StringView(name));
    return action;
}

void addSeparator(QMenu *menu, const char *name)
{
    menu->addSeparator()->setObjectName(QLatin1StringView(name));
}

} // namespace

MainMenu::MainMenu(QWidget *owner) : QObject(owner), m_menu(new QMenu(QStringLiteral("MainMenu"), owner))
{
    m_menu->setObjectName(QStringLiteral("mnuMain"));
    m_menu->setAccessibleName(tr("Main Menu"));
    m_cfg = addEntry(m_menu, "mnuCfg", tr("&Configuration"));
    m_refresh = addEntry(m_menu, "mnuRefresh", tr("&Refresh Main Form"));
    addSeparator(m_menu, "mnuSep0");
    m_hideShow = addEntry(m_menu, "mnuHS", HideShow::hideCaption());
    addSeparator(m_menu, "mnuSep1");
    m_about = addEntry(m_menu, "mnuAbout", tr("&About Brannock"));
    m_exit = addEntry(m_menu, "mnuExit", tr("E&xit"));
}

MainMenu::~MainMenu() = default;

void MainMenu::popup(const QPoint &globalPos, QAction *defaultEntry)
{
    m_menu->setDefaultAction(defaultEntry);
    m_menu->popup(globalPos);
}

} // namespace brannock
