#include "SystemKit/Network/TrafficProcess.h"

#include "BaseKit/Uuid.h"

namespace SystemKit {

TrafficProcess::TrafficProcess(QUrl executable, QString name, std::uint32_t pid, std::uint64_t download,
                               std::uint64_t upload)
    : m_id(BaseKit::Uuid::random()), m_executable(std::move(executable)), m_name(std::move(name)), m_pid(pid),
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
