#include "ViewKit/VKCard.h"

#include "ViewKit/VKColors.h"
#include "ViewKit/VKGeometry.h"

#include <QEvent>
#include <QHash>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace ViewKit {

namespace {

// One pass of a running box average of radius r along rows (stride 1) or columns (stride width).
void boxPass(std::vector<float>& data, std::vector<float>& scratch, int count, int length, int stride, int step, int r)
{
    const float norm = 1.0f / float(2 * r + 1);
    for (int line = 0; line < count; ++line) {
        const int base = line * stride;
        float sum = 0;
        auto at = [&](int i) { return (i < 0 || i >= length) ? 0.0f : data[size_t(base + i * step)]; };
        for (int i = -r; i <= r; ++i)
            sum += at(i);
        for (int i = 0; i < length; ++i) {
            scratch[size_t(base + i * step)] = sum * norm;
            sum += at(i + r + 1) - at(i - r);
        }
    }
    std::swap(data, scratch);
}

// Gaussian-like blur of an alpha mask by three box passes in each direction.
void blurAlpha(QImage& image, qreal sigma)
{
    const int w = image.width(), h = image.height();
    const int r = std::max(1, int(std::lround((std::sqrt(4 * sigma * sigma + 1) - 1) / 2)));
    std::vector<float> data(size_t(w) * size_t(h)), scratch(data.size());
    for (int y = 0; y < h; ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < w; ++x)
            data[size_t(y * w + x)] = line[x];
    }
    for (int pass = 0; pass < 3; ++pass)
        boxPass(data, scratch, h, w, w, 1, r);
    for (int pass = 0; pass < 3; ++pass)
        boxPass(data, scratch, w, h, 1, w, r);
    for (int y = 0; y < h; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < w; ++x)
            line[x] = uchar(std::clamp(std::lround(data[size_t(y * w + x)]), 0L, 255L));
    }
}

struct ShadowKey
{
    int w, h, radius, blur, ratio;
    QRgb color;
    bool operator==(const ShadowKey&) const = default;
};

size_t qHash(const ShadowKey& k, size_t seed = 0)
{
    return qHashMulti(seed, k.w, k.h, k.radius, k.blur, k.ratio, k.color);
}

QImage makeShadow(const QSizeF& shape, qreal cornerRadius, const QColor& color, qreal blurRadius, qreal ratio,
                  qreal margin)
{
    const QSize pixels(int(std::ceil((shape.width() + 2 * margin) * ratio)),
                       int(std::ceil((shape.height() + 2 * margin) * ratio)));
    QImage mask(pixels, QImage::Format_Alpha8);
    mask.fill(0);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(ratio, ratio);
        p.fillPath(continuousRoundedRect(QRectF(QPointF(margin, margin), shape), cornerRadius), Qt::black);
    }
    // A blur radius r spreads like a Gaussian of standard deviation r / 2.
    blurAlpha(mask, blurRadius / 2 * ratio);
    QImage shadow(pixels, QImage::Format_ARGB32_Premultiplied);
    shadow.fill(Qt::transparent);
    {
        QPainter p(&shadow);
        p.drawImage(0, 0, mask);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(shadow.rect(), color);
    }
    shadow.setDevicePixelRatio(ratio);
    return shadow;
}

} // namespace

void paintShadow(QPainter& painter, const QRectF& shape, qreal cornerRadius, const QColor& color, qreal blurRadius)
{
    if (shape.isEmpty() || color.alpha() == 0 || blurRadius <= 0)
        return;
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const qreal margin = std::ceil(blurRadius * 2);
    static QHash<ShadowKey, QImage> cache;
    const ShadowKey key{int(std::lround(shape.width() * 64)), int(std::lround(shape.height() * 64)),
                        int(std::lround(cornerRadius * 64)), int(std::lround(blurRadius * 64)),
                        int(std::lround(ratio * 64)), color.rgba()};
    auto it = cache.find(key);
    if (it == cache.end()) {
        if (cache.size() > 64)
            cache.clear();
        it = cache.insert(key, makeShadow(shape.size(), cornerRadius, color, blurRadius, ratio, margin));
    }
    painter.drawImage(shape.topLeft() - QPointF(margin, margin), *it);
}

namespace {
constexpr qreal cardShadowBlur = 4;
} // namespace

qreal cardShadowReach()
{
    return std::ceil(cardShadowBlur * 2);
}

void paintCardShadow(QPainter& painter, const QRectF& surface, VKCardStyle style, VKColorScheme scheme)
{
    if (style != VKCardStyle::shadows || scheme == VKColorScheme::dark || surface.isEmpty())
        return;
    paintShadow(painter, surface, VKTheme::cardCornerRadius, withOpacity(VKTheme::color(VKNamedColor::gray, scheme), 0.4),
                cardShadowBlur);
}

std::optional<QColor> cardFillColor(VKCardStyle style, VKColorScheme scheme)
{
    const bool dark = scheme == VKColorScheme::dark;
    switch (style) {
    case VKCardStyle::defaultStyle:
        return dark ? VKColors::Background::cardDark() : VKColors::Background::cardLight();
    case VKCardStyle::shadows:
        return dark ? VKColors::Background::cardDark() : QColor(255, 255, 255);
    case VKCardStyle::line:
    case VKCardStyle::none:
        break;
    }
    return std::nullopt;
}

qreal cardEdgeReach()
{
    // The continuous corner runs 1.52866 radii along each edge; one pixel more for the antialiasing.
    return std::ceil(VKTheme::cardCornerRadius * 1.52866483) + 1;
}

void paintCard(QPainter& painter, const QRectF& surface, VKCardStyle style, VKColorScheme scheme,
               std::optional<QColor> lightColor, std::optional<QColor> darkColor, bool withShadow)
{
    if (surface.isEmpty())
        return;
    const bool dark = scheme == VKColorScheme::dark;
    const QPainterPath shape = continuousRoundedRect(surface, VKTheme::cardCornerRadius);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    switch (style) {
    case VKCardStyle::defaultStyle:
        painter.fillPath(shape, *cardFillColor(style, scheme));
        break;
    case VKCardStyle::shadows:
        if (!dark && withShadow)
            paintCardShadow(painter, surface, style, scheme);
        painter.fillPath(shape, *cardFillColor(style, scheme));
        break;
    case VKCardStyle::line: {
        const QColor color = dark ? darkColor.value_or(VKColors::Background::lineDark())
                                  : lightColor.value_or(VKColors::Background::lineLight());
        painter.setBrush(Qt::NoBrush);
        painter.setPen(strokePen(color, 2 * onePixelWidth(painter)));
        painter.drawPath(shape);
        break;
    }
    case VKCardStyle::none:
        break;
    }
    painter.restore();
}

VKCard::VKCard(QWidget* parent)
    : VKCard(VKCardStyle::defaultStyle, std::nullopt, std::nullopt, parent)
{
}

VKCard::VKCard(VKCardStyle style, std::optional<QColor> lightColor, std::optional<QColor> darkColor, QWidget* parent)
    : QWidget(parent)
    , m_style(style)
    , m_lightColor(lightColor)
    , m_darkColor(darkColor)
{
}

void VKCard::setCardStyle(VKCardStyle style)
{
    m_style = style;
    update();
}

void VKCard::setLineColors(std::optional<QColor> lightColor, std::optional<QColor> darkColor)
{
    m_lightColor = lightColor;
    m_darkColor = darkColor;
    update();
}

void VKCard::setBleed(qreal bleed)
{
    m_bleed = std::max<qreal>(0, bleed);
    update();
}

QRectF VKCard::surfaceRect() const
{
    return QRectF(rect()).adjusted(m_bleed, m_bleed, -m_bleed, -m_bleed);
}

void VKCard::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintCard(painter, surfaceRect(), m_style, VKTheme::scheme(this), m_lightColor, m_darkColor);
}

void VKCard::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        update();
    QWidget::changeEvent(event);
}

} // namespace ViewKit
