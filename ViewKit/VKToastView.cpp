#include "ViewKit/VKToastView.h"

#include "BaseKit/Images/SymbolGlyphs.h"
#include "ViewKit/VKGeometry.h"
#include "ViewKit/VKTheme.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace ViewKit {

namespace {
constexpr qreal symbolSide = 20;
constexpr qreal spacing = 8;
constexpr qreal textLeading = 4;
} // namespace

VKToastView::VKToastView(VKToastSeverity severity, const QString& text, QWidget* parent)
    : QWidget(parent), m_severity(severity), m_text(text)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void VKToastView::setSeverity(VKToastSeverity severity)
{
    m_severity = severity;
    update();
}

void VKToastView::setText(const QString& text)
{
    m_text = text;
    updateGeometry();
    update();
}

QString VKToastView::symbolName(VKToastSeverity severity)
{
    switch (severity) {
    case VKToastSeverity::info: return QStringLiteral("info.circle");
    case VKToastSeverity::warning: return QStringLiteral("exclamationmark.triangle");
    case VKToastSeverity::success: return QStringLiteral("checkmark.circle");
    case VKToastSeverity::error: return QStringLiteral("exclamationmark.circle");
    }
    return QStringLiteral("info.circle");
}

QColor VKToastView::fillColor(VKToastSeverity severity, bool dark)
{
    const VKColorScheme scheme = dark ? VKColorScheme::dark : VKColorScheme::light;
    switch (severity) {
    case VKToastSeverity::info: return VKTheme::color(VKNamedColor::blue, scheme);
    case VKToastSeverity::warning: return VKTheme::color(VKNamedColor::yellow, scheme);
    case VKToastSeverity::success: return VKTheme::color(VKNamedColor::green, scheme);
    case VKToastSeverity::error: return VKTheme::color(VKNamedColor::red, scheme);
    }
    return VKTheme::color(VKNamedColor::blue, scheme);
}

QColor VKToastView::foregroundColor(VKToastSeverity severity)
{
    return severity == VKToastSeverity::warning ? QColor(Qt::black) : QColor(Qt::white);
}

QSize VKToastView::sizeHint() const
{
    const qreal textWidth = QFontMetricsF(font()).horizontalAdvance(m_text);
    const qreal width = 2 * VKTheme::defaultPadding + symbolSide + spacing + textLeading + textWidth;
    const qreal contentHeight = 2 * VKTheme::defaultPadding + std::max(symbolSide, QFontMetricsF(font()).height());
    return QSize(int(std::ceil(width)), int(std::ceil(std::max(bannerHeight, contentHeight))));
}

QRectF VKToastView::bannerRect() const
{
    return QRectF(0, (height() - bannerHeight) / 2, width(), bannerHeight);
}

QRectF VKToastView::symbolRect() const
{
    return QRectF(VKTheme::defaultPadding, (height() - symbolSide) / 2, symbolSide, symbolSide);
}

QRectF VKToastView::textRect() const
{
    const qreal left = symbolRect().right() + spacing + textLeading;
    const qreal lineHeight = QFontMetricsF(font()).height();
    return QRectF(left, (height() - lineHeight) / 2, std::max<qreal>(0, width() - VKTheme::defaultPadding - left),
                  lineHeight);
}

void VKToastView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool dark = VKTheme::scheme(this) == VKColorScheme::dark;
    painter.fillPath(continuousRoundedRect(bannerRect(), 8), fillColor(m_severity, dark));
    const QColor foreground = foregroundColor(m_severity);
    BaseKit::SymbolGlyphs::draw(painter, symbolRect(), symbolName(m_severity), foreground);
    painter.setPen(foreground);
    painter.setFont(font());
    const QRectF text = textRect();
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetricsF(font()).elidedText(m_text, Qt::ElideRight, text.width()));
}

} // namespace ViewKit
