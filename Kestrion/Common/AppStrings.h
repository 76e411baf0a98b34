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
    static QString text(const QString& key);
    // Hands the table to the view library, whose views look the keys they are given up in the
    // application's table.
    static void install();
};

} // namespace Kestrion
