#include "Platform/Proc/ProtocolControlBlocks.h"

namespace Platform {

std::optional<QByteArray> ProtocolControlBlocks::read(const char* protocol)
{
    Q_UNUSED(protocol);
    return std::nullopt;
}

} // namespace Platform
