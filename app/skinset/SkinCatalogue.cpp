#include "skinset/SkinCatalogue.h"

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
    {"mnularmor", "Light Male", G::Team, 1, s::PalArmors, "larmor.bmp"},
    {"mnumarmor", "Medium Male", G::Team, 3, s::PalArmors, "marmor.bmp"},
    {"mnuharmor", "Heavy", G::Team, 5, s::PalArmors, "harmor.bmp"},
    {"mnulfemale", "Light Female", G::Team, 2, s::PalArmors, "lfemale.bmp"},
    {"mnumfemale", "Medium Female", G::Team, 4, s::PalArmors, "mfemale.bmp"},
    {"mnuFlag", "Flag", G::Team, 6, s::PalFlags, "flag.bmp"},
    {"mnuDoor", "Door", G::Team, 8, s::PalDoors, "door.bmp"},
    {"mnuEmblems", "Emblems", G::Team, 7, s::PalEmblems,
     "emblem1.bmp emblem2.bmp emblem3.bmp emblem4.bmp emblem5.bmp emblem6.bmp emblem7.bmp "
     "emblem8.bmp emblem9.bmp emblem10.bmp emblem11.bmp"},
    {"mnuScout", "Scout", G::Flyer, 1, s::PalFlyers, "flyer.bmp"},
    {"mnuSCockpit", "Scout Cockpit", G::Flyer, 2, s::PalFlyers, "flyercockpit.bmp"},
    {"mnuSEng", "Scout Thruster", G::Flyer, 3, s::PalFlyers, "flyerexhaust.bmp"},
    {"mnuAPC", "LPC/HPC", G::Flyer, 4, s::PalFlyers, "hover1.bmp"},
    {"mnuACockpits", "LPC/HPC Cockpits", G::Flyer, 5, s::PalFlyers, "hover_cockpit.bmp"},
    {"mnuAEng", "LPC/HPC Thruster", G::Flyer, 6, s::PalFlyers, "hoverexhaust.bmp"},
    {"mnuAStand", "LPC/HPC Stand", G::Flyer, 7, s::PalFlyers, "hover_stand1.bmp"},
    {"mnuTPlas", "Plasma Turret", G::Turret, 1, s::PalTurrets, "hacgun.bmp"},
    {"mnuTELF", "ELF Turret", G::Turret, 2, s::PalTurrets, "scorp1.bmp"},
    {"mnuTRocket", "Rocket Turret", G::Turret, 3, s::PalTurrets, "missleturret.bmp"},
    {"mnuTIn", "Indoor Turret", G::Turret, 4, s::PalTurrets, "id_flrgun.bmp"},
    {"mnuTMort", "Mortar Turret", G::Turret, 5, s::PalTurrets, "mortar1.bmp"},
    {"mnuEDish", "Sensor Dish", G::Equipment, 1, s::PalSensors, "radar.bmp"},
    {"mnuEGen", "Generator", G::Equipment, 2, s::PalGenerators, "pwrgenr1.bmp"},
    {"mnuESP", "Solar Panel", G::Equipment, 3, s::PalSolarPanels, "solar.bmp"},
    {"mnuSInv", "Inv Station Panel", G::Station, 8, s::PalStations, "invtpnl1.bmp"},
    {"mnuSV", "Vehicle Station Panel", G::Station, 7, s::PalStations, "control.bmp"},
    {"mnuSCP_Y", "Command Panel: Yellow", G::Station, 5, s::PalStations, "cmdpnl01.bmp"},
    {"mnuSCP_O", "Command Panel: Orange", G::Station, 6, s::PalStations, "cmdpnl02.bmp"},
    {"mnuSCT", "Command Station Top", G::Station, 4, s::PalStations, "cmdlite01.bmp"},
    {"mnuSAT", "Ammo Station Top", G::Station, 3, s::PalStations, "amun01.bmp"},
    {"mnuSVarP", "Various Parts", G::Station, 2, s::PalStations, "amoncmd.bmp"},
    {"mnuSRed", "Red Globe/Cmd Bottom", G::Station, 1, s::PalStations, "amocmd00.bmp"},
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
        {G::Team, QStringLiteral("mnuTSkins"), QStringLiteral("&Team Skins"), QStringLiteral("mnuSepT1"),
         QStringLiteral("mnuTAll"), QStringLiteral("&Toggle Team Skins")},
        {G::Flyer, QStringLiteral("mnuFSkins"), QStringLiteral("&Flyer Skins"), QStringLiteral("mnuFSep1"),
         QStringLiteral("mnuFAll"), QStringLiteral("&Toggle Flyer Skins")},
        {G::Turret, QStringLiteral("mnuTuSkins"), QStringLiteral("T&urret Skins"), QStringLiteral("mnuTuSep1"),
         QStringLiteral("mnuTuAll"), QStringLiteral("&Toggle Turret Skins")},
        {G::Equipment, QStringLiteral("mnuEqSkins"), QStringLiteral("&Equipment Skins"),
         QStringLiteral("mnuESep1"), QStringLiteral("mnuEAll"), QStringLiteral("&Toggle Equipment Skins")},
        {G::Station, QStringLiteral("mnuSSkins"), QStringLiteral("&Station Skins"), QStringLiteral("mnuSSep1"),
         QStringLiteral("mnuSAll"), QStringLiteral("&Toggle Station Skins")},
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

const SkinItem *SkinCatalogue::find(QStringView menuItem)
{
    for (const SkinItem &item : items())
        if (item.menuItem == menuItem)
            return &item;
    return nullptr;
}

} // namespace brannock
