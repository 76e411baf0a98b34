#include "WidgetCanvas.h"

#include "LanguageKit/LKResources.h"
#include "ViewKit/VKActionView.h"
#include "ViewKit/VKInfoView.h"
#include "ViewKit/VKInfoViewConfiguration.h"
#include "ViewKit/VKTheme.h"
#include "ViewKit/VKWhatsNewView.h"
#include "ViewKit/VKWizardView.h"

#include <QLabel>
#include <QSet>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace ViewKit;
using LanguageKit::LKLocalizedString;

namespace {

VKInfoViewConfiguration item(const QString& title)
{
    return VKInfoViewConfiguration(Qt::blue, QStringLiteral("wifi"), title, QStringLiteral("DESCRIPTION_KEY"), 32,
                                   VKSymbolRenderingMode::hierarchical);
}

QList<QWidget*> pages(int count)
{
    QList<QWidget*> list;
    for (int i = 0; i < count; ++i)
        list.append(new QLabel(QString::number(i)));
    return list;
}

} // namespace

TEST(InfoViewConfiguration, IdentityDecidesEqualityAndEveryRowShows)
{
    const VKInfoViewConfiguration first = item(QStringLiteral("TITLE"));
    const VKInfoViewConfiguration second = item(QStringLiteral("TITLE"));
    EXPECT_FALSE(first == second);
    EXPECT_NE(first.id(), second.id());
    VKInfoViewConfiguration copy = first;
    copy.systemName = QStringLiteral("gearshape");
    copy.title.reset();
    EXPECT_TRUE(copy == first);  // fields changed, identity kept
    EXPECT_EQ(QSet<VKInfoViewConfiguration>({first, second, copy}).size(), 2);

    VKWhatsNewView sheet(QStringLiteral("What's new"), std::nullopt, {first, second});
    ASSERT_EQ(sheet.rows().size(), 2);
    EXPECT_EQ(sheet.rows().at(0)->shownTitle().value_or(QString()), QStringLiteral("TITLE"));
}

TEST(InfoViewConfiguration, LocalizedTitleIsTakenNowAndKeyTitleLookedUp)
{
    const VKInfoViewConfiguration localized(Qt::red, QStringLiteral("wifi"), LKLocalizedString(LKLocalizedString::close),
                                            QStringLiteral("DESCRIPTION_KEY"), 24, VKSymbolRenderingMode::monochrome);
    EXPECT_FALSE(localized.title.has_value());
    EXPECT_EQ(localized.text.value_or(QString()), LanguageKit::LKResources::localized(LKLocalizedString::close));

    VKWhatsNewView sheet(QStringLiteral("New"), QStringLiteral("Sub"), {localized, item(QStringLiteral("A_KEY"))});
    ASSERT_EQ(sheet.rows().size(), 2);
    EXPECT_EQ(sheet.rows().at(0)->titleLabel()->text(), localized.text.value());
    EXPECT_EQ(sheet.rows().at(1)->titleLabel()->text(), QStringLiteral("A_KEY"));
    EXPECT_EQ(sheet.rows().at(1)->descriptionLabel()->text(), QStringLiteral("DESCRIPTION_KEY"));
    ASSERT_NE(sheet.subtitleLabel(), nullptr);
    EXPECT_EQ(sheet.subtitleLabel()->text(), QStringLiteral("Sub"));
}

TEST(WhatsNewView, WithoutSubtitleTheTitleSitsRightAboveTheList)
{
    VKWhatsNewView sheet(QStringLiteral("Title"), std::nullopt, {item(QStringLiteral("ROW"))});
    EXPECT_EQ(sheet.subtitleLabel(), nullptr);
    sheet.resize(sheet.sizeHint());
    sheet.show();
    const int titleBottom = sheet.titleLabel()->mapTo(&sheet, QPoint(0, sheet.titleLabel()->height())).y();
    const int rowTop = sheet.rows().front()->y();
    EXPECT_GT(rowTop, titleBottom);
    EXPECT_LE(rowTop - titleBottom, int(VKTheme::scenePadding + VKTheme::defaultSpacing) + 1);
    EXPECT_LE(sheet.rows().front()->width(), VKWhatsNewView::rowMaximumWidth);
}

TEST(InfoView, KeyTitleWinsAndWithoutTitleOnlySymbolAndDescription)
{
    VKInfoView both(Qt::blue, QStringLiteral("wifi"), QStringLiteral("KEY_TITLE"), QStringLiteral("plain"),
                    QStringLiteral("DESC"), 20, VKSymbolRenderingMode::monochrome);
    EXPECT_EQ(both.titleLabel()->text(), QStringLiteral("KEY_TITLE"));

    VKInfoView none(Qt::blue, QStringLiteral("wifi"), std::nullopt, std::nullopt, QStringLiteral("DESC"), 20,
                    VKSymbolRenderingMode::monochrome);
    EXPECT_EQ(none.titleLabel(), nullptr);
    EXPECT_EQ(none.descriptionLabel()->text(), QStringLiteral("DESC"));
    EXPECT_EQ(none.symbolView()->size(), QSize(20, 20));
    none.resize(300, 60);
    none.show();
    EXPECT_EQ(none.symbolView()->x(), 8);  // padded 8 points at the leading edge
    const QImage image = renderWidget(*none.symbolView(), QSize(20, 20));
    EXPECT_TRUE(hasPixelNear(image, QRectF(0, 0, 20, 20), QColor(0, 0, 255)));

    std::unique_ptr<VKInfoView> localized(VKInfoView::withLocalizedTitle(
        Qt::blue, QStringLiteral("wifi"), LKLocalizedString::close, QStringLiteral("DESC"), 20,
        VKSymbolRenderingMode::monochrome));
    EXPECT_FALSE(localized->title().has_value());
    EXPECT_EQ(localized->titleString().value_or(QString()),
              LanguageKit::LKResources::localized(LKLocalizedString::close));
}

TEST(WizardView, OnePageBothChevronsGrayAndDisabledOneAccentDot)
{
    VKWizardView wizard(pages(1));
    wizard.resize(400, 300);
    wizard.show();
    const QColor accent = VKTheme::color(VKNamedColor::accent, VKTheme::scheme(&wizard), wizard.palette());
    const QColor gray = VKTheme::color(VKNamedColor::gray, VKTheme::scheme(&wizard));
    EXPECT_FALSE(wizard.backButton()->isEnabled());
    EXPECT_FALSE(wizard.forwardButton()->isEnabled());
    EXPECT_EQ(wizard.chevronColor(wizard.backButton()), gray);
    EXPECT_EQ(wizard.chevronColor(wizard.forwardButton()), gray);
    EXPECT_EQ(wizard.dotCount(), 1);
    const QImage image = renderWidget(wizard);
    EXPECT_TRUE(isOpaque(pixelAt(image, wizard.dotRect(0).center()), accent));
    QTest::mouseClick(wizard.forwardButton(), Qt::LeftButton);
    EXPECT_EQ(wizard.currentIndex(), 0);
}

TEST(WizardView, ForwardToTheLastPageThenBackMovesTheAccentDot)
{
    QList<QWidget*> three = pages(3);
    VKWizardView wizard(three);
    wizard.resize(400, 300);
    wizard.show();
    const QColor accent = VKTheme::color(VKNamedColor::accent, VKTheme::scheme(&wizard), wizard.palette());
    const QColor gray = VKTheme::color(VKNamedColor::gray, VKTheme::scheme(&wizard));
    EXPECT_EQ(wizard.currentPage(), three.at(0));
    EXPECT_TRUE(three.at(0)->isVisible());
    QTest::mouseClick(wizard.forwardButton(), Qt::LeftButton);
    QTest::mouseClick(wizard.forwardButton(), Qt::LeftButton);
    QTest::mouseClick(wizard.forwardButton(), Qt::LeftButton);  // at the end: nothing
    EXPECT_EQ(wizard.currentIndex(), 2);
    EXPECT_EQ(wizard.currentPage(), three.at(2));
    EXPECT_TRUE(three.at(2)->isVisible());
    EXPECT_FALSE(three.at(0)->isVisible());
    EXPECT_FALSE(wizard.forwardButton()->isEnabled());
    EXPECT_EQ(wizard.chevronColor(wizard.forwardButton()), gray);
    EXPECT_EQ(wizard.chevronColor(wizard.backButton()), accent);
    QImage image = renderWidget(wizard);
    EXPECT_TRUE(isOpaque(pixelAt(image, wizard.dotRect(2).center()), accent));
    EXPECT_TRUE(isOpaque(pixelAt(image, wizard.dotRect(1).center()), gray));
    // The chevrons are drawn in their colours.
    const QRectF back = QRectF(wizard.backButton()->geometry());
    EXPECT_TRUE(hasPixelNear(image, back, accent, 8));

    QTest::mouseClick(wizard.backButton(), Qt::LeftButton);
    EXPECT_EQ(wizard.currentIndex(), 1);
    image = renderWidget(wizard);
    EXPECT_TRUE(isOpaque(pixelAt(image, wizard.dotRect(1).center()), accent));
    EXPECT_TRUE(isOpaque(pixelAt(image, wizard.dotRect(2).center()), gray));
    EXPECT_LT(wizard.dotRect(0).center().x(), wizard.dotRect(1).center().x());
    EXPECT_DOUBLE_EQ(wizard.dotRect(1).left() - wizard.dotRect(0).right(), VKWizardView::dotSpacing);
}

TEST(WizardView, NoPagesNoPageAndNoDots)
{
    VKWizardView wizard({});
    wizard.resize(300, 200);
    wizard.show();
    EXPECT_EQ(wizard.currentPage(), nullptr);
    EXPECT_EQ(wizard.dotCount(), 0);
    EXPECT_TRUE(wizard.dotRect(0).isNull());
    wizard.goForward();
    wizard.goBack();
    EXPECT_EQ(wizard.currentIndex(), 0);
    EXPECT_FALSE(wizard.backButton()->isEnabled());
    EXPECT_FALSE(wizard.forwardButton()->isEnabled());
    renderWidget(wizard);
}

TEST(ActionView, TrackHubAndArcFromThreeOClockClockwise)
{
    for (qreal ratio : {1.0, 2.0}) {
        SCOPED_TRACE(ratio);
        QImage image = makeCanvas(QSize(100, 100), ratio);
        QPainter painter(&image);
        VKActionView::paint(painter, QRectF(0, 0, 100, 100), QColor(255, 204, 0), Qt::FlatCap, 0);
        painter.end();
        // The ring's centre line: radius (100 - 15) / 2 around (50, 50).
        auto ringAt = [&](double clockwiseFromThree) {
            const double a = clockwiseFromThree * std::numbers::pi / 180;
            return pixelAt(image, QPointF(50 + 42.5 * std::cos(a), 50 + 42.5 * std::sin(a)));
        };
        EXPECT_TRUE(isOpaque(ringAt(10), QColor(255, 204, 0)));   // just after 3 o'clock
        EXPECT_TRUE(isOpaque(ringAt(100), QColor(255, 204, 0)));  // just before the arc's end at 108 degrees
        const QColor track = ringAt(200);
        EXPECT_NEAR(track.alpha(), 64, 4);                        // the faint track
        EXPECT_EQ(ringAt(-10).alpha(), track.alpha());            // the arc runs clockwise only
        EXPECT_TRUE(isOpaque(pixelAt(image, QPointF(50, 50)), QColor(255, 204, 0)));  // hub
        EXPECT_EQ(pixelAt(image, QPointF(50, 50 - 32)).alpha(), 0);  // between hub (0.3 w) and ring
    }
    // Turned a quarter, the arc starts at 6 o'clock.
    QImage image = makeCanvas(QSize(100, 100), 1);
    QPainter painter(&image);
    VKActionView::paint(painter, QRectF(0, 0, 100, 100), QColor(255, 204, 0), Qt::FlatCap, 90);
    painter.end();
    EXPECT_TRUE(isOpaque(pixelAt(image, QPointF(50 - 42.5 * std::sin(0.2), 50 + 42.5 * std::cos(0.2))),
                         QColor(255, 204, 0)));
    EXPECT_NEAR(pixelAt(image, QPointF(92.5, 50)).alpha(), 64, 4);
}

TEST(ActionView, TurnsOnlyWhileShown)
{
    VKActionView view(Qt::yellow, Qt::FlatCap);
    view.resize(16, 16);
    EXPECT_FALSE(view.isRotating());
    view.show();
    EXPECT_TRUE(view.isRotating());
    view.hide();
    EXPECT_FALSE(view.isRotating());
}
