#pragma once

#include "common/SettingsSchema.h"

#include <QColor>
#include <QDialog>

#include <array>
#include <memory>

class QLineEdit;

namespace Ui {
class ColourDialog;
}

namespace brannock {

class Prompts;
class SettingsStore;

/// Which of the main window's three colours a colour dialog edits.
enum class ColourTarget { Color1, Color2, Text };

/// How the three colour dialogs differ: window name, caption and the three keys.
struct ColourDialogKind {
    const char *objectName;
    const char *caption; ///< in English; the window shows it in the player's language
    std::array<schema::Setting, 3> keys; ///< red, green, blue
};

const ColourDialogKind &colourDialogKind(ColourTarget target);

/// FrmColor1, FrmColor2 and FrmColorTxt: red, green and blue fields with a live preview.
/// Every change of a field is checked at once; OK saves the fields' texts, every other
/// way of closing saves nothing.
class ColourDialog final : public QDialog {
    Q_OBJECT

public:
    /// Loads the fields from the store; throws AppError when the store cannot be read.
    ColourDialog(SettingsStore &store, Prompts &prompts, ColourTarget target, QWidget *parent = nullptr);
    ~ColourDialog() override;

    /// The colour of the preview `PicClr`.
    QColor previewColour() const;

    /// Writes the three fields' texts to the dialog's keys; throws AppError.
    void SaveColour();

private:
    void ValidateColour();
    void CmdOK_Click();

    std::unique_ptr<Ui::ColourDialog> m_ui;
    SettingsStore &m_store;
    Prompts &m_prompts;
    const ColourDialogKind &m_kind;
    std::array<QLineEdit *, 3> m_fields{};
    std::array<int, 3> m_components{255, 255, 255};
    bool m_validating = false;
};

} // namespace brannock
