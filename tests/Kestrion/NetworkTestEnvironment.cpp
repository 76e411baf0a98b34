// The network model looks up the external address as soon as the program's models are made. In the
// tests of the application every lookup goes to a closed port of this machine and fails at once.
#include "SystemKit/Network/Ip.h"

#include <gtest/gtest.h>

namespace {

class LoopbackLookup : public ::testing::Environment {
public:
    void SetUp() override
    {
        SystemKit::Ip::setHosts({QStringLiteral("http://127.0.0.1:9"), QStringLiteral("http://127.0.0.1:9")});
    }
};

const auto* const registered = ::testing::AddGlobalTestEnvironment(new LoopbackLookup);

} // namespace
