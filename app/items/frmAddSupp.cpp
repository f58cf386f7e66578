#include "frmAddSupp.h"

#include "AppError.h"
#include "Prompts.h"
#include "TsfFile.h"

#include "ui_frmAddSupp.h"

#include <QDir>
#include <QFileInfo>

#include <tuple>

namespace brannock {

namespace {

bool isReservedDeviceName(const QString &name)
{
    // Windows keeps these device names whatever extension follows them.
    const QString base = name.section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    static const QStringList fixed{QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                                   QStringLiteral("NUL"), QStringLiteral("CONIN$"),
                                   QStringLiteral("CONOUT$")};
    if (fixed.contains(base))
        return true;
    return base.size() == 4 && (base.startsWith(QLatin1String("COM")) || base.startsWith(QLatin1String("LPT")))
        && base.at(3) >= QLatin1Char('1') && base.at(3) <= QLatin1Char('9');
}

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
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("\"%1\" cannot be used as a file name.").arg(name);
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return QStringLiteral("The file name cannot hold control characters.");
        if (forbidden.contains(c))
            return QStringLiteral("The file name cannot hold the character \"%1\".\r\n"
                                  "Leave out \\ / : * ? \" < > and |.")
                .arg(c);
    }
    if (isReservedDeviceName(name))
        return QStringLiteral("\"%1\" is a device name and cannot be used as a file name.").arg(name);
    return {};
}

frmAddSupp::frmAddSupp(Prompts &boxes, QString programFolder, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::frmAddSupp>()), m_boxes(boxes),
      m_programFolder(std::move(programFolder))
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
        }
    }
    QLabel *lblTSF = m_ui->lblTSF;
    lblTSF->resize(qMax(lblTSF->width(), lblTSF->fontMetrics().horizontalAdvance(lblTSF->text()) + 2),
                   lblTSF->height());

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
        m_boxes.message(QStringLiteral("Hey!"), QStringLiteral("You must fill all fields."),
                        PromptButtons::Ok, PromptIcon::Exclamation);
        return;
    }
    // Only the skin file name may hold "*" (everything after the second one belongs to it),
    // and a line break would end the definition early.
    for (const auto &[label, text, starAllowed, box] :
         {std::tuple{QStringLiteral("Description"), description, false, m_ui->txtDesc},
          std::tuple{QStringLiteral("Palette"), palette, false, m_ui->txtPal},
          std::tuple{QStringLiteral("Skin FileName"), skinFile, true, m_ui->txtFile}}) {
        if (const QString problem = fieldProblem(label, text, starAllowed); !problem.isEmpty()) {
            m_boxes.message(QStringLiteral("Invalid Data!"), problem, PromptButtons::Ok, PromptIcon::Exclamation);
            box->setFocus();
            return;
        }
    }
    if (const QString problem = tsfNameProblem(name); !problem.isEmpty()) {
        m_boxes.message(QStringLiteral("Invalid Data!"), problem, PromptButtons::Ok, PromptIcon::Exclamation);
        m_ui->txtTSFFile->setFocus();
        return;
    }

    const QString fileName = name + QStringLiteral(".tsf");
    if (QFileInfo::exists(QDir(m_programFolder).filePath(fileName)) && !confirmReplace(name))
        return;

    try {
        WriteTSF(m_programFolder, fileName, description, palette, skinFile);
    } catch (const AppError &error) {
        m_boxes.message(QStringLiteral("Add Support Error!"), error.report(), PromptButtons::Ok,
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
    return m_boxes.message(QStringLiteral("Hold it!"), name + QStringLiteral(".tsf already exists. Replace?"),
                           PromptButtons::YesNo, PromptIcon::Exclamation)
        == PromptAnswer::Yes;
}

void frmAddSupp::cmdClose_Click()
{
    close();
}

} // namespace brannock
