#include "dialogs/config/ColourDialog.h"

#include "base/AppError.h"
#include "common/SettingsStore.h"
#include "desktop/Prompts.h"
#include "dialogs/config/ColourCheck.h"

#include "ui_ColourDialog.h"

namespace brannock {

namespace {

const std::array<ColourDialogKind, 3> kKinds{{
    {"FrmColor1", QT_TRANSLATE_NOOP("brannock::ColourDialog", "Color 1"), {schema::ColorR1, schema::ColorG1, schema::ColorB1}},
    {"FrmColor2", QT_TRANSLATE_NOOP("brannock::ColourDialog", "Color 2"), {schema::ColorR2, schema::ColorG2, schema::ColorB2}},
    {"FrmColorTxt", QT_TRANSLATE_NOOP("brannock::ColourDialog", "Text Color"), {schema::ColorTxtR, schema::ColorTxtG, schema::ColorTxtB}},
}};

/// Each field is coloured after its component: a dark background with bright text.
struct FieldLook {
    QColor background;
    QColor text;
};

const std::array<FieldLook, 3> kFieldLooks{{
    {QColor(128, 0, 0), QColor(255, 0, 0)},
    {QColor(0, 128, 0), QColor(0, 255, 0)},
    {QColor(0, 0, 128), QColor(0, 0, 255)},
}};

} // namespace

const ColourDialogKind &colourDialogKind(ColourTarget target)
{
    return kKinds[std::size_t(target)];
}

ColourDialog::ColourDialog(SettingsStore &store, Prompts &prompts, ColourTarget target, QWidget *parent)
    : QDialog(parent),
      m_ui(std::make_unique<Ui::ColourDialog>()),
      m_store(store),
      m_prompts(prompts),
      m_kind(colourDialogKind(target))
{
    setObjectName(QString::fromLatin1(m_kind.objectName));
    m_ui->setupUi(this);
    setWindowTitle(tr(m_kind.caption));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // Modal to the windows it belongs to only: the tray icon stays alive while it is open.
    setWindowModality(Qt::WindowModal);

    m_fields = {m_ui->TxtR, m_ui->TxtG, m_ui->TxtB};
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        QPalette colours = m_fields[i]->palette();
        colours.setColor(QPalette::Base, kFieldLooks[i].background);
        colours.setColor(QPalette::Text, kFieldLooks[i].text);
        m_fields[i]->setPalette(colours);
        m_fields[i]->setMaxLength(schema::MaxValueLength);
        connect(m_fields[i], &QLineEdit::textChanged, this, &ColourDialog::ValidateColour);
    }
    QPalette preview = m_ui->PicClr->palette();
    preview.setColor(QPalette::Window, Qt::white);
    m_ui->PicClr->setPalette(preview);

    connect(m_ui->CmdOK, &QPushButton::clicked, this, &ColourDialog::CmdOK_Click);
    connect(m_ui->CmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(sizeHint());

    // Load: each field from its key (missing keys show "255"); every setting is checked.
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        m_fields[i]->setText(m_store.read(m_kind.keys[i], schema::Reader::Dialogs));
}

ColourDialog::~ColourDialog() = default;

QColor ColourDialog::previewColour() const
{
    return m_ui->PicClr->palette().color(QPalette::Window);
}

void ColourDialog::ValidateColour()
{
    // Replacing a field's text below is itself a change; the replacement is always valid,
    // so the nested check is skipped rather than run again to the same result.
    if (m_validating)
        return;
    m_validating = true;
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const ColourCheck check = checkColourText(m_fields[i]->text());
        m_components[i] = check.component;
        if (check.replaced)
            m_fields[i]->setText(*check.replaced);
    }
    m_validating = false;
    QPalette preview = m_ui->PicClr->palette();
    preview.setColor(QPalette::Window, QColor(m_components[0], m_components[1], m_components[2]));
    m_ui->PicClr->setPalette(preview);
}

void ColourDialog::SaveColour()
{
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        m_store.WriteSetting(m_kind.keys[i], m_fields[i]->text());
}

void ColourDialog::CmdOK_Click()
{
    try {
        SaveColour();
    } catch (const AppError &error) {
        // Nothing closes on a failed save: the typed colour is still there to retry or cancel.
        m_prompts.message(tr("Color Error!"), error.report(), PromptButtons::Ok,
                          PromptIcon::Exclamation);
        return;
    }
    accept();
}

} // namespace brannock
