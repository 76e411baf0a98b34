#pragma once

#include <QString>

namespace SystemKit {

// The sampling library's own string table ("UNKNOWN_ADDRESS", the Wi-Fi descriptions). A key
// without a translation comes back as itself.
class SystemKitStrings {
public:
    SystemKitStrings() = delete;
    static QString text(const char* key);
};

} // namespace SystemKit
