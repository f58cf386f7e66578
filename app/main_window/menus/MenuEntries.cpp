#include "main_window/menus/MenuEntries.h"

#include <QAction>
#include <QActionEvent>
#include <QCoreApplication>
#include <QWidget>

#ifdef BRANNOCK_HAVE_QT_PRIVATE
#include <QtGui/private/qaction_p.h>
#include <QtWidgets/private/qwidget_p.h>
#endif

namespace brannock {

namespace {

/// The entries one by one, through the widget's own calls (time grows with the square of
/// their number).
void replaceOneByOne(QWidget *menu, QAction *before, const QList<QAction *> &old, const QList<QAction *> &fresh)
{
    for (QAction *entry : old)
        menu->removeAction(entry);
    menu->insertActions(before, fresh);
}

} // namespace

#ifdef BRANNOCK_HAVE_QT_PRIVATE

// QWidget::insertAction and removeAction look the entry up in the widget's whole list each
// time, which makes filling a menu of n entries take n * n steps. Here the list is changed
// once, and each entry gets what those calls give it: the widget in the entry's own list and
// the ActionRemoved / ActionAdded event sent to the widget.
void replaceMenuEntries(QWidget *menu, QAction *before, const QList<QAction *> &old,
                        const QList<QAction *> &fresh)
{
    QList<QAction *> &entries = QWidgetPrivate::get(menu)->actions;
    const qsizetype at = before ? entries.indexOf(before) : -1;
    // As insertAction does: an entry that is not in the menu stands for its end.
    QAction *const next = at >= 0 ? before : nullptr;
    const qsizetype end = at >= 0 ? at : entries.size();
    const qsizetype start = end - old.size();
    if (start < 0 || entries.mid(start, old.size()) != old)
        return replaceOneByOne(menu, before, old, fresh); // not one run before `before`

    for (QAction *entry : old) {
        QActionPrivate::get(entry)->associatedObjects.removeAll(menu);
        QActionEvent removed(QEvent::ActionRemoved, entry);
        QCoreApplication::sendEvent(menu, &removed);
    }
    QList<QAction *> replaced;
    replaced.reserve(entries.size() - old.size() + fresh.size());
    replaced.append(entries.first(start));
    replaced.append(fresh);
    replaced.append(entries.sliced(end));
    entries = std::move(replaced);

    for (QAction *entry : fresh) {
        QActionPrivate::get(entry)->associatedObjects.append(menu);
        QActionEvent added(QEvent::ActionAdded, entry, next);
        QCoreApplication::sendEvent(menu, &added);
    }
}

#else

void replaceMenuEntries(QWidget *menu, QAction *before, const QList<QAction *> &old,
                        const QList<QAction *> &fresh)
{
    replaceOneByOne(menu, before, old, fresh);
}

#endif

} // namespace brannock
