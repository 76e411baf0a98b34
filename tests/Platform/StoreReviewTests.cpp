#include "Platform/Desktop/Workspace.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

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
