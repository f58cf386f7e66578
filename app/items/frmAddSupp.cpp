#include "frmAddSupp.h"

#include "AppError.h"
#include "Prompts.h"
#include "SingleName.h"
#include "TsfFile.h"
#include "Controls.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <tuple>

namespace brannock {

namespace {

/// Why a field cannot be stored so that it reads back as typed, or an empty text.
QString fieldProblem(const QString &label, const QString &text, bool separatorAllowed)
{
    if (!separatorAllowed && text.contains(QLatin1Char('*')))
        return QStringLiteral("The %1 cannot hold \"*\": it separates the fields of the .tsf file.").arg(label);
    if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')))
        return QStringLiteral("The %1 cannot hold a line break.").arg(label);
    return {};
}

} // namespace

QString tsfNameProblem(const QString &name)
{
    if (const QString problem = singleNameProblem(name); !problem.isEmpty())
        return QStringLiteral("The file name \"%1\" %2.").arg(name, problem);
    return {};
}

frmAddSupp::frmAddSupp(Prompts &boxes, QString programFolder, DefinitionCheck check, QWidget *parent)
    : QDialog(parent), m_boxes(boxes), m_programFolder(std::move(programFolder)), m_check(std::move(check))
{
    setObjectName(QStringLiteral("frmAddSupp"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(QStringLiteral("Add Support..."));
    setFixedSize(220, 139);
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);

    lblDesc = placeControl<QLabel>(this, "lblDesc", {19, 7, 53, 13}, QStringLiteral("Description"));
    txtDesc = placeControlWithTip<QLineEdit>(this, "txtDesc", {78, 5, 142, 20}, QStringLiteral("Skin description"));
    lblPal = placeControl<QLabel>(this, "lblPal", {39, 27, 33, 13}, QStringLiteral("Palette"));
    txtPal = placeControlWithTip<QLineEdit>(this, "txtPal", {78, 25, 142, 20},
                                            QStringLiteral("The palette used for that skin"));
    lblFile = placeControl<QLabel>(this, "lblFile", {4, 47, 68, 13}, QStringLiteral("Skin FileName"));
    txtFile = placeControlWithTip<QLineEdit>(this, "txtFile", {78, 45, 142, 20},
                                             QStringLiteral("The filename used by that skin"));
    lblSaveAs = placeControl<QLabel>(this, "lblSaveAs", {32, 81, 40, 13}, QStringLiteral("Save As"));
    txtTSFFile = placeControlWithTip<QLineEdit>(this, "txtTSFFile", {78, 79, 95, 20},
                                                QStringLiteral("The new TSF file's name, without the .tsf extension. "
                                                               "Brannock automatically adds the extension."));
    lblTSF = placeControl<QLabel>(this, "lblTSF", {174, 82, 14, 13}, QStringLiteral(".tsf"));
    cmdSave = placeControlWithTip<QPushButton>(this, "cmdSave", {99, 113, 60, 26}, QStringLiteral("Write the new TSF."),
                                               QStringLiteral("&Save"));
    cmdClose = placeControlWithTip<QPushButton>(this, "cmdClose", {160, 113, 60, 26},
                                                QStringLiteral("Close this form."), QStringLiteral("&Close"));

    lblDesc->setBuddy(txtDesc);
    lblPal->setBuddy(txtPal);
    lblFile->setBuddy(txtFile);
    lblSaveAs->setBuddy(txtTSFFile);

    // The labels keep their places beside the boxes; where this platform's font draws a text
    // wider than its label, the label grows away from its box instead of cutting the text.
    for (QLabel *label : {lblDesc, lblPal, lblFile, lblSaveAs}) {
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 2;
        if (needed > label->width()) {
            constexpr int kBoxesLeft = 78;
            const int left = qMax(0, label->geometry().right() + 1 - needed);
            const int right = qMin(kBoxesLeft - 2, left + needed - 1);
            label->setGeometry(left, label->y(), right + 1 - left, label->height());
        }
    }
    lblTSF->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblTSF->resize(qMax(lblTSF->width(), lblTSF->fontMetrics().horizontalAdvance(lblTSF->text()) + 2),
                   lblTSF->height());

    // A longer field would make the definition unreadable.
    for (QLineEdit *box : {txtDesc, txtPal, txtFile})
        box->setMaxLength(int(tsf::kMaxFieldLength));

    // Enter saves; Escape closes (QDialog's own Escape handling rejects, which closes).
    cmdSave->setDefault(true);
    cmdSave->setAutoDefault(true);
    cmdClose->setAutoDefault(false);

    setTabOrder(txtDesc, txtPal);
    setTabOrder(txtPal, txtFile);
    setTabOrder(txtFile, txtTSFFile);
    setTabOrder(txtTSFFile, cmdSave);
    setTabOrder(cmdSave, cmdClose);
    txtDesc->setFocus();

    connect(cmdSave, &QPushButton::clicked, this, &frmAddSupp::cmdSave_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmAddSupp::cmdClose_Click);
}

void frmAddSupp::cmdSave_Click()
{
    const QString description = txtDesc->text();
    const QString palette = txtPal->text();
    const QString skinFile = txtFile->text();
    const QString name = txtTSFFile->text();

    if (description.isEmpty() || palette.isEmpty() || skinFile.isEmpty() || name.isEmpty()) {
        m_boxes.message(QStringLiteral("Hey!"), QStringLiteral("You must fill all fields."),
                        PromptButtons::Ok, PromptIcon::Exclamation);
        return;
    }
    // Only the skin file name may hold "*" (everything after the second one belongs to it),
    // and a line break would end the definition early.
    for (const auto &[label, text, starAllowed, box] :
         {std::tuple{QStringLiteral("Description"), description, false, txtDesc},
          std::tuple{QStringLiteral("Palette"), palette, false, txtPal},
          std::tuple{QStringLiteral("Skin FileName"), skinFile, true, txtFile}}) {
        if (const QString problem = fieldProblem(label, text, starAllowed); !problem.isEmpty()) {
            m_boxes.message(QStringLiteral("Invalid Data!"), problem, PromptButtons::Ok, PromptIcon::Exclamation);
            box->setFocus();
            return;
        }
    }
    if (const QString problem = tsfNameProblem(name); !problem.isEmpty()) {
        m_boxes.message(QStringLiteral("Invalid Data!"), problem, PromptButtons::Ok, PromptIcon::Exclamation);
        txtTSFFile->setFocus();
        return;
    }

    const QString fileName = name + QStringLiteral(".tsf");
    const QString path = QDir(m_programFolder).filePath(fileName);
    if (m_check) {
        if (const QString problem = m_check(palette, skinFile, QDir::toNativeSeparators(path)); !problem.isEmpty()) {
            m_boxes.message(QStringLiteral("Invalid Data!"), problem, PromptButtons::Ok, PromptIcon::Exclamation);
            const bool paletteAtFault = !m_check(palette, QString(), QString()).isEmpty();
            (paletteAtFault ? txtPal : txtFile)->setFocus();
            return;
        }
    }
    if (QFileInfo::exists(path) && !confirmReplace(name))
        return;

    try {
        WriteTSF(m_programFolder, fileName, description, palette, skinFile);
    } catch (const AppError &error) {
        m_boxes.message(QStringLiteral("Add Support Error!"), error.report(), PromptButtons::Ok,
                        PromptIcon::Exclamation);
        return;
    }
    txtDesc->clear();
    txtPal->clear();
    txtFile->clear();
    txtTSFFile->clear();
    txtDesc->setFocus();
}

bool frmAddSupp::confirmReplace(const QString &name)
{
    return m_boxes.message(QStringLiteral("Hold it!"), name + QStringLiteral(".tsf already exists. Replace?"),
                           PromptButtons::YesNo, PromptIcon::Exclamation)
        == PromptAnswer::Yes;
}

void frmAddSupp::cmdClose_Click()
{
    close();
}

} // namespace brannock
