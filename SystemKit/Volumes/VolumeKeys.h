#pragma once

namespace SystemKit {

// A namespace-like type of the volume sampler that holds nothing.
class VolumeKeys {};

} // namespace SystemKit
