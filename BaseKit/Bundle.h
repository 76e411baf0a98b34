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
    // The application's identifier in reverse-DNS form: the desktop file name when one is set, else
    // the reversed organisation domain and the lower-case application name ("com.brannock.kestrion");
    // empty when neither is known.
    static QString identifier();
};

} // namespace BaseKit
