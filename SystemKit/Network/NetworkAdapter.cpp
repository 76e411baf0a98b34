#include "SystemKit/Network/NetworkAdapter.h"

#include "SystemKit/Utilities.h"

#include "Platform/System/KernelName.h"

#include <QHash>

#include <utility>

namespace SystemKit {

NetworkAdapter::NetworkAdapter(const QString& identifier, int historySize,
                               std::shared_ptr<const Platform::Clock> clock, QObject* parent)
    : QObject(parent)
    , m_histories(historySize, std::move(clock))
    , m_usageHistory(historySize)
    , m_identifier(identifier)
    , m_name(Platform::KernelName::displayed(identifier)) // the interface name, bytes that are no UTF-8 shown replaced
{
}

NetworkAdapter::~NetworkAdapter() = default;

void NetworkAdapter::update(std::uint32_t upload, std::uint32_t download, double interval)
{
    // Also an interval that is no number counts as too short.
    const bool tooShort = !(interval >= shortestInterval);
    std::uint64_t uploadDelta = 0;
    if (!m_firstUploadRefresh && !tooShort) {
        uploadDelta = Utilities::counterDelta(m_speeds.current.oldUpload, upload);
        m_speeds.current.oldUpload = upload;
        const std::uint64_t speed = Utilities::rate(uploadDelta, interval);
        setUploadSpeed(speed);
        m_histories.appendUpload(speed);
    } else {
        m_speeds.current.oldUpload = upload;
        m_speeds.current.upload = 0;
        m_firstUploadRefresh = false;
    }

    std::uint64_t downloadDelta = 0;
    if (!m_firstDownloadRefresh && !tooShort) {
        downloadDelta = Utilities::counterDelta(m_speeds.current.oldDownload, download);
        m_speeds.current.oldDownload = download;
        const std::uint64_t speed = Utilities::rate(downloadDelta, interval);
        setDownloadSpeed(speed);
        m_histories.appendDownload(speed);
    } else {
        m_speeds.current.oldDownload = download;
        m_speeds.current.download = 0;
        m_firstDownloadRefresh = false;
    }

    const std::uint64_t total = uploadDelta + downloadDelta;
    if (m_maxDelta < total)
        m_maxDelta = total;
    m_usageHistory.append(total);
    emit changed();
}

void NetworkAdapter::setUploadSpeed(std::uint64_t speed)
{
    if (m_speeds.max.upload < speed)
        m_speeds.max.upload = speed;
    m_speeds.current.upload = speed;
}

void NetworkAdapter::setDownloadSpeed(std::uint64_t speed)
{
    if (m_speeds.max.download < speed)
        m_speeds.max.download = speed;
    m_speeds.current.download = speed;
}

void NetworkAdapter::setAddresses(const Addresses& addresses)
{
    m_addresses = addresses;
    emit changed();
}

void NetworkAdapter::setIpv4(const std::optional<QString>& address)
{
    m_addresses.ipv4 = address;
    emit changed();
}

void NetworkAdapter::setIpv6(const std::optional<QString>& address)
{
    m_addresses.ipv6 = address;
    emit changed();
}

void NetworkAdapter::setName(const QString& name)
{
    m_name = name;
    emit changed();
}

void NetworkAdapter::setHardwareAddress(const std::optional<QString>& address)
{
    m_hardwareAddress = address;
    emit changed();
}

void NetworkAdapter::setProtocols(const QStringList& protocols)
{
    m_protocols = protocols;
    emit changed();
}

size_t qHash(const NetworkAdapter& adapter, size_t seed)
{
    return qHash(adapter.identifier(), seed);
}

} // namespace SystemKit
