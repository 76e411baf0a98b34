#pragma once

#include "SystemKit/Network/NetworkHistoryItem.h"
#include "BaseKit/Sampler/FixedHistory.h"

#include <QList>

#include <cstdint>
#include <memory>

namespace Platform {
class Clock;
}

namespace SystemKit {

// The upload and download speed histories of one adapter, oldest first, always `size` items long.
// A new history holds zeros stamped one second apart, the newest now. Items are stamped by `clock`.
class NetworkHistories {
public:
    NetworkHistories(int historySize, std::shared_ptr<const Platform::Clock> clock);

    void appendUpload(std::uint64_t value);
    void appendDownload(std::uint64_t value);

    const QList<NetworkHistoryItem>& upload() const { return m_upload.values(); }
    const QList<NetworkHistoryItem>& download() const { return m_download.values(); }

private:
    static BaseKit::FixedHistory<NetworkHistoryItem> prefilled(int historySize, const Platform::Clock& clock);

    std::shared_ptr<const Platform::Clock> m_clock;

    BaseKit::FixedHistory<NetworkHistoryItem> m_upload;
    BaseKit::FixedHistory<NetworkHistoryItem> m_download;
};

} // namespace SystemKit
