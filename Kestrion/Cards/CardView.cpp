#include "Kestrion/Cards/CardView.h"

#include "Kestrion/Cards/CardLookSettings.h"

#include "ViewKit/VKCard.h"
#include "ViewKit/VKPaintCache.h"
#include "ViewKit/VKTheme.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QVBoxLayout>

#include <cmath>

namespace Kestrion {

using ViewKit::VKTheme;

CardView::CardView(CardLookSettings& settings, Padding padding, qreal spacing, QWidget* parent)
    : QWidget(parent)
    , m_settings(&settings)
    , m_look(settings.look())
    , m_padding(padding)
    , m_content(new QVBoxLayout(this))
{
    const int margin = int(std::lround(this->padding()));
    m_content->setContentsMargins(margin, margin, margin, margin);
    m_content->setSpacing(int(std::lround(spacing)));
    connect(&settings, &CardLookSettings::lookChanged, this, [this] {
        if (m_settings)
            m_look = m_settings->look();
        update();
        emit lookChanged();
    });
}

QRectF CardView::surfaceRect() const
{
    return QRectF(rect());
}

CardView* CardView::enclosing(const QWidget& widget)
{
    for (QWidget* w = widget.parentWidget(); w; w = w->parentWidget()) {
        if (auto* card = qobject_cast<CardView*>(w))
            return card;
        if (w->isWindow())
            break;
    }
    return nullptr;
}

std::optional<QColor> CardView::opaqueColorBeneath(const QWidget& widget)
{
    if (widget.isWindow())
        return std::nullopt;
    CardView* card = nullptr;
    for (QWidget* w = widget.parentWidget(); w; w = w->parentWidget()) {
        card = qobject_cast<CardView*>(w);
        if (card)
            break;
        // A container between them that may paint something itself.
        if (w->isWindow() || w->metaObject() != &QWidget::staticMetaObject || w->autoFillBackground())
            return std::nullopt;
    }
    if (!card || card->m_look.backgroundTheme != BackgroundTheme::solid)
        return std::nullopt;
    const std::optional<QColor> fill = ViewKit::cardFillColor(card->m_look.tileStyle, VKTheme::scheme(card));
    if (!fill || fill->alpha() != 255)
        return std::nullopt;
    const int reach = int(std::ceil(ViewKit::cardEdgeReach()));
    const QRect interior = card->surfaceRect().toAlignedRect().adjusted(reach, reach, -reach, -reach);
    if (!interior.contains(QRect(widget.mapTo(card, QPoint(0, 0)), widget.size())))
        return std::nullopt;
    return fill;
}

qreal CardView::padding() const
{
    return m_padding == Padding::scene ? VKTheme::scenePadding : VKTheme::defaultPadding;
}

qreal CardView::gaugeSize(int sizeClass)
{
    switch (sizeClass) {
    case 0: return 80;
    case 1: return 96;
    default: return 144;
    }
}

void CardView::contentChanged()
{
    if (!isVisible()) {
        m_stale = true;
        return;
    }
    // A sampler announces a new list before it has finished the sample (the processor sampler
    // measures the loads of the new process records after handing them out): the card refreshes
    // once, when the sample's turn of the event loop is over.
    if (m_refreshPending)
        return;
    m_refreshPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_refreshPending = false;
            if (!isVisible()) {
                m_stale = true;
                return;
            }
            m_stale = false;
            refresh();
        },
        Qt::QueuedConnection);
}

void CardView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const ViewKit::VKColorScheme scheme = VKTheme::scheme(this);
    const QRectF surface = surfaceRect();
    const CardLook look = m_look;
    // The surface only changes with the card's size, look and scheme. When only the contents
    // changed, the part under them is copied from the cache; a whole repaint draws it, as quick as
    // copying it all.
    qint64 dirty = 0;
    for (const QRect& r : event->region())
        dirty += qint64(r.width()) * r.height();
    if (dirty * 2 > qint64(width()) * height()) {
        paintCardSurface(painter, surface, look, scheme);
        return;
    }
    const QString key = QStringLiteral("card-surface|%1|%2|%3|%4")
                            .arg(int(look.backgroundTheme))
                            .arg(int(look.tileStyle))
                            .arg(int(look.material))
                            .arg(int(scheme));
    ViewKit::paintCached(painter, QRectF(rect()), key,
                         [&](QPainter& cached) { paintCardSurface(cached, surface, look, scheme); });
}

void CardView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        update();
    QWidget::changeEvent(event);
}

void CardView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_stale) {
        m_stale = false;
        refresh();
    }
}

} // namespace Kestrion
