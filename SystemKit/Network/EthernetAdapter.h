#pragma once

#include "SystemKit/Network/EthernetAdapterDetails.h"
#include "SystemKit/Network/NetworkAdapter.h"

#include <optional>

namespace SystemKit {

// The adapter of a wired interface, and of any primary interface that is not Wi-Fi, with the
// registry record of its controller from the current sample.
class EthernetAdapter : public NetworkAdapter {
    Q_OBJECT

public:
    EthernetAdapter(const QString& identifier, int historySize, std::shared_ptr<const Platform::Clock> clock,
                    QObject* parent = nullptr);

    const std::optional<EthernetAdapterDetails>& details() const { return m_details; }
    void setDetails(std::optional<EthernetAdapterDetails> details);

private:
    std::optional<EthernetAdapterDetails> m_details;
};

} // namespace SystemKit
