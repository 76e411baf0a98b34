#include "BaseKit/Files/DirectoryObserver.h"

#include "Platform/Files/FileEvents.h"

namespace BaseKit {

std::unique_ptr<DirectoryObserver> DirectoryObserver::create(const QString& path, std::function<void()> handler)
{
    std::unique_ptr<DirectoryObserver> observer(new DirectoryObserver);
    observer->m_events = Platform::FileEvents::watch(path, Platform::FileEvents::everything,
                                                     [handler = std::move(handler)](const auto&) {
                                                         if (handler)
                                                             handler();
                                                     });
    if (!observer->m_events)
        return nullptr;
    return observer;
}

DirectoryObserver::~DirectoryObserver() = default;

} // namespace BaseKit
