#pragma once

// The echo and geolocation services of the external address lookup as two servers on 127.0.0.1;
// `hosts` names them to a lookup.

#include "SystemKit/Network/Ip.h"

#include "Support/LoopbackServer.h"

#include <gtest/gtest.h>

class LookupServices {
public:
    LookupServices()
    {
        EXPECT_TRUE(echo.isListening());
        EXPECT_TRUE(geo.isListening());
        hosts = {echo.url(QString()), geo.url(QString())};
    }
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
    SystemKit::Ip::Hosts hosts;
};
