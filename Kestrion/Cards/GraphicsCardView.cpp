#include "Kestrion/Cards/GraphicsCardView.h"

#include "Kestrion/Common/AppStrings.h"
#include "Kestrion/Cards/CardCanvas.h"

#include "LanguageKit/LKResources.h"
#include "ViewKit/VKProgressView.h"
#include "ViewKit/VKTheme.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace Kestrion {

using LanguageKit::LKLocalizedString;
using LanguageKit::LKResources;
using SystemKit::IGpu;
using SystemKit::OpenGlKey;
using ViewKit::VKNamedColor;
using ViewKit::VKTextStyle;
using ViewKit::VKTheme;

namespace {

constexpr qreal kBarHeight = 24;
constexpr qreal kBarRadius = 4;

qreal lineHeight(const QFont& font)
{
    return std::ceil(QFontMetricsF(font).height());
}

// A secondary label at the leading edge, in the body font.
CardCanvas* label(const QString& text, QWidget* parent)
{
    const QFont font = VKTheme::font(VKTextStyle::body);
    return new CardCanvas(lineHeight(font), [text, font](QPainter& painter, const QRectF& rect) {
        const auto* canvas = static_cast<const QWidget*>(painter.device());
        painter.setFont(font);
        painter.setPen(VKTheme::secondaryText(VKTheme::scheme(canvas)));
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter,
                         QFontMetricsF(font).elidedText(text, Qt::ElideRight, rect.width()));
    }, parent);
}

// A bar in the accent colour with its percentage, clipped to a rounded rectangle.
void paintBar(QPainter& painter, const QRectF& rect, double progress, const QWidget* widget)
{
    const ViewKit::VKColorScheme scheme = VKTheme::scheme(widget);
    QPainterPath clip;
    clip.addRoundedRect(rect, kBarRadius, kBarRadius);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipPath(clip);
    ViewKit::paintProgressBar(painter, rect, VKTheme::color(VKNamedColor::accent, scheme, widget->palette()), progress,
                              std::nullopt, progress, VKTheme::font(VKTextStyle::callout, QFont::Bold), scheme);
}

} // namespace

GraphicsCardView::GraphicsCardView(SystemKit::GraphicsCardController& controller, CardLookSettings& settings,
                                   QWidget* parent)
    : CardView(settings, Padding::scene, 16, parent)
    , m_controller(&controller)
    , m_area(new QWidget(this))
{
    auto* stack = new QVBoxLayout(m_area);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(16);

    const QFont title = VKTheme::titleFont();
    const QFont body = VKTheme::font(VKTextStyle::body);
    m_header = new CardCanvas(std::max(lineHeight(title), lineHeight(body)), [this, title, body](QPainter& painter, const QRectF& rect) {
        const ViewKit::VKColorScheme scheme = VKTheme::scheme(m_header);
        qreal trailing = 0;
        if (m_contents.temperature) {
            painter.setFont(body);
            painter.setPen(VKTheme::secondaryText(scheme));
            trailing = QFontMetricsF(body).horizontalAdvance(*m_contents.temperature);
            painter.drawText(rect, Qt::AlignRight | Qt::AlignVCenter, *m_contents.temperature);
            trailing += VKTheme::defaultSpacing;
        }
        painter.setFont(title);
        painter.setPen(VKTheme::primaryText(scheme));
        const qreal width = std::max<qreal>(0, rect.width() - trailing);
        painter.drawText(QRectF(rect.left(), rect.top(), width, rect.height()), Qt::AlignLeft | Qt::AlignVCenter,
                         QFontMetricsF(title).elidedText(m_contents.title, Qt::ElideRight, width));
    }, m_area);

    m_utilizationBar = new CardCanvas(kBarHeight, [this](QPainter& painter, const QRectF& rect) {
        paintBar(painter, rect, m_contents.utilization.value_or(0), m_utilizationBar);
    }, m_area);
    m_memoryBar = new CardCanvas(kBarHeight, [this](QPainter& painter, const QRectF& rect) {
        paintBar(painter, rect, m_contents.memory, m_memoryBar);
    }, m_area);
    m_list = new GraphicsStatisticsList(m_area);

    stack->addWidget(m_header);
    stack->addWidget(label(AppStrings::text("UTILIZATION"), m_area));
    stack->addWidget(m_utilizationBar);
    stack->addWidget(label(LKResources::localized(LKLocalizedString::memoryUsage), m_area));
    stack->addWidget(m_memoryBar);
    stack->addWidget(m_list, 1);
    contentLayout()->addWidget(m_area, 1);

    // The sampler names its primary card at the end of every tick, after the cards have sampled.
    connect(&controller, &SystemKit::GraphicsCardController::primaryChanged, this, &GraphicsCardView::contentChanged);
    m_area->hide();
    contentChanged();
}

GraphicsCardView::Contents GraphicsCardView::contents(const IGpu* card)
{
    Contents result;
    if (!card || !card->statistics())
        return result;
    const auto& sample = *card->statistics();
    result.shown = true;
    result.title = card->model();
    if (const auto temperature = sample.value(OpenGlKey::temperature)) {
        const auto whole = temperature->integerValue();
        result.temperature = (whole ? QString::number(*whole) : QStringLiteral("-")) + QStringLiteral(" \u00B0C");
    }
    if (const auto busy = card->utilization())
        result.utilization = std::clamp(double(*busy) / 100.0, 0.0, 1.0);
    result.memory = std::clamp(double(card->vramRatio()), 0.0, 1.0);
    result.rows.reserve(sample.items().size());
    for (const auto& item : sample.items())
        result.rows.append({item.name(), item.formattedValue()});
    return result;
}

void GraphicsCardView::refresh()
{
    m_card = m_controller ? m_controller->primaryCard() : nullptr;
    Contents next = contents(m_card.get());
    if (next == m_contents && m_area->isVisible() == next.shown)
        return;
    const bool headerChanged = next.title != m_contents.title || next.temperature != m_contents.temperature;
    const bool utilizationChanged = next.utilization != m_contents.utilization;
    const bool memoryChanged = next.memory != m_contents.memory;
    m_contents = std::move(next);
    m_area->setVisible(m_contents.shown);
    m_utilizationBar->setVisible(m_contents.utilization.has_value());
    m_list->setRows(m_contents.rows);
    if (headerChanged)
        m_header->update();
    if (utilizationChanged)
        m_utilizationBar->update();
    if (memoryChanged)
        m_memoryBar->update();
}

} // namespace Kestrion
