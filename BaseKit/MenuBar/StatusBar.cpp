#include "BaseKit/MenuBar/StatusBar.h"

#include "BaseKit/MenuBar/TrayStatusItem.h"

namespace BaseKit {

namespace {

class TrayStatusBar : public StatusBar {
public:
    std::shared_ptr<StatusItem> statusItem(double length) override { return std::make_shared<TrayStatusItem>(length); }
    void removeStatusItem(const std::shared_ptr<StatusItem>& item) override
    {
        if (auto* tray = dynamic_cast<TrayStatusItem*>(item.get()))
            tray->remove();
    }
    double thickness() const override { return 22.0; }
};

} // namespace

StatusBar& StatusBar::system()
{
    static TrayStatusBar tray;
    return tray;
}

} // namespace BaseKit
