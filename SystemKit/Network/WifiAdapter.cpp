#include "SystemKit/Network/WifiAdapter.h"

#include <utility>

namespace SystemKit {

WifiAdapter::WifiAdapter(const QString& identifier, int historySize,
                         std::shared_ptr<const Platform::Clock> clock, QObject* parent)
    : NetworkAdapter(identifier, historySize, std::move(clock), parent)
{
}

void WifiAdapter::updateInfo(const Platform::WlanInterface& interface)
{
    if (!m_info)
        m_info.emplace();
    m_info->update(interface);
    emit changed();
}

void WifiAdapter::setDetails(std::optional<WirelessAdapterDetails> details)
{
    m_details = std::move(details);
    emit changed();
}

} // namespace SystemKit
