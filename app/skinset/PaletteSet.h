#pragma once

#include "common/SettingsSchema.h"

#include <QString>

#include <array>

namespace brannock {

class SettingsStore;

/// The palette names of one build, one per palette category (section "Pals").
class PaletteSet final {
public:
    /// Reads the names of schema::PaletteCategories; a missing key gives the setup program's value.
    /// Stored texts are taken unchanged. Throws AppError when the store fails.
    static PaletteSet read(const SettingsStore &store);

    /// The palette name of `category` (empty for a key that is no palette category).
    QString palette(const schema::SettingKey &category) const;

    void setPalette(const schema::SettingKey &category, const QString &name);

private:
    std::array<QString, schema::PaletteCategories.size()> m_names;
};

} // namespace brannock
