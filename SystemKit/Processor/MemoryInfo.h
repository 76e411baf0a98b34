#pragma once

#include <QJsonObject>

#include <cstdint>
#include <optional>

namespace SystemKit {

// A process's resident memory.
class MemoryInfo {
public:
    std::uint64_t totalBytes() const { return m_totalBytes; }
    void setTotalBytes(std::uint64_t bytes) { m_totalBytes = bytes; }

    // Coding with the key "totalBytes".
    QJsonObject toJson() const;
    static std::optional<MemoryInfo> fromJson(const QJsonObject& object);

private:
    std::uint64_t m_totalBytes = 0;
};

} // namespace SystemKit
