#pragma once

#include "look/LookPictures.h"

#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QPixmap>
#include <QString>

#include <array>

namespace brannock {

class Prompts;
class SettingsStore;

/// The picture places of the main window that the look fills: the three visible buttons,
/// their hidden normal / pointer-over holders, the title icon and the tray picture holder.
enum class LookSlot { Min0, Min1, BPicMin, Exit0, Exit1, BPicExit, Inc0, Inc1, BPicInc, PicIcon, SysImg };
inline constexpr int LookSlotCount = int(LookSlot::SysImg) + 1;

/// What the main window does for a refresh; the main window implements it.
class LookTargets {
public:
    virtual ~LookTargets() = default;
    /// Shows `picture` in the control or holder `slot`, at natural size from its top-left.
    virtual void setLookPicture(LookSlot slot, const QPixmap &picture) = 0;
    /// Replaces the whole persistent background (315 x 288) and repaints from it.
    virtual void setLookBackground(const QImage &background) = 0;
    /// Sets the text colour of Titlebar, LblOFP, LblSFP and LblVOL, in this order.
    virtual void setLookTextColour(const QColor &colour) = 0;
    /// ModifyTrayIcon with the window's tip and the picture now in SysImg.
    virtual void modifyTrayIcon(const QPixmap &sysImg) = 0;
    /// The topmost protocol around the failure box; both do nothing while the window is hidden.
    virtual void unsetAoT() = 0;
    virtual void setAoT() = 0;
    /// Device pixels per window pixel of the screen the pictures show on: the built-in ones
    /// are drawn for it.
    virtual qreal pictureRatio() const { return 1.0; }
};

/// RefreshForm and setDefaultSkins of the main window: applies the look folder named in
/// the settings (or the built-in pictures and the colour gradient) to the targets.
class LookRefresher final {
    Q_DECLARE_TR_FUNCTIONS(brannock::LookRefresher)
public:
    LookRefresher(const SettingsStore &store, Prompts &prompts, QStringList lookRoots, LookTargets &targets);

    /// False after "/nopaint/": RefreshForm then changes nothing.
    void setPaintLook(bool paintLook) { m_paintLook = paintLook; }
    bool paintLook() const { return m_paintLook; }

    /// Re-applies the whole look. A failure ends it at its step (what was applied stays)
    /// and shows the one "Hmm." box, which also names a settings store that cannot be read.
    void RefreshForm();

    /// Puts the built-in pictures back into every button, holder and icon, then updates
    /// the tray picture. Background and text colour stay.
    void setDefaultSkins();

    /// Start-up: when the look is painted, loads "sysicon.ico" of LookFolder (or of the
    /// program folder while no look folder was ever used) into SysImg. A file that cannot
    /// be read keeps the picture there; nothing is reported.
    void loadStartupSysIcon();

    /// The look folder last used, relative to the program folder ("Skins\Name\").
    const QString &lookFolder() const { return m_lookFolder; }
    /// The picture now in a slot (the built-in one until a refresh changes it).
    const QPixmap &picture(LookSlot slot) const { return m_pictures[std::size_t(slot)]; }
    /// What the window shows now, for the Skins dialog's preview.
    CurrentLook currentLook() const;

    /// The three lines of the look failure box, joined by CR LF.
    static QString failureText();
    static QString failureTitle() { return tr("Hmm."); }

private:
    void put(LookSlot slot, const QPixmap &picture);
    void applyLookFolder(bool &backgroundLoaded);
    void applyGradient();
    void applyTextColour();
    QString lookFile(const QString &fileName) const;
    /// The "Hmm." box; `storeFailure` (the report of a settings store that cannot be read)
    /// follows the fixed text when given.
    void reportFailure(const QString &storeFailure = {});

    const SettingsStore &m_store;
    Prompts &m_prompts;
    QStringList m_lookRoots;
    LookTargets &m_targets;
    bool m_paintLook = true;
    QString m_lookFolder;
    QImage m_background;
    std::array<QPixmap, LookSlotCount> m_pictures;
};

/// Loads a look picture at natural size; throws AppError when the file cannot be read
/// as a picture. For icon files the 16 x 16 image is taken when there is one.
QPixmap loadLookPicture(const QString &nativePath);

} // namespace brannock
