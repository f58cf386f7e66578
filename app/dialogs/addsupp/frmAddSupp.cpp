#include "dialogs/addsupp/frmAddSupp.h"

#include "base/AppError.h"
#include "desktop/Prompts.h"
#include "items/SingleName.h"
#include "items/TsfFile.h"
#include "skinset/BatchText.h"
#include "widgets/FontFit.h"

#include "ui_frmAddSupp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <tuple>

namespace brannock {

namespace {

/// Why a field cannot be stored so that it reads back as typed, or an empty text.
QString fieldProblem(const QString &label, const QString &text, bool separatorAllowed)
{
    if (!separatorAllowed && text.contains(QLatin1Char('*')))
        return QCoreApplication::translate("brannock::frmAddSupp",
                                           "The %1 cannot hold \"*\": it separates the fields of the .tsf file.")
            .arg(label);
    if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')))
        return QCoreApplication::translate("brannock::frmAddSupp", "The %1 cannot hold a line break.").arg(label);
    return {};
}

} // namespace

QString tsfNameProblem(const QString &name)
{
    // ".tsf" follows the typed name, so the name itself may end in a dot or a blank; a name
    // of dots only is still refused.
    const bool dotsOnly = !name.isEmpty() && name.count(QLatin1Char('.')) == name.size();
    if (const QString problem = singleNameProblem(dotsOnly ? name : name + QStringLiteral(".tsf")); !problem.isEmpty())
        return QCoreApplication::translate("brannock::frmAddSupp", "The file name \"%1\" %2.").arg(name, problem);
    return {};
}

frmAddSupp::frmAddSupp(Prompts &boxes, QString workFolder, CodePage scriptPage, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::frmAddSupp>()), m_boxes(boxes),
      m_workFolder(std::move(workFolder)), m_page(scriptPage)
{
    m_ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);

    // The labels keep their places beside the boxes; where this platform's font draws a text
    // wider than its label, the label grows away from its box instead of cutting the text.
    for (QLabel *label : {m_ui->lblDesc, m_ui->lblPal, m_ui->lblFile, m_ui->lblSaveAs}) {
        const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 2;
        if (needed > label->width()) {
            constexpr int kBoxesLeft = 78;
            const int left = qMax(0, label->geometry().right() + 1 - needed);
            const int right = qMin(kBoxesLeft - 2, left + needed - 1);
            label->setGeometry(left, label->y(), right + 1 - left, label->height());
            // Wider than all the room left of its box, it is made smaller, never cut.
            label->setFont(shrinkToFit(label->font(), label->text(), label->width() - 2, 8));
        }
    }
    // A caption wider than its button is made smaller, as the main window's are.
    for (QPushButton *button : {m_ui->cmdSave, m_ui->cmdClose}) {
        const QString shown = QString(button->text()).remove(QLatin1Char('&'));
        button->setFont(shrinkToFit(button->font(), shown, button->width() - 6, 8));
    }
    QLabel *lblTSF = m_ui->lblTSF;
    lblTSF->resize(qMax(lblTSF->width(), lblTSF->fontMetrics().horizontalAdvance(lblTSF->text()) + 2),
                   lblTSF->height());

    // A longer field would make the definition unreadable.
    for (QLineEdit *box : {m_ui->txtDesc, m_ui->txtPal, m_ui->txtFile})
        box->setMaxLength(int(tsf::kMaxFieldLength));

    // Enter saves, as cmdSave is the default button; Escape closes (QDialog's own Escape
    // handling rejects, which closes).
    m_ui->txtDesc->setFocus();

    connect(m_ui->cmdSave, &QPushButton::clicked, this, &frmAddSupp::cmdSave_Click);
    connect(m_ui->cmdClose, &QPushButton::clicked, this, &frmAddSupp::cmdClose_Click);
}

frmAddSupp::~frmAddSupp() = default;

void frmAddSupp::cmdSave_Click()
{
    const QString description = m_ui->txtDesc->text();
    const QString palette = m_ui->txtPal->text();
    const QString skinFile = m_ui->txtFile->text();
    const QString name = m_ui->txtTSFFile->text();

    if (description.isEmpty() || palette.isEmpty() || skinFile.isEmpty() || name.isEmpty()) {
        m_boxes.message(tr("Hey!"), tr("You must fill all fields."),
                        PromptButtons::Ok, PromptIcon::Exclamation);
        return;
    }
    // Only the skin file name may hold "*" (everything after the second one belongs to it),
    // and a line break would end the definition early.
    for (const auto &[label, text, starAllowed, box] :
         {std::tuple{m_ui->lblDesc->text(), description, false, m_ui->txtDesc},
          std::tuple{m_ui->lblPal->text(), palette, false, m_ui->txtPal},
          std::tuple{m_ui->lblFile->text(), skinFile, true, m_ui->txtFile}}) {
        if (const QString problem = fieldProblem(label, text, starAllowed); !problem.isEmpty()) {
            m_boxes.message(tr("Invalid Data!"), problem, PromptButtons::Ok, PromptIcon::Exclamation);
            box->setFocus();
            return;
        }
    }
    if (const QString problem = tsfNameProblem(name); !problem.isEmpty()) {
        m_boxes.message(tr("Invalid Data!"), problem, PromptButtons::Ok, PromptIcon::Exclamation);
        m_ui->txtTSFFile->setFocus();
        return;
    }

    const QString fileName = name + QStringLiteral(".tsf");
    const QString path = QDir(m_workFolder).filePath(fileName);
    if (const QString problem = batch::definitionProblem(palette, skinFile, QDir::toNativeSeparators(path), m_page);
        !problem.isEmpty()) {
        m_boxes.message(tr("Invalid Data!"), problem, PromptButtons::Ok, PromptIcon::Exclamation);
        const bool paletteAtFault = !batch::definitionProblem(palette, QString(), QString(), m_page).isEmpty();
        (paletteAtFault ? m_ui->txtPal : m_ui->txtFile)->setFocus();
        return;
    }
    if (QFileInfo::exists(path) && !confirmReplace(name))
        return;

    try {
        // The work folder of an installed copy may not exist yet; when it cannot be made,
        // the write below says why.
        QDir().mkpath(m_workFolder);
        WriteTSF(m_workFolder, fileName, description, palette, skinFile);
    } catch (const AppError &error) {
        m_boxes.message(tr("Add Support Error!"), error.report(), PromptButtons::Ok,
                        PromptIcon::Exclamation);
        return;
    }
    m_ui->txtDesc->clear();
    m_ui->txtPal->clear();
    m_ui->txtFile->clear();
    m_ui->txtTSFFile->clear();
    m_ui->txtDesc->setFocus();
}

bool frmAddSupp::confirmReplace(const QString &name)
{
    return m_boxes.message(tr("Hold it!"), tr("%1.tsf already exists. Replace?").arg(name),
                           PromptButtons::YesNo, PromptIcon::Exclamation)
        == PromptAnswer::Yes;
}

void frmAddSupp::cmdClose_Click()
{
    close();
}

} // namespace brannock
