#pragma once

#include "dialogs/about/AboutPictures.h"
#include "dialogs/about/FrmThanks.h"
#include "dialogs/about/ThanksPulse.h"

#include <QDialog>
#include <QImage>
#include <QPointer>

class QLabel;
class QPushButton;

namespace brannock {


/// The About dialog: a borderless picture window dragged by its surface with any mouse
/// button. Its figure's green paint areas get new colours at every opening. The main window
/// opens it modally (exec) and keeps its own open flag.
class FrmAbout final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY(FrmAbout)
public:
    /// `random` colours the figure; an empty source means one seeded from the clock.
    explicit FrmAbout(RandomSource random = {}, QWidget *parent = nullptr);
    ~FrmAbout() override;

    /// Closes the Thanks dialog if it is open, then this dialog.
    void UnloadAll();

    /// Shows `note` (some lines: where the player's files and the looks are) small at the
    /// bottom left; each line is shortened in the middle to fit.
    void setFolderNote(const QString &note);

    /// The Thanks dialog while it is open, else null.
    FrmThanks *thanksDialog() const { return m_thanks; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CmdOK_Click();
    void CmdThanks_Click();

    QImage m_background;
    QLabel *m_cover = nullptr;
    QLabel *m_pC = nullptr;
    QLabel *m_folderNote = nullptr;
    ThanksPulse m_pulse;
    QPointer<FrmThanks> m_thanks;
    bool m_coverDragging = false;
    double m_dragStartX = 0;
    double m_dragStartY = 0;
};

} // namespace brannock
