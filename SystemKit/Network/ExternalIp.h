#pragma once

#include <QString>

#include <optional>

namespace SystemKit {

// The machine's public address as the echo service reported it and the country code of that
// address; both none in the empty result.
class ExternalIp {
public:
    ExternalIp() = default;
    ExternalIp(std::optional<QString> ip, std::optional<QString> countryCode)
        : m_ip(std::move(ip)), m_countryCode(std::move(countryCode))
    {
    }

    const std::optional<QString>& ip() const { return m_ip; }
    const std::optional<QString>& countryCode() const { return m_countryCode; }

    // The result of a lookup that found no usable answer.
    static const ExternalIp& empty()
    {
        static const ExternalIp none;
        return none;
    }

    bool operator==(const ExternalIp&) const = default;

private:
    std::optional<QString> m_ip;
    std::optional<QString> m_countryCode;
};

} // namespace SystemKit
