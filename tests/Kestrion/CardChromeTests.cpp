#include "CardTestSupport.h"

#include "Kestrion/Cards/CardCanvas.h"
#include "Kestrion/Cards/CardLook.h"
#include "Kestrion/Cards/CardView.h"
#include "Kestrion/Cards/ProcessListView.h"

#include "ViewKit/VKColors.h"
#include "ViewKit/VKMaterial.h"

#include <QFrame>
#include <QPainter>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <cstdlib>

using Kestrion::CardLook;
using Kestrion::CardView;
using ViewKit::VKCardStyle;
using ViewKit::VKColorScheme;
using ViewKit::VKGlassCardStyle;

namespace {
constexpr VKColorScheme schemes[] = {VKColorScheme::light, VKColorScheme::dark};

QColor surfaceCentre(CardView& card, qreal ratio)
{
    const QImage image = renderWidget(card, QSize(200, 120), ratio);
    return pixelAt(image, QPointF(100, 60));
}
} // namespace

TEST(CardLook, StoredValuesAndTheirDefaults)
{
    EXPECT_EQ(CardLook::fromRawValues(0, 0, 0), CardLook{});
    const CardLook glass = CardLook::fromRawValues(1, 3, 3);
    EXPECT_EQ(glass.backgroundTheme, Kestrion::BackgroundTheme::glass);
    EXPECT_EQ(glass.material, VKGlassCardStyle::none);
    EXPECT_EQ(glass.tileStyle, VKCardStyle::none);
    EXPECT_EQ(CardLook::fromRawValues(1, 0, -2).material, VKGlassCardStyle::ultraThin);

    // Values that are no case read as the defaults.
    const CardLook odd = CardLook::fromRawValues(2, 9, 7);
    EXPECT_EQ(odd.backgroundTheme, Kestrion::BackgroundTheme::solid);
    EXPECT_EQ(odd.tileStyle, VKCardStyle::defaultStyle);
    EXPECT_EQ(odd.material, VKGlassCardStyle::regular);
    EXPECT_EQ(CardLook::fromRawValues(1, 0, std::int64_t(1) << 32).material, VKGlassCardStyle::regular);
    EXPECT_EQ(CardLook::fromRawValues(std::int64_t(1) << 32 | 1, 0, 0).backgroundTheme, Kestrion::BackgroundTheme::solid);
}

TEST(CardLook, SettingsFollowTheSuite)
{
    LookFixture look;
    EXPECT_EQ(look.settings.look(), CardLook{});
    QSignalSpy spy(&look.settings, &Kestrion::CardLookSettings::lookChanged);
    look.defaults.set(QStringLiteral("BackgroundTheme"), Platform::PlistValue(std::int64_t(1)));
    look.defaults.set(QStringLiteral("Material"), Platform::PlistValue(std::int64_t(2)));
    look.defaults.set(QStringLiteral("ShowLegends"), Platform::PlistValue(true));
    EXPECT_EQ(spy.count(), 2);
    EXPECT_EQ(look.settings.look().backgroundTheme, Kestrion::BackgroundTheme::glass);
    EXPECT_EQ(look.settings.look().material, VKGlassCardStyle::ultraThick);
    look.defaults.set(QStringLiteral("TileStyle"), Platform::PlistValue(std::int64_t(2)));
    EXPECT_EQ(spy.count(), 3);
    EXPECT_EQ(look.settings.look().tileStyle, VKCardStyle::line);
}

TEST(CardChrome, SurfaceOfEachLookInBothSchemes)
{
    for (const VKColorScheme scheme : schemes) {
        for (const qreal ratio : cardRatios) {
            SCOPED_TRACE(testing::Message() << "dark " << (scheme == VKColorScheme::dark) << " ratio " << ratio);
            LookFixture look;
            CardView card(look.settings, CardView::Padding::standard, 16);
            applyScheme(card, scheme);

            // Absent settings: the solid card in the default tile style.
            const QColor solid = scheme == VKColorScheme::dark ? ViewKit::VKColors::Background::cardDark()
                                                               : ViewKit::VKColors::Background::cardLight();
            EXPECT_TRUE(isOpaque(surfaceCentre(card, ratio), solid)) << surfaceCentre(card, ratio).name().toStdString();

            // Glass: the material's tint; the tile style is not used.
            look.defaults.set(QStringLiteral("TileStyle"), Platform::PlistValue(std::int64_t(3)));
            look.defaults.set(QStringLiteral("BackgroundTheme"), Platform::PlistValue(std::int64_t(1)));
            const QColor tint = ViewKit::materialTint(ViewKit::VKMaterial::regular, scheme);
            const QColor glass = surfaceCentre(card, ratio);
            EXPECT_NEAR(glass.alpha(), tint.alpha(), 2);
            EXPECT_GT(glass.alpha(), 0);

            // Glass without a material and solid without a tile style draw nothing.
            look.defaults.set(QStringLiteral("Material"), Platform::PlistValue(std::int64_t(3)));
            EXPECT_EQ(surfaceCentre(card, ratio).alpha(), 0);
            look.defaults.set(QStringLiteral("BackgroundTheme"), Platform::PlistValue(std::int64_t(0)));
            EXPECT_EQ(surfaceCentre(card, ratio).alpha(), 0);
        }
    }
}

TEST(CardChrome, SurfaceFillsTheCardAndPadsTheContent)
{
    LookFixture look;
    CardView standard(look.settings, CardView::Padding::standard, 16);
    CardView scene(look.settings, CardView::Padding::scene, 16);
    standard.resize(200, 100);
    EXPECT_EQ(standard.surfaceRect(), QRectF(0, 0, 200, 100));
    EXPECT_NE(standard.padding(), scene.padding());
    const QMargins margins = standard.contentLayout()->contentsMargins();
    EXPECT_EQ(margins.left(), int(standard.padding()));

    // The rounded corner leaves the corner pixel clear; the edges are the surface's.
    applyScheme(standard, VKColorScheme::light);
    const QImage image = renderWidget(standard, QSize(200, 100), 2);
    EXPECT_EQ(pixelAt(image, QPointF(0.25, 0.25)).alpha(), 0);
    EXPECT_EQ(pixelAt(image, QPointF(100, 0.25)).alpha(), 255);

    // The outline of the line style stays whole inside the card: two pixels at the edge, none
    // lost outside it.
    look.defaults.set(QStringLiteral("TileStyle"), Platform::PlistValue(std::int64_t(2)));
    const QImage outlined = renderWidget(standard, QSize(200, 100), 1);
    const QColor line = ViewKit::VKColors::Background::lineLight();
    EXPECT_TRUE(isOpaque(pixelAt(outlined, QPointF(100, 0.5)), line, 2));
    EXPECT_TRUE(isOpaque(pixelAt(outlined, QPointF(100, 1.5)), line, 2));
    EXPECT_EQ(pixelAt(outlined, QPointF(100, 2.5)).alpha(), 0);
    EXPECT_TRUE(isOpaque(pixelAt(outlined, QPointF(0.5, 50)), line, 2));
}

TEST(CardChrome, GaugeSizeFollowsTheSizeClass)
{
    EXPECT_EQ(CardView::gaugeSize(0), 80);
    EXPECT_EQ(CardView::gaugeSize(1), 96);
    EXPECT_EQ(CardView::gaugeSize(2), 144);
}

namespace {
// What a shown window shows now, as the platform holds it (not painted afresh).
QImage shownPixels(QWidget& window)
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    return window.screen()->grabWindow(window.winId()).toImage();
}

int largestDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 255;
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    }
    return largest;
}

// A card on a window of its own with a canvas and a process list in its content and another canvas
// on its edge, the canvases drawing translucent marks over what is under them. As `reference` the
// content stands in a frame of the same place and size, which keeps the card painting under it.
struct CanvasCard {
    CanvasCard(Kestrion::CardLookSettings& settings, VKColorScheme scheme, bool reference = false)
    {
        applyScheme(window, scheme);
        window.setAutoFillBackground(true);
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(10, 10, 10, 10);
        card = new CardView(settings, CardView::Padding::standard, 16);
        layout->addWidget(card);
        auto marks = [](QPainter& painter, const QRectF& rect) {
            painter.fillRect(rect.adjusted(4, 4, -rect.width() / 2, -4), QColor(200, 40, 40, 90));
            painter.setPen(QColor(0, 0, 0, 160));
            painter.drawText(rect, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("42%"));
        };
        QVBoxLayout* content = card->contentLayout();
        if (reference) {
            auto* frame = new QFrame;
            content->addWidget(frame);
            content = new QVBoxLayout(frame);
            content->setContentsMargins(0, 0, 0, 0);
            content->setSpacing(card->contentLayout()->spacing());
        }
        inside = new Kestrion::CardCanvas(40, marks);
        content->addWidget(inside);
        list = new Kestrion::ProcessListView(Kestrion::ProcessMeasure::processorUsage);
        list->setProcesses({process(1, QStringLiteral("first"), 40), process(2, QStringLiteral("second"), 12)});
        content->addWidget(list);
        onEdge = new Kestrion::CardCanvas(30, marks, card);
        onEdge->setGeometry(2, 2, 120, 30);
        window.resize(260, 200);
        window.show();
    }
    QWidget window;
    CardView* card = nullptr;
    Kestrion::CardCanvas* inside = nullptr;
    Kestrion::CardCanvas* onEdge = nullptr;
    Kestrion::ProcessListView* list = nullptr;
};
} // namespace

// A canvas or a list on the plain fill of a solid surface paints that fill under its drawing itself;
// wherever it does not stand on it (a glass or outlined card, the surface's edge), its card paints
// under it. Either way a repaint of them alone leaves what a freshly shown card whose card paints
// under all of them shows, in every look the card is switched to while shown.
TEST(CardChrome, CanvasesRepaintedAloneShowWhatTheirCardShows)
{
    struct Look {
        std::int64_t theme, tile;
        bool plainFill;
    };
    const Look looks[] = {{0, 0, true}, {0, 1, true}, {0, 2, false}, {1, 0, false}, {0, 0, true}};
    for (const VKColorScheme scheme : schemes) {
        LookFixture look;
        CanvasCard shown(look.settings, scheme);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&shown.window));
        for (const Look& l : looks) {
            SCOPED_TRACE(testing::Message() << "dark " << (scheme == VKColorScheme::dark) << " theme " << l.theme
                                            << " tile " << l.tile);
            look.defaults.set(QStringLiteral("BackgroundTheme"), Platform::PlistValue(l.theme));
            look.defaults.set(QStringLiteral("TileStyle"), Platform::PlistValue(l.tile));
            shownPixels(shown.window);
            EXPECT_EQ(shown.inside->testAttribute(Qt::WA_OpaquePaintEvent), l.plainFill);
            EXPECT_FALSE(shown.onEdge->testAttribute(Qt::WA_OpaquePaintEvent));
            EXPECT_EQ(shown.list->viewport()->testAttribute(Qt::WA_OpaquePaintEvent), l.plainFill);
            shown.inside->update();
            shown.onEdge->update();
            shown.list->viewport()->update();
            const QImage repainted = shownPixels(shown.window);

            LookFixture sameLook;
            sameLook.defaults.set(QStringLiteral("BackgroundTheme"), Platform::PlistValue(l.theme));
            sameLook.defaults.set(QStringLiteral("TileStyle"), Platform::PlistValue(l.tile));
            CanvasCard fresh(sameLook.settings, scheme, true);
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&fresh.window));
            ASSERT_EQ(fresh.inside->mapTo(fresh.card, QPoint()), shown.inside->mapTo(shown.card, QPoint()));
            ASSERT_EQ(fresh.list->mapTo(fresh.card, QPoint()), shown.list->mapTo(shown.card, QPoint()));
            ASSERT_EQ(fresh.list->size(), shown.list->size());
            EXPECT_FALSE(fresh.inside->testAttribute(Qt::WA_OpaquePaintEvent));
            EXPECT_FALSE(fresh.list->viewport()->testAttribute(Qt::WA_OpaquePaintEvent));
            // The surface copied from its cache under a canvas on the edge may round its antialiased
            // corner a step or two apart from drawing it whole.
            EXPECT_LE(largestDifference(shownPixels(fresh.window), repainted), 2);
        }
    }
}
