#include "Platform/Sysfs/SysfsInterfaceList.h"

#include <QDir>

namespace Platform {

namespace {

std::optional<std::uint64_t> number(const std::optional<QString>& text, int base)
{
    if (!text)
        return std::nullopt;
    bool ok = false;
    const std::uint64_t value = text->toULongLong(&ok, base);
    return ok ? std::optional<std::uint64_t>(value) : std::nullopt;
}

} // namespace

bool SysfsInterfaceList::list(std::vector<InterfaceEntry>& entries) const
{
    entries.clear();
    const auto names = classNames();
    if (!names)
        return false;
    for (const QString& name : *names) {
        // A class entry that is no interface folder (a trimmed capture keeps link texts as files).
        if (!hasEntry(name, QStringLiteral("type")))
            continue;
        InterfaceEntry entry;
        entry.name = name;
        entry.family = linkFamily;
        // "0x1003": the flags in hexadecimal, as the kernel writes them.
        entry.flags = std::uint32_t(number(attribute(name, QStringLiteral("flags")), 0).value_or(0));
        const auto received = number(attribute(name, QStringLiteral("statistics/rx_bytes")), 10);
        const auto sent = number(attribute(name, QStringLiteral("statistics/tx_bytes")), 10);
        if (received && sent) {
            entry.hasLinkData = true;
            entry.rxBytes = std::uint32_t(*received);
            entry.txBytes = std::uint32_t(*sent);
        }
        entries.push_back(std::move(entry));
    }
    return true;
}

} // namespace Platform
