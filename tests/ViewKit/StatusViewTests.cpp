#include "ViewKit/VKActionStatusView.h"
#include "ViewKit/VKActionView.h"
#include "ViewKit/VKCard.h"
#include "ViewKit/VKNetworkInfoView.h"
#include "ViewKit/VKNoNetworkAdapterView.h"
#include "ViewKit/VKTheme.h"
#include "ViewKit/VKToastView.h"

#include "LanguageKit/LKResources.h"

#include "WidgetCanvas.h"

#include <gtest/gtest.h>

using namespace ViewKit;

namespace {
const QColor lightGreen = VKTheme::color(VKNamedColor::green, VKColorScheme::light);
const QColor lightRed = VKTheme::color(VKNamedColor::red, VKColorScheme::light);

// Lays the widget out at `size` inside a parent so that its layout runs, then renders it.
QImage laidOut(QWidget& widget, QSize size)
{
    widget.resize(size);
    widget.setAttribute(Qt::WA_DontShowOnScreen);
    widget.show();
    QApplication::processEvents();
    return renderWidget(widget, size);
}
} // namespace

TEST(StatusViews, NetworkPlaceholderWithAndWithoutACard)
{
    VKNoNetworkAdapterView bare(false, 48);
    EXPECT_EQ(bare.card(), nullptr);
    EXPECT_EQ(bare.symbolSize(), 48);
    const QImage plain = laidOut(bare, QSize(240, 200));
    // No card surface: the corners stay transparent.
    EXPECT_EQ(pixelAt(plain, QPointF(6, 6)).alpha(), 0);
    EXPECT_EQ(pixelAt(plain, QPointF(120, 196)).alpha(), 0);
    // The symbol is drawn 48 by 48 inside the scene padding.
    const QRectF symbol = bare.infoView()->symbolRect().translated(bare.infoView()->pos());
    EXPECT_DOUBLE_EQ(symbol.width(), 48);
    EXPECT_GE(symbol.top(), VKTheme::scenePadding);
    EXPECT_GT(strongestPixel(plain, symbol).alpha(), 200);
    EXPECT_EQ(bare.infoView()->text(),
              LanguageKit::LKResources::localized(LanguageKit::LKLocalizedString::noNetworkAdapter));

    VKNoNetworkAdapterView tiled(true, 32);
    ASSERT_NE(tiled.card(), nullptr);
    const QImage card = laidOut(tiled, QSize(240, 200));
    // The card surface fills the view, inside its bleed.
    EXPECT_EQ(pixelAt(card, QPointF(12, 100)).alpha(), 255);
    EXPECT_EQ(tiled.infoView()->parentWidget(), tiled.card());
    EXPECT_GE(tiled.infoView()->geometry().left(), VKTheme::scenePadding);
}

TEST(StatusViews, ToastBannerSymbolAndText)
{
    VKToastView toast(VKToastSeverity::error, QStringLiteral("NO_NETWORK_ADAPTER"));
    // The text is shown as it stands, never looked up.
    EXPECT_EQ(toast.text(), QStringLiteral("NO_NETWORK_ADAPTER"));
    EXPECT_EQ(toast.sizeHint().height(), 56);
    const QImage image = renderWidget(toast, QSize(400, 120));
    // The banner is 56 high whatever the room: above and below it nothing is drawn.
    EXPECT_DOUBLE_EQ(toast.bannerRect().height(), 56);
    EXPECT_EQ(pixelAt(image, QPointF(200, 30)).alpha(), 0);
    EXPECT_TRUE(isOpaque(pixelAt(image, QPointF(200, 36)), lightRed));
    EXPECT_TRUE(isOpaque(pixelAt(image, QPointF(390, 60)), lightRed)); // the spacer keeps the text leading
    EXPECT_DOUBLE_EQ(toast.symbolRect().left(), VKTheme::defaultPadding);
    EXPECT_DOUBLE_EQ(toast.textRect().left(), VKTheme::defaultPadding + 20 + 8 + 4);
    EXPECT_TRUE(hasPixelNear(image, toast.symbolRect(), Qt::white, 10));
    EXPECT_TRUE(hasPixelNear(image, toast.textRect(), Qt::white, 10));
}

TEST(StatusViews, ToastSeverities)
{
    EXPECT_EQ(VKToastView::symbolName(VKToastSeverity::info), QStringLiteral("info.circle"));
    EXPECT_EQ(VKToastView::symbolName(VKToastSeverity::warning), QStringLiteral("exclamationmark.triangle"));
    EXPECT_EQ(VKToastView::symbolName(VKToastSeverity::success), QStringLiteral("checkmark.circle"));
    EXPECT_EQ(VKToastView::symbolName(VKToastSeverity::error), QStringLiteral("exclamationmark.circle"));
    // Only the warning draws in black.
    for (auto severity : {VKToastSeverity::info, VKToastSeverity::success, VKToastSeverity::error})
        EXPECT_EQ(VKToastView::foregroundColor(severity), QColor(Qt::white));
    EXPECT_EQ(VKToastView::foregroundColor(VKToastSeverity::warning), QColor(Qt::black));

    VKToastView warning(VKToastSeverity::warning, QStringLiteral("Disk almost full"));
    const QImage image = renderWidget(warning, QSize(300, 56));
    EXPECT_TRUE(isOpaque(pixelAt(image, QPointF(290, 28)), VKToastView::fillColor(VKToastSeverity::warning, false)));
    EXPECT_TRUE(hasPixelNear(image, warning.textRect(), Qt::black, 10));
    EXPECT_FALSE(hasPixelNear(image, warning.textRect(), Qt::white, 10));
}

TEST(StatusViews, ActionStatusGlyphs)
{
    VKActionStatusView view(VKActionStatus::success);
    EXPECT_EQ(view.sizeHint(), QSize(24, 24));
    QImage image = laidOut(view, QSize(40, 40));
    EXPECT_TRUE(hasPixelNear(image, view.glyphRect(), lightGreen, 10));
    EXPECT_FALSE(view.activityView()->isVisible());

    view.setStatus(VKActionStatus::fail);
    EXPECT_EQ(VKActionStatusView::symbolName(VKActionStatus::fail), QStringLiteral("x.circle.fill"));
    image = renderWidget(view, QSize(40, 40));
    EXPECT_TRUE(hasPixelNear(image, view.glyphRect(), lightRed, 10));

    // Idle and success share the symbol; idle is dimmed.
    view.setStatus(VKActionStatus::idle);
    EXPECT_EQ(VKActionStatusView::symbolName(VKActionStatus::idle),
              VKActionStatusView::symbolName(VKActionStatus::success));
    image = renderWidget(view, QSize(40, 40));
    EXPECT_FALSE(hasPixelNear(image, view.glyphRect(), lightGreen, 10));
    EXPECT_GT(strongestPixel(image, view.glyphRect()).alpha(), 0);

    view.setStatus(VKActionStatus::active);
    QApplication::processEvents();
    EXPECT_EQ(view.sizeHint(), QSize(32, 32));
    EXPECT_TRUE(view.activityView()->isVisible());
    EXPECT_EQ(view.activityView()->geometry(), QRect(4, 4, 32, 32));
    EXPECT_EQ(view.activityView()->lineCap(), Qt::FlatCap);
    EXPECT_EQ(view.activityView()->color(), VKTheme::color(VKNamedColor::yellow, VKColorScheme::light));
}
