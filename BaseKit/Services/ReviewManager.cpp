#include "BaseKit/Services/ReviewManager.h"

#include "BaseKit/Services/Maker.h"

#include "Platform/Time/Clock.h"
#include "Platform/PropertyList/Defaults.h"

#include <QUrl>

namespace BaseKit {

ReviewManager::ReviewManager(std::shared_ptr<Platform::Defaults> defaults, std::function<void()> requestPrompt,
                             std::shared_ptr<const Platform::Clock> clock)
    : m_defaults(std::move(defaults))
    , m_requestPrompt(std::move(requestPrompt))
    , m_clock(clock ? std::move(clock) : Platform::Clock::system())
{
}

ReviewManager ReviewManager::standard(std::function<void(const QUrl& page)> present)
{
    std::function<void()> prompt;
    if (present)
        prompt = [present = std::move(present)] { present(QUrl(QString::fromLatin1(Maker::developerPage))); };
    return ReviewManager(std::make_shared<Platform::Defaults>(QString::fromLatin1(suiteName)), std::move(prompt));
}

void ReviewManager::requestReview(const std::optional<QString>& key)
{
    if (!key)
        return;
    if (m_defaults && m_defaults->boolean(*key))
        return; // asked before
    if (!isEligible(*key))
        return;
    if (m_requestPrompt)
        m_requestPrompt();
    if (m_defaults)
        m_defaults->set(*key, Platform::PlistValue(true));
}

bool ReviewManager::isEligible(const QString& key)
{
    const QString recordKey = QLatin1String(initialCallKey) + QLatin1Char('_') + key;
    if (!m_defaults)
        return false;
    const double firstCall = m_defaults->real(recordKey);
    const double now = double(m_clock->now().toMSecsSinceEpoch()) / 1000.0;
    if (firstCall != 0.0)
        return firstCall + interval <= now;
    m_defaults->set(recordKey, Platform::PlistValue(now));
    return false;
}

} // namespace BaseKit
