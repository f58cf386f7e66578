#pragma once

#include "common/SettingsSchema.h"
#include "dialogs/config/ColourDialog.h"
#include "dialogs/config/RandomDesign.h"

#include <QDialog>
#include <QList>
#include <QPointer>

#include <functional>
#include <memory>
#include <utility>

class QLineEdit;

namespace Ui {
class FrmCfg;
}

namespace brannock {

class Prompts;
class SettingsStore;

/// The Configuration dialog "Wendle Config": the game folder, the two build options and
/// the palette of each skin category, plus the three colour buttons. It loads its fields
/// from the store when created; every way of closing it saves them (there is no Cancel)
/// and then asks the main window to refresh its look.
class FrmCfg final : public QDialog {
    Q_OBJECT

public:
    /// Loads the fields and draws the picture; a store that cannot be read gives one
    /// message box before this returns, and the dialog still opens with what was read.
    FrmCfg(SettingsStore &store, Prompts &prompts, std::function<void()> refreshForm,
           QWidget *parent = nullptr, RandomSource random = clockSeededRandom());
    ~FrmCfg() override;

    /// Closes an open colour dialog without saving it, then saves and closes this one.
    void UnloadAll();

    /// The 13 settings Done writes, in the order it writes them.
    QList<std::pair<schema::SettingKey, QString>> settingsToSave() const;

protected:
    /// Esc and the frame's close button end the dialog the way CmdDone does.
    void reject() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct PaletteField {
        schema::Setting setting;
        QLineEdit *field;
    };

    void Form_Load();
    void Done();
    void CmdDefault_Click();
    void openColourDialog(ColourTarget target);
    void DrawRandomDesign();

    std::unique_ptr<Ui::FrmCfg> m_ui;
    SettingsStore &m_store;
    Prompts &m_prompts;
    std::function<void()> m_refreshForm;
    RandomSource m_random;
    QImage m_template;

    QList<PaletteField> m_palettes; ///< in the order the fields are loaded
    QPointer<ColourDialog> m_openColour;
    bool m_closing = false;
};

} // namespace brannock
