#pragma once

#include "look/LookPictures.h"

#include <QDialog>
#include <QImage>

#include <functional>

class QComboBox;
class QLabel;

namespace brannock {

class Prompts;
class SettingsStore;
class SkinsPreview;

/// The Skins dialog ("Brannock Skin Manager"): picks the main window's look from the look
/// folders under `Skins`, the built-in look ("Default") or the look in use ("Current
/// Settings"), with a life-size preview of the main window's upper part. Modeless.
class FrmSkins final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY(FrmSkins)
public:
    /// `currentLook` gives what the main window shows now; `refreshForm` re-applies the look
    /// after a choice is stored; `setBandAlways` moves the main window into (true) or out of
    /// (false) the always-on-top band, also while it is hidden.
    FrmSkins(SettingsStore &store, Prompts &prompts, QStringList lookRoots,
             std::function<CurrentLook()> currentLook, std::function<void()> refreshForm,
             std::function<void(bool topmost)> setBandAlways, QWidget *parent = nullptr);
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
    std::function<CurrentLook()> m_currentLook;
    std::function<void()> m_refreshForm;
    std::function<void(bool)> m_setBandAlways;

    QComboBox *m_cboSkins = nullptr;
    SkinsPreview *m_picPreview = nullptr;
    QLabel *m_picMin = nullptr;
    QLabel *m_picExit = nullptr;
    QLabel *m_picInc = nullptr;
    QLabel *m_picIcon = nullptr;
    QLabel *m_picSysIcon = nullptr;
};

} // namespace brannock
