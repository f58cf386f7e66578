#pragma once

#include <QPixmap>
#include <QString>
#include <QtGlobal>

#include <functional>

namespace brannock {

class Tray;

/// The program's one tray icon and the record it was last given (tip and picture).
class SysTray final {
    Q_DISABLE_COPY(SysTray)
public:
    /// `endProgram` ends the program at once; RemoveTrayIconAndEnd calls it.
    SysTray(Tray &tray, std::function<void()> endProgram);

    /// The tip every caller passes.
    static QString tipText() { return QStringLiteral("Kestrow Wendle VI"); }

    /// Removes an icon left from before, then adds it with `tip` and `picture`.
    void AddTrayIcon(const QString &tip, const QPixmap &picture);
    /// Gives the icon a new tip and picture; no effect before AddTrayIcon.
    void ModifyTrayIcon(const QString &tip, const QPixmap &picture);
    void RemoveTrayIcon();
    /// A balloon message from the icon (while the window is hidden); nothing without the icon.
    void ShowTrayMessage(const QString &title, const QString &text, bool warning);
    /// RemoveTrayIcon, then ends the program.
    void RemoveTrayIconAndEnd();

    bool isAdded() const { return m_added; }

private:
    void fill(const QString &tip, const QPixmap &picture);

    Tray &m_tray;
    std::function<void()> m_endProgram;
    bool m_added = false;
};

} // namespace brannock
