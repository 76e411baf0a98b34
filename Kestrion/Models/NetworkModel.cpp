#include "Kestrion/Models/NetworkModel.h"

#include "Kestrion/Models/StartupEnvironment.h"

#include "BaseKit/Bundle.h"
#include "SystemKit/Network/Ip.h"

namespace Kestrion {

NetworkModel::NetworkModel(const StartupEnvironment& environment, QObject* parent)
    : NetworkModel(new SystemKit::NetworkController(30, false, environment.networkEnvironment()),
                   environment.addressServices, parent)
{
}

NetworkModel::NetworkModel(SystemKit::NetworkController* controller, SystemKit::Ip::Hosts addressServices,
                           QObject* parent)
    : QObject(parent), m_controller(controller), m_addressServices(std::move(addressServices))
{
    if (!m_controller->parent())
        m_controller->setParent(this);
    m_controller->start(1.0);
    m_controller->updateAdapters();
    connect(m_controller, &SystemKit::NetworkController::vpnStateDidChange, this, &NetworkModel::vpnStateChanged,
            Qt::QueuedConnection);
    fetchExternalIp();
}

void NetworkModel::setExternalIp(const std::optional<QString>& ip)
{
    m_externalIp = ip;
    emit externalIpChanged();
}

void NetworkModel::setCountryCode(const std::optional<QString>& code)
{
    m_countryCode = code;
    emit countryCodeChanged();
}

void NetworkModel::vpnStateChanged()
{
    fetchExternalIp();
}

void NetworkModel::fetchExternalIp()
{
    const std::uint64_t ticket = m_order.begin();
    SystemKit::Ip::lookup(m_addressServices, BaseKit::Bundle::name(), BaseKit::Bundle::version(), this,
                          [this, ticket](const SystemKit::ExternalIp& result, const std::optional<BaseKit::WebError>&) {
                              if (!m_order.accept(ticket))
                                  return;
                              // A failed exchange and an unusable answer both leave nothing known.
                              setExternalIp(result.ip());
                              setCountryCode(result.countryCode());
                          });
}

} // namespace Kestrion
