#include "SystemKit/Network/NetworkHistories.h"

#include "Platform/Time/Clock.h"

#include <utility>

namespace SystemKit {

NetworkHistories::NetworkHistories(int historySize, std::shared_ptr<const Platform::Clock> clock)
    : m_clock(std::move(clock)), m_upload(prefilled(historySize, *m_clock)), m_download(m_upload)
{
}

BaseKit::FixedHistory<NetworkHistoryItem> NetworkHistories::prefilled(int historySize, const Platform::Clock& clock)
{
    const QDateTime now = clock.now();
    BaseKit::FixedHistory<NetworkHistoryItem> history(historySize);
    const int n = history.size();
    for (int i = 0; i < n; ++i)
        history.append(NetworkHistoryItem{now.addSecs(-(n - 1 - i)), 0});
    return history;
}

void NetworkHistories::appendUpload(std::uint64_t value)
{
    m_upload.append(NetworkHistoryItem{m_clock->now(), value});
}

void NetworkHistories::appendDownload(std::uint64_t value)
{
    m_download.append(NetworkHistoryItem{m_clock->now(), value});
}

} // namespace SystemKit
