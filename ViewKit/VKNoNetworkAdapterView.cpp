#include "ViewKit/VKNoNetworkAdapterView.h"

#include "ViewKit/VKCard.h"
#include "ViewKit/VKNetworkInfoView.h"
#include "ViewKit/VKTheme.h"

#include <QVBoxLayout>

namespace ViewKit {

VKNoNetworkAdapterView::VKNoNetworkAdapterView(bool embedInTile, qreal size, QWidget* parent)
    : QWidget(parent), m_embedInTile(embedInTile)
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    QWidget* host = this;
    if (embedInTile) {
        m_card = new VKCard(this);
        outer->addWidget(m_card);
        host = m_card;
    }
    m_info = new VKNetworkInfoView(size, host);
    const int pad = int(VKTheme::scenePadding);
    if (embedInTile) {
        auto* inner = new QVBoxLayout(m_card);
        inner->setContentsMargins(pad, pad, pad, pad);
        inner->addWidget(m_info);
    } else {
        outer->setContentsMargins(pad, pad, pad, pad);
        outer->addWidget(m_info);
    }
}

qreal VKNoNetworkAdapterView::symbolSize() const
{
    return m_info->symbolSize();
}

} // namespace ViewKit
