#include "SystemKit/Network/EthernetAdapter.h"

#include <utility>

namespace SystemKit {

EthernetAdapter::EthernetAdapter(const QString& identifier, int historySize,
                                 std::shared_ptr<const Platform::Clock> clock, QObject* parent)
    : NetworkAdapter(identifier, historySize, std::move(clock), parent)
{
}

void EthernetAdapter::setDetails(std::optional<EthernetAdapterDetails> details)
{
    m_details = std::move(details);
    emit changed();
}

} // namespace SystemKit
