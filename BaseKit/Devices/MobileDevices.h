#pragma once

#include "BaseKit/Devices/MobileDevice.h"

#include <QString>

#include <cstddef>
#include <memory>

namespace BaseKit {

// Names handheld devices by their model identifiers ("iPhone7,2", "Watch6,18"). The identifier's kind
// word picks the table (tested in the order iPhone, iPod, iPad, Watch, case-sensitive); a table row
// matches only the whole identifier. An identifier that no row holds gives the table's general
// device (phones, tablets, watches) or none (music players). Every call builds a new device.
class MobileDevices {
public:
    static std::unique_ptr<MobileDevice> device(const QString& model);
    static std::unique_ptr<MobileDevice> phone(const QString& model);
    static std::unique_ptr<MobileDevice> audio(const QString& model);
    static std::unique_ptr<MobileDevice> tablet(const QString& model);
    static std::unique_ptr<MobileDevice> watch(const QString& model);

    // The number of rows of each table.
    static std::size_t phoneCount();
    static std::size_t audioCount();
    static std::size_t tabletCount();
    static std::size_t watchCount();
};

} // namespace BaseKit
