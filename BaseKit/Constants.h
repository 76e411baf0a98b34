#pragma once

#include "BaseKit/IOConstants.h"

namespace BaseKit {

// Byte-unit multipliers under their general name: the same twelve values as the byte-size steps.
struct Constants : IOConstants {};

} // namespace BaseKit
