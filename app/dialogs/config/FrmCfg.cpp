#include "dialogs/config/FrmCfg.h"

#include "base/AppError.h"
#include "common/SettingsStore.h"
#include "desktop/Prompts.h"

#include "ui_FrmCfg.h"

#include <QMouseEvent>

#include <array>

namespace brannock {

namespace {

/// The palette fields in the order they are loaded and saved.
const std::array<std::pair<QLineEdit *Ui::FrmCfg::*, schema::Setting>, schema::PaletteCategories.size()> kPaletteFields{{
    {&Ui::FrmCfg::TxtArmors, schema::PalArmors},
    {&Ui::FrmCfg::TxtFlags, schema::PalFlags},
    {&Ui::FrmCfg::TxtDoors, schema::PalDoors},
    {&Ui::FrmCfg::TxtEmblems, schema::PalEmblems},
    {&Ui::FrmCfg::TxtFlyers, schema::PalFlyers},
    {&Ui::FrmCfg::TxtGens, schema::PalGenerators},
    {&Ui::FrmCfg::TxtSensors, schema::PalSensors},
    {&Ui::FrmCfg::TxtSolars, schema::PalSolarPanels},
    {&Ui::FrmCfg::TxtStations, schema::PalStations},
    {&Ui::FrmCfg::TxtTurrets, schema::PalTurrets},
}};

} // namespace

FrmCfg::FrmCfg(SettingsStore &store, Prompts &prompts, std::function<void()> refreshForm, QWidget *parent,
               RandomSource random)
    : QDialog(parent),
      m_ui(std::make_unique<Ui::FrmCfg>()),
      m_store(store),
      m_prompts(prompts),
      m_refreshForm(std::move(refreshForm)),
      m_random(std::move(random)),
      m_template(designTemplate())
{
    m_ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // Modal to the windows it belongs to only: the tray icon stays alive while it is open.
    setWindowModality(Qt::WindowModal);
    // The four dividing lines are one control array: they share the name.
    for (QFrame *line : {m_ui->FLine_1, m_ui->FLine_2, m_ui->FLine_3})
        line->setObjectName(m_ui->FLine->objectName());
    for (const auto &[field, key] : kPaletteFields)
        m_palettes.append({key, m_ui.get()->*field});
    // No box takes more than the store keeps.
    m_ui->TxtPath->setMaxLength(schema::MaxValueLength);
    for (const PaletteField &palette : std::as_const(m_palettes))
        palette.field->setMaxLength(schema::MaxValueLength);

    // "&DEFAULTS" and "&DONE" both show D: Alt+D presses DONE alone, and the palettes are
    // never reset by a key meant to close the dialog.
    m_ui->CmdDefault->setShortcut(QKeySequence());
    connect(m_ui->CmdDefault, &QPushButton::clicked, this, &FrmCfg::CmdDefault_Click);
    connect(m_ui->CmdClr1, &QPushButton::clicked, this, [this] { openColourDialog(ColourTarget::Color1); });
    connect(m_ui->CmdClr2, &QPushButton::clicked, this, [this] { openColourDialog(ColourTarget::Color2); });
    connect(m_ui->CmdTxtClr, &QPushButton::clicked, this, [this] { openColourDialog(ColourTarget::Text); });
    connect(m_ui->CmdDone, &QPushButton::clicked, this, &FrmCfg::Done);

    m_ui->picRD->setFixedSize(m_template.size());
    m_ui->picRD->setPixmap(QPixmap::fromImage(m_template));
    m_ui->picRD->installEventFilter(this);
    setFixedSize(sizeHint());

    Form_Load();
}

FrmCfg::~FrmCfg() = default;

void FrmCfg::Form_Load()
{
    // Every step is tried; a failed one is noted and loading goes on.
    bool failed = false;
    const auto step = [&failed](const auto &action) {
        try {
            action();
        } catch (const AppError &) {
            failed = true;
        }
    };
    using schema::Reader;
    step([&] { m_ui->TxtPath->setText(m_store.read(schema::GamePath, Reader::Dialogs)); });
    step([&] { m_ui->ChkDelNew->setChecked(m_store.isSet(schema::OtherDelNew, Reader::Dialogs)); });
    step([&] { m_ui->chkAVC->setChecked(m_store.isSet(schema::OtherUseAVC, Reader::Dialogs)); });
    step([&] {
        for (const PaletteField &palette : std::as_const(m_palettes))
            palette.field->setText(m_store.read(palette.setting, Reader::Dialogs));
    });
    step([&] { DrawRandomDesign(); });
    if (failed)
        m_prompts.message(tr("Error! I think..."),
                          tr("I get the feeling your registry is messed up. ")
                              + tr("Run Primewell.exe in Brannock's directory(folder).")
                              + (m_store.keptInFile()
                                     ? tr("\r\nPrimewell offers to set a broken settings file aside "
                                                      "and write the defaults.")
                                     : QString()),
                          PromptButtons::Ok, PromptIcon::None);
}

QList<std::pair<schema::SettingKey, QString>> FrmCfg::settingsToSave() const
{
    const QString yes = toQString(schema::Yes);
    const QString no = toQString(schema::No);
    QList<std::pair<schema::SettingKey, QString>> values{
        {schema::GamePath, m_ui->TxtPath->text()},
        {schema::OtherDelNew, m_ui->ChkDelNew->isChecked() ? yes : no},
        {schema::OtherUseAVC, m_ui->chkAVC->isChecked() ? yes : no},
    };
    for (const PaletteField &palette : m_palettes)
        values.append({palette.setting, palette.field->text()});
    return values;
}

void FrmCfg::Done()
{
    if (m_closing)
        return;
    m_closing = true;
    bool saved = true;
    try {
        for (const auto &[key, value] : settingsToSave())
            m_store.WriteSetting(key, value);
    } catch (const AppError &error) {
        // The dialog still closes (it has no other way out), but the loss is never silent.
        saved = false;
        m_prompts.message(tr("Config Error!"), error.report(), PromptButtons::Ok,
                          PromptIcon::Exclamation);
    }
    if (saved && m_refreshForm)
        m_refreshForm();
    done(QDialog::Accepted);
}

void FrmCfg::reject()
{
    Done();
}

void FrmCfg::UnloadAll()
{
    if (m_openColour)
        m_openColour->reject();
    Done();
}

void FrmCfg::CmdDefault_Click()
{
    for (const PaletteField &palette : std::as_const(m_palettes))
        palette.field->setText(toQString(palette.setting.setupValue));
}

void FrmCfg::openColourDialog(ColourTarget target)
{
    try {
        ColourDialog dialog(m_store, m_prompts, target, this);
        m_openColour = &dialog;
        dialog.exec();
    } catch (const AppError &error) {
        m_prompts.message(tr("Color Error!"), error.report(), PromptButtons::Ok,
                          PromptIcon::Exclamation);
    }
}

void FrmCfg::DrawRandomDesign()
{
    m_ui->picRD->setPixmap(QPixmap::fromImage(drawRandomDesign(m_template, m_random)));
}

bool FrmCfg::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->picRD && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && m_ui->picRD->rect().contains(mouse->position().toPoint()))
            DrawRandomDesign();
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace brannock
