#include "Kestrion/App/ContentView.h"
#include "Kestrion/App/EmptyView.h"
#include "Kestrion/App/GridScrollArea.h"
#include "Kestrion/App/MainWindow.h"
#include "Kestrion/App/SceneWindow.h"
#include "Kestrion/App/WindowRegistry.h"
#include "ViewKit/VKColors.h"
#include "ViewKit/VKTheme.h"

#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QScreen>
#include <QStackedLayout>
#include <QTest>

#include <gtest/gtest.h>

using namespace Kestrion;

namespace {

// A catalog of plain widgets standing for every card but the ones left out.
CardCatalog catalogOf(std::initializer_list<Card> cards)
{
    CardCatalog catalog;
    for (Card card : cards) {
        catalog.add(card, [card](QWidget* parent) {
            auto* widget = new QLabel(QString::number(int(card)), parent);
            widget->setObjectName(QStringLiteral("card-%1").arg(int(card)));
            widget->setMinimumHeight(60);
            return widget;
        });
    }
    return catalog;
}

CardCatalog everyCard()
{
    return catalogOf({Card::systemInfo, Card::processorUsage, Card::coreUsage, Card::memoryUsage, Card::diskInfo,
                      Card::volumes, Card::networkInfo, Card::graphicsCard, Card::networkUsage,
                      Card::internalBattery, Card::fans, Card::thermion});
}

} // namespace

TEST(ContentView, SwitchingACardOffClosesUpItsColumn)
{
    ContentView view(everyCard(), 1);
    view.resize(1800, 900);
    MainLayoutInputs in;
    view.apply(in);
    view.show();
    QApplication::processEvents();

    QWidget* processor = view.cardWidget(0, Card::processorUsage);
    QWidget* cores = view.cardWidget(0, Card::coreUsage);
    ASSERT_TRUE(processor && cores);
    EXPECT_EQ(view.visibleCards(0), (QList<QWidget*>{processor, cores}));
    const int top = processor->y();
    EXPECT_GT(cores->y(), top);
    EXPECT_GE(processor->width(), 304);
    EXPECT_GE(view.cardWidget(1, Card::memoryUsage)->width(), 384);
    EXPECT_EQ(view.cardWidget(1, Card::diskInfo)->height(), 128);

    in.disableProcessorUsage = true;
    view.apply(in);
    QApplication::processEvents();
    EXPECT_TRUE(processor->isHidden());
    EXPECT_EQ(view.visibleCards(0), (QList<QWidget*>{cores}));
    EXPECT_EQ(cores->y(), top); // moved up into the freed place

    // Switching it on again brings the same widget back, above the cores card.
    in.disableProcessorUsage = false;
    view.apply(in);
    QApplication::processEvents();
    EXPECT_EQ(view.visibleCards(0), (QList<QWidget*>{processor, cores}));
    EXPECT_FALSE(processor->isHidden());
}

TEST(ContentView, VolumesCardFollowsTheBattery)
{
    ContentView view(everyCard(), 0);
    MainLayoutInputs in;
    view.apply(in);
    QWidget* inColumn4 = view.cardWidget(3, Card::volumes);
    ASSERT_TRUE(inColumn4);
    EXPECT_EQ(view.visibleCards(3).last(), inColumn4);

    in.batteryPresent = true;
    view.apply(in);
    EXPECT_TRUE(inColumn4->isHidden());
    QWidget* inColumn2 = view.cardWidget(1, Card::volumes);
    ASSERT_TRUE(inColumn2);
    EXPECT_EQ(view.visibleCards(1).last(), inColumn2);
    EXPECT_EQ(view.visibleCards(3).last(), view.cardWidget(3, Card::internalBattery));
}

TEST(ContentView, CardsWithoutMakerAreLeftOut)
{
    ContentView view(catalogOf({Card::coreUsage, Card::memoryUsage}), 2);
    MainLayoutInputs in;
    in.disableSystemInfo = false;
    view.apply(in);
    EXPECT_EQ(view.systemInfoWidget(), nullptr);
    EXPECT_EQ(view.visibleCards(0).size(), 1);
    EXPECT_EQ(view.visibleCards(1).size(), 1);
    for (int column = 2; column < MainLayout::columnCount; ++column)
        EXPECT_TRUE(view.visibleCards(column).isEmpty()) << column;
}

TEST(ContentView, SystemInfoRowAndEmptyState)
{
    ContentView view(everyCard(), 1);
    MainLayoutInputs in;
    in.disableSystemInfo = false;
    view.apply(in);
    QWidget* info = view.systemInfoWidget();
    ASSERT_TRUE(info);
    EXPECT_FALSE(info->isHidden());
    EXPECT_EQ(info->height(), 152);
    EXPECT_GE(info->minimumWidth(), 860);

    in.disableSystemInfo = true;
    view.apply(in);
    EXPECT_TRUE(info->isHidden());
    EXPECT_EQ(view.emptyView(), nullptr);

    in.disableProcessorUsage = in.disableMemoryUsage = in.disableCoresUsage = in.disableNetworkInfo = true;
    in.disableNetworkUsage = in.disableGraphicsCard = in.disableVolumeInfo = in.disableConnectedVolumes = true;
    in.disableInternalBattery = true;
    in.companionRunning = in.hasFans = true;
    view.apply(in);
    ASSERT_NE(view.emptyView(), nullptr);
    EXPECT_TRUE(view.layoutPlan().empty);
    auto* stack = view.findChild<QStackedLayout*>();
    ASSERT_TRUE(stack);
    EXPECT_EQ(stack->currentWidget(), view.emptyView());
    EXPECT_EQ(view.emptyView()->titleLabel()->text(), QStringLiteral("No Cards to Show"));

    in.disableMemoryUsage = false;
    view.apply(in);
    EXPECT_NE(stack->currentWidget(), view.emptyView());
}

TEST(ContentView, BackgroundFollowsTheDesign)
{
    ContentView view(everyCard(), 1);
    view.resize(400, 300);
    view.apply(MainLayoutInputs{});
    view.setPalette(ViewKit::VKTheme::palette(ViewKit::VKColorScheme::light));
    EXPECT_EQ(view.grab().toImage().pixelColor(2, 2), QColor(Qt::white));
    view.setPalette(ViewKit::VKTheme::palette(ViewKit::VKColorScheme::dark));
    EXPECT_EQ(view.grab().toImage().pixelColor(2, 2),
              ViewKit::VKColors::Background::controlBackground(ViewKit::VKColorScheme::dark));

    view.setBackgroundTheme(BackgroundTheme::glass);
    const QColor glass = view.grab().toImage().pixelColor(2, 2);
    // Glass and solid are two designs a user tells apart at a glance, also in dark mode where both
    // are dark greys: the glass window is clearly darker.
    const QColor solid = ViewKit::VKColors::Background::controlBackground(ViewKit::VKColorScheme::dark);
    EXPECT_GE(solid.lightness() - glass.lightness(), 12) << glass.name().toStdString();
}

namespace {
// A card that can shrink far below the size it asks for, like a list.
struct TallCard : QWidget {
    using QWidget::QWidget;
    QSize sizeHint() const override { return {300, height}; }
    int height = 0;
};
} // namespace

TEST(MainWindow, OpensAtItsPreferredSizeWithinTheScreen)
{
    // One card asking for most of the screen's height (more than the toolkit's own opening size, two
    // thirds of the screen, allows), but able to shrink to 60.
    const QSize available = QApplication::primaryScreen()->availableGeometry().size();
    CardCatalog catalog;
    catalog.add(Card::processorUsage, [&](QWidget* parent) {
        auto* card = new TallCard(parent);
        card->height = available.height() * 5 / 6;
        card->setMinimumHeight(60);
        return card;
    });
    MainLayoutInputs in;
    in.disableMemoryUsage = in.disableCoresUsage = in.disableNetworkInfo = in.disableNetworkUsage = true;
    in.disableGraphicsCard = in.disableVolumeInfo = in.disableConnectedVolumes = in.disableInternalBattery = true;
    auto* content = new ContentView(catalog, 1);
    content->apply(in);
    MainWindow window(content);
    window.show();
    QApplication::processEvents();
    const QSize preferred = window.sizeHint();
    ASSERT_TRUE(available.width() >= preferred.width() && available.height() >= preferred.height());
    EXPECT_GT(preferred.height(), available.height() * 2 / 3);
    EXPECT_GT(preferred.height(), window.minimumSizeHint().height());
    EXPECT_EQ(window.size(), preferred);
    EXPECT_NE(window.size(), QSize(200, 100));

    // Showing again after a resize by the user keeps the user's size.
    window.hide();
    window.resize(preferred + QSize(30, 20));
    window.show();
    QApplication::processEvents();
    EXPECT_EQ(window.size(), preferred + QSize(30, 20));

    // Every card: whatever the content asks for, the window opens inside the screen's available area.
    MainWindow large(new ContentView(everyCard(), 1));
    large.contentView()->apply(MainLayoutInputs{});
    large.show();
    QApplication::processEvents();
    EXPECT_LE(large.width(), std::max(available.width(), large.minimumSizeHint().width()));
    EXPECT_LE(large.height(), std::max(available.height(), large.minimumSizeHint().height()));
}

TEST(MainWindow, OpeningSizeKeepsBetweenMinimumAndScreen)
{
    const QSize minimum(752, 636);
    EXPECT_EQ(MainWindow::openingSize({762, 760}, minimum, {1600, 1000}), QSize(762, 760));
    EXPECT_EQ(MainWindow::openingSize({762, 760}, minimum, {1600, 700}), QSize(762, 700));
    EXPECT_EQ(MainWindow::openingSize({2000, 760}, minimum, {1600, 1000}), QSize(1600, 760));
    EXPECT_EQ(MainWindow::openingSize({700, 600}, minimum, {1600, 1000}), minimum);
    EXPECT_EQ(MainWindow::openingSize({762, 760}, minimum, QSize()), QSize(762, 760));
}

TEST(WindowRegistry, OpensAWindowOnceByItsExactIdentifier)
{
    WindowRegistry registry;
    int made = 0;
    registry.add(QStringLiteral("About"), [&made] {
        ++made;
        return new SceneWindow(QStringLiteral("About"));
    });
    registry.add(QStringLiteral("AboutMore"), [] { return new SceneWindow(QStringLiteral("AboutMore")); });

    QWidget* first = registry.openOnce(QStringLiteral("About"));
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(registry.openOnce(QStringLiteral("About")), first);
    EXPECT_EQ(made, 1);

    // An identifier that merely begins with an open one is another window.
    QWidget* more = registry.openOnce(QStringLiteral("AboutMore"));
    ASSERT_TRUE(more);
    EXPECT_NE(more, first);
    EXPECT_EQ(WindowRegistry::openWindow(QStringLiteral("Abo")), nullptr);
    EXPECT_EQ(registry.openOnce(QStringLiteral("Unknown")), nullptr);

    // A closed window is gone; the next request makes a new one.
    QPointer<QWidget> closed = first;
    first->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull());
    QWidget* again = registry.openOnce(QStringLiteral("About"));
    EXPECT_EQ(made, 2);
    again->close();
    more->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(ContentView, SystemInfoRowGrowsToWhatItsFactsNeed)
{
    CardCatalog catalog;
    catalog.add(Card::systemInfo, [](QWidget* parent) {
        auto* tall = new QLabel(QStringLiteral("facts"), parent);
        tall->setMinimumHeight(200);
        return tall;
    });
    ContentView view(std::move(catalog), 0);
    MainLayoutInputs in;
    in.disableSystemInfo = false;
    view.apply(in);
    ASSERT_TRUE(view.systemInfoWidget());
    EXPECT_EQ(view.systemInfoWidget()->height(), 200);  // not the 96 of class 0, which would cut it off
}

namespace {
// Cards as wide and tall as the real ones at their narrowest: five columns need more than a small
// screen is wide.
CardCatalog wideCards()
{
    CardCatalog catalog;
    for (Card card : {Card::processorUsage, Card::coreUsage, Card::memoryUsage, Card::diskInfo, Card::networkInfo,
                      Card::networkUsage, Card::volumes, Card::fans, Card::thermion}) {
        catalog.add(card, [card](QWidget* parent) {
            auto* widget = new QLabel(QString::number(int(card)), parent);
            widget->setMinimumSize(card == Card::memoryUsage || card == Card::diskInfo ? 384 : 304, 160);
            return widget;
        });
    }
    return catalog;
}

MainLayoutInputs withCompanion(bool running)
{
    MainLayoutInputs in;
    in.companionRunning = running;
    in.hasFans = in.hasTemperatureSensors = true;
    return in;
}
} // namespace

TEST(MainWindow, NeverLargerThanASmallScreenAndEveryCardCanBeReached)
{
    const QSize screen(1366, 768);
    MainWindow window(new ContentView(wideCards(), 0));
    window.setAvailableArea(screen);
    window.contentView()->apply(withCompanion(true));
    window.show();
    QApplication::processEvents();
    // Five columns want 1648 points and more: the window takes the screen, not more, and cannot be
    // made larger than it at its minimum either.
    EXPECT_GT(window.sizeHint().width(), screen.width());
    EXPECT_LE(window.width(), screen.width());
    EXPECT_LE(window.height(), screen.height());
    EXPECT_LE(window.minimumSize().width(), screen.width());
    EXPECT_LE(window.minimumSize().height(), screen.height());

    // The grid scrolls instead: the cards keep their widths and the last column comes into view.
    GridScrollArea* scroll = window.contentView()->scrollArea();
    QScrollBar* bar = scroll->horizontalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    QWidget* sensors = window.contentView()->cardWidget(4, Card::thermion);
    ASSERT_TRUE(sensors);
    EXPECT_GE(sensors->width(), 304);
    bar->setValue(bar->maximum());
    QApplication::processEvents();
    const QRect shown(sensors->mapTo(scroll->viewport(), QPoint(0, 0)), sensors->size());
    EXPECT_TRUE(scroll->viewport()->rect().contains(shown));

    // At the window's minimum size as well.
    window.resize(window.minimumSize());
    QApplication::processEvents();
    EXPECT_LE(window.width(), screen.width());
    bar->setValue(bar->maximum());
    QApplication::processEvents();
    EXPECT_TRUE(scroll->viewport()->rect().right() >= sensors->mapTo(scroll->viewport(), QPoint(sensors->width() - 1, 0)).x());
}

TEST(MainWindow, FollowsTheCompanionsColumnBothWays)
{
    MainWindow window(new ContentView(wideCards(), 2));
    window.setAvailableArea(QSize(2560, 1440));
    window.contentView()->apply(withCompanion(false));
    window.show();
    QApplication::processEvents();
    const int without = window.width();

    // The companion comes: the window grows by its column; it quits: the window gives the width back.
    window.contentView()->apply(withCompanion(true));
    QApplication::processEvents();
    const int with = window.width();
    EXPECT_GE(with, without + 304);
    window.contentView()->apply(withCompanion(false));
    QApplication::processEvents();
    EXPECT_EQ(window.width(), without);

    // A width the user chose stays theirs, less the column that went.
    window.resize(without + 100, window.height());
    window.contentView()->apply(withCompanion(true));
    QApplication::processEvents();
    window.contentView()->apply(withCompanion(false));
    QApplication::processEvents();
    EXPECT_EQ(window.width(), without + 100);
}

TEST(ContentView, TheFansCardStandsAtTheTopOfItsColumn)
{
    ContentView view(wideCards(), 2);
    view.resize(2400, 1000);
    MainLayoutInputs in = withCompanion(true);
    in.hasTemperatureSensors = false;
    view.apply(in);
    view.show();
    QApplication::processEvents();
    QWidget* fans = view.cardWidget(4, Card::fans);
    QWidget* processor = view.cardWidget(0, Card::processorUsage);
    ASSERT_TRUE(fans && processor);
    EXPECT_EQ(fans->y(), processor->y());

    // Above the sensors card, which takes the rest of the column.
    in.hasTemperatureSensors = true;
    view.apply(in);
    QApplication::processEvents();
    EXPECT_EQ(fans->y(), processor->y());
    EXPECT_GT(view.cardWidget(4, Card::thermion)->y(), fans->geometry().bottom());
}

TEST(EmptyView, TheIconGivesWayToTheTexts)
{
    QApplication::setWindowIcon(QIcon(QPixmap(QSize(256, 256))));
    for (const QSize size : {QSize(), QSize(800, 900)}) {
        EmptyView view;
        view.resize(size.isValid() ? size : view.minimumSizeHint());
        view.show();
        QApplication::processEvents();
        SCOPED_TRACE(view.height());
        const QRect icon = view.iconLabel()->geometry();
        // Never over the heading, and the texts whole inside the view.
        EXPECT_LE(icon.bottom(), view.titleLabel()->geometry().top());
        EXPECT_LT(view.titleLabel()->geometry().bottom(), view.infoLabel()->geometry().top());
        EXPECT_TRUE(view.rect().contains(view.infoLabel()->geometry()));
        EXPECT_GE(view.infoLabel()->height(), view.infoLabel()->heightForWidth(view.infoLabel()->width()));
        EXPECT_GE(icon.height(), EmptyView::smallestIconSide);
        // With room to spare, the icon has its full size.
        if (size.isValid()) {
            EXPECT_EQ(icon.size(), QSize(EmptyView::iconSide, EmptyView::iconSide));
        }
    }
    QApplication::setWindowIcon(QIcon());
}
