#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace SystemKit {

// The nine groups the graphics-card counters fall into. The raw value of a case is its name.
// No counter of the catalogue falls into `vram`; the group exists and has a display name all the same.
class GraphicsCardKeyCategory
{
public:
    enum Case : std::uint8_t { general, utilization, vram, fan, memory, texture, latency, count, hardwareChannel };
    static constexpr std::size_t caseCount = 9;

    constexpr GraphicsCardKeyCategory(Case value = general) noexcept : m_case(value) {}
    constexpr operator Case() const noexcept { return m_case; }

    // The case whose raw value is exactly `rawValue`; none otherwise.
    static std::optional<GraphicsCardKeyCategory> fromRawValue(const QString& rawValue);
    static const std::array<GraphicsCardKeyCategory, caseCount>& allCases();

    QString rawValue() const;
    // The display name from the library's string table (the raw value when it has none).
    QString description() const;

private:
    Case m_case;
};

} // namespace SystemKit
