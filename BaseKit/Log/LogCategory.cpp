#include "BaseKit/Log/LogCategory.h"

#include <array>
#include <utility>

namespace BaseKit {

namespace {

constexpr std::array<std::pair<LogCategory, const char*>, 10> names{{
    {LogCategory::app, "App"},
    {LogCategory::devices, "Devices"},
    {LogCategory::general, "General"},
    {LogCategory::initialization, "Initialization"},
    {LogCategory::menubar, "Menu Bar"},
    {LogCategory::permissions, "Permissions"},
    {LogCategory::settings, "Settings"},
    {LogCategory::shop, "Shop"},
    {LogCategory::system, "System"},
    {LogCategory::ui, "UI"},
}};

} // namespace

QString rawValue(LogCategory category)
{
    for (const auto& [value, name] : names) {
        if (value == category)
            return QString::fromLatin1(name);
    }
    return {};
}

std::optional<LogCategory> logCategory(const QString& rawValue)
{
    for (const auto& [value, name] : names) {
        if (rawValue == QLatin1String(name))
            return value;
    }
    return std::nullopt;
}

} // namespace BaseKit
