#include "dialogs/skins/FrmSkins.h"

#include "base/AppError.h"
#include "common/SettingsStore.h"
#include "desktop/Prompts.h"
#include "dialogs/skins/SkinsFolder.h"
#include "dialogs/skins/SkinsPreview.h"
#include "look/LookFiles.h"
#include "look/LookGradient.h"
#include "widgets/Accessibility.h"
#include "widgets/Controls.h"
#include "widgets/FontFit.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace brannock {

namespace {

constexpr int ClientWidth = 317;
constexpr int ClientHeight = 276;
const QString MainCaption = QStringLiteral("Kestrow Wendle VI");
const char *const FailureTitle = QT_TRANSLATE_NOOP("brannock::FrmSkins", "Skins Error!");

constexpr qreal SmallestPointSize = 6;

/// A picture box that shows its picture at natural size from the top-left corner, clipped.
QLabel *pictureBox(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *box = placeControl<QLabel>(parent, name, geometry);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return box;
}

/// An empty sunken box that stands for one of the main window's lists or text boxes.
void standInBox(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *box = placeControl<QFrame>(parent, name, geometry);
    box->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    box->setAutoFillBackground(true);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Base));
    box->setPalette(palette);
}

/// A plain fill in the mask colour over the parts of the preview outside the window's shape.
void maskBox(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *box = placeControl<QWidget>(parent, name, geometry);
    box->setAutoFillBackground(true);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, QColor(0, 128, 128));
    box->setPalette(palette);
}

QLabel *previewLabel(QWidget *preview, const char *name, const QString &text, const QRect &geometry)
{
    auto *label = placeControl<QLabel>(preview, name, geometry, text);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    auto *b = placeControl<QPushButton>(parent, name, geometry, text);
    b->setAutoDefault(false);
    const QString shown = QString(text).remove(QLatin1Char('&'));
    b->setFont(shrinkToFit(b->font(), shown, geometry.width() - 6, SmallestPointSize));
    return b;
}

QColor drawableColour(const LookRgb &rgb)
{
    auto part = [](int v) { return std::clamp(v, 0, 255); };
    return QColor(part(rgb.red), part(rgb.green), part(rgb.blue));
}

/// Loads one look file for the preview; a present file that is not a picture is a failure.
QImage loadLookPicture(const QString &path)
{
    QImage picture;
    if (!picture.load(path))
        throw AppError(ErrorNumber::PathFileAccess,
                       QCoreApplication::translate("brannock::FrmSkins", "The look file \"%1\" is not a picture that can be shown.")
                           .arg(path));
    return picture;
}

} // namespace

FrmSkins::FrmSkins(SettingsStore &store, Prompts &prompts, QStringList lookRoots, SkinsDialogOwner &owner,
                   QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_store(store), m_prompts(prompts), m_lookRoots(std::move(lookRoots)),
      m_owner(owner)
{
    setObjectName(QStringLiteral("FrmSkins"));
    setWindowTitle(tr("Brannock Skin Manager"));
    setModal(false);
    setFixedSize(ClientWidth, ClientHeight);

    m_cboSkins = placeControl<QComboBox>(this, "cboSkins", QRect(0, 0, 317, 21));
    m_cboSkins->setEditable(true);
    m_cboSkins->setInsertPolicy(QComboBox::NoInsert);
    m_cboSkins->setToolTip(tr("Select a skin."));
    // What the user types stays as typed: no completion into a listed name, and neither
    // Enter nor leaving the field counts as choosing an entry (only the list does).
    m_cboSkins->setCompleter(nullptr);
    disconnect(m_cboSkins->lineEdit(), &QLineEdit::editingFinished, m_cboSkins, nullptr);
    disconnect(m_cboSkins->lineEdit(), &QLineEdit::returnPressed, m_cboSkins, nullptr);

    m_picPreview = new SkinsPreview(this);
    m_picPreview->setObjectName(QStringLiteral("picPreview"));
    m_picPreview->move(0, 23);
    auto *lblTitle = previewLabel(m_picPreview, "lblTitle", QString(), QRect(152, 2, 148, 24));
    lblTitle->setAlignment(Qt::AlignCenter);
    QFont titleFont;
    titleFont.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                           QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    titleFont.setPointSizeF(14.25);
    titleFont.setBold(true);
    lblTitle->setFont(shrinkToFit(titleFont, MainCaption, lblTitle->width(), SmallestPointSize));
    // The replica of the main window shows the main window's own captions.
    previewLabel(m_picPreview, "lblOFP", QCoreApplication::translate("brannock::FrmMain", "Open File Prefix"), QRect(186, 28, 127, 16));
    previewLabel(m_picPreview, "lblSFP", QCoreApplication::translate("brannock::FrmMain", "Save File Prefix"), QRect(186, 62, 127, 16));
    previewLabel(m_picPreview, "lblVOL", QCoreApplication::translate("brannock::FrmMain", "New VOL"), QRect(186, 96, 127, 16));

    // The replica sits at the main window's positions, one pixel right and 24 down.
    maskBox(this, "picBack1", QRect(188, 155, 112, 51));
    maskBox(this, "picBack2", QRect(247, 173, 69, 66));
    maskBox(this, "picBack3", QRect(1, 24, 131, 46));
    maskBox(this, "picBack4", QRect(132, 45, 18, 25));
    maskBox(this, "picBack5", QRect(150, 53, 34, 17));
    standInBox(this, "Picture1", QRect(3, 73, 182, 21));
    standInBox(this, "picDirLst", QRect(3, 96, 182, 111));
    standInBox(this, "picOFP", QRect(187, 67, 127, 17));
    standInBox(this, "picSFP", QRect(187, 101, 127, 17));
    standInBox(this, "picV", QRect(187, 135, 127, 17));
    QPushButton *const pictures[] = {
        button(this, "cmdMake", QCoreApplication::translate("brannock::FrmMain", "&Make Skinset"), QRect(3, 209, 81, 28)),
        button(this, "cmdCFG", QCoreApplication::translate("brannock::FrmMain", "C&onfiguration"), QRect(86, 209, 73, 28)),
        button(this, "cmdSkins", QCoreApplication::translate("brannock::FrmMain", "&Skins"), QRect(161, 209, 38, 28)),
        button(this, "cmdAbout", QCoreApplication::translate("brannock::FrmMain", "A&bout"), QRect(201, 209, 43, 28)),
    };
    // Pictures of the main window's buttons: the keyboard passes them by and no key presses
    // them; their captions stay as the main window shows them.
    for (QPushButton *picture : pictures) {
        picture->setFocusPolicy(Qt::NoFocus);
        picture->setShortcut(QKeySequence());
    }
    m_picMin = pictureBox(this, "picMin", QRect(303, 26, 11, 11));
    m_picExit = pictureBox(this, "picExit", QRect(303, 39, 11, 11));
    m_picInc = pictureBox(this, "picInc", QRect(303, 154, 11, 16));
    m_picIcon = pictureBox(this, "picIcon", QRect(135, 26, 16, 16));
    m_picSysIcon = pictureBox(this, "picSysIcon", QRect(289, 212, 16, 16));
    m_picSysIcon->setToolTip(tr("System Tray Icon"));

    auto *lblNoIncModule = placeControl<QLabel>(this, "lblNoIncModule", QRect(1, 242, 152, 13),
                                                tr("(Shown without Include Module)"));
    lblNoIncModule->setFont(shrinkToFit(lblNoIncModule->font(), lblNoIncModule->text(), lblNoIncModule->width(),
                                          SmallestPointSize));

    auto *cmdOK = button(this, "cmdOK", tr("OK"), QRect(157, 242, 49, 34));
    auto *cmdCncl = button(this, "cmdCncl", tr("Cancel"), QRect(206, 242, 111, 34));
    // Enter presses the focused OK or Cancel; neither is the default button, so Enter in the
    // list never chooses a typed name.
    pressWithEnter(cmdOK);
    pressWithEnter(cmdCncl);
    connect(cmdOK, &QPushButton::clicked, this, &FrmSkins::CmdOK_Click);
    connect(cmdCncl, &QPushButton::clicked, this, &FrmSkins::cmdCncl_Click);
    connect(m_cboSkins, &QComboBox::activated, this, &FrmSkins::cboSkins_Click);

    // Form_Load: the list, the title, then the look in use.
    m_cboSkins->addItems(skinsListEntries(m_lookRoots));
    lblTitle->setText(MainCaption);
    m_cboSkins->setCurrentIndex(m_cboSkins->findText(currentSettingsEntry()));
    m_cboSkins->setEditText(currentSettingsEntry());
    cboSkins_Click();
}

FrmSkins::~FrmSkins()
{
    // Hiding a dialog that is still shown moves the focus; nothing of that may reach the
    // handlers of a dialog that is being taken apart.
    m_cboSkins->disconnect(this);
}

void FrmSkins::cboSkins_Click()
{
    const QString text = m_cboSkins->currentText();
    try {
        if (text == currentSettingsEntry())
            ShowCurrentLook();
        else if (text == defaultEntry())
            ShowDefaultLook(false);
        else
            previewLookFolder(text);
    } catch (const AppError &error) {
        reportFailure(error.report());
    }
}

void FrmSkins::previewLookFolder(const QString &name)
{
    ShowDefaultLook(true);
    // Only plain names from the Skins folder are looked into.
    if (!isExistingSkinsEntry(m_lookRoots, name))
        return;
    const QString folder = lookFolderSetting(name);
    auto present = [&](const char *file, QString &path) {
        path = lookFilePath(m_lookRoots, folder, QString::fromLatin1(file));
        return isLookFilePresent(path);
    };
    QString path;
    if (present("back.bmp", path))
        m_picPreview->setPicture(loadLookPicture(path));
    const std::pair<const char *, QLabel *> boxes[] = {
        {"min0.bmp", m_picMin}, {"exit0.bmp", m_picExit}, {"inc0.bmp", m_picInc},
        {"icon.bmp", m_picIcon}, {"sysicon.ico", m_picSysIcon},
    };
    for (const auto &[file, box] : boxes) {
        if (present(file, path))
            box->setPixmap(QPixmap::fromImage(loadLookPicture(path)));
    }
}

void FrmSkins::ShowCurrentLook()
{
    const CurrentLook look = m_owner.currentLook();
    m_picPreview->setPicture(look.background);
    m_picMin->setPixmap(look.min0);
    m_picExit->setPixmap(look.exit0);
    m_picInc->setPixmap(look.inc0);
    m_picIcon->setPixmap(look.icon);
    m_picSysIcon->setPixmap(look.sysIcon);
    setTextColour(drawableColour(readLookColour(m_store, schema::ColorTxtR, schema::ColorTxtG,
                                                schema::ColorTxtB)));
}

void FrmSkins::ShowDefaultLook(bool skipGradient)
{
    if (!skipGradient) {
        const GradientColours colours = readGradientColours(m_store);
        DrawLookGradient(m_picPreview->surface(), colours.left, colours.right);
        m_picPreview->update();
    }
    setTextColour(drawableColour(readLookColour(m_store, schema::ColorTxtR, schema::ColorTxtG,
                                                schema::ColorTxtB)));
    const BuiltInPictures &builtIn = builtInPictures(devicePixelRatioF());
    m_picMin->setPixmap(builtIn.min0bck);
    m_picExit->setPixmap(builtIn.exit0bck);
    m_picInc->setPixmap(builtIn.inc0bck);
    m_picIcon->setPixmap(builtIn.iconbck);
    m_picSysIcon->setPixmap(builtIn.sysbck);
}

void FrmSkins::CmdOK_Click()
{
    const QString text = m_cboSkins->currentText();
    try {
        if (text == defaultEntry()) {
            m_store.WriteSetting(schema::SkinUse, toQString(schema::No));
        } else if (text != currentSettingsEntry()) {
            if (!isExistingSkinsEntry(m_lookRoots, text)) {
                // The main window steps out of the always-on-top band even while hidden,
                // so the box is never covered by it.
                m_owner.setBandAlways(false);
                m_prompts.message(tr("Oops!(Brannock)"), tr("Invalid Skin Path"),
                                  PromptButtons::Ok, PromptIcon::Exclamation);
                m_owner.setBandAlways(true);
                return;
            }
            m_store.WriteSetting(schema::SkinUse, toQString(schema::Yes));
            m_store.WriteSetting(schema::SkinPath, lookFolderSetting(text));
        }
    } catch (const AppError &error) {
        reportFailure(error.report());
        return;
    }
    if (text != currentSettingsEntry())
        m_owner.refreshForm();
    accept();
}

void FrmSkins::cmdCncl_Click()
{
    reject();
}

void FrmSkins::setTextColour(const QColor &colour)
{
    const auto label = [this](const char *name) { return m_picPreview->findChild<QLabel *>(QLatin1StringView(name)); };
    brannock::setTextColour({label("lblTitle"), label("lblOFP"), label("lblSFP"), label("lblVOL")}, colour);
}

void FrmSkins::reportFailure(const QString &text)
{
    m_owner.setBandAlways(false);
    m_prompts.message(tr(FailureTitle), text, PromptButtons::Ok, PromptIcon::Exclamation);
    m_owner.setBandAlways(true);
}

} // namespace brannock
