#include "SystemKit/Graphics/GpuStatisticsItem.h"

#include <utility>

namespace SystemKit {

GpuStatisticsItem::GpuStatisticsItem(OpenGlKey key, QString name, double value, QUuid id)
    : m_key(key), m_name(std::move(name)), m_value(value), m_id(id)
{
}

} // namespace SystemKit
