#include "BaseKit/ModuleStrings.h"
#include "Platform/Files/Bundles.h"
#include "ViewKit/VKReviewDialog.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

using ViewKit::VKReviewDialog;

namespace {

VKReviewDialog* shownDialog()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(VKReviewDialog::dialogName) && widget->isVisible())
            return qobject_cast<VKReviewDialog*>(widget);
    }
    return nullptr;
}

struct ReviewDialogTest : ::testing::Test {
    void SetUp() override
    {
        VKReviewDialog::resetForTesting();
    }
    void TearDown() override { delete shownDialog(); }

    std::vector<QUrl> opened;
    const BaseKit::Workspace::UrlOpener opener = [this](const QUrl& url) {
        opened.push_back(url);
        return true;
    };
    const QUrl page{QStringLiteral("https://www.brannock.com/apps")};
};

const char* const dialogKeys[] = {"RATE_APP_TITLE", "RATE_APP_HEADLINE", "RATE_APP_MESSAGE", "RATE", "NOT_NOW"};

} // namespace

TEST_F(ReviewDialogTest, AppearsOnceAsThePlatformsRequestAndItsRateButtonOpensThePage)
{
    VKReviewDialog::present(page, opener);
    VKReviewDialog* dialog = shownDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Rate Kestrion"));
    EXPECT_EQ(dialog->headline()->text(), QStringLiteral("Enjoying Kestrion?"));
    EXPECT_TRUE(dialog->message()->text().startsWith(QStringLiteral("If you like Kestrion,")));
    EXPECT_EQ(dialog->rateButton()->text(), QStringLiteral("Rate"));
    EXPECT_EQ(dialog->notNowButton()->text(), QStringLiteral("Not Now"));

    // A second request while it shows, and after it was answered, shows nothing new.
    VKReviewDialog::present(page, opener);
    dialog->rateButton()->click();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], page);
    EXPECT_TRUE(QTest::qWaitFor([] { return shownDialog() == nullptr; }, 5000));
    VKReviewDialog::present(page, opener);
    EXPECT_EQ(shownDialog(), nullptr);
    EXPECT_EQ(opened.size(), 1u);
}

TEST_F(ReviewDialogTest, NotNowOpensNothing)
{
    VKReviewDialog::present(page, opener);
    VKReviewDialog* dialog = shownDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->notNowButton()->click();
    EXPECT_TRUE(opened.empty());
    EXPECT_FALSE(dialog->isVisible());
}

TEST(ViewKitStrings, TheDialogsTextsAreInTheEnglishAndGermanTablesWithTheirPlaceholders)
{
    const QString folder =
        Platform::Bundles::program().resourcePath(QStringLiteral("ViewKit"), QStringLiteral("translations"));
    const BaseKit::ModuleStrings english(QStringLiteral("ViewKit"), folder, {QStringLiteral("en")});
    const BaseKit::ModuleStrings german(QStringLiteral("ViewKit"), folder, {QStringLiteral("de")});
    ASSERT_EQ(english.language(), QStringLiteral("en"));
    ASSERT_EQ(german.language(), QStringLiteral("de"));
    for (const char* key : dialogKeys) {
        const QString k = QString::fromLatin1(key);
        SCOPED_TRACE(key);
        EXPECT_NE(english.text(k), k);
        EXPECT_NE(german.text(k), k);
        EXPECT_NE(german.text(k), english.text(k));
        EXPECT_EQ(german.text(k).contains(QStringLiteral("%1")), english.text(k).contains(QStringLiteral("%1")));
    }
    EXPECT_EQ(german.text(QStringLiteral("RATE_APP_HEADLINE")), QStringLiteral("Gefällt dir %1?"));
}
