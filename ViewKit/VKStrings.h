#pragma once

#include <QString>

#include <functional>

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
    // The application's main table, for the `key` fields of the views, looked up when drawn: the
    // program hands its table in (setMainTable); until it does, every key shows as itself.
    static QString mainTable(const QString& key);

    using Lookup = std::function<QString(const QString& key)>;
    // Installs the application's main table. Start-up configuration: the program hands its table in
    // once, before its first window; tests go through the program's own installation too.
    static void setMainTable(Lookup lookup);
};

} // namespace ViewKit
