#pragma once

#include "SystemKit/Network/NetworkHistoryItem.h"
#include "BaseKit/Sampler/FixedHistory.h"

#include <QList>

#include <cstdint>

namespace SystemKit {

// The upload and download speed histories of one adapter, oldest first, always `size` items long.
// A new history holds zeros stamped one second apart, the newest now.
class NetworkHistories {
public:
    explicit NetworkHistories(int historySize);

    void appendUpload(std::uint64_t value);
    void appendDownload(std::uint64_t value);

    const QList<NetworkHistoryItem>& upload() const { return m_upload.values(); }
    const QList<NetworkHistoryItem>& download() const { return m_download.values(); }

private:
    static BaseKit::FixedHistory<NetworkHistoryItem> prefilled(int historySize);

    BaseKit::FixedHistory<NetworkHistoryItem> m_upload;
    BaseKit::FixedHistory<NetworkHistoryItem> m_download;
};

} // namespace SystemKit
