#include "Platform/StoreReview.h"
#include "Platform/Workspace.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace {

QDialog* reviewDialog()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(Platform::StoreReview::dialogName) && widget->isVisible())
            return qobject_cast<QDialog*>(widget);
    }
    return nullptr;
}

TEST(StoreReviewTest, TheDialogAppearsOnceAndItsRateButtonOpensThePage)
{
    std::vector<QUrl> opened;
    Platform::Workspace::setUrlOpener([&opened](const QUrl& url) {
        opened.push_back(url);
        return true;
    });
    Platform::StoreReview::resetForTesting();
    const QUrl page(QStringLiteral("https://www.brannock.com/apps"));

    Platform::StoreReview::request(page);
    QDialog* dialog = reviewDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->isModal());

    // A second request while it shows, and after it was answered, shows nothing new.
    Platform::StoreReview::request(page);
    auto* rate = dialog->findChild<QPushButton*>(QStringLiteral("rate"));
    ASSERT_NE(rate, nullptr);
    rate->click();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], page);
    EXPECT_TRUE(QTest::qWaitFor([] { return reviewDialog() == nullptr; }, 5000));
    Platform::StoreReview::request(page);
    EXPECT_EQ(reviewDialog(), nullptr);
    EXPECT_EQ(opened.size(), 1u);

    Platform::Workspace::setUrlOpener({});
}

TEST(StoreReviewTest, NotNowOpensNothing)
{
    int opened = 0;
    Platform::Workspace::setUrlOpener([&opened](const QUrl&) { return ++opened, true; });
    Platform::StoreReview::resetForTesting();
    Platform::StoreReview::request(QUrl(QStringLiteral("https://www.brannock.com/apps")));
    QDialog* dialog = reviewDialog();
    ASSERT_NE(dialog, nullptr);
    auto* later = dialog->findChild<QPushButton*>(QStringLiteral("notNow"));
    ASSERT_NE(later, nullptr);
    later->click();
    EXPECT_EQ(opened, 0);
    EXPECT_FALSE(dialog->isVisible());
    Platform::Workspace::setUrlOpener({});
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
