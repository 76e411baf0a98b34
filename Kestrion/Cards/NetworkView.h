#pragma once

#include "Kestrion/Cards/CardView.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace SystemKit {
class NetworkAdapter;
}

namespace ViewKit {
class VKDoubleTextView;
class VKNoNetworkAdapterView;
} // namespace ViewKit

namespace Kestrion {

class CardCanvas;
class NetworkModel;

// The primary network adapter: a symbol of its kind and its name, then the host name, the adapter's
// address, the external address with its country's flag and, for a Wi-Fi adapter with live values,
// the transmit rate, the signal strength and the noise. Without a primary adapter the card shows
// the network placeholder only.
class NetworkView : public CardView
{
    Q_OBJECT

public:
    using HostName = std::function<QString()>;

    NetworkView(NetworkModel& model, HostName hostName, CardLookSettings& look, QWidget* parent = nullptr);

    // The symbol of the adapter's kind: "rectangle.connected.to.line.below" for Ethernet, "wifi" for
    // every other kind.
    static QString kindSymbol(const SystemKit::NetworkAdapter& adapter);
    // The right-hand texts.
    static QString countryText(const std::optional<QString>& countryCode);
    // "-" for a rate of 0 or less: the driver reported none.
    static QString transmitRateText(double megabitsPerSecond);
    static QString decibelText(int dBm);
    // "-" for a noise of 0 dBm: the driver measured none.
    static QString noiseText(int dBm);

    bool showsPlaceholder() const;
    CardCanvas* header() const { return m_header; }
    // The rows in order: host name, local address, external address, country, transmit rate, signal
    // strength, noise.
    const std::vector<ViewKit::VKDoubleTextView*>& rows() const { return m_rows; }
    ViewKit::VKNoNetworkAdapterView* placeholder() const { return m_placeholder; }

protected:
    void refresh() override;

private:
    QPointer<NetworkModel> m_model;
    HostName m_hostName;
    ViewKit::VKNoNetworkAdapterView* m_placeholder;
    QWidget* m_body;
    CardCanvas* m_header;
    // The kind and name the title was last asked to show.
    QString m_shownHeader;
    std::vector<ViewKit::VKDoubleTextView*> m_rows;
};

} // namespace Kestrion
