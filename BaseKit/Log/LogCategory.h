#pragma once

#include <QString>

#include <optional>

namespace BaseKit {

enum class LogCategory {
    app,
    devices,
    general,
    initialization,
    menubar,
    permissions,
    settings,
    shop,
    system,
    ui,
};

// The category's name in the system log ("App", "Menu Bar", ...).
QString rawValue(LogCategory category);
// The category of exactly that name (case-sensitive); none for any other text.
std::optional<LogCategory> logCategory(const QString& rawValue);

} // namespace BaseKit
