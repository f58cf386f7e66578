#include "main_window/menus/IncludePanel.h"

#include "main_window/menus/IncludeMenu.h"

#include <QMenu>
#include <QPainter>

namespace brannock {

namespace {
constexpr int kButtonHeight = 17;
constexpr int kPopUpX = 7; ///< the x of the panel's left frame line
}

QString includeButtonName(const QString &word, const QString &tip)
{
    return tip.startsWith(word, Qt::CaseInsensitive) ? tip : word;
}

IncludeButton::IncludeButton(IncludePicture picture, QSize size, QWidget *parent)
    : KeyButton(parent), m_picture(includePicture(picture, size))
{
    setFixedSize(size);
}

void IncludeButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (isDown()) {
        p.fillRect(rect(), Qt::black);
        p.drawPixmap(1, 1, m_picture);
    } else {
        p.drawPixmap(0, 0, m_picture);
    }
    paintFocusFrame(p);
}

IncludePanel::IncludePanel(IncludeMenu &menu, QWidget *host, QPoint hostOrigin)
    : QObject(host), m_menu(menu), m_host(host), m_hostOrigin(hostOrigin)
{
    m_popUp = [](QMenu *subMenu, QPoint at) { subMenu->popup(at); };

    const struct {
        const char *name;
        IncludePicture picture;
        QPoint pos;
        int width;
        const char *tip;
        SkinGroup group;
    } categories[] = {
        {"xmnuTeam", IncludePicture::Team, {9, 216}, 91, QT_TR_NOOP("Team Skins"), SkinGroup::Team},
        {"xmnuFlyers", IncludePicture::Flyers, {102, 216}, 91, QT_TR_NOOP("Flyer Skins"), SkinGroup::Flyer},
        {"xmnuTurrets", IncludePicture::Turrets, {9, 234}, 91, QT_TR_NOOP("Turret Skins"), SkinGroup::Turret},
        {"xmnuEquipment", IncludePicture::Equipment, {102, 234}, 91, QT_TR_NOOP("Equipment Skins"), SkinGroup::Equipment},
        {"xmnuStations", IncludePicture::Stations, {9, 252}, 91, QT_TR_NOOP("Station Skins"), SkinGroup::Station},
    };
    for (const auto &c : categories) {
        IncludeButton *b = addButton(c.name, c.picture, c.pos, c.width, tr(c.tip));
        const SkinGroup group = c.group;
        connect(b, &QAbstractButton::clicked, this, [this, group] { popUp(m_menu.groupMenu(group)); });
    }

    IncludeButton *toggleNormal = addButton("xbtnToggleNorm", IncludePicture::ToggleNormal, {135, 252}, 58,
                                            tr("Toggle All(Non-User-created)"));
    connect(toggleNormal, &QAbstractButton::clicked, &m_menu, &IncludeMenu::mnuTggl_Click);

    IncludeButton *extended = addButton("xmnuExtended", IncludePicture::Extended, {9, 270}, 91,
                                        tr("User-Created"));
    connect(extended, &QAbstractButton::clicked, this, [this] { popUp(m_menu.userCreatedMenu()); });

    IncludeButton *toggleUser = addButton("xbtnToggleEx", IncludePicture::ToggleUser, {135, 270}, 58,
                                          tr("Toggle All(User-created)"));
    connect(toggleUser, &QAbstractButton::clicked, &m_menu, &IncludeMenu::mnuTAUC_Click);
}

IncludeButton *IncludePanel::addButton(const char *name, IncludePicture picture, QPoint mainWindowPos, int width,
                                       const QString &tip)
{
    auto *b = new IncludeButton(picture, QSize(width, kButtonHeight), m_host);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(tip); // read out as its description
    b->setAccessibleName(includeButtonName(includePictureWord(picture), tip));
    b->move(mainWindowPos - m_hostOrigin);
    b->show();
    m_buttons.append(b);
    return b;
}

IncludeButton *IncludePanel::button(const QString &controlName) const
{
    for (IncludeButton *b : m_buttons)
        if (b->objectName() == controlName)
            return b;
    return nullptr;
}

QPoint IncludePanel::popUpPosition() const
{
    const QWidget *mainWindow = m_host->window();
    return mainWindow->mapToGlobal(QPoint(kPopUpX, mainWindow->height() + 1));
}

void IncludePanel::popUp(QMenu *menu)
{
    if (menu)
        m_popUp(menu, popUpPosition());
}

} // namespace brannock
