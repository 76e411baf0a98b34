#pragma once

#include <QString>

namespace BaseKit {

// The application's name and version, or the library's localised fallback words.
class Bundle {
public:
    Bundle() = delete;

    // QCoreApplication's application name; the localised "UNKNOWN_APP" when it has none.
    static QString name();
    // QCoreApplication's application version; the localised "UNKNOWN_VERSION" when it has none.
    static QString version();
};

} // namespace BaseKit
