#pragma once

#include <QString>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

namespace Platform {
class Clock;
class Defaults;
}

namespace BaseKit {

// Decides when to ask for a rating: at most once per key, and not before 72 hours have passed since
// the first call for that key. Its records live in a defaults suite of their own,
// "com.brannock.appreviews": "init_<key>" holds the time of the first call (seconds since 1970, a real;
// 0 counts as absent) and "<key>" becomes true once the rating was asked for. Times come from
// Platform::Clock. Everything runs on the main thread, one call after the other.
class ReviewManager {
public:
    static constexpr const char* suiteName = "com.brannock.appreviews";
    static constexpr const char* initialCallKey = "init";
    static constexpr double interval = 259200.0; // 72 hours

    // Records in `defaults` (none: nothing is ever recorded or asked); `requestPrompt` asks for the
    // rating (nothing is shown when empty: the request is dropped); times are read from `clock` (this
    // machine's when none).
    explicit ReviewManager(std::shared_ptr<Platform::Defaults> defaults, std::function<void()> requestPrompt = {},
                           std::shared_ptr<const Platform::Clock> clock = nullptr);

    // A manager over the suite that asks for the rating with `present`, given the maker's page where
    // ratings are given.
    static ReviewManager standard(std::function<void(const QUrl& page)> present);

    // Asks for a rating when the key is eligible and was not asked for before; a missing key does
    // nothing.
    void requestReview(const std::optional<QString>& key);
    // Whether 72 hours have passed since the first call for the key; the first call only records its
    // time and answers false.
    bool isEligible(const QString& key);

private:
    std::shared_ptr<Platform::Defaults> m_defaults;
    std::function<void()> m_requestPrompt;
    std::shared_ptr<const Platform::Clock> m_clock;
};

} // namespace BaseKit
