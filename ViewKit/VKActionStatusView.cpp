#include "ViewKit/VKActionStatusView.h"

#include "BaseKit/Images/SymbolGlyphs.h"
#include "ViewKit/VKActionView.h"
#include "ViewKit/VKTheme.h"

#include <QPainter>

namespace ViewKit {

VKActionStatusView::VKActionStatusView(VKActionStatus status, QWidget* parent)
    : QWidget(parent)
    , m_status(status)
    , m_activity(new VKActionView(VKTheme::color(VKNamedColor::yellow, VKColorScheme::light), Qt::FlatCap, this))
{
    setStatus(status);
}

void VKActionStatusView::setStatus(VKActionStatus status)
{
    m_status = status;
    m_activity->setVisible(status == VKActionStatus::active);
    m_activity->setGeometry(glyphRect().toAlignedRect());
    updateGeometry();
    update();
}

qreal VKActionStatusView::side(VKActionStatus status)
{
    return status == VKActionStatus::active ? 32 : 24;
}

QString VKActionStatusView::symbolName(VKActionStatus status)
{
    switch (status) {
    case VKActionStatus::idle:
    case VKActionStatus::success: return QStringLiteral("checkmark.circle.fill");
    case VKActionStatus::fail: return QStringLiteral("x.circle.fill");
    case VKActionStatus::active: return QString();
    }
    return QString();
}

QRectF VKActionStatusView::glyphRect() const
{
    const qreal s = side(m_status);
    return QRectF((width() - s) / 2, (height() - s) / 2, s, s);
}

QSize VKActionStatusView::sizeHint() const
{
    const int s = int(side(m_status));
    return QSize(s, s);
}

void VKActionStatusView::resizeEvent(QResizeEvent*)
{
    m_activity->setGeometry(glyphRect().toAlignedRect());
}

void VKActionStatusView::paintEvent(QPaintEvent*)
{
    if (m_status == VKActionStatus::active) {
        // The indicator's colour follows the scheme of each paint.
        const QColor yellow = VKTheme::color(VKNamedColor::yellow, VKTheme::scheme(this));
        if (m_activity->color() != yellow)
            m_activity->setColor(yellow);
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const VKColorScheme scheme = VKTheme::scheme(this);
    const QColor color = m_status == VKActionStatus::idle      ? VKTheme::secondaryText(scheme)
                         : m_status == VKActionStatus::success ? VKTheme::color(VKNamedColor::green, scheme)
                                                               : VKTheme::color(VKNamedColor::red, scheme);
    BaseKit::SymbolGlyphs::draw(painter, glyphRect(), symbolName(m_status), color);
}

} // namespace ViewKit
