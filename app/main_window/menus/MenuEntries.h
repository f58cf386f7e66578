#pragma once

#include <QList>

class QAction;
class QWidget;

namespace brannock {

/// Takes the run of entries `old` out of `menu` and puts `fresh` in their place, in one step:
/// `old` stands in the menu directly before `before` (or at the end when `before` is null) and
/// `fresh` (entries not in the menu yet) ends up there in its own order. The menu is told of every entry taken out and put
/// in, as when entries are removed and inserted one by one, but the time grows only linearly
/// with the entries, so a menu of tens of thousands of entries is replaced at once. The old
/// entries are only taken out; deleting them is the caller's choice.
void replaceMenuEntries(QWidget *menu, QAction *before, const QList<QAction *> &old,
                        const QList<QAction *> &fresh);

} // namespace brannock
