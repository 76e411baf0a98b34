#include "Kestrion/Cards/CardTitle.h"

#include "ViewKit/VKTheme.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace Kestrion {

using ViewKit::VKTheme;

CardTitle::CardTitle(QString text, QWidget* parent)
    : QWidget(parent)
    , m_text(std::move(text))
{
    setFont(VKTheme::titleFont());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void CardTitle::setText(const QString& text)
{
    m_text = text;
    update();
}

QSize CardTitle::sizeHint() const
{
    return QSize(0, int(std::ceil(QFontMetricsF(font()).height())));
}

QSize CardTitle::minimumSizeHint() const
{
    return sizeHint();
}

void CardTitle::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(VKTheme::primaryText(VKTheme::scheme(this)));
    const QFontMetricsF metrics(font());
    painter.drawText(QRectF(rect()), Qt::AlignLeft | Qt::AlignVCenter,
                     metrics.elidedText(m_text, Qt::ElideRight, width()));
}

} // namespace Kestrion
