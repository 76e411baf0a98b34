#pragma once

#include <QString>

namespace Kestrion {

// The application's own string table ("MODULES", "PROCESSOR", "NO_VIEWS_CONFIGURED", ...). A key
// without a translation comes back as the key itself.
class AppStrings
{
public:
    AppStrings() = delete;
    static QString text(const char* key);
    // Makes the table answer QCoreApplication::translate("Kestrion", key) as well, for the views of the
    // view library that look texts up in the application's table. Once per process.
    static void install();
};

} // namespace Kestrion
