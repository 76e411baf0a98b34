#include "Platform/Desktop/Workspace.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(WorkspaceTest, InvalidAndEmptyAddressesReachNoOpener)
{
    std::vector<QUrl> opened;
    const Platform::Workspace::UrlOpener opener = [&opened](const QUrl& url) {
        opened.push_back(url);
        return true;
    };
    EXPECT_FALSE(Platform::Workspace::openUrl(QUrl(), opener));
    EXPECT_FALSE(Platform::Workspace::openUrl(QUrl(QStringLiteral("http://exa mple.com"), QUrl::StrictMode), opener));
    EXPECT_TRUE(Platform::Workspace::openUrl(QUrl(QStringLiteral("https://example.com/a")), opener));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("https://example.com/a")));
    // Without an opener nothing is opened, and nothing fails.
    EXPECT_FALSE(Platform::Workspace::openUrl(QUrl(QStringLiteral("https://example.com/b")), {}));
}

} // namespace
