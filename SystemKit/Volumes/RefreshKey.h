#pragma once

namespace SystemKit {

// A refresh kind of the volume sampler; nothing consults it.
enum class RefreshKey { sizes = 0 };

} // namespace SystemKit
