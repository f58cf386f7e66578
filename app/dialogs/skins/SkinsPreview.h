#pragma once

#include <QImage>
#include <QWidget>

namespace brannock {

/// The preview box of the Skins dialog: a persistent image (a picture shown at natural size
/// from the top-left corner, or a gradient drawn into it) with the main window's outline
/// drawn over it.
class SkinsPreview final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(SkinsPreview)
public:
    explicit SkinsPreview(QWidget *parent = nullptr);

    /// Shows `picture` from the top-left corner; the rest of the box shows its back colour.
    void setPicture(const QImage &picture);
    /// The persistent image, to draw into (for the gradient); call update() afterwards.
    QImage &surface() { return m_surface; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_surface;
};

} // namespace brannock
