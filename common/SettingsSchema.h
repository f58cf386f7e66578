#pragma once

#include <QString>

#include <array>
#include <string_view>

namespace brannock {

/// A section, key or value of the schema as text.
inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace brannock

namespace brannock::schema {

/// One key of the settings store: a section and a key inside it.
struct SettingKey {
    std::string_view section;
    std::string_view key;
};

inline constexpr std::string_view Color = "Color";
inline constexpr std::string_view Kestrow = "Kestrow";
inline constexpr std::string_view Pals = "Pals";
inline constexpr std::string_view Skin = "Skin";
inline constexpr std::string_view Other = "Other";

inline constexpr SettingKey ColorR1{Color, "R1"};
inline constexpr SettingKey ColorG1{Color, "G1"};
inline constexpr SettingKey ColorB1{Color, "B1"};
inline constexpr SettingKey ColorR2{Color, "R2"};
inline constexpr SettingKey ColorG2{Color, "G2"};
inline constexpr SettingKey ColorB2{Color, "B2"};
inline constexpr SettingKey ColorTxtR{Color, "TxtR"};
inline constexpr SettingKey ColorTxtG{Color, "TxtG"};
inline constexpr SettingKey ColorTxtB{Color, "TxtB"};

inline constexpr SettingKey GamePath{Kestrow, "Path"};

inline constexpr SettingKey PalArmors{Pals, "Armors"};
inline constexpr SettingKey PalFlags{Pals, "Flags"};
inline constexpr SettingKey PalDoors{Pals, "Doors"};
inline constexpr SettingKey PalEmblems{Pals, "Emblems"};
inline constexpr SettingKey PalFlyers{Pals, "Flyers"};
inline constexpr SettingKey PalTurrets{Pals, "Turrets"};
inline constexpr SettingKey PalStations{Pals, "Stations"};
inline constexpr SettingKey PalSensors{Pals, "Sensors"};
inline constexpr SettingKey PalGenerators{Pals, "Generators"};
inline constexpr SettingKey PalSolarPanels{Pals, "Solar Panels"};

inline constexpr SettingKey SkinUse{Skin, "Use"};
inline constexpr SettingKey SkinPath{Skin, "Path"};

inline constexpr SettingKey OtherDelNew{Other, "DelNew"};
inline constexpr SettingKey OtherUseAVC{Other, "UseAVC"};

/// The longest value the store takes, in characters: a path, a palette or a colour fits
/// with room to spare, and the whole store stays far below what it reads.
inline constexpr int MaxValueLength = 1024;

/// The value that marks a flag as set; readers compare with it exactly.
inline constexpr std::string_view Yes = "Yes";
inline constexpr std::string_view No = "No";

/// A key with the value that the setup program writes for it.
struct SetupValue {
    SettingKey key;
    std::string_view value;
};

/// The setup program's defaults before the game folder, in the order it writes them.
inline constexpr std::array<SetupValue, 9> SetupColors{{
    {ColorR1, "0"}, {ColorR2, "255"}, {ColorG1, "120"}, {ColorG2, "255"}, {ColorB1, "255"},
    {ColorB2, "255"}, {ColorTxtR, "0"}, {ColorTxtG, "0"}, {ColorTxtB, "0"},
}};

/// The setup program's defaults after the game folder, in the order it writes them:
/// palettes, then the look, then the two build options.
inline constexpr std::array<SetupValue, 14> SetupRest{{
    {PalArmors, "pal3"}, {PalFlags, "pal3"}, {PalDoors, "pal2"}, {PalEmblems, "pal1"},
    {PalFlyers, "pal2"}, {PalTurrets, "pal2"}, {PalStations, "pal2"}, {PalSensors, "pal2"},
    {PalGenerators, "pal2"}, {PalSolarPanels, "pal2"},
    {SkinUse, "Yes"}, {SkinPath, "Skins\\6.0 GOLD\\"},
    {OtherDelNew, "No"}, {OtherUseAVC, "Yes"},
}};

constexpr bool operator==(const SettingKey &a, const SettingKey &b)
{
    return a.section == b.section && a.key == b.key;
}

/// The value the setup program writes for `key` (empty for the game folder, which it
/// detects or asks for). Palette readers use it as their default for a missing key.
constexpr std::string_view setupValueOf(const SettingKey &key)
{
    for (const auto &v : SetupColors)
        if (v.key == key)
            return v.value;
    for (const auto &v : SetupRest)
        if (v.key == key)
            return v.value;
    return {};
}

/// The game folder that the setup program offers when it finds no installation.
inline constexpr std::string_view SetupGamePathGuess = "C:\\Halvern\\Kestrow";

} // namespace brannock::schema
