#pragma once

#include <QAccessible>
#include <QString>

class QAbstractButton;
class QAction;
class QWidget;

namespace brannock {

/// What assistive technology (a screen reader, through AT-SPI or UI Automation) is told about
/// controls whose kind Qt cannot see: a plain widget that is a window or a panel, a label
/// that opens a menu, a ticked menu entry. Set before the control is first shown.
void setAccessibleRole(QWidget *widget, QAccessible::Role role);

/// A caption as it is read out: without the "&" that marks its access key ("&&" reads "&").
QString spokenCaption(const QString &caption);

/// A menu entry that can be ticked is read as a tick box, ticked or not, and every change of
/// its mark is told to assistive technology as it happens (Qt 6.4 says neither).
void announceTicks(QAction *entry);

/// The entry keeps its caption, underlined letter and all, but that letter no longer chooses
/// it in its menu (another entry of the menu owns the letter); assistive technology reads no
/// access key for it.
void withdrawAccessKey(QAction *entry);

/// Enter and Return press the button while it has the focus, as Space does, without making it
/// the default button of its dialog (Enter elsewhere in the dialog stays as it was).
void pressWithEnter(QAbstractButton *button);

} // namespace brannock
