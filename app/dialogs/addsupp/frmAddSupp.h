#pragma once

#include "platform/CodePage.h"

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class frmAddSupp;
}

namespace brannock {

class Prompts;

/// Why `name` (typed without ".tsf") cannot name one definition file in the work folder,
/// or an empty text when it can.
QString tsfNameProblem(const QString &name);

/// The Add Support dialog: describes a new user-created item and saves it as name.tsf in the
/// work folder. Modeless; deletes itself when closed. It never rebuilds the menu.
class frmAddSupp final : public QDialog {
    Q_OBJECT
public:
    /// `boxes` shows every box of the dialog; the main window passes its boxes wrapped in
    /// the topmost protocol, so each box leaves the topmost band while it shows. Save refuses
    /// a palette or skin file name that could not go into Compile.bat read in `scriptPage`,
    /// as the menu and the build would refuse it later.
    frmAddSupp(Prompts &boxes, QString workFolder, CodePage scriptPage, QWidget *parent = nullptr);
    ~frmAddSupp() override;
    Q_DISABLE_COPY(frmAddSupp)

    void cmdSave_Click();
    void cmdClose_Click();

private:
    bool confirmReplace(const QString &name);

    std::unique_ptr<Ui::frmAddSupp> m_ui;
    Prompts &m_boxes;
    QString m_workFolder;
    CodePage m_page;
};

} // namespace brannock
