#pragma once

#include "common/SettingsSchema.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace brannock {

enum class SkinGroup { Team, Flyer, Turret, Equipment, Station };

/// One Include sub-menu: its entry name/caption, separator name, category toggle name/caption.
struct SkinGroupInfo {
    SkinGroup group;
    QString menuName;
    QString caption;
    QString separatorName;
    QString toggleName;
    QString toggleCaption;
};

/// One built-in skin item.
struct SkinItem {
    QString menuItem;                  ///< object name of its Include-menu entry
    QString caption;                   ///< the entry's caption
    SkinGroup group;
    int menuPosition;                  ///< 1-based place inside its group's sub-menu
    schema::SettingKey paletteCategory;///< section "Pals" key of its palette
    QStringList files;                 ///< bitmap file names, compiled in this order
};

/// The fixed table of built-in skin items the build knows how to compile.
class SkinCatalogue final {
public:
    static const QList<SkinItem> &items();            ///< the 31 items in build order
    static const QList<SkinGroupInfo> &groups();       ///< the five groups in Include-menu order
    static QList<const SkinItem *> menuOrder(SkinGroup group); ///< a group's items in menu order

    /// The group's sub-menu description.
    static const SkinGroupInfo &groupInfo(SkinGroup group);
    /// The item whose Include-menu entry is `menuItem`, or null.
    static const SkinItem *find(QStringView menuItem);
    /// A caption of the table (an item's, a group's or a group toggle's) in the player's language.
    static QString translated(const QString &caption);
};

} // namespace brannock
