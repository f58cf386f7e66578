#include "skinset/SkinCatalogue.h"

#include <QCoreApplication>

#include <algorithm>

namespace brannock {

namespace {

struct Row {
    const char *menuItem;
    const char *caption;
    SkinGroup group;
    int menuPosition;
    schema::SettingKey palette;
    const char *files; ///< blank-separated, in compile order
};

using G = SkinGroup;
namespace s = schema;

// Build order. Inside the Team and Station groups the menu order differs (menuPosition).
constexpr Row kRows[] = {
    {"mnularmor", QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "Light Male"), G::Team, 1, s::PalArmors, "larmor.bmp"},
    {"mnumarmor", QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "Medium Male"), G::Team, 3, s::PalArmors, "marmor.bmp"},
    {"mnuharmor", QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "Heavy"), G::Team, 5, s::PalArmors, "harmor.bmp"},
    {"mnulfemale", QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "Light Female"), G::Team, 2, s::PalArmors, "lfemale.bmp"},
    {"mnumfemale", QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "Medium Female"), G::Team, 4, s::PalArmors, "mfemale.bmp"},
    {"mnuFlag", QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "Flag"), G::Team, 6, s::PalFlags, "flag.bmp"},
    {"mnuDoor", QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "Door"), G::Team, 8, s::PalDoors, "door.bmp"},
    {"mnuEmblems", QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "Emblems"), G::Team, 7, s::PalEmblems,
     "emblem1.bmp emblem2.bmp emblem3.bmp emblem4.bmp emblem5.bmp emblem6.bmp emblem7.bmp "
     "emblem8.bmp emblem9.bmp emblem10.bmp emblem11.bmp"},
    {"mnuScout", QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "Scout"), G::Flyer, 1, s::PalFlyers, "flyer.bmp"},
    {"mnuSCockpit", QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "Scout Cockpit"), G::Flyer, 2, s::PalFlyers, "flyercockpit.bmp"},
    {"mnuSEng", QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "Scout Thruster"), G::Flyer, 3, s::PalFlyers, "flyerexhaust.bmp"},
    {"mnuAPC", QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "LPC/HPC"), G::Flyer, 4, s::PalFlyers, "hover1.bmp"},
    {"mnuACockpits", QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "LPC/HPC Cockpits"), G::Flyer, 5, s::PalFlyers, "hover_cockpit.bmp"},
    {"mnuAEng", QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "LPC/HPC Thruster"), G::Flyer, 6, s::PalFlyers, "hoverexhaust.bmp"},
    {"mnuAStand", QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "LPC/HPC Stand"), G::Flyer, 7, s::PalFlyers, "hover_stand1.bmp"},
    {"mnuTPlas", QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "Plasma Turret"), G::Turret, 1, s::PalTurrets, "hacgun.bmp"},
    {"mnuTELF", QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "ELF Turret"), G::Turret, 2, s::PalTurrets, "scorp1.bmp"},
    {"mnuTRocket", QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "Rocket Turret"), G::Turret, 3, s::PalTurrets, "missleturret.bmp"},
    {"mnuTIn", QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "Indoor Turret"), G::Turret, 4, s::PalTurrets, "id_flrgun.bmp"},
    {"mnuTMort", QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "Mortar Turret"), G::Turret, 5, s::PalTurrets, "mortar1.bmp"},
    {"mnuEDish", QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "Sensor Dish"), G::Equipment, 1, s::PalSensors, "radar.bmp"},
    {"mnuEGen", QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "Generator"), G::Equipment, 2, s::PalGenerators, "pwrgenr1.bmp"},
    {"mnuESP", QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "Solar Panel"), G::Equipment, 3, s::PalSolarPanels, "solar.bmp"},
    {"mnuSInv", QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "Inv Station Panel"), G::Station, 8, s::PalStations, "invtpnl1.bmp"},
    {"mnuSV", QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "Vehicle Station Panel"), G::Station, 7, s::PalStations, "control.bmp"},
    {"mnuSCP_Y", QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "Command Panel: Yellow"), G::Station, 5, s::PalStations, "cmdpnl01.bmp"},
    {"mnuSCP_O", QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "Command Panel: Orange"), G::Station, 6, s::PalStations, "cmdpnl02.bmp"},
    {"mnuSCT", QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "Command Station Top"), G::Station, 4, s::PalStations, "cmdlite01.bmp"},
    {"mnuSAT", QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "Ammo Station Top"), G::Station, 3, s::PalStations, "amun01.bmp"},
    {"mnuSVarP", QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "Various Parts"), G::Station, 2, s::PalStations, "amoncmd.bmp"},
    {"mnuSRed", QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "Red Globe/Cmd Bottom"), G::Station, 1, s::PalStations, "amocmd00.bmp"},
};

} // namespace

const QList<SkinItem> &SkinCatalogue::items()
{
    static const QList<SkinItem> table = [] {
        QList<SkinItem> list;
        list.reserve(std::size(kRows));
        for (const Row &row : kRows)
            list.append({QString::fromLatin1(row.menuItem), QString::fromLatin1(row.caption), row.group,
                         row.menuPosition, row.palette,
                         QString::fromLatin1(row.files).split(QLatin1Char(' '))});
        return list;
    }();
    return table;
}

const QList<SkinGroupInfo> &SkinCatalogue::groups()
{
    static const QList<SkinGroupInfo> list = {
        {G::Team, QStringLiteral("mnuTSkins"), QString::fromUtf8(QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "&Team Skins")), QStringLiteral("mnuSepT1"),
         QStringLiteral("mnuTAll"), QString::fromUtf8(QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "&Toggle Team Skins"))},
        {G::Flyer, QStringLiteral("mnuFSkins"), QString::fromUtf8(QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "&Flyer Skins")), QStringLiteral("mnuFSep1"),
         QStringLiteral("mnuFAll"), QString::fromUtf8(QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "&Toggle Flyer Skins"))},
        {G::Turret, QStringLiteral("mnuTuSkins"), QString::fromUtf8(QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "T&urret Skins")), QStringLiteral("mnuTuSep1"),
         QStringLiteral("mnuTuAll"), QString::fromUtf8(QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "&Toggle Turret Skins"))},
        {G::Equipment, QStringLiteral("mnuEqSkins"), QString::fromUtf8(QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "&Equipment Skins")),
         QStringLiteral("mnuESep1"), QStringLiteral("mnuEAll"), QString::fromUtf8(QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "&Toggle Equipment Skins"))},
        {G::Station, QStringLiteral("mnuSSkins"), QString::fromUtf8(QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "&Station Skins")), QStringLiteral("mnuSSep1"),
         QStringLiteral("mnuSAll"), QString::fromUtf8(QT_TRANSLATE_NOOP("brannock::SkinCatalogue", "&Toggle Station Skins"))},
    };
    return list;
}

QList<const SkinItem *> SkinCatalogue::menuOrder(SkinGroup group)
{
    QList<const SkinItem *> result;
    for (const SkinItem &item : items())
        if (item.group == group)
            result.append(&item);
    std::stable_sort(result.begin(), result.end(),
                     [](const SkinItem *a, const SkinItem *b) { return a->menuPosition < b->menuPosition; });
    return result;
}

const SkinGroupInfo &SkinCatalogue::groupInfo(SkinGroup group)
{
    for (const SkinGroupInfo &info : groups())
        if (info.group == group)
            return info;
    return groups().first(); // every enumerator has a row
}

QString SkinCatalogue::translated(const QString &caption)
{
    return QCoreApplication::translate("brannock::SkinCatalogue", caption.toUtf8().constData());
}

const SkinItem *SkinCatalogue::find(QStringView menuItem)
{
    for (const SkinItem &item : items())
        if (item.menuItem == menuItem)
            return &item;
    return nullptr;
}

} // namespace brannock
