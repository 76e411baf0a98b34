#include "Support/LoopbackServer.h"
#include "WidgetCanvas.h"

#include "BaseKit/Services/Maker.h"
#include "BaseKit/Services/Marketing.h"
#include "BaseKit/Services/WebRequest.h"
#include "ViewKit/VKActionView.h"
#include "ViewKit/VKEmptyView.h"
#include "ViewKit/VKLinkOpener.h"
#include "ViewKit/VKOtherAppView.h"
#include "ViewKit/VKOtherAppsView.h"
#include "ViewKit/VKProminentButton.h"
#include "ViewKit/VKRemoteImage.h"
#include "ViewKit/VKToastView.h"
#include "ViewKit/VKWizardView.h"

#include <QAbstractButton>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace ViewKit;

namespace {

QJsonObject entry(const QString& id, const QString& name)
{
    return QJsonObject{{QStringLiteral("bundleIdentifier"), id},
                       {QStringLiteral("name"), name},
                       {QStringLiteral("german"), name + QStringLiteral(" auf Deutsch")},
                       {QStringLiteral("english"), name + QStringLiteral(" in English")},
                       // Icons are fetched over https only, so this loopback address is never asked.
                       {QStringLiteral("iconUrl"), QStringLiteral("http://127.0.0.1:9/") + name + ".png"},
                       {QStringLiteral("storeUrl"), QStringLiteral("https://store.example.com/") + name}};
}

QByteArray document(const QJsonArray& apps)
{
    return QJsonDocument(QJsonObject{{QStringLiteral("apps"), apps}}).toJson();
}

// Serves the apps list at the maker's path from a loopback server of the test's own.
class OtherAppsFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.isListening());
        source.fileHost = server.base();
        serve(document({entry(QStringLiteral("com.brannock.alpha"), QStringLiteral("Alpha")),
                        entry(QStringLiteral("com.brannock.kestrion"), QStringLiteral("Kestrion")),
                        entry(QStringLiteral("com.brannock.gamma"), QStringLiteral("Gamma"))}));
    }

    void TearDown() override
    {
        // Finished exchanges release their connections once the event loop has turned.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    void serve(const QByteArray& body, bool answers = true, QByteArray status = "200 OK")
    {
        server.routes[BaseKit::Marketing::documentPath] = {status, "application/json", body, answers};
    }

    static void waitForLoad(VKOtherAppsView& view)
    {
        QSignalSpy loaded(&view, &VKOtherAppsView::loaded);
        if (view.isLoading())
            loaded.wait(5000);
    }

    static QStringList pageNames(const VKOtherAppsView& view)
    {
        QStringList names;
        if (!view.wizard())
            return names;
        for (QWidget* page : view.wizard()->views())
            names.append(static_cast<VKOtherAppView*>(page)->app().name);
        return names;
    }

    LoopbackServer server;
    BaseKit::Marketing::Source source;
};

} // namespace

TEST_F(OtherAppsFixture, ShowingLoadsTheListWithoutTheCallingApplication)
{
    VKOtherAppsView view(QStringLiteral("com.brannock.kestrion"), source);
    EXPECT_EQ(view.phase(), VKOtherAppsView::Phase::empty);  // not shown yet
    view.resize(512, 360);
    view.show();
    EXPECT_TRUE(view.isLoading());
    EXPECT_EQ(view.phase(), VKOtherAppsView::Phase::loading);
    EXPECT_TRUE(view.loadingView()->isVisible());
    waitForLoad(view);
    EXPECT_EQ(view.phase(), VKOtherAppsView::Phase::list);
    EXPECT_EQ(pageNames(view), QStringList({QStringLiteral("Alpha"), QStringLiteral("Gamma")}));
    ASSERT_NE(view.wizard(), nullptr);
    EXPECT_TRUE(view.wizard()->isVisible());
    EXPECT_EQ(view.wizard()->currentIndex(), 0);
    EXPECT_FALSE(view.loadingView()->isVisible());
    EXPECT_EQ(server.hits.value(BaseKit::Marketing::documentPath), 1);
}

TEST_F(OtherAppsFixture, WithoutFilterEveryEntryIsAPageInDocumentOrder)
{
    VKOtherAppsView view(std::nullopt, source);
    view.show();
    waitForLoad(view);
    EXPECT_EQ(pageNames(view),
              QStringList({QStringLiteral("Alpha"), QStringLiteral("Kestrion"), QStringLiteral("Gamma")}));
}

TEST_F(OtherAppsFixture, OnlyTheFilteredEntryGivesTheEmptyState)
{
    serve(document({entry(QStringLiteral("com.brannock.kestrion"), QStringLiteral("Kestrion"))}));
    VKOtherAppsView view(QStringLiteral("com.brannock.kestrion"), source);
    view.show();
    waitForLoad(view);
    EXPECT_EQ(view.phase(), VKOtherAppsView::Phase::empty);
    EXPECT_TRUE(view.emptyView()->isVisible());
    EXPECT_EQ(view.wizard(), nullptr);
    ASSERT_TRUE(view.apps().has_value());
    EXPECT_TRUE(view.apps()->apps.isEmpty());
}

TEST_F(OtherAppsFixture, FailedOrSlowFetchesEndInTheEmptyStateWithoutADialog)
{
    serve("{\"apps\": [{\"name\": 1}]}");
    {
        VKOtherAppsView view(std::nullopt, source);
        view.show();
        waitForLoad(view);
        EXPECT_EQ(view.phase(), VKOtherAppsView::Phase::empty);
    }
    serve(document({entry(QStringLiteral("a"), QStringLiteral("A"))}), true, "500 Internal Server Error");
    {
        VKOtherAppsView view(std::nullopt, source);
        view.show();
        waitForLoad(view);
        EXPECT_EQ(view.phase(), VKOtherAppsView::Phase::empty);
    }
    source.timeout = std::chrono::milliseconds(200);
    serve({}, false);
    {
        VKOtherAppsView view(std::nullopt, source);
        view.show();
        EXPECT_EQ(view.phase(), VKOtherAppsView::Phase::loading);
        waitForLoad(view);
        EXPECT_EQ(view.phase(), VKOtherAppsView::Phase::empty);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_EQ(QApplication::topLevelWidgets().count(&view), 1);
    }
}

TEST_F(OtherAppsFixture, AListThatCouldNotBeHadSaysSoAndCanBeFetchedAgain)
{
    // Offline: the empty state says the list could not be loaded, not only that there are no apps.
    source.timeout = std::chrono::milliseconds(200);
    serve({}, false);
    VKOtherAppsView view(std::nullopt, source);
    view.resize(512, 360);
    view.show();
    waitForLoad(view);
    ASSERT_EQ(view.phase(), VKOtherAppsView::Phase::empty);
    EXPECT_TRUE(view.loadFailed());
    EXPECT_TRUE(view.failureLabel()->isVisible());
    EXPECT_EQ(view.failureLabel()->text(),
              QStringLiteral("The list of apps could not be loaded. Check the internet connection and try again."));
    ASSERT_TRUE(view.retryButton()->isVisible());

    // Trying again once the list can be had shows it.
    serve(document({entry(QStringLiteral("com.brannock.alpha"), QStringLiteral("Alpha"))}));
    view.retryButton()->click();
    EXPECT_TRUE(view.isLoading());
    waitForLoad(view);
    EXPECT_EQ(pageNames(view), QStringList({QStringLiteral("Alpha")}));
    EXPECT_FALSE(view.loadFailed());

    // A list that was had and is empty is no failure.
    view.hide();
    serve(document({}));
    view.show();
    waitForLoad(view);
    EXPECT_EQ(view.phase(), VKOtherAppsView::Phase::empty);
    EXPECT_FALSE(view.failureLabel()->isVisible());
    EXPECT_FALSE(view.retryButton()->isVisible());
}

TEST_F(OtherAppsFixture, EachShowingLoadsAgainAndHidesTheOldListMeanwhile)
{
    VKOtherAppsView view(QStringLiteral("com.brannock.kestrion"), source);
    view.show();
    waitForLoad(view);
    ASSERT_EQ(view.phase(), VKOtherAppsView::Phase::list);
    view.hide();
    serve(document({entry(QStringLiteral("com.brannock.delta"), QStringLiteral("Delta"))}));
    view.show();
    EXPECT_EQ(view.phase(), VKOtherAppsView::Phase::loading);
    EXPECT_TRUE(view.apps().has_value());  // the old list is kept but not shown
    EXPECT_TRUE(view.loadingView()->isVisible());
    waitForLoad(view);
    EXPECT_EQ(pageNames(view), QStringList({QStringLiteral("Delta")}));
    EXPECT_EQ(server.hits.value(BaseKit::Marketing::documentPath), 2);
}

TEST_F(OtherAppsFixture, GoingAwayWhileLoadingDropsTheResult)
{
    source.timeout = std::chrono::milliseconds(300);
    serve({}, false);
    auto view = std::make_unique<VKOtherAppsView>(std::nullopt, source);
    view->show();
    view->hide();
    EXPECT_FALSE(view->isLoading());
    view.reset();
    QTest::qWait(400);  // the fetch's time-out passes with no view to write to
}

TEST_F(OtherAppsFixture, ToolbarButtonOpensTheDevelopersPage)
{
    QList<QUrl> opened;
    bool desktopTakes = true;
    VKOtherAppsView view(std::nullopt, source, [&](const QUrl& url) {
        opened.append(url);
        return desktopTakes;
    });
    view.show();
    waitForLoad(view);
    ASSERT_NE(view.developerPageButton(), nullptr);
    QTest::mouseClick(view.developerPageButton(), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.front(), QUrl(QString::fromLatin1(BaseKit::Maker::developerPage)));
    EXPECT_EQ(view.developerPageButton()->toolTip(), QStringLiteral("Show all apps on the maker’s website"));
    EXPECT_EQ(VKLinkOpener::notice(&view), nullptr);

    // Where no program can open the page, the window says so instead of nothing happening.
    desktopTakes = false;
    QTest::mouseClick(view.developerPageButton(), Qt::LeftButton);
    VKToastView* notice = VKLinkOpener::notice(&view);
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->text(), QStringLiteral("No program could open ") + QString::fromLatin1(BaseKit::Maker::developerPage));
    EXPECT_TRUE(view.rect().contains(notice->geometry()));
    // A second failure replaces the notice rather than stacking another on it.
    QTest::mouseClick(view.developerPageButton(), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(view.findChildren<VKToastView*>().size(), 1);
}

TEST(OtherAppView, DescriptionFollowsTheLanguage)
{
    BaseKit::OtherApp app{QStringLiteral("id"), QStringLiteral("Name"), QStringLiteral("Deutsch"),
                          QStringLiteral("English"), QString(), QString()};
    EXPECT_EQ(VKOtherAppView::description(app, QLocale(QLocale::German, QLocale::Austria)), QStringLiteral("Deutsch"));
    EXPECT_EQ(VKOtherAppView::description(app, QLocale(QLocale::German, QLocale::Switzerland)), QStringLiteral("Deutsch"));
    EXPECT_EQ(VKOtherAppView::description(app, QLocale(QLocale::English, QLocale::UnitedStates)), QStringLiteral("English"));
    EXPECT_EQ(VKOtherAppView::description(app, QLocale(QLocale::French, QLocale::France)), QStringLiteral("English"));
    EXPECT_EQ(VKOtherAppView::description(app, QLocale::c()), QStringLiteral("English"));
}

TEST(OtherAppView, StoreButtonOnlyForAValidAddressAndIconSlotWaits)
{
    QList<QUrl> opened;
    const auto opener = [&](const QUrl& url) {
        opened.append(url);
        return true;
    };
    const BaseKit::OtherApp good{QStringLiteral("id"), QStringLiteral("Good"), QStringLiteral("de"),
                                 QStringLiteral("en"), QStringLiteral("not an address"),
                                 QStringLiteral("https://store.example.com/good")};
    VKOtherAppView page(good, opener);
    page.show();
    EXPECT_EQ(page.nameLabel()->text(), QStringLiteral("Good"));
    EXPECT_EQ(page.icon()->size(), QSize(128, 128));
    EXPECT_EQ(page.icon()->phase(), VKRemoteImage::Phase::empty);
    EXPECT_TRUE(page.icon()->indicator()->isVisible());
    ASSERT_NE(page.storeButton(), nullptr);
    QTest::mouseClick(page.storeButton(), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.front(), QUrl(QStringLiteral("https://store.example.com/good")));

    BaseKit::OtherApp bad = good;
    bad.storeUrl = QStringLiteral("javascript:alert(1)");
    VKOtherAppView badPage(bad);
    EXPECT_EQ(badPage.storeButton(), nullptr);
    EXPECT_EQ(badPage.nameLabel()->text(), QStringLiteral("Good"));
}

TEST_F(OtherAppsFixture, InTheWindowsSizeNothingOverlaps)
{
    VKOtherAppsView view(std::nullopt, source);
    view.setFixedSize(512, 360 + view.toolBarHeight());
    view.show();
    waitForLoad(view);
    ASSERT_NE(view.wizard(), nullptr);
    auto* page = static_cast<VKOtherAppView*>(view.wizard()->currentPage());
    auto bottomOf = [page](QWidget* part) { return part->mapTo(page, QPoint(0, part->height())).y(); };
    auto topOf = [page](QWidget* part) { return part->mapTo(page, QPoint(0, 0)).y(); };
    EXPECT_GE(page->icon()->height(), VKOtherAppView::iconSide / 2);
    EXPECT_LE(bottomOf(page->icon()), topOf(page->nameLabel()));
    EXPECT_LE(bottomOf(page->nameLabel()), topOf(page->descriptionLabel()));
    ASSERT_NE(page->storeButton(), nullptr);
    EXPECT_LE(bottomOf(page->descriptionLabel()), topOf(page->storeButton()));
    EXPECT_EQ(page->storeButton()->height(), page->storeButton()->sizeHint().height());
    const QRect dots = view.wizard()->dotRect(0).toAlignedRect();
    EXPECT_LE(page->mapTo(view.wizard(), QPoint(0, page->height())).y(), dots.top());
}
