#pragma once

#include <memory>

namespace BaseKit {

class StatusItem;

// The desktop's status area. The program's items go to the system tray; users take the bar they show
// their items on as an argument.
class StatusBar {
public:
    static constexpr double variableLength = -1.0;

    virtual ~StatusBar() = default;

    // The system tray.
    static StatusBar& system();

    virtual std::shared_ptr<StatusItem> statusItem(double length) = 0;
    virtual void removeStatusItem(const std::shared_ptr<StatusItem>& item) = 0;
    // The height of the bar in points; the tray tells none, so a common panel height.
    virtual double thickness() const = 0;
};

} // namespace BaseKit
