#pragma once

#include <QUrl>

#include <functional>

namespace Platform {

// The rating request. Linux has no store prompt, so this is a small dialog of our own that asks for a
// rating and offers a link to the maker's page. It appears at most once per run of the program,
// however often it is asked for, and never blocks: the caller goes on at once.
class StoreReview {
public:
    static constexpr const char* dialogName = "StoreReviewDialog";

    // Shows the dialog unless it was shown before in this run; `page` is where its rate button leads
    // (opened through Workspace::openUrl).
    static void request(const QUrl& page);

    // Replaces the dialog (tests count the requests there); an empty function restores the dialog.
    using Presenter = std::function<void(const QUrl& page)>;
    static void setPresenter(Presenter presenter);

    // Forgets that the dialog was shown (tests).
    static void resetForTesting();
};

} // namespace Platform
