#include "SystemKit/Network/TrafficProcess.h"

#include <QRandomGenerator>

#include <cstring>

namespace SystemKit {

namespace {

// A random (version 4) identifier from the securely seeded global generator: a listing makes
// hundreds of processes, and the system's entropy source costs microseconds per identifier.
QUuid randomId()
{
    quint32 words[4];
    QRandomGenerator::global()->fillRange(words, 4);
    QUuid id;
    id.data1 = words[0];
    id.data2 = quint16(words[1]);
    id.data3 = quint16(((words[1] >> 16) & 0x0FFF) | 0x4000);
    std::memcpy(id.data4, &words[2], sizeof id.data4);
    id.data4[0] = uchar((id.data4[0] & 0x3F) | 0x80);
    return id;
}

} // namespace

TrafficProcess::TrafficProcess(QUrl executable, QString name, std::uint32_t pid, std::uint64_t download,
                               std::uint64_t upload)
    : m_id(randomId()), m_executable(std::move(executable)), m_name(std::move(name)), m_pid(pid),
      m_download(download), m_upload(upload)
{
}

void TrafficProcess::setFirstRefresh(bool value)
{
    m_firstRefresh = value;
    emit firstRefreshChanged();
}

void TrafficProcess::setId(const QUuid& id)
{
    m_id = id;
    emit idChanged();
}

void TrafficProcess::setDownloadSpeed(std::uint64_t bytes)
{
    m_downloadSpeed = bytes;
    emit downloadSpeedChanged();
}

void TrafficProcess::setUploadSpeed(std::uint64_t bytes)
{
    m_uploadSpeed = bytes;
    emit uploadSpeedChanged();
}

} // namespace SystemKit
