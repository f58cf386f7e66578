#include "skinset/PaletteSet.h"

#include "common/SettingsStore.h"

namespace brannock {

namespace {
int indexOf(const schema::SettingKey &category)
{
    for (std::size_t i = 0; i < schema::PaletteCategories.size(); ++i)
        if (schema::PaletteCategories[i].key == category)
            return int(i);
    return -1;
}
} // namespace

PaletteSet PaletteSet::read(const SettingsStore &store)
{
    PaletteSet set;
    for (std::size_t i = 0; i < schema::PaletteCategories.size(); ++i)
        set.m_names[i] = store.read(schema::PaletteCategories[i], schema::Reader::Program);
    return set;
}

QString PaletteSet::palette(const schema::SettingKey &category) const
{
    const int i = indexOf(category);
    return i < 0 ? QString() : m_names[std::size_t(i)];
}

void PaletteSet::setPalette(const schema::SettingKey &category, const QString &name)
{
    const int i = indexOf(category);
    if (i >= 0)
        m_names[std::size_t(i)] = name;
}

} // namespace brannock
