#pragma once

#include <QString>

namespace ViewKit {

// The three places a text of the views comes from. Each returns the key itself when it has no
// translation.
class VKStrings
{
public:
    VKStrings() = delete;
    // This library's own string table ("DEFAULT", "SHADOWS", "LINE", ...).
    static QString library(const char* key);
    // The localisation library's table (the keys of the application's text-key enumeration).
    static QString localized(const char* key);
    // The application's main table, for the `key` fields of the views, looked up when drawn.
    static QString mainTable(const QString& key);
};

} // namespace ViewKit
