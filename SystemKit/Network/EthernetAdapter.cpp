#include "SystemKit/Network/EthernetAdapter.h"

namespace SystemKit {

EthernetAdapter::EthernetAdapter(const QString& identifier, int historySize, QObject* parent)
    : NetworkAdapter(identifier, historySize, parent)
{
}

void EthernetAdapter::setDetails(std::optional<EthernetAdapterDetails> details)
{
    m_details = std::move(details);
    emit changed();
}

} // namespace SystemKit
