#include "BaseKit/MenuBar/MenuBar.h"
#include "BaseKit/MenuBar/MenuBarItem.h"
#include "BaseKit/MenuBar/MenuBarItemController.h"
#include "BaseKit/MenuBar/MenuBarTheme.h"
#include "BaseKit/MenuBar/StatusBar.h"
#include "BaseKit/MenuBar/StatusBarButton.h"
#include "BaseKit/MenuBar/StatusBarMenuHostingView.h"

#include <QLabel>
#include <QMenu>
#include <QPointer>

#include <gtest/gtest.h>

#include <algorithm>

using namespace BaseKit;

namespace {

// A status item of a bar without a tray host.
class FakeStatusItem : public StatusItem {
public:
    explicit FakeStatusItem(bool withButton)
        : m_button(withButton ? std::make_unique<StatusBarButton>() : nullptr)
    {
    }
    StatusBarButton* button() const override { return m_button.get(); }
    bool isVisible() const override { return m_visible; }
    void setVisible(bool visible) override { m_visible = visible; }
    double length() const override { return m_length; }
    void setLength(double length) override { m_length = length; }
    QMenu* menu() const override { return m_menu; }
    void setMenu(QMenu* menu) override { m_menu = menu; }

private:
    std::unique_ptr<StatusBarButton> m_button;
    bool m_visible = true;
    double m_length = StatusBar::variableLength;
    QMenu* m_menu = nullptr;
};

class FakeStatusBar : public StatusBar {
public:
    std::shared_ptr<StatusItem> statusItem(double) override
    {
        auto item = std::make_shared<FakeStatusItem>(withButtons);
        shown.push_back(item);
        return item;
    }
    void removeStatusItem(const std::shared_ptr<StatusItem>& item) override
    {
        ++removals;
        shown.erase(std::remove(shown.begin(), shown.end(), item), shown.end());
    }
    double thickness() const override { return 24.0; }

    bool withButtons = true;
    int removals = 0;
    std::vector<std::shared_ptr<StatusItem>> shown;
};

class Changes : public MenuBarDelegate {
public:
    void menuBarItemsDidChange() override { ++count; }
    int count = 0;
};

class MenuBarTest : public ::testing::Test {
protected:
    QIcon icon() const
    {
        QPixmap pixmap(8, 8);
        pixmap.fill(Qt::red);
        return QIcon(pixmap);
    }

    FakeStatusBar bar;
};

} // namespace

TEST_F(MenuBarTest, MeasuresFollowTheThickness)
{
    EXPECT_EQ(MenuBar::height(bar), 24.0);
    EXPECT_EQ(MenuBar::midY(bar), 12.0);
    EXPECT_EQ(MenuBar::totalHeight(bar), 29.0);
    EXPECT_EQ(MenuBar::minY(), 0.0);
    EXPECT_EQ(MenuBar::maxY(bar), 24.0);
    EXPECT_EQ(MenuBar::top(bar), 24.0);
    EXPECT_EQ(MenuBar::bottom(bar), 0.0);
}

TEST_F(MenuBarTest, AnImageReplacesViewsAndViewsReplaceTheImage)
{
    MenuBarItem item(new QLabel(QStringLiteral("content")), bar);
    ASSERT_EQ(item.views()->size(), 1);
    QPointer<QWidget> hosting = item.views()->front();
    EXPECT_TRUE(qobject_cast<StatusBarMenuHostingView*>(hosting.data()));

    item.setImage(icon());
    EXPECT_TRUE(hosting.isNull());
    EXPECT_TRUE(item.views()->isEmpty());
    EXPECT_TRUE(item.image().has_value());
    EXPECT_EQ(item.button()->imagePosition(), StatusBarButton::ImagePosition::imageLeft);

    auto* a = new QLabel(QStringLiteral("a"));
    auto* b = new QLabel(QStringLiteral("b"));
    item.setViews(QList<QWidget*>{a, b});
    EXPECT_EQ(*item.views(), (QList<QWidget*>{a, b}));
    EXPECT_FALSE(item.image().has_value());
    item.setViews(std::nullopt);
    EXPECT_TRUE(item.views()->isEmpty());
    EXPECT_FALSE(item.image().has_value());

    item.setTitle(std::nullopt);
    EXPECT_EQ(item.title(), QString());
    item.setTitle(QStringLiteral("CPU"));
    EXPECT_EQ(item.title(), QStringLiteral("CPU"));
}

TEST_F(MenuBarTest, SizeConstraintsAreMadeOnceAndMadeAgainAfterReset)
{
    MenuBarItem item(bar);
    item.setSize(40, 20);
    const auto width = item.widthConstraint();
    item.setSize(50, 22);
    EXPECT_EQ(item.widthConstraint(), width);
    EXPECT_EQ(item.button()->constraints().size(), 2u);
    EXPECT_EQ(item.widthConstraint()->constant(), 50.0);
    EXPECT_EQ(item.button()->maximumWidth(), 50);
    EXPECT_EQ(item.button()->maximumHeight(), 22);

    item.setImage(icon());
    item.addSubview(new QLabel);
    item.reset();
    EXPECT_FALSE(item.image().has_value());
    EXPECT_TRUE(item.views()->isEmpty());
    EXPECT_TRUE(item.button()->constraints().empty());
    EXPECT_FALSE(width->isActive());
    // A size after reset constrains the button again.
    item.setSize(30, 18);
    EXPECT_EQ(item.button()->constraints().size(), 2u);
    EXPECT_EQ(item.button()->maximumWidth(), 30);
}

TEST_F(MenuBarTest, TargetActionMenuAndAppearance)
{
    MenuBarItem item(bar);
    int clicks = 0;
    QObject target;
    item.setTarget(&target, [&] { ++clicks; }, 7);
    EXPECT_EQ(item.target(), &target);
    EXPECT_EQ(item.button()->tag(), 7);
    item.button()->performClick();
    EXPECT_EQ(clicks, 1);
    item.removeTarget();
    item.button()->performClick();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(item.button()->tag(), 0);

    QMenu menu;
    item.setMenu(&menu);
    EXPECT_EQ(item.menu(), &menu);

    QPalette dark;
    dark.setColor(QPalette::Window, QColor(30, 30, 30));
    item.button()->setPalette(dark);
    EXPECT_TRUE(item.isDarkMode());
    QPalette light;
    light.setColor(QPalette::Window, QColor(240, 240, 240));
    item.button()->setPalette(light);
    EXPECT_FALSE(item.isDarkMode());
}

TEST_F(MenuBarTest, WithoutAButtonReadsGiveNothingAndWritesDoNothing)
{
    bar.withButtons = false;
    MenuBarItem item(new QLabel, bar);
    EXPECT_FALSE(item.title().has_value());
    EXPECT_FALSE(item.views().has_value());
    EXPECT_FALSE(item.isDarkMode());
    item.setSize(10, 10);
    EXPECT_FALSE(item.widthConstraint());
    item.setImage(icon());
    item.reset();
}

TEST_F(MenuBarTest, TheControllerReportsEveryChange)
{
    MenuBarItemController controller(bar);
    auto changes = std::make_shared<Changes>();
    controller.setDelegate(changes);
    EXPECT_FALSE(controller.firstItem());
    EXPECT_FALSE(controller.item(3));
    EXPECT_FALSE(controller.isDarkMode().has_value());
    controller.removeAllButFirst();
    EXPECT_EQ(changes->count, 0);

    auto first = std::make_shared<MenuBarItem>(bar);
    auto second = std::make_shared<MenuBarItem>(bar);
    auto third = std::make_shared<MenuBarItem>(bar);
    controller.add(first);
    controller.add(second);
    controller.add(second);
    EXPECT_EQ(changes->count, 3);
    controller.remove(second); // both entries, one call
    EXPECT_EQ(controller.count(), 1u);
    EXPECT_EQ(changes->count, 4);

    auto stranger = std::make_shared<MenuBarItem>(bar);
    const int removalsBefore = bar.removals;
    controller.remove(stranger);
    EXPECT_EQ(bar.removals, removalsBefore + 1);
    EXPECT_EQ(changes->count, 5);
    EXPECT_EQ(controller.count(), 1u);

    controller.add(second);
    controller.add(third);
    changes->count = 0;
    controller.removeAllButFirst();
    EXPECT_EQ(changes->count, 3);
    EXPECT_EQ(controller.items(), std::vector<std::shared_ptr<MenuBarItem>>{first});
    EXPECT_EQ(controller.firstItem(), first);
    EXPECT_EQ(controller.isDarkMode(), first->isDarkMode());
}

TEST(MenuBarThemes, TextsMatchExactly)
{
    EXPECT_EQ(menuBarTheme(QStringLiteral("dark")), MenuBarTheme::dark);
    EXPECT_EQ(menuBarTheme(QStringLiteral("light")), MenuBarTheme::light);
    EXPECT_FALSE(menuBarTheme(QStringLiteral("Dark")).has_value());
    EXPECT_FALSE(menuBarTheme(QString()).has_value());
    EXPECT_EQ(rawValue(MenuBarTheme::dark), QStringLiteral("dark"));
}

TEST(MenuBarTray, TheTrayItemDrawsItsButton)
{
    // The real tray item works without a tray host; it draws the button into its icon.
    MenuBarItem item(StatusBar::system());
    ASSERT_TRUE(item.button());
    item.setImage(QIcon());
    item.setTitle(QStringLiteral("42 %"));
    EXPECT_EQ(item.title(), QStringLiteral("42 %"));
    item.setLength(30);
    EXPECT_EQ(item.length(), 30.0);
}
