#pragma once

#include "Platform/PropertyList/PlistValue.h"

namespace SystemKit {

// A disk's device facts, kept whole as the system gives them, with five named lookups. A lookup gives
// the stored value unconverted (a number stays a number), or none when the key is absent.
class VolumeCharacteristics {
public:
    VolumeCharacteristics() = default;
    explicit VolumeCharacteristics(Platform::PlistValue::DictionaryType data) : m_data(std::move(data)) {}

    const Platform::PlistValue::DictionaryType& data() const { return m_data; }

    Platform::PlistValue productName() const { return value("Product Name"); }
    Platform::PlistValue vendorName() const { return value("Vendor Name"); }
    Platform::PlistValue serialNumber() const { return value("Serial Number"); }
    Platform::PlistValue revision() const { return value("Product Revision Level"); }
    Platform::PlistValue mediumType() const { return value("Medium Type"); }

    bool operator==(const VolumeCharacteristics&) const = default;

private:
    Platform::PlistValue value(const char* key) const
    {
        const auto found = m_data.find(QLatin1String(key));
        return found == m_data.end() ? Platform::PlistValue() : found->second;
    }

    Platform::PlistValue::DictionaryType m_data;
};

} // namespace SystemKit
