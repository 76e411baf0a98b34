#pragma once

#include "SystemKit/Network/NetworkAdapter.h"
#include "SystemKit/Network/WirelessAdapterDetails.h"
#include "SystemKit/Network/WlanInformation.h"

#include <optional>

namespace SystemKit {

// The adapter of a wireless interface: the live values of the first sample that found the interface
// on (updated in place from then on) and the registry record of the current sample.
class WifiAdapter : public NetworkAdapter {
    Q_OBJECT

public:
    WifiAdapter(const QString& identifier, int historySize, std::shared_ptr<const Platform::Clock> clock,
                QObject* parent = nullptr);

    const std::optional<WlanInformation>& info() const { return m_info; }
    const std::optional<WirelessAdapterDetails>& details() const { return m_details; }
    // Makes the live values on first use and copies the interface's values into them.
    void updateInfo(const Platform::WlanInterface& interface);
    void setDetails(std::optional<WirelessAdapterDetails> details);

private:
    std::optional<WlanInformation> m_info;
    std::optional<WirelessAdapterDetails> m_details;
};

} // namespace SystemKit
