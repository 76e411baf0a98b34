#pragma once

#include <QUrl>

#include <functional>

namespace Platform {

// The rating request. Linux has no store prompt: the program installs what shows the request (a small
// dialog of its own that asks for a rating and offers a link to the maker's page). Without one the
// request is dropped, as a store that shows no prompt would; nobody learns either way.
class StoreReview {
public:
    using Presenter = std::function<void(const QUrl& page)>;

    // Hands the request to the installed presenter; `page` is where a rating is given.
    static void request(const QUrl& page);

    // Installs what shows the request; an empty function removes it.
    static void setPresenter(Presenter presenter);
};

} // namespace Platform
