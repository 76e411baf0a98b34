#pragma once

#include <QString>

#include <functional>

namespace Platform {

// Unmounts a volume and ejects (or powers off) the drive it lives on, without waiting: the outcome
// arrives later through `done`, on the thread that asked, never from within the call. The error text
// is empty on success.
class DiskEjector {
public:
    using Done = std::function<void(const QString& error)>;

    virtual ~DiskEjector() = default;

    // `device` is the volume's block device ("sdb1"); a volume that is not `removable` is refused.
    virtual void unmountAndEject(const QString& device, bool removable, Done done) = 0;
};

} // namespace Platform
