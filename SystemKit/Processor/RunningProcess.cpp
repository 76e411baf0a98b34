#include "SystemKit/Processor/RunningProcess.h"

#include "BaseKit/Uuid.h"

#include <QJsonValue>

#include <cmath>
#include <optional>

namespace SystemKit {

namespace {

// A JSON number that is a whole value within [low, high].
std::optional<double> wholeNumber(const QJsonValue& value, double low, double high)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (!(number >= low && number <= high) || std::trunc(number) != number)
        return std::nullopt;
    return number;
}

constexpr double kInt32Min = -2147483648.0;
constexpr double kInt32Max = 2147483647.0;
constexpr double kUInt64Limit = 18446744073709549568.0; // the largest double below 2^64

} // namespace

RunningProcess::RunningProcess(std::int32_t pid, std::int32_t ppid)
    : m_id(BaseKit::Uuid::random())
    , m_pid(pid)
    , m_ppid(ppid)
{
}

QJsonObject RunningProcess::toJson() const
{
    return QJsonObject{
        {QStringLiteral("id"), m_id.toString(QUuid::WithoutBraces).toUpper()},
        {QStringLiteral("pid"), m_pid},
        {QStringLiteral("ppid"), m_ppid},
        {QStringLiteral("cpu"), m_cpu.toJson()},
        {QStringLiteral("memory"), m_memory.toJson()},
        {QStringLiteral("sent"), double(m_sent)},
        {QStringLiteral("received"), double(m_received)},
        {QStringLiteral("traffic"), double(m_traffic)},
        {QStringLiteral("name"), m_name},
    };
}

std::shared_ptr<RunningProcess> RunningProcess::fromJson(const QJsonObject& object)
{
    const QUuid id = QUuid::fromString(object.value(QStringLiteral("id")).toString());
    const auto pid = wholeNumber(object.value(QStringLiteral("pid")), kInt32Min, kInt32Max);
    const auto ppid = wholeNumber(object.value(QStringLiteral("ppid")), kInt32Min, kInt32Max);
    const auto cpu = CpuInfo::fromJson(object.value(QStringLiteral("cpu")).toObject());
    const auto memory = MemoryInfo::fromJson(object.value(QStringLiteral("memory")).toObject());
    const auto sent = wholeNumber(object.value(QStringLiteral("sent")), 0, kUInt64Limit);
    const auto received = wholeNumber(object.value(QStringLiteral("received")), 0, kUInt64Limit);
    const auto traffic = wholeNumber(object.value(QStringLiteral("traffic")), 0, kUInt64Limit);
    const QJsonValue name = object.value(QStringLiteral("name"));
    if (id.isNull() || !pid || !ppid || !cpu || !memory || !sent || !received || !traffic || !name.isString())
        return nullptr;
    auto process = std::make_shared<RunningProcess>(std::int32_t(*pid), std::int32_t(*ppid));
    process->m_id = id;
    process->m_cpu = *cpu;
    process->m_memory = *memory;
    process->m_sent = std::uint64_t(*sent);
    process->m_received = std::uint64_t(*received);
    process->m_traffic = std::uint64_t(*traffic);
    process->m_name = name.toString();
    return process;
}

} // namespace SystemKit
