#include "ViewKit/VKGraphView.h"

#include "ViewKit/VKChart.h"
#include "ViewKit/VKTheme.h"

#include <QPainter>

#include <cmath>

namespace ViewKit {

VKGraphView::VKGraphView(QWidget* parent)
    : VKGraphView({}, std::nullopt, parent)
{
}

VKGraphView::VKGraphView(std::vector<float> values, std::optional<qreal> width, QWidget* parent)
    : QWidget(parent)
    , m_values(std::move(values))
{
    setGraphWidth(width);
}

void VKGraphView::setValues(std::vector<float> values)
{
    m_values = std::move(values);
    update();
}

void VKGraphView::setGraphWidth(std::optional<qreal> width)
{
    m_width = width;
    if (width) {
        setFixedWidth(int(std::lround(*width)));
    } else {
        setMinimumWidth(0);
        setMaximumWidth(QWIDGETSIZE_MAX);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    updateGeometry();
}

QSize VKGraphView::sizeHint() const
{
    return QSize(m_width ? int(std::lround(*m_width)) : 100, 48);
}

void VKGraphView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const std::vector<double> series(m_values.begin(), m_values.end());
    paintAreaLineChart(painter, QRectF(rect()), series, VKAreaLineChart::standard(VKTheme::scheme(this), palette()));
}

} // namespace ViewKit
