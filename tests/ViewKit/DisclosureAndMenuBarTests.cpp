#include "WidgetCanvas.h"

#include "ViewKit/VKDisclosureGroup.h"
#include "ViewKit/VKDisclosureGroupStyle.h"
#include "ViewKit/VKHoverView.h"
#include "ViewKit/VKInitAppScene.h"
#include "ViewKit/VKTheme.h"
#include "ViewKit/VKTrayMenuBarItem.h"

#include <QLabel>
#include <QLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QSet>
#include <QSystemTrayIcon>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace ViewKit;

namespace {

// A click at the centre of a widget; unhandled, it travels up to the parents.
void click(QWidget* widget)
{
    const QPointF centre = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

struct Built {
    int headers = 0;
    int sections = 0;
    QLabel* header = nullptr;
    QLabel* section = nullptr;
};

std::unique_ptr<VKDisclosureGroup> makeGroup(Built& built, std::optional<qreal> leading = std::nullopt,
                                             std::optional<qreal> trailing = std::nullopt)
{
    auto group = std::make_unique<VKDisclosureGroup>(
        [&built] {
            ++built.headers;
            return built.header = new QLabel(QStringLiteral("Details"));
        },
        [&built] {
            ++built.sections;
            return built.section = new QLabel(QStringLiteral("More"));
        },
        std::nullopt, leading, trailing);
    // Rendering lays the group out, so that its parts stand where a click would find them.
    renderWidget(*group, QSize(300, 200));
    return group;
}

// Every widget painted while it is installed on the application.
class PaintLog : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType())
            painted.insert(static_cast<QWidget*>(watched));
        return false;
    }
    QSet<QWidget*> painted;
};

// A menu-bar item that only records what the scene asks of it.
class FakeItem : public VKMenuBarItem
{
public:
    explicit FakeItem(bool host)
        : m_host(host)
    {
    }
    bool isHostAvailable() const override { return m_host; }
    void setTitle(const QString& title) override
    {
        m_title = title;
        ++titles;
    }
    QString title() const override { return m_title; }
    void setInserted(bool inserted) override
    {
        if (inserted == m_inserted)
            return;
        m_inserted = inserted;
        if (inserted && labelShown)
            labelShown();
    }
    bool isInserted() const override { return m_inserted; }
    int titles = 0;

private:
    bool m_host;
    QString m_title = QStringLiteral("unset");
    bool m_inserted = false;
};

} // namespace

TEST(DisclosureGroup, StartsClosedAndBuildsItsPartsOnce)
{
    Built built;
    auto group = makeGroup(built);
    EXPECT_EQ(built.headers, 1);
    EXPECT_EQ(built.sections, 1);
    EXPECT_FALSE(group->isExpanded());
    EXPECT_FALSE(group->section()->isVisibleTo(group.get()));
    click(built.header);
    click(group->header());
    click(group.get());
    EXPECT_TRUE(group->isExpanded());
    EXPECT_EQ(built.headers, 1);
    EXPECT_EQ(built.sections, 1);
    EXPECT_EQ(group->expandedView(), built.section);
}

TEST(DisclosureGroup, AnyClickInTheGroupTogglesUnlessSomethingTakesIt)
{
    Built built;
    auto group = makeGroup(built);
    click(built.header);
    EXPECT_TRUE(group->isExpanded());
    EXPECT_TRUE(group->section()->isVisibleTo(group.get()));
    // A click on the open section closes it.
    click(built.section);
    EXPECT_FALSE(group->isExpanded());
    EXPECT_FALSE(group->section()->isVisibleTo(group.get()));
    // A button in the section takes its own clicks.
    auto* button = new QPushButton(QStringLiteral("Go"));
    group->section()->layout()->addWidget(button);
    group->setExpanded(true);
    click(button);
    EXPECT_TRUE(group->isExpanded());
}

TEST(DisclosureGroup, SectionIsInsetByTheDefaultPaddingUnlessGiven)
{
    Built a;
    auto byDefault = makeGroup(a);
    const QMargins m = byDefault->section()->layout()->contentsMargins();
    EXPECT_EQ(m.left(), int(VKTheme::defaultPadding));
    EXPECT_EQ(m.right(), int(VKTheme::defaultPadding));
    Built b;
    auto none = makeGroup(b, 0, 0);
    EXPECT_EQ(none->section()->layout()->contentsMargins().left(), 0);
    Built c;
    auto custom = makeGroup(c, 24, 4);
    EXPECT_EQ(custom->section()->layout()->contentsMargins().left(), 24);
    EXPECT_EQ(custom->section()->layout()->contentsMargins().right(), 4);
}

TEST(DisclosureGroup, ChevronTurnsAQuarterWhenOpen)
{
    const QColor accent(255, 0, 0);
    auto render = [&](bool open) {
        QImage image = makeCanvas(QSize(16, 16), 2);
        QPainter painter(&image);
        paintDisclosureChevron(painter, QRectF(0, 0, 16, 16), open, accent);
        return image;
    };
    const QImage closed = render(false);
    const QImage open = render(true);
    // Pointing right, the glyph's ink spans more rows than it does when pointing down, and the other
    // way round for columns.
    auto spread = [](const QImage& image, bool rows) {
        int count = 0;
        for (int a = 0; a < 32; ++a) {
            bool ink = false;
            for (int b = 0; b < 32 && !ink; ++b)
                ink = (rows ? image.pixelColor(b, a) : image.pixelColor(a, b)).alpha() > 128;
            count += ink;
        }
        return count;
    };
    EXPECT_GT(spread(closed, true), spread(closed, false));
    EXPECT_GT(spread(open, false), spread(open, true));
}

TEST(DisclosureGroupStyle, OnlyTheHeaderTogglesTheOwnersState)
{
    bool open = false;
    auto* label = new QLabel(QStringLiteral("Section"));
    auto* content = new QLabel(QStringLiteral("Content"));
    VKDisclosureGroupStyle style{8.0, std::nullopt};
    std::unique_ptr<QWidget> body(style.makeBody({label, content, {[&] { return open; }, [&](bool v) { open = v; }}}));
    renderWidget(*body, QSize(300, 200));
    QWidget* frame = VKDisclosureGroupStyle::contentFrame(body.get());
    ASSERT_NE(frame, nullptr);
    EXPECT_FALSE(frame->isVisibleTo(body.get()));
    click(label);
    EXPECT_TRUE(open);
    EXPECT_TRUE(frame->isVisibleTo(body.get()));
    click(content);
    EXPECT_TRUE(open);
    // The state written elsewhere shows after a sync.
    open = false;
    VKDisclosureGroupStyle::sync(body.get());
    EXPECT_FALSE(frame->isVisibleTo(body.get()));
    EXPECT_EQ(frame->layout()->contentsMargins().left(), 8);
    EXPECT_EQ(frame->layout()->contentsMargins().right(), int(VKTheme::defaultPadding));
}

TEST(DisclosureGroupStyle, OnScreenASyncRepaintsTheChevronAndNotTheLabel)
{
    bool open = false;
    auto* label = new QLabel(QStringLiteral("Section"));
    VKDisclosureGroupStyle style;
    std::unique_ptr<QWidget> body(style.makeBody(
        {label, new QLabel(QStringLiteral("Content")), {[&] { return open; }, [&](bool v) { open = v; }}}));
    body->resize(300, 200);
    PaintLog log;
    qApp->installEventFilter(&log);
    body->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(body.get()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return log.painted.contains(label); }, 5000));
    QApplication::processEvents();
    log.painted.clear();
    // The label and the chevron share the header's row; only the chevron shows the state.
    VKDisclosureGroupStyle::sync(body.get());
    const auto chevronPainted = [&] {
        for (QWidget* widget : std::as_const(log.painted))
            if (widget != label && widget->parentWidget() == label->parentWidget())
                return true;
        return false;
    };
    EXPECT_TRUE(QTest::qWaitFor(chevronPainted, 5000));
    QApplication::processEvents();
    EXPECT_FALSE(log.painted.contains(label));
    qApp->removeEventFilter(&log);
}

TEST(DisclosureGroupStyle, GroupsInsideTheContentInheritTheStyle)
{
    bool open = true;
    auto* inner = new QWidget;
    auto* deeper = new QLabel(inner);
    VKDisclosureGroupStyle style{12.0, 3.0};
    std::unique_ptr<QWidget> body(
        style.makeBody({new QLabel(QStringLiteral("Outer")), inner, {[&] { return open; }, [&](bool v) { open = v; }}}));
    const std::optional<VKDisclosureGroupStyle> found = VKDisclosureGroupStyle::inherited(deeper);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->leading, 12.0);
    EXPECT_EQ(found->trailing, 3.0);
    QLabel outside;
    EXPECT_FALSE(VKDisclosureGroupStyle::inherited(&outside));
}

TEST(MenuBarScene, InsertedAtLaunchOpensTheWindow)
{
    bool inserted = true;
    QStringList opened;
    auto item = std::make_unique<FakeItem>(true);
    FakeItem* fake = item.get();
    VKInitAppScene scene(QStringLiteral("Main"), true, {[&] { return inserted; }, [&](bool v) { inserted = v; }},
                         [&](const QString& id) { opened.append(id); }, std::move(item));
    EXPECT_TRUE(fake->isInserted());
    EXPECT_EQ(fake->title(), QString());
    EXPECT_EQ(scene.verbatim(), QString());
    EXPECT_EQ(opened, QStringList{QStringLiteral("Main")});
    EXPECT_TRUE(scene.statusText().isEmpty());
    // Removing and inserting again shows the label again: the window is asked for again.
    scene.setInserted(false);
    EXPECT_FALSE(inserted);
    EXPECT_FALSE(fake->isInserted());
    scene.setInserted(true);
    EXPECT_EQ(opened.size(), 2);
}

TEST(MenuBarScene, WithoutShowWindowOrUntilInsertedNothingOpens)
{
    bool inserted = true;
    int opened = 0;
    auto quiet = std::make_unique<FakeItem>(true);
    FakeItem* quietItem = quiet.get();
    VKInitAppScene silent(QStringLiteral("Main"), false, {[&] { return inserted; }, [&](bool v) { inserted = v; }},
                          [&](const QString&) { ++opened; }, std::move(quiet));
    EXPECT_TRUE(quietItem->isInserted());
    EXPECT_EQ(opened, 0);

    bool later = false;
    auto item = std::make_unique<FakeItem>(true);
    FakeItem* fake = item.get();
    VKInitAppScene scene(QStringLiteral("About"), true, {[&] { return later; }, [&](bool v) { later = v; }},
                         [&](const QString&) { ++opened; }, std::move(item));
    EXPECT_FALSE(fake->isInserted());
    EXPECT_EQ(opened, 0);
    later = true;  // the owner's flag changes; the scene follows at its next update
    scene.update();
    EXPECT_TRUE(fake->isInserted());
    EXPECT_EQ(opened, 1);
}

TEST(MenuBarScene, WithoutATrayHostItSaysSoAndDoesNothing)
{
    bool inserted = true;
    int opened = 0;
    auto item = std::make_unique<FakeItem>(false);
    FakeItem* fake = item.get();
    VKInitAppScene scene(QStringLiteral("Main"), true, {[&] { return inserted; }, [&](bool v) { inserted = v; }},
                         [&](const QString&) { ++opened; }, std::move(item));
    EXPECT_FALSE(scene.isHostAvailable());
    EXPECT_FALSE(scene.statusText().isEmpty());
    EXPECT_FALSE(fake->isInserted());
    EXPECT_EQ(fake->titles, 0);
    EXPECT_EQ(opened, 0);
    scene.update();
    EXPECT_EQ(opened, 0);
}

TEST(MenuBarScene, TheTrayItemFollowsTheDesktop)
{
    bool inserted = true;
    int opened = 0;
    VKInitAppScene scene(QStringLiteral("Main"), true, {[&] { return inserted; }, [&](bool v) { inserted = v; }},
                         [&](const QString&) { ++opened; });
    EXPECT_EQ(scene.isHostAvailable(), QSystemTrayIcon::isSystemTrayAvailable());
    EXPECT_EQ(scene.item().isInserted(), scene.isHostAvailable());
    EXPECT_EQ(opened, scene.isHostAvailable() ? 1 : 0);
    scene.setInserted(false);
    EXPECT_FALSE(scene.item().isInserted());
}

TEST(DisclosureGroup, OnScreenTheSectionSlidesInAndOut)
{
    Built built;
    auto group = makeGroup(built);
    group->show();
    group->setExpanded(true);
    // It starts closed and opens to its full height.
    EXPECT_TRUE(group->section()->isVisible());
    EXPECT_LT(group->section()->maximumHeight(), group->section()->sizeHint().height());
    EXPECT_TRUE(QTest::qWaitFor([&] { return group->section()->maximumHeight() == QWIDGETSIZE_MAX; }, 5000));
    EXPECT_TRUE(group->section()->isVisible());
    group->setExpanded(false);
    EXPECT_TRUE(group->section()->isVisible());  // still sliding out
    EXPECT_TRUE(QTest::qWaitFor([&] { return !group->section()->isVisible(); }, 5000));
    EXPECT_FALSE(group->isExpanded());
}
