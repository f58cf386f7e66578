#include "FrmCfg.h"

#include "AppError.h"
#include "Prompts.h"
#include "SettingsStore.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace brannock {

namespace {

struct PaletteControl {
    const char *field;
    const char *label;
    const char *caption;
    const char *tip;
    schema::SettingKey key;
};

/// The palette fields in the order they are loaded and saved.
const std::array<PaletteControl, 10> kPaletteControls{{
    {"TxtArmors", "LblArmors", "Armors Use", "Armor Make Palette(default is pal3)", schema::PalArmors},
    {"TxtFlags", "LblFlags", "Flags Use", "Flag Make Palette(default is pal3)", schema::PalFlags},
    {"TxtDoors", "LblDoors", "Doors Use", "Door Make Palette(default is pal2)", schema::PalDoors},
    {"TxtEmblems", "LblEmblems", "Emblems Use", "Emblem Make Palette(default is pal1)", schema::PalEmblems},
    {"TxtFlyers", "LblFlyers", "Flyers Use", "Flyer Make Palette(default is pal2)", schema::PalFlyers},
    {"TxtGens", "LblGens", "Generators Use", "Generator Make Palette(default is pal2)", schema::PalGenerators},
    {"TxtSensors", "LblSensors", "Sensors Use", "Sensor Make Palette(default is pal2)", schema::PalSensors},
    {"TxtSolars", "LblSolars", "Solar Panels Use", "Solar Panel Make Palette(default is pal2)",
     schema::PalSolarPanels},
    {"TxtStations", "LblStations", "Stations Use", "Station Make Palette(default is pal2)", schema::PalStations},
    {"TxtTurrets", "LblTurrets", "Turrets Use", "Turret Make Palette(default is pal2)", schema::PalTurrets},
}};

/// Where each palette field sits on screen: two columns, in the order the game lists them.
const std::array<const char *, 10> kScreenOrder{"TxtArmors",  "TxtFlags",   "TxtDoors",   "TxtEmblems",
                                                "TxtFlyers",  "TxtTurrets", "TxtStations", "TxtSensors",
                                                "TxtGens",    "TxtSolars"};

QString text(const char *latin1)
{
    return QString::fromLatin1(latin1);
}

QPushButton *makeButton(QWidget *parent, const char *name, const char *caption, const char *tip)
{
    auto *button = new QPushButton(text(caption), parent);
    button->setObjectName(text(name));
    button->setToolTip(text(tip));
    button->setAutoDefault(false);
    return button;
}

QFrame *makeLine(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setObjectName(QStringLiteral("FLine"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

FrmCfg::FrmCfg(SettingsStore &store, Prompts &prompts, std::function<void()> refreshForm, QWidget *parent,
               RandomSource random)
    : QDialog(parent),
      m_store(store),
      m_prompts(prompts),
      m_refreshForm(std::move(refreshForm)),
      m_random(std::move(random)),
      m_template(designTemplate())
{
    setObjectName(QStringLiteral("FrmCfg"));
    setWindowTitle(QStringLiteral("Wendle Config"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // Modal to the windows it belongs to only: the tray icon stays alive while it is open.
    setWindowModality(Qt::WindowModal);

    auto *lblPath = new QLabel(QStringLiteral("KESTROW Path:"), this);
    lblPath->setObjectName(QStringLiteral("LblPath"));
    m_txtPath = new QLineEdit(this);
    m_txtPath->setObjectName(QStringLiteral("TxtPath"));
    m_txtPath->setToolTip(QStringLiteral("Path to KESTROW(normally C:\\Halvern\\Kestrow)"));
    lblPath->setBuddy(m_txtPath);

    m_chkDelNew = new QCheckBox(QStringLiteral("De&lete MakeSkin-created bitmaps(.BMPs) after compiling VOL"), this);
    m_chkDelNew->setObjectName(QStringLiteral("ChkDelNew"));
    m_chkAVC = new QCheckBox(QStringLiteral("Auto-Copy VOL"), this);
    m_chkAVC->setObjectName(QStringLiteral("chkAVC"));
    m_chkAVC->setToolTip(QStringLiteral(
        "After compiling a skinset, automatically copy the VOL file to the Kestrow\\base\\Skins\\ directory"));

    auto *lblPals = new QLabel(QStringLiteral("Palettes"), this);
    lblPals->setObjectName(QStringLiteral("LblPals"));
    QFont bold = lblPals->font();
    bold.setBold(true);
    lblPals->setFont(bold);

    auto *palettes = new QGridLayout;
    for (const PaletteControl &control : kPaletteControls) {
        auto *field = new QLineEdit(this);
        field->setObjectName(text(control.field));
        field->setToolTip(text(control.tip));
        field->setFixedWidth(60);
        auto *label = new QLabel(text(control.caption), this);
        label->setObjectName(text(control.label));
        label->setBuddy(field);
        const auto at = std::find_if(kScreenOrder.begin(), kScreenOrder.end(), [&](const char *name) {
            return qstrcmp(name, control.field) == 0;
        });
        const int index = int(at - kScreenOrder.begin());
        const int row = index % 5;
        const int column = (index / 5) * 3;
        palettes->addWidget(label, row, column);
        palettes->addWidget(field, row, column + 1);
        m_palettes.append({control.key, field});
    }
    palettes->setColumnMinimumWidth(2, 16);

    auto *cmdDefault = makeButton(this, "CmdDefault", "&DEFAULTS", "Reset the palettes to their defaults.");
    connect(cmdDefault, &QPushButton::clicked, this, &FrmCfg::CmdDefault_Click);
    auto *cmdClr1 = makeButton(this, "CmdClr1", "Color &1", "The starting, leftmost color in the main window.");
    connect(cmdClr1, &QPushButton::clicked, this, [this] { openColourDialog(ColourTarget::Color1); });
    auto *cmdClr2 = makeButton(this, "CmdClr2", "Color &2", "The finishing, rightmost color in the main window.");
    connect(cmdClr2, &QPushButton::clicked, this, [this] { openColourDialog(ColourTarget::Color2); });
    auto *cmdTxtClr = makeButton(this, "CmdTxtClr", "&Text Color", "The color of the text in the main window.");
    connect(cmdTxtClr, &QPushButton::clicked, this, [this] { openColourDialog(ColourTarget::Text); });
    auto *cmdDone = makeButton(this, "CmdDone", "&DONE", "Apply Settings");
    cmdDone->setDefault(true);
    connect(cmdDone, &QPushButton::clicked, this, &FrmCfg::Done);

    m_picRD = new QLabel(this);
    m_picRD->setObjectName(QStringLiteral("picRD"));
    m_picRD->setToolTip(QStringLiteral("I am here for nothing more than graphical effect. But I'll most likely "
                                       "never hold exactly the same design twice!"));
    m_picRD->setFixedSize(m_template.size());
    m_picRD->setPixmap(QPixmap::fromImage(m_template));
    m_picRD->installEventFilter(this);

    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(lblPath);
    pathRow->addWidget(m_txtPath, 1);

    auto *colourRow = new QHBoxLayout;
    colourRow->addWidget(cmdDefault);
    colourRow->addStretch();
    colourRow->addWidget(cmdClr1);
    colourRow->addWidget(cmdClr2);
    colourRow->addWidget(cmdTxtClr);

    auto *doneRow = new QHBoxLayout;
    doneRow->addWidget(m_picRD);
    doneRow->addStretch();
    doneRow->addWidget(cmdDone);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(pathRow);
    layout->addWidget(makeLine(this));
    layout->addWidget(m_chkDelNew);
    layout->addWidget(m_chkAVC);
    layout->addWidget(makeLine(this));
    layout->addWidget(lblPals);
    layout->addLayout(palettes);
    layout->addWidget(makeLine(this));
    layout->addLayout(colourRow);
    layout->addWidget(makeLine(this));
    layout->addLayout(doneRow);
    setFixedSize(sizeHint());

    Form_Load();
}

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
    const QString yes = toQString(schema::Yes);
    step([&] { m_txtPath->setText(m_store.ReadSetting(schema::GamePath)); });
    step([&] { m_chkDelNew->setChecked(m_store.ReadSetting(schema::OtherDelNew) == yes); });
    step([&] { m_chkAVC->setChecked(m_store.ReadSetting(schema::OtherUseAVC) == yes); });
    step([&] {
        for (const PaletteField &palette : std::as_const(m_palettes)) {
            const QString fallback = toQString(schema::setupValueOf(palette.key));
            palette.field->setText(m_store.ReadSetting(palette.key, fallback));
        }
    });
    step([&] { DrawRandomDesign(); });
    if (failed)
        m_prompts.message(QStringLiteral("Error! I think..."),
                          QStringLiteral("I get the feeling your registry is messed up. ")
                              + QStringLiteral("Run Primewell.exe in Brannock's directory(folder)."),
                          PromptButtons::Ok, PromptIcon::None);
}

QList<std::pair<schema::SettingKey, QString>> FrmCfg::settingsToSave() const
{
    const QString yes = toQString(schema::Yes);
    const QString no = toQString(schema::No);
    QList<std::pair<schema::SettingKey, QString>> values{
        {schema::GamePath, m_txtPath->text()},
        {schema::OtherDelNew, m_chkDelNew->isChecked() ? yes : no},
        {schema::OtherUseAVC, m_chkAVC->isChecked() ? yes : no},
    };
    for (const PaletteField &palette : m_palettes)
        values.append({palette.key, palette.field->text()});
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
        m_prompts.message(QStringLiteral("Config Error!"), error.report(), PromptButtons::Ok,
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
        palette.field->setText(toQString(schema::setupValueOf(palette.key)));
}

void FrmCfg::openColourDialog(ColourTarget target)
{
    try {
        ColourDialog dialog(m_store, m_prompts, target, this);
        m_openColour = &dialog;
        dialog.exec();
    } catch (const AppError &error) {
        m_prompts.message(QStringLiteral("Color Error!"), error.report(), PromptButtons::Ok,
                          PromptIcon::Exclamation);
    }
}

void FrmCfg::DrawRandomDesign()
{
    m_picRD->setPixmap(QPixmap::fromImage(drawRandomDesign(m_template, m_random)));
}

bool FrmCfg::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_picRD && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && m_picRD->rect().contains(mouse->position().toPoint()))
            DrawRandomDesign();
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace brannock
