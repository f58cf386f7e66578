#pragma once

#include "main_window/menus/IncludePictures.h"
#include "widgets/KeyButton.h"

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QPoint>

#include <functional>

class QMenu;

namespace brannock {

class IncludeMenu;

/// The name assistive technology reads for a button of the include panel that shows `word`
/// and has the tooltip `tip`: the tip when it starts with the word, else the word (the tip is
/// then read as its description). A name starts with what the player sees, so that speech
/// control finds the button by its word.
QString includeButtonName(const QString &word, const QString &tip);

/// A picture button of the include panel: shows its built-in picture, pressed one pixel in.
/// Assistive technology reads it by includeButtonName and its tooltip as its description.
class IncludeButton final : public KeyButton {
    Q_OBJECT
public:
    IncludeButton(IncludePicture picture, QSize size, QWidget *parent);
    QSize sizeHint() const override { return m_picture.size(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};

/// The eight picture buttons of the include panel. Category buttons pop up their sub-menu
/// just below the main window's bottom-left corner; the toggle buttons run the all-items
/// toggles.
class IncludePanel final : public QObject {
    Q_OBJECT
public:
    /// The buttons become children of `host`, which stands at `hostOrigin` in the main
    /// window (pass the main window itself and {0, 0}, or the panel `IncModule` and {8, 215}).
    IncludePanel(IncludeMenu &menu, QWidget *host, QPoint hostOrigin = {});
    Q_DISABLE_COPY(IncludePanel)

    /// The button with that control name (xmnuTeam ... xbtnToggleEx), or null.
    IncludeButton *button(const QString &controlName) const;
    QList<IncludeButton *> buttons() const { return m_buttons; }

    /// Where the category sub-menus appear, in screen coordinates: x 7 and one pixel below
    /// the main window's inner height, in the main window.
    QPoint popUpPosition() const;

    /// Replaces how a sub-menu is shown (tests); the default is QMenu::popup.
    void setPopUpHandler(std::function<void(QMenu *, QPoint)> handler) { m_popUp = std::move(handler); }

private:
    IncludeButton *addButton(const char *name, IncludePicture picture, QPoint mainWindowPos, int width,
                             const QString &tip);
    void popUp(QMenu *menu);

    IncludeMenu &m_menu;
    QWidget *m_host;
    QPoint m_hostOrigin;
    QList<IncludeButton *> m_buttons;
    std::function<void(QMenu *, QPoint)> m_popUp;
};

} // namespace brannock
