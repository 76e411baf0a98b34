#include "SystemKit/Network/NetworkHistories.h"

#include "Platform/Time/Clock.h"

namespace SystemKit {

NetworkHistories::NetworkHistories(int historySize) : m_upload(prefilled(historySize)), m_download(m_upload) {}

BaseKit::FixedHistory<NetworkHistoryItem> NetworkHistories::prefilled(int historySize)
{
    const QDateTime now = Platform::Clock::shared().now();
    BaseKit::FixedHistory<NetworkHistoryItem> history(historySize);
    const int n = history.size();
    for (int i = 0; i < n; ++i)
        history.append(NetworkHistoryItem{now.addSecs(-(n - 1 - i)), 0});
    return history;
}

void NetworkHistories::appendUpload(std::uint64_t value)
{
    m_upload.append(NetworkHistoryItem{Platform::Clock::shared().now(), value});
}

void NetworkHistories::appendDownload(std::uint64_t value)
{
    m_download.append(NetworkHistoryItem{Platform::Clock::shared().now(), value});
}

} // namespace SystemKit
