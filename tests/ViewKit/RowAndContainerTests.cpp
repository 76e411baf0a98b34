#include "Canvas.h"

#include "ViewKit/TransparentWindowView.h"
#include "ViewKit/VKCardStyle.h"
#include "ViewKit/VKDoubleIconTextView.h"
#include "ViewKit/VKDoubleTextView.h"
#include "ViewKit/VKEmptyView.h"
#include "ViewKit/VKHeadlineLabel.h"
#include "ViewKit/VKHoverView.h"
#include "ViewKit/VKImage.h"
#include "ViewKit/VKInlineLabel.h"
#include "ViewKit/VKLayout.h"
#include "ViewKit/VKLegendView.h"
#include "ViewKit/VKGlassCardStyle.h"

#include "LanguageKit/LKResources.h"
#include "ViewKit/VKSingleIconTextView.h"
#include "ViewKit/VKTheme.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFontInfo>
#include <QLabel>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

using namespace ViewKit;

namespace {

constexpr qreal ratios[] = {1.0, 2.0};

// The bounding box of all non-transparent pixels, in physical pixels.
QRect inkBounds(const QImage& image, const QRect& within)
{
    QRect bounds;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (image.pixelColor(x, y).alpha() > 0)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

QImage renderWidget(QWidget& widget, QSize size, qreal ratio)
{
    widget.resize(size);
    QImage image = makeCanvas(size, ratio);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

} // namespace

TEST(Symbols, DrawScaledIntoTheirFrame)
{
    for (qreal ratio : ratios) {
        SCOPED_TRACE(ratio);
        QImage image = makeCanvas(QSize(40, 20), ratio);
        QPainter painter(&image);
        paintSymbol(painter, QRectF(0, 0, 40, 20), QStringLiteral("circle.fill"), QColor(255, 0, 0),
                    VKContentMode::stretch);
        painter.end();
        // A filled circle stretched to 40 x 20: its centre is red, the ink reaches every edge of the frame.
        EXPECT_TRUE(isOpaque(pixelAt(image, QPointF(20, 10)), QColor(255, 0, 0)));
        const QRect ink = inkBounds(image, image.rect());
        EXPECT_LE(ink.left(), 1);
        EXPECT_GE(ink.right(), image.width() - 2);
        EXPECT_LE(ink.top(), 1);
        EXPECT_GE(ink.bottom(), image.height() - 2);
        // Fit keeps the aspect ratio: a 20 x 20 circle centred in the 40 x 20 frame.
        QImage fitted = makeCanvas(QSize(40, 20), ratio);
        QPainter p2(&fitted);
        paintSymbol(p2, QRectF(0, 0, 40, 20), QStringLiteral("circle.fill"), Qt::black, VKContentMode::fit);
        p2.end();
        const QRect fitInk = inkBounds(fitted, fitted.rect());
        EXPECT_NEAR(fitInk.width(), 20 * ratio, 2);
        EXPECT_NEAR(fitInk.center().x(), 20 * ratio, 2);
    }
    // An unknown name draws the fallback glyph rather than nothing.
    QImage unknown = makeCanvas(QSize(20, 20), 1);
    QPainter painter(&unknown);
    paintSymbol(painter, QRectF(0, 0, 20, 20), QStringLiteral("no.such.symbol"), Qt::black);
    painter.end();
    EXPECT_TRUE(inkBounds(unknown, unknown.rect()).isValid());
}

TEST(Symbols, ContentRects)
{
    EXPECT_EQ(contentRect(QSizeF(10, 10), QRectF(0, 0, 32, 16), VKContentMode::stretch), QRectF(0, 0, 32, 16));
    EXPECT_EQ(contentRect(QSizeF(10, 10), QRectF(0, 0, 32, 16), VKContentMode::fit), QRectF(8, 0, 16, 16));
    EXPECT_EQ(contentRect(QSizeF(10, 10), QRectF(0, 0, 32, 16), VKContentMode::fill), QRectF(0, -8, 32, 32));
}

TEST(DoubleTextView, KeysTextsAndIcon)
{
    std::unique_ptr<VKDoubleTextView> keyed(VKDoubleTextView::withKey(QStringLiteral("UPTIME"), QStringLiteral("1:02")));
    EXPECT_EQ(keyed->leftText(), QStringLiteral("UPTIME"));  // untranslated key shows as itself
    EXPECT_EQ(keyed->rightText(), QStringLiteral("1:02"));
    EXPECT_FALSE(keyed->text());

    std::unique_ptr<VKDoubleTextView> both(
        VKDoubleTextView::withKeys(QStringLiteral("MODEL"), QStringLiteral("UNKNOWN")));
    EXPECT_EQ(both->rightText(), QStringLiteral("UNKNOWN"));
    EXPECT_FALSE(both->right());

    std::unique_ptr<VKDoubleTextView> plain(VKDoubleTextView::withText(QStringLiteral("Cycles"), std::nullopt));
    EXPECT_EQ(plain->rightText(), QString());
    EXPECT_EQ(plain->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);

    for (qreal ratio : ratios) {
        SCOPED_TRACE(ratio);
        // Without an icon the left text starts at the leading edge; with one, after 14 + spacing points.
        const QImage noIcon = renderWidget(*plain, QSize(200, 20), ratio);
        const QRect noIconInk = inkBounds(noIcon, noIcon.rect());
        EXPECT_LE(noIconInk.left(), int(2 * ratio));
        EXPECT_LT(noIconInk.right(), int(100 * ratio));  // nothing at the trailing edge

        std::unique_ptr<VKDoubleTextView> icon(VKDoubleTextView::withText(
            QStringLiteral("Cycles"), QStringLiteral("412"), QStringLiteral("circle.fill")));
        const QImage withIcon = renderWidget(*icon, QSize(200, 20), ratio);
        const QRect iconInk = inkBounds(withIcon, QRect(0, 0, int(14 * ratio), withIcon.height()));
        EXPECT_GE(iconInk.width(), int(12 * ratio));
        const QRect textInk = inkBounds(withIcon, QRect(int(15 * ratio), 0, int(60 * ratio), withIcon.height()));
        EXPECT_GE(textInk.left(), int(21 * ratio));
        const QRect rightInk = inkBounds(withIcon, QRect(int(150 * ratio), 0, int(50 * ratio), withIcon.height()));
        EXPECT_GE(rightInk.right(), int(195 * ratio));  // the right text stands at the trailing edge
    }
}

// Counts the layout requests a widget receives.
class LayoutRequestCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::LayoutRequest)
            ++count;
        return false;
    }
};

TEST(DoubleTextView, SizeFollowsTextsAndFontAndLayoutOnlyOnChange)
{
    QWidget card;
    auto* layout = new QVBoxLayout(&card);
    auto* row = VKDoubleTextView::withText(QStringLiteral("Download speed"), QStringLiteral("0 B/s"));
    layout->addWidget(row);
    LayoutRequestCounter requests;
    card.installEventFilter(&requests);
    const auto settle = [&] {
        layout->activate();
        QCoreApplication::processEvents();
        requests.count = 0;
    };
    const auto measuredFresh = [&](const QString& left, const std::optional<QString>& right) {
        std::unique_ptr<VKDoubleTextView> fresh(VKDoubleTextView::withText(left, right));
        fresh->setFont(row->font());
        return fresh->sizeHint();
    };
    settle();
    const QSize small = row->sizeHint();
    EXPECT_EQ(small, measuredFresh(QStringLiteral("Download speed"), QStringLiteral("0 B/s")));

    // The same value again: nothing to lay out.
    row->setRight(QStringLiteral("0 B/s"));
    QCoreApplication::processEvents();
    EXPECT_EQ(requests.count, 0);
    EXPECT_EQ(row->sizeHint(), small);

    // A wider value: measured again, and the card is laid out again.
    settle();
    row->setRight(QStringLiteral("12.34 MB/s"));
    QCoreApplication::processEvents();
    EXPECT_GE(requests.count, 1);
    EXPECT_GT(row->sizeHint().width(), small.width());
    EXPECT_EQ(row->sizeHint(), measuredFresh(QStringLiteral("Download speed"), QStringLiteral("12.34 MB/s")));

    // The left text and the absence of a value count too.
    settle();
    row->setText(QStringLiteral("Upload speed"));
    row->setRight(std::nullopt);
    QCoreApplication::processEvents();
    EXPECT_GE(requests.count, 1);
    EXPECT_EQ(row->rightText(), QString());
    EXPECT_EQ(row->sizeHint(), measuredFresh(QStringLiteral("Upload speed"), std::nullopt));

    // A larger font is measured again, without a text change.
    QFont large = row->font();
    large.setPixelSize(QFontInfo(large).pixelSize() * 2);
    row->setFont(large);
    EXPECT_GT(row->sizeHint().height(), small.height());
    EXPECT_EQ(row->sizeHint(), measuredFresh(QStringLiteral("Upload speed"), std::nullopt));
}

TEST(InlineLabel, PillAtItsIdealSize)
{
    VKInlineLabel label(QStringLiteral("A rather long label that never truncates"), QColor(255, 0, 0));
    const QFont font = VKTheme::font(VKTextStyle::headline);
    const QSizeF ideal = pillSize(label.label(), font);
    EXPECT_EQ(label.sizeHint(), QSize(int(std::ceil(ideal.width())), int(std::ceil(ideal.height()))));
    EXPECT_EQ(label.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    EXPECT_NEAR(ideal.height(), QFontMetricsF(font).height() + 6, 1e-9);

    const QImage image = renderWidget(label, label.sizeHint(), 2);
    // Round ends: the corner is empty, the middle of the left end is tinted at 0.25.
    EXPECT_EQ(pixelAt(image, QPointF(0.5, 0.5)).alpha(), 0);
    const QColor end = pixelAt(image, QPointF(1.5, label.height() / 2.0));
    EXPECT_NEAR(end.alpha(), 64, 3);

    std::unique_ptr<VKInlineLabel> keyed(VKInlineLabel::withKey(QStringLiteral("GOOD"), Qt::green));
    EXPECT_EQ(keyed->label(), QStringLiteral("GOOD"));
    EXPECT_FALSE(keyed->text());
}

TEST(IconTextViews, WidthsAndFrames)
{
    VKDoubleIconTextView free(QStringLiteral("app"), QStringLiteral("412"), QStringLiteral("circle.hexagonpath"),
                              QStringLiteral("1830"), std::nullopt);
    EXPECT_EQ(free.sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    VKDoubleIconTextView fixed(QStringLiteral("app"), QStringLiteral("412"), QStringLiteral("circle.hexagonpath"),
                               QStringLiteral("1830"), 60.0);
    EXPECT_EQ(fixed.minimumWidth(), 60);
    EXPECT_EQ(fixed.maximumWidth(), 60);

    VKSingleIconTextView single(QStringLiteral("circle.fill"), QStringLiteral("A long text in a narrow frame"), 30.0);
    const QImage image = renderWidget(single, QSize(200, 30), 1);
    const QRect icon = inkBounds(image, QRect(0, 0, 12, 30));
    EXPECT_NEAR(icon.width(), 12, 1);  // the icon keeps 12 x 12
    EXPECT_NEAR(icon.height(), 12, 1);
    const QRect text = inkBounds(image, QRect(13, 0, 187, 30));
    EXPECT_LE(text.right(), 12 + 8 + 30 + 1);  // the text stays within its 30-point frame
}

TEST(IconTextViews, FramedTextWrapsAndIsNotClipped)
{
    VKSingleIconTextView single(QStringLiteral("circle.fill"), QStringLiteral("A long text in a narrow frame"), 30.0);
    VKSingleIconTextView oneLine(QStringLiteral("circle.fill"), QStringLiteral("Short"), std::nullopt);
    const int line = oneLine.sizeHint().height();
    const QSize hint = single.sizeHint();
    EXPECT_GE(hint.height(), 3 * line);
    // At its own height every line is drawn: ink reaches the last line's band.
    const QImage image = renderWidget(single, QSize(200, hint.height()), 1);
    const QRect text = inkBounds(image, QRect(13, 0, 187, hint.height()));
    EXPECT_GT(text.bottom(), hint.height() - line);
    EXPECT_LT(text.top(), line);
}

TEST(HeadlineLabel, TwoLinesSpacingApart)
{
    VKHeadlineLabel near(QStringLiteral("Title"), QStringLiteral("Subtitle"), 0);
    VKHeadlineLabel far(QStringLiteral("Title"), QStringLiteral("Subtitle"), 10);
    EXPECT_EQ(far.sizeHint().height() - near.sizeHint().height(), 10);
}

TEST(EmptyView, StretchesThePictureToItsFrame)
{
    VKEmptyView view(VKImage::symbol(QStringLiteral("circle.fill")), QStringLiteral("NO_VOLUMES"), 32, 16,
                     QColor(0, 0, 255));
    view.resize(view.sizeHint() + QSize(40, 40));
    const QRectF picture = view.imageRect();
    EXPECT_EQ(picture.size(), QSizeF(32, 16));
    EXPECT_NEAR(picture.center().x(), view.width() / 2.0, 0.5);

    QImage image = makeCanvas(view.size(), 2);
    view.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    const QRect pictureInPixels(int(picture.left() * 2), int(picture.top() * 2), 64, 32);
    const QRect ink = inkBounds(image, pictureInPixels.adjusted(-4, -4, 4, 4));
    EXPECT_NEAR(ink.width(), 64, 2);
    EXPECT_NEAR(ink.height(), 32, 2);
    EXPECT_TRUE(isOpaque(pixelAt(image, picture.center()), QColor(0, 0, 255)));
    // The caption stands below the picture.
    EXPECT_TRUE(inkBounds(image, QRect(0, int((picture.bottom() + 20) * 2), image.width(),
                                       image.height() - int((picture.bottom() + 20) * 2)))
                    .isValid());
}

TEST(HoverView, HighlightFollowsThePointerOnly)
{
    auto* content = new QLabel(QStringLiteral("x"));
    VKHoverView hover(content);
    hover.setPalette(VKTheme::palette(VKColorScheme::light));
    hover.resize(100, 60);
    hover.layout()->activate();
    const QPoint contentPosition = content->pos();
    EXPECT_EQ(content->geometry().left(), 16);

    auto cornerPixel = [&] {
        QImage image = makeCanvas(QSize(100, 60), 1);
        hover.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        return pixelAt(image, QPointF(50, 4));
    };
    EXPECT_FALSE(hover.isHovered());
    EXPECT_EQ(cornerPixel().alpha(), 0);

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&hover, &enter);
    EXPECT_TRUE(hover.isHovered());
    const QColor tint = cornerPixel();
    EXPECT_NEAR(tint.alpha(), 26, 2);
    EXPECT_GT(tint.blue(), tint.red());
    EXPECT_EQ(content->pos(), contentPosition);

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&hover, &leave);
    EXPECT_FALSE(hover.isHovered());
    EXPECT_EQ(cornerPixel().alpha(), 0);
}

TEST(TransparentWindow, ClearsTheWindowItIsPlacedIn)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    EXPECT_FALSE(window.testAttribute(Qt::WA_TranslucentBackground));
    auto* view = new TransparentWindowView;
    EXPECT_EQ(view->sizeHint(), QSize(0, 0));
    layout->addWidget(view);
    EXPECT_TRUE(window.testAttribute(Qt::WA_TranslucentBackground));
    // Taking it out again leaves the window as it is.
    view->setParent(nullptr);
    delete view;
    EXPECT_TRUE(window.testAttribute(Qt::WA_TranslucentBackground));
}

TEST(Layout, ModifiersAndStrings)
{
    EXPECT_EQ(VKLayout::applyIf(false, 3, [](int) -> int { ADD_FAILURE() << "transform called"; return 0; }), 3);
    EXPECT_EQ(VKLayout::applyIf(true, 3, [](int v) { return v * 2; }), 6);
    QLabel title(QStringLiteral("Processor"));
    VKLayout::titleFont(&title);
    EXPECT_TRUE(title.font().bold());
    EXPECT_EQ(title.font().pixelSize(), VKTheme::textSize(VKTextStyle::body));
    VKLayout::leadingFrame(&title);
    EXPECT_EQ(title.sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    EXPECT_TRUE(title.alignment() & Qt::AlignLeading);
    QVBoxLayout box;
    VKLayout::paddingLeftSmall(&box);
    EXPECT_EQ(box.contentsMargins(), QMargins(8, 0, 0, 0));
    VKLayout::paddingSmall(&box);
    EXPECT_EQ(box.contentsMargins(), QMargins(8, 8, 8, 8));
    EXPECT_GE(VKLayout::mainScaleFactor(), 1.0);
    // The library's own table translates its card-style keys (in whatever language the tests run).
    EXPECT_NE(VKCardStyles::description(VKCardStyle::shadows), QStringLiteral("SHADOWS"));
}

TEST(LocalizedTexts, KeysAreTranslatedOnceWhenBuilt)
{
    using LanguageKit::LKLocalizedString;
    const QString system = LanguageKit::LKResources::localized(LKLocalizedString::system);
    EXPECT_NE(system, QStringLiteral("SYSTEM"));
    std::unique_ptr<VKDoubleTextView> row(VKDoubleTextView::withLocalized(LKLocalizedString::system, QStringLiteral("1")));
    EXPECT_EQ(row->text(), system);
    EXPECT_FALSE(row->key());
    VKLegendView legend(Qt::red, LKLocalizedString::user, QStringLiteral("30%"));
    EXPECT_EQ(legend.label(), LanguageKit::LKResources::localized(LKLocalizedString::user));
    EXPECT_FALSE(legend.key());
    EXPECT_EQ(VKCardStyles::description(VKCardStyle::none), LanguageKit::LKResources::localized(LKLocalizedString::none));
    EXPECT_NE(VKGlassCardStyles::description(VKGlassCardStyle::none), QStringLiteral("NONE"));
}
