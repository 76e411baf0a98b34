#include "ViewKit/VKHoverView.h"

#include "ViewKit/VKGeometry.h"
#include "ViewKit/VKTheme.h"

#include <QPainter>
#include <QVBoxLayout>

#include <cmath>

namespace ViewKit {

VKHoverView::VKHoverView(QWidget* content, QWidget* parent)
    : QWidget(parent)
    , m_content(content)
{
    setAttribute(Qt::WA_Hover);
    auto* layout = new QVBoxLayout(this);
    const int pad = int(std::lround(VKTheme::defaultPadding));
    layout->setContentsMargins(pad, pad, pad, pad);
    layout->setSpacing(0);
    if (content)
        layout->addWidget(content);
}

void VKHoverView::paintEvent(QPaintEvent*)
{
    if (!m_hovered)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const VKColorScheme scheme = VKTheme::scheme(this);
    painter.fillPath(continuousRoundedRect(QRectF(rect()), 8),
                     withOpacity(VKTheme::color(VKNamedColor::accent, scheme, palette()), 0.1));
}

void VKHoverView::enterEvent(QEnterEvent* event)
{
    m_hovered = true;
    update();
    QWidget::enterEvent(event);
}

void VKHoverView::leaveEvent(QEvent* event)
{
    m_hovered = false;
    update();
    QWidget::leaveEvent(event);
}

} // namespace ViewKit
