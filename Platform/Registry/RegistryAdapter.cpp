#include "Platform/Registry/RegistryAdapter.h"

namespace Platform {

PlistValue RegistryAdapter::property(const QString& path, const QString& key) const
{
    const PlistValue::DictionaryType all = properties(path);
    auto it = all.find(key);
    return it == all.end() ? PlistValue() : it->second;
}

} // namespace Platform
