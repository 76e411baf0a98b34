#pragma once

#include <QJsonObject>

#include <cstdint>
#include <optional>

namespace SystemKit {

// A process's accumulated processor time and its load over the last interval.
class CpuInfo {
public:
    double time() const { return m_time; }   // seconds of user + system time
    void setTime(double time) { m_time = time; }
    float usage() const { return m_usage; }  // percent of the last interval; 0 until measured
    void setUsage(float usage) { m_usage = usage; }
    // When `time` was read, in nanoseconds of the sampler's monotonic clock: a load is the change of
    // `time` between two such moments. Not coded: it means nothing outside this run of the program.
    std::int64_t readNanoseconds() const { return m_readNanoseconds; }
    void setReadNanoseconds(std::int64_t nanoseconds) { m_readNanoseconds = nanoseconds; }
    // When the process started, in the kernel's clock ticks after boot: two readings of one pid with
    // different start times are two processes, and no load lies between them. Not coded either.
    std::int64_t startTime() const { return m_startTime; }
    void setStartTime(std::int64_t startTime) { m_startTime = startTime; }

    // Coding with the keys "time" and "usage".
    QJsonObject toJson() const;
    static std::optional<CpuInfo> fromJson(const QJsonObject& object);

private:
    double m_time = 0;
    float m_usage = 0;
    std::int64_t m_readNanoseconds = 0;
    std::int64_t m_startTime = 0;
};

} // namespace SystemKit
