#include "Kestrion/App/ContentView.h"

#include "Kestrion/App/EmptyView.h"
#include "Kestrion/App/GridScrollArea.h"
#include "Kestrion/App/ViewConstants.h"
#include "Kestrion/Cards/CardView.h"
#include "ViewKit/GlassEffect.h"
#include "ViewKit/VKCard.h"
#include "ViewKit/VKColors.h"
#include "ViewKit/VKTheme.h"

#include <QHBoxLayout>
#include <algorithm>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace Kestrion {

namespace {
constexpr int systemInfoMinimumWidth = 860;
constexpr int diskInfoHeight = 128;
} // namespace

ContentView::ContentView(CardCatalog catalog, int sizeClass, QWidget* parent)
    : QWidget(parent)
    , m_catalog(std::move(catalog))
    , m_sizeClass(sizeClass)
{
    const int spacing = int(ViewConstants::spacing(sizeClass));

    m_glass = new ViewKit::GlassEffect(ViewKit::VKWindowMaterial::sidebar, this);
    m_glass->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_glass->hide();

    auto* outer = new QVBoxLayout(this);
    const int padding = int(ViewKit::VKTheme::defaultPadding);
    outer->setContentsMargins(padding, padding, padding, padding);
    m_stack = new QStackedLayout;
    outer->addLayout(m_stack);

    m_scroll = new GridScrollArea(this);
    m_grid = new QWidget;
    auto* grid = new QVBoxLayout(m_grid);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(spacing);
    grid->setAlignment(Qt::AlignCenter);

    auto* row = new QHBoxLayout;
    row->setSpacing(spacing);
    for (int column = 0; column < MainLayout::columnCount; ++column) {
        auto* stack = new QVBoxLayout;
        stack->setSpacing(column < 4 ? spacing : int(ViewKit::VKTheme::defaultSpacing));
        stack->setAlignment(Qt::AlignHCenter);
        m_columns[std::size_t(column)] = stack;
        row->addLayout(stack);
    }
    row->addStretch();
    grid->addLayout(row);
    // The grid never gets less height than it asks for: where the window is lower (capped at a small
    // screen), the grid scrolls and each card keeps its height, no list giving up rows to fit.
    m_grid->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    m_scroll->setWidget(m_grid);
    // The cards stand on this view's background and shadows, also where the grid scrolls.
    m_grid->setAutoFillBackground(false);
    m_stack->addWidget(m_scroll);
    for (QScrollBar* bar : {m_scroll->horizontalScrollBar(), m_scroll->verticalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
}

void ContentView::setRoom(QSize room)
{
    if (!room.isValid()) {
        m_scroll->setLimit(QSize());
        return;
    }
    const QMargins margins = layout()->contentsMargins();
    m_scroll->setLimit(QSize(std::max(0, room.width() - margins.left() - margins.right()),
                             std::max(0, room.height() - margins.top() - margins.bottom())));
}

QWidget* ContentView::cardWidget(int column, Card card) const
{
    const auto found = m_cards.find({column, card});
    return found == m_cards.end() ? nullptr : found->second;
}

bool ContentView::showsEmptyState() const
{
    return m_empty && m_stack->currentWidget() == m_empty;
}

QList<QWidget*> ContentView::visibleCards(int column) const
{
    QList<QWidget*> widgets;
    if (column < 0 || column >= MainLayout::columnCount || m_plan.empty)
        return widgets;
    QVBoxLayout* stack = m_columns[std::size_t(column)];
    for (int i = 0; i < stack->count(); ++i) {
        if (QWidget* widget = stack->itemAt(i)->widget(); widget && !widget->isHidden())
            widgets.append(widget);
    }
    return widgets;
}

QWidget* ContentView::slotWidget(int column, Card card)
{
    const auto key = std::make_pair(column, card);
    if (const auto found = m_cards.find(key); found != m_cards.end())
        return found->second;
    QWidget* widget = m_catalog.make(card, m_grid);
    if (widget)
        frameCard(widget, column, card);
    if (auto* cardView = qobject_cast<CardView*>(widget))
        connect(cardView, &CardView::lookChanged, this, qOverload<>(&QWidget::update));
    m_cards[key] = widget;
    return widget;
}

void ContentView::frameCard(QWidget* widget, int column, Card card) const
{
    // A card's surface fills its widget: the sizes and the spacings are the surfaces' own. A card whose
    // texts need more than its column's width keeps what they need, so none of them is ever cut.
    const int columnWidth = column == 1 ? 384 : 304;
    widget->setMinimumWidth(std::max(columnWidth, widget->minimumSizeHint().width()));
    switch (card) {
    case Card::diskInfo:
        widget->setFixedHeight(diskInfoHeight);
        break;
    case Card::coreUsage:
    case Card::volumes:
    case Card::networkInfo:
    case Card::networkUsage:
    case Card::internalBattery:
    case Card::fans: {
        QSizePolicy policy = widget->sizePolicy();
        policy.setVerticalPolicy(QSizePolicy::Fixed);
        widget->setSizePolicy(policy);
        break;
    }
    default:
        break;
    }
}

void ContentView::showGrid(bool grid)
{
    if (grid) {
        m_stack->setCurrentWidget(m_scroll);
        return;
    }
    if (!m_empty) {
        m_empty = new EmptyView(this);
        m_stack->addWidget(m_empty);
    }
    m_stack->setCurrentWidget(m_empty);
}

void ContentView::apply(const MainLayoutInputs& inputs)
{
    const MainLayout plan = MainLayout::plan(inputs);
    if (m_applied && plan == m_plan)
        return;
    m_applied = true;
    m_plan = plan;
    arrange(plan);
    emit arrangementChanged();
}

void ContentView::arrange(const MainLayout& plan)
{
    if (plan.empty) {
        showGrid(false);
        return;
    }

    auto* grid = static_cast<QVBoxLayout*>(m_grid->layout());
    if (plan.systemInfoRow && !m_systemInfoMade) {
        m_systemInfoMade = true;
        m_systemInfo = m_catalog.make(Card::systemInfo, m_grid);
        if (m_systemInfo) {
            m_systemInfo->setMinimumWidth(systemInfoMinimumWidth);
            // The row's ideal height, or more where its facts need more (larger fonts, the heading).
            m_systemInfo->setFixedHeight(std::max(int(ViewConstants::systemInfoHeight(m_sizeClass)),
                                                  m_systemInfo->minimumSizeHint().height()));
            grid->insertWidget(0, m_systemInfo);
        }
    }
    if (m_systemInfo)
        m_systemInfo->setVisible(plan.systemInfoRow);
    bool anyShown = m_systemInfo && plan.systemInfoRow;

    for (int column = 0; column < MainLayout::columnCount; ++column) {
        QVBoxLayout* stack = m_columns[std::size_t(column)];
        // Only the layout items go: the card widgets stay children of the grid, hidden when not shown.
        while (QLayoutItem* item = stack->takeAt(0))
            delete item;
        const std::vector<Card>& cards = plan.columns[std::size_t(column)];
        for (Card card : cards) {
            if (QWidget* widget = slotWidget(column, card)) {
                stack->addWidget(widget);
                widget->show();
                anyShown = true;
            }
        }
        for (const auto& [key, widget] : m_cards) {
            if (key.first != column || !widget)
                continue;
            if (std::find(cards.begin(), cards.end(), key.second) == cards.end())
                widget->hide();
        }
        // The cards stand at the top of their column. The last column has no spacer of its own: the
        // sensors card takes what is left; without it the fans card keeps the top as well.
        if (column < 4 || std::find(cards.begin(), cards.end(), Card::thermion) == cards.end())
            stack->addStretch();
    }
    // Switches on only for modules whose cards cannot show here (no battery, no graphics card) would
    // leave a blank window: the empty state says why instead.
    showGrid(anyShown);
}

void ContentView::setBackgroundTheme(BackgroundTheme theme)
{
    m_background = theme;
    m_glass->setVisible(theme == BackgroundTheme::glass);
    m_glass->lower();
    update();
}

void ContentView::paintEvent(QPaintEvent* event)
{
    if (m_background != BackgroundTheme::solid)
        return;
    QPainter painter(this);
    const ViewKit::VKColorScheme scheme = ViewKit::VKTheme::scheme(this);
    painter.fillRect(rect(), scheme == ViewKit::VKColorScheme::dark
                                 ? ViewKit::VKColors::Background::controlBackground(scheme)
                                 : QColor(Qt::white));
    // The shadows the cards cast fall on the window between them, outside the cards' own rects, and
    // only as far as the grid's visible part reaches.
    if (m_stack->currentWidget() != m_scroll)
        return;
    const QRect visible(m_scroll->viewport()->mapTo(this, QPoint(0, 0)), m_scroll->viewport()->size());
    painter.setClipRect(visible);
    const qreal reach = ViewKit::cardShadowReach();
    for (const auto& [key, widget] : m_cards) {
        auto* card = qobject_cast<CardView*>(widget);
        if (!card || card->isHidden())
            continue;
        const QRectF surface(card->mapTo(this, QPointF(0, 0)), QSizeF(card->size()));
        if (!event->region().intersects(surface.adjusted(-reach, -reach, reach, reach).toAlignedRect()))
            continue;
        paintCardShadow(painter, surface, card->look(), ViewKit::VKTheme::scheme(card));
    }
}

void ContentView::resizeEvent(QResizeEvent* event)
{
    m_glass->setGeometry(QRect(QPoint(0, 0), event->size()));
    QWidget::resizeEvent(event);
}

} // namespace Kestrion
