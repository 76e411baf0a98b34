#include "Kestrion/Cards/CardTitle.h"

#include "ViewKit/VKTheme.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

namespace Kestrion {

using ViewKit::VKTheme;

namespace {

// Lays the text out in lines no wider than `width`; returns the height of all lines.
qreal layOut(QTextLayout& layout, qreal width)
{
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max<qreal>(1, width));
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
    return y;
}

} // namespace

CardTitle::CardTitle(QString text, QWidget* parent)
    : QWidget(parent)
    , m_text(std::move(text))
{
    setFont(VKTheme::titleFont());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_height = heightForWidth(0);
}

void CardTitle::setText(const QString& text)
{
    m_text = text;
    fitHeight();
    update();
}

int CardTitle::heightForWidth(int width) const
{
    const qreal line = QFontMetricsF(font()).height();
    if (width <= 0 || m_text.isEmpty())
        return int(std::ceil(line));
    QTextLayout layout(m_text, font());
    return int(std::ceil(std::max(line, layOut(layout, width))));
}

QSize CardTitle::sizeHint() const
{
    return QSize(0, std::max(m_height, m_rowHeight));
}

void CardTitle::setRowHeight(int height)
{
    if (height == m_rowHeight)
        return;
    m_rowHeight = height;
    updateGeometry();
}

QSize CardTitle::minimumSizeHint() const
{
    return sizeHint();
}

void CardTitle::fitHeight()
{
    const int height = heightForWidth(width());
    if (height == m_height)
        return;
    m_height = height;
    updateGeometry();
    emit naturalHeightChanged();
}

void CardTitle::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitHeight();
}

void CardTitle::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitHeight();
}

void CardTitle::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(VKTheme::primaryText(VKTheme::scheme(this)));
    QTextLayout layout(m_text, font());
    const qreal height = layOut(layout, width());
    // The text starts at the top: in a row of titles, a shorter one keeps its first line level with
    // the first line of its neighbours.
    const qreal top = std::max<qreal>(0, std::min<qreal>((this->height() - height) / 2,
                                                         (m_height - height) / 2));
    layout.draw(&painter, QPointF(0, top));
}

} // namespace Kestrion
