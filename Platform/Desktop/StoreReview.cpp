#include "Platform/Desktop/StoreReview.h"

namespace Platform {

namespace {

StoreReview::Presenter& installedPresenter()
{
    static StoreReview::Presenter presenter;
    return presenter;
}

} // namespace

void StoreReview::request(const QUrl& page)
{
    if (const auto& presenter = installedPresenter())
        presenter(page);
}

void StoreReview::setPresenter(Presenter presenter)
{
    installedPresenter() = std::move(presenter);
}

} // namespace Platform
