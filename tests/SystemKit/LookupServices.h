#pragma once

// The echo and geolocation services of the external address lookup as two servers on 127.0.0.1,
// pointed at for the length of a test; the hosts of before come back at its end.

#include "SystemKit/Network/Ip.h"

#include "Support/LoopbackServer.h"

#include <gtest/gtest.h>

class LookupServices {
public:
    LookupServices() : m_before(SystemKit::Ip::hosts())
    {
        EXPECT_TRUE(echo.isListening());
        EXPECT_TRUE(geo.isListening());
        SystemKit::Ip::setHosts({echo.url(QString()), geo.url(QString())});
    }
    ~LookupServices() { SystemKit::Ip::setHosts(m_before); }
    LookupServices(const LookupServices&) = delete;
    LookupServices& operator=(const LookupServices&) = delete;

    // The geolocation service's answer for a country.
    static LoopbackServer::Reply located(const QByteArray& country)
    {
        LoopbackServer::Reply reply;
        reply.body = R"({"country_code":")" + country + R"("})";
        return reply;
    }

    LoopbackServer echo;
    LoopbackServer geo;

private:
    SystemKit::Ip::Hosts m_before;
};
