#pragma once

#include <memory>

namespace BaseKit {

class StatusItem;

// The desktop's status area. By default the system tray; tests install a bar of their own.
class StatusBar {
public:
    static constexpr double variableLength = -1.0;

    virtual ~StatusBar() = default;

    // The installed bar.
    static StatusBar& system();
    // Installs a bar (tests); none restores the tray. The caller keeps it alive while installed.
    static void setSystem(StatusBar* bar);

    virtual std::shared_ptr<StatusItem> statusItem(double length) = 0;
    virtual void removeStatusItem(const std::shared_ptr<StatusItem>& item) = 0;
    // The height of the bar in points; the tray tells none, so a common panel height.
    virtual double thickness() const = 0;
};

} // namespace BaseKit
