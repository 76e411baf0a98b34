#include "Kestrion/Cards/FansView.h"

#include "Kestrion/Cards/CardTitle.h"
#include "Kestrion/Cards/FanRowsView.h"

#include "LanguageKit/LKResources.h"

#include <QScrollArea>
#include <QVBoxLayout>

namespace Kestrion {

FansView::FansView(CardLookSettings& settings, QWidget* parent)
    : CardView(settings, Padding::scene, 16, parent)
    , m_title(new CardTitle(LanguageKit::LKResources::localized(LanguageKit::LKLocalizedString::fans), this))
    , m_rows(new FanRowsView)
{
    m_scroll = new QScrollArea(this);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scroll->viewport()->setAutoFillBackground(false);
    m_scroll->setAutoFillBackground(false);
    m_scroll->setWidget(m_rows);
    // setWidget makes the list paint its background; the card's surface shows through instead.
    m_rows->setAutoFillBackground(false);
    contentLayout()->addWidget(m_title);
    contentLayout()->addWidget(m_scroll);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    fitList();
}

void FansView::setFans(const FanModelList& fans)
{
    const std::size_t before = m_rows->rows().size();
    m_rows->setFans(fans);
    if (m_rows->rows().size() != before)
        fitList();
}

void FansView::fitList()
{
    // The card grows with its fans up to visibleRows lines; more scroll inside it.
    const int count = std::min(int(m_rows->rows().size()), visibleRows);
    const int height = count == 0 ? 0 : count * m_rows->rowHeight() + (count - 1) * FanRowsView::rowSpacing;
    m_scroll->setFixedHeight(height);
    updateGeometry();
}

} // namespace Kestrion
