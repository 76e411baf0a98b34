#include "Kestrion/Cards/LegendButton.h"

#include "BaseKit/Images/SymbolGlyphs.h"
#include "ViewKit/VKTheme.h"

#include <QPainter>

namespace Kestrion {

namespace {
constexpr qreal symbolWidth = 12;
constexpr qreal padding = 4;
} // namespace

LegendButton::LegendButton(std::function<bool()> isOn, std::function<void()> toggle, QWidget* parent)
    : QAbstractButton(parent), m_isOn(std::move(isOn))
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    connect(this, &QAbstractButton::clicked, this, [this, toggle = std::move(toggle)] {
        toggle();
        update();
    });
}

QSize LegendButton::sizeHint() const
{
    const int side = int(symbolWidth + 2 * padding);
    return QSize(side, side);
}

QRectF LegendButton::symbolRect() const
{
    return QRectF((width() - symbolWidth) / 2, (height() - symbolWidth) / 2, symbolWidth, symbolWidth);
}

void LegendButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const ViewKit::VKColorScheme scheme = ViewKit::VKTheme::scheme(this);
    const QColor color = isOn() ? ViewKit::VKTheme::color(ViewKit::VKNamedColor::accent, scheme, palette())
                                : ViewKit::VKTheme::secondaryText(scheme);
    BaseKit::SymbolGlyphs::draw(painter, symbolRect(), QStringLiteral("line.3.horizontal"), color);
}

} // namespace Kestrion
