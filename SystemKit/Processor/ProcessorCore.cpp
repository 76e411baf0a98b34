#include "SystemKit/Processor/ProcessorCore.h"

namespace SystemKit {

ProcessorCore::ProcessorCore()
    : m_id(QUuid::createUuid())
{
}

} // namespace SystemKit
