#pragma once

#include "look/LookPictures.h"

#include <QDialog>
#include <QImage>

class QComboBox;
class QLabel;

namespace brannock {

class Prompts;
class SettingsStore;
class SkinsPreview;

/// What the Skins dialog asks of the main window.
class SkinsDialogOwner {
public:
    virtual ~SkinsDialogOwner() = default;
    /// What the main window shows now.
    virtual CurrentLook currentLook() const = 0;
    /// Re-applies the look after a choice is stored.
    virtual void refreshForm() = 0;
    /// Moves the main window into (true) or out of (false) the always-on-top band, also
    /// while it is hidden.
    virtual void setBandAlways(bool topmost) = 0;
};

/// The Skins dialog ("Brannock Skin Manager"): picks the main window's look from the look
/// folders under `Skins`, the built-in look ("Default") or the look in use ("Current
/// Settings"), with a life-size preview of the main window's upper part. Modeless.
class FrmSkins final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY(FrmSkins)
public:
    FrmSkins(SettingsStore &store, Prompts &prompts, QStringList lookRoots, SkinsDialogOwner &owner,
             QWidget *parent = nullptr);
    ~FrmSkins() override;

    /// Preview of the look now on the main window.
    void ShowCurrentLook();
    /// Preview with the built-in pictures, over the stored gradient unless `skipGradient`.
    void ShowDefaultLook(bool skipGradient);

private:
    void cboSkins_Click();
    void CmdOK_Click();
    void cmdCncl_Click();

    void previewLookFolder(const QString &name);
    void setTextColour(const QColor &colour);
    void reportFailure(const QString &text);

    SettingsStore &m_store;
    Prompts &m_prompts;
    QStringList m_lookRoots;
    SkinsDialogOwner &m_owner;

    QComboBox *m_cboSkins = nullptr;
    SkinsPreview *m_picPreview = nullptr;
    QLabel *m_picMin = nullptr;
    QLabel *m_picExit = nullptr;
    QLabel *m_picInc = nullptr;
    QLabel *m_picIcon = nullptr;
    QLabel *m_picSysIcon = nullptr;
};

} // namespace brannock
