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

/// How the stored text of a setting is read.
enum class Decoding {
    Text,      ///< taken as stored: the game folder, the look folder
    Flag,      ///< set when it is exactly Yes
    Component, ///< a colour component: a decimal number, rounded
    Palette,   ///< a palette name that the build passes to MakeSkin.exe
};

/// Who reads a setting. The two readers have always differed in what a missing key means:
/// the program builds and paints with working values, the dialogs show what is stored.
enum class Reader {
    Program, ///< the build and the look
    Dialogs, ///< Configuration and its colour dialogs
};

/// One setting: where it is stored, how it is read, what the setup program writes for it
/// and what each reader takes when the key is missing.
struct Setting {
    SettingKey key;
    Decoding decoding = Decoding::Text;
    std::string_view setupValue;     ///< empty for the game folder, which the setup program detects or asks for
    std::string_view programMissing; ///< what the build and the look take for a missing key
    std::string_view dialogsMissing; ///< what the dialogs show for a missing key

    constexpr operator SettingKey() const { return key; }
    constexpr std::string_view missing(Reader reader) const
    {
        return reader == Reader::Program ? programMissing : dialogsMissing;
    }
};

/// The value that marks a flag as set; readers compare with it exactly.
inline constexpr std::string_view Yes = "Yes";
inline constexpr std::string_view No = "No";

// Every setting, with its decoding, the setup program's value and what each reader takes
// for a missing key. A new key is a line here and an entry in All.
inline constexpr Setting ColorR1{{Color, "R1"}, Decoding::Component, "0", "0", "255"};
inline constexpr Setting ColorG1{{Color, "G1"}, Decoding::Component, "120", "0", "255"};
inline constexpr Setting ColorB1{{Color, "B1"}, Decoding::Component, "255", "0", "255"};
inline constexpr Setting ColorR2{{Color, "R2"}, Decoding::Component, "255", "0", "255"};
inline constexpr Setting ColorG2{{Color, "G2"}, Decoding::Component, "255", "0", "255"};
inline constexpr Setting ColorB2{{Color, "B2"}, Decoding::Component, "255", "0", "255"};
inline constexpr Setting ColorTxtR{{Color, "TxtR"}, Decoding::Component, "0", "0", "255"};
inline constexpr Setting ColorTxtG{{Color, "TxtG"}, Decoding::Component, "0", "0", "255"};
inline constexpr Setting ColorTxtB{{Color, "TxtB"}, Decoding::Component, "0", "0", "255"};

inline constexpr Setting GamePath{{Kestrow, "Path"}, Decoding::Text, "", "", ""};

inline constexpr Setting PalArmors{{Pals, "Armors"}, Decoding::Palette, "pal3", "pal3", "pal3"};
inline constexpr Setting PalFlags{{Pals, "Flags"}, Decoding::Palette, "pal3", "pal3", "pal3"};
inline constexpr Setting PalDoors{{Pals, "Doors"}, Decoding::Palette, "pal2", "pal2", "pal2"};
inline constexpr Setting PalEmblems{{Pals, "Emblems"}, Decoding::Palette, "pal1", "pal1", "pal1"};
inline constexpr Setting PalFlyers{{Pals, "Flyers"}, Decoding::Palette, "pal2", "pal2", "pal2"};
inline constexpr Setting PalTurrets{{Pals, "Turrets"}, Decoding::Palette, "pal2", "pal2", "pal2"};
inline constexpr Setting PalStations{{Pals, "Stations"}, Decoding::Palette, "pal2", "pal2", "pal2"};
inline constexpr Setting PalSensors{{Pals, "Sensors"}, Decoding::Palette, "pal2", "pal2", "pal2"};
inline constexpr Setting PalGenerators{{Pals, "Generators"}, Decoding::Palette, "pal2", "pal2", "pal2"};
inline constexpr Setting PalSolarPanels{{Pals, "Solar Panels"}, Decoding::Palette, "pal2", "pal2", "pal2"};

inline constexpr Setting SkinUse{{Skin, "Use"}, Decoding::Flag, Yes, "", ""};
inline constexpr Setting SkinPath{{Skin, "Path"}, Decoding::Text, "Skins\\6.0 GOLD\\", "", ""};

inline constexpr Setting OtherDelNew{{Other, "DelNew"}, Decoding::Flag, No, No, ""};
inline constexpr Setting OtherUseAVC{{Other, "UseAVC"}, Decoding::Flag, Yes, Yes, ""};

/// Every setting in the order the setup program writes them: the colours, the game folder,
/// the palettes, the look, the two build options. Sections stay together.
inline constexpr std::array All{
    ColorR1, ColorR2, ColorG1, ColorG2, ColorB1, ColorB2, ColorTxtR, ColorTxtG, ColorTxtB,
    GamePath,
    PalArmors, PalFlags, PalDoors, PalEmblems, PalFlyers, PalTurrets, PalStations, PalSensors, PalGenerators,
    PalSolarPanels,
    SkinUse, SkinPath,
    OtherDelNew, OtherUseAVC,
};

/// The longest value the store takes, in characters: a path, a palette or a colour fits
/// with room to spare, and the whole store stays far below what it reads.
inline constexpr int MaxValueLength = 1024;

constexpr bool operator==(const SettingKey &a, const SettingKey &b)
{
    return a.section == b.section && a.key == b.key;
}

/// A key with the value that the setup program writes for it.
struct SetupValue {
    SettingKey key;
    std::string_view value;
};

namespace detail {

constexpr std::size_t indexOf(const SettingKey &key)
{
    for (std::size_t i = 0; i < All.size(); ++i)
        if (All[i].key == key)
            return i;
    return All.size();
}

template <std::size_t From, std::size_t To>
constexpr std::array<SetupValue, To - From> setupValues()
{
    std::array<SetupValue, To - From> values{};
    for (std::size_t i = From; i < To; ++i)
        values[i - From] = {All[i].key, All[i].setupValue};
    return values;
}

constexpr std::size_t countOf(Decoding decoding)
{
    std::size_t n = 0;
    for (const Setting &s : All)
        n += s.decoding == decoding ? 1 : 0;
    return n;
}

} // namespace detail

/// The setup program's defaults before the game folder, in the order it writes them.
inline constexpr auto SetupColors = detail::setupValues<0, detail::indexOf(GamePath)>();

/// The setup program's defaults after the game folder, in the order it writes them:
/// palettes, then the look, then the two build options.
inline constexpr auto SetupRest = detail::setupValues<detail::indexOf(GamePath) + 1, All.size()>();

/// The palette categories, one for each palette name of a build.
inline constexpr auto PaletteCategories = [] {
    std::array<Setting, detail::countOf(Decoding::Palette)> categories{};
    std::size_t n = 0;
    for (const Setting &s : All)
        if (s.decoding == Decoding::Palette)
            categories[n++] = s;
    return categories;
}();

/// The game folder that the setup program offers when it finds no installation.
inline constexpr std::string_view SetupGamePathGuess = "C:\\Halvern\\Kestrow";

} // namespace brannock::schema
