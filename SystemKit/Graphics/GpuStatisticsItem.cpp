#include "SystemKit/Graphics/GpuStatisticsItem.h"

#include <QRandomGenerator>

#include <array>
#include <utility>

namespace SystemKit {

GpuStatisticsItem::GpuStatisticsItem(OpenGlKey key, QString name, double value, QUuid id)
    : m_key(key), m_name(std::move(name)), m_value(value), m_id(id)
{
}

QUuid GpuStatisticsItem::freshId()
{
    std::array<quint32, 4> words;
    QRandomGenerator::global()->fillRange(words.data(), words.size());
    QUuid id(words[0], quint16(words[1]), quint16(words[1] >> 16), uchar(words[2]), uchar(words[2] >> 8),
             uchar(words[2] >> 16), uchar(words[2] >> 24), uchar(words[3]), uchar(words[3] >> 8), uchar(words[3] >> 16),
             uchar(words[3] >> 24));
    id.data3 = quint16((id.data3 & 0x0fff) | 0x4000); // version 4: random
    id.data4[0] = uchar((id.data4[0] & 0x3f) | 0x80); // the standard variant
    return id;
}

} // namespace SystemKit
