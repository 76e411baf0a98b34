#include "Platform/Desktop/StoreReview.h"
#include "Platform/Desktop/Workspace.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(StoreReviewTest, TheRequestGoesToTheInstalledPresenterAndWithoutOneNowhere)
{
    std::vector<QUrl> shown;
    const QUrl page(QStringLiteral("https://www.brannock.com/apps"));
    Platform::StoreReview::request(page); // nothing installed: dropped
    Platform::StoreReview::setPresenter([&shown](const QUrl& url) { shown.push_back(url); });
    Platform::StoreReview::request(page);
    Platform::StoreReview::setPresenter({});
    Platform::StoreReview::request(page);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], page);
}

TEST(WorkspaceTest, InvalidAndEmptyAddressesReachNoOpener)
{
    std::vector<QUrl> opened;
    Platform::Workspace::setUrlOpener([&opened](const QUrl& url) {
        opened.push_back(url);
        return true;
    });
    EXPECT_FALSE(Platform::Workspace::openUrl(QUrl()));
    EXPECT_FALSE(Platform::Workspace::openUrl(QUrl(QStringLiteral("http://exa mple.com"), QUrl::StrictMode)));
    EXPECT_TRUE(Platform::Workspace::openUrl(QUrl(QStringLiteral("https://example.com/a"))));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("https://example.com/a")));
    Platform::Workspace::setUrlOpener({});
}

} // namespace
