#pragma once

#include "SystemKit/Graphics/GpuNumber.h"
#include "SystemKit/Graphics/GpuStatisticsItem.h"
#include "SystemKit/Graphics/OpenGlKey.h"

#include <QHash>
#include <QList>
#include <QString>

#include <array>
#include <memory>
#include <optional>

namespace SystemKit {

// One reading of a graphics card's performance statistics: the counters exactly as the driver gave
// them (known and unknown names alike) and one display item per known counter, sorted by display
// name in plain code-point order. A sample never changes after it is built, so one sample may be
// shared by several holders (a card's history holds its placeholder many times).
class GpuStatistics
{
public:
    using RawData = QHash<QString, GpuNumber>;

    explicit GpuStatistics(RawData rawData = {});

    // The two-counter sample the cards fill their histories with: a temperature of 0 (integer) and a
    // utilisation of 0.0 (real).
    static std::shared_ptr<const GpuStatistics> placeholder();
    static RawData placeholderData();

    const RawData& rawData() const { return m_rawData; }
    const QList<GpuStatisticsItem>& items() const { return m_items; }

    // The counter stored under the key's raw value; none when the sample has none.
    std::optional<GpuNumber> value(OpenGlKey key) const { return m_byKey[key.index()]; }
    // The counter stored under a dictionary text, catalogued or not.
    std::optional<GpuNumber> value(const QString& rawName) const;

private:
    RawData m_rawData;
    QList<GpuStatisticsItem> m_items;
    std::array<std::optional<GpuNumber>, OpenGlKey::caseCount> m_byKey;
};

using GpuStatisticsPointer = std::shared_ptr<const GpuStatistics>;

} // namespace SystemKit
