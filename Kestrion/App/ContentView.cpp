#include "Kestrion/App/ContentView.h"

#include "Kestrion/App/EmptyView.h"
#include "Kestrion/App/ViewConstants.h"
#include "ViewKit/GlassEffect.h"
#include "ViewKit/VKColors.h"
#include "ViewKit/VKTheme.h"

#include <QHBoxLayout>
#include <algorithm>
#include <QPainter>
#include <QResizeEvent>
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

    m_grid = new QWidget(this);
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
    m_stack->addWidget(m_grid);
}

QWidget* ContentView::cardWidget(int column, Card card) const
{
    const auto found = m_cards.find({column, card});
    return found == m_cards.end() ? nullptr : found->second;
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
    m_cards[key] = widget;
    return widget;
}

void ContentView::frameCard(QWidget* widget, int column, Card card) const
{
    const int minimumWidth = column == 1 ? 384 : 304;
    // The sizes are the card surface's; the widget adds the room kept around it for the shadow.
    const int bleed = int(2 * ViewKit::VKTheme::cardBleed);
    widget->setMinimumWidth(minimumWidth + bleed);
    switch (card) {
    case Card::diskInfo:
        widget->setFixedHeight(diskInfoHeight + bleed);
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
        m_stack->setCurrentWidget(m_grid);
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
            }
        }
        for (const auto& [key, widget] : m_cards) {
            if (key.first != column || !widget)
                continue;
            if (std::find(cards.begin(), cards.end(), key.second) == cards.end())
                widget->hide();
        }
        if (column < 4)
            stack->addStretch();
    }
    showGrid(true);
}

void ContentView::setBackgroundTheme(BackgroundTheme theme)
{
    m_background = theme;
    m_glass->setVisible(theme == BackgroundTheme::glass);
    m_glass->lower();
    update();
}

void ContentView::paintEvent(QPaintEvent*)
{
    if (m_background != BackgroundTheme::solid)
        return;
    QPainter painter(this);
    const ViewKit::VKColorScheme scheme = ViewKit::VKTheme::scheme(this);
    painter.fillRect(rect(), scheme == ViewKit::VKColorScheme::dark
                                 ? ViewKit::VKColors::Background::controlBackground(scheme)
                                 : QColor(Qt::white));
}

void ContentView::resizeEvent(QResizeEvent* event)
{
    m_glass->setGeometry(QRect(QPoint(0, 0), event->size()));
    QWidget::resizeEvent(event);
}

} // namespace Kestrion
