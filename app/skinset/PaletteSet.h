#pragma once

#include "common/SettingsSchema.h"

#include <QString>

#include <array>

namespace brannock {

class SettingsStore;

/// The ten palette names of one build, one per palette category (section "Pals").
class PaletteSet final {
public:
    /// The categories in the order the build reads them.
    static constexpr std::array<schema::SettingKey, 10> ReadOrder{{
        schema::PalArmors, schema::PalFlags, schema::PalDoors, schema::PalEmblems, schema::PalFlyers,
        schema::PalTurrets, schema::PalStations, schema::PalGenerators, schema::PalSensors,
        schema::PalSolarPanels,
    }};

    /// Reads the ten names in ReadOrder; a missing key gives the setup program's value.
    /// Stored texts are taken unchanged. Throws AppError when the store fails.
    static PaletteSet read(const SettingsStore &store);

    /// The palette name of `category` (empty for a key that is no palette category).
    QString palette(const schema::SettingKey &category) const;

    void setPalette(const schema::SettingKey &category, const QString &name);

private:
    std::array<QString, ReadOrder.size()> m_names;
};

} // namespace brannock
