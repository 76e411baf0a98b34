#include "SystemKit/Volumes/VolumeStatistics.h"

namespace SystemKit {

VolumeStatistics::VolumeStatistics(const Platform::PlistValue::DictionaryType& dictionary)
{
    const std::pair<const char*, std::uint64_t*> keys[] = {
        {"Operations (Read)", &operationsRead},     {"Operations (Write)", &operationsWrite},
        {"Bytes (Read)", &bytesRead},               {"Bytes (Write)", &bytesWritten},
        {"Latency Time (Read)", &latencyTimeRead},  {"Latency Time (Write)", &latencyTimeWrite},
        {"Errors (Read)", &errorsRead},             {"Errors (Write)", &errorsWrite},
        {"Total Time (Read)", &totalTimeRead},      {"Total Time (Write)", &totalTimeWrite},
        {"Retries (Read)", &retriesRead},           {"Retries (Write)", &retriesWrite},
    };
    if (dictionary.empty())
        return;
    for (const auto& [key, counter] : keys) {
        const auto found = dictionary.find(QLatin1String(key));
        if (found == dictionary.end() || !found->second.isNumber())
            continue;
        if (const auto value = found->second.toUInt64())
            *counter = *value;
    }
}

bool VolumeStatistics::isEmpty() const
{
    return bytesRead == 0 && bytesWritten == 0 && operationsRead == 0 && operationsWrite == 0;
}

} // namespace SystemKit
