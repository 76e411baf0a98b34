#pragma once

#include <QWidget>

namespace ViewKit {

class VKCard;
class VKNetworkInfoView;

// Where network details would stand on a machine without a network adapter: the network
// placeholder with the scene padding on every edge, on a card surface of its own when embedInTile
// is true, without one otherwise.
class VKNoNetworkAdapterView : public QWidget
{
    Q_OBJECT

public:
    VKNoNetworkAdapterView(bool embedInTile, qreal size, QWidget* parent = nullptr);

    bool embedInTile() const { return m_embedInTile; }
    qreal symbolSize() const;
    VKNetworkInfoView* infoView() const { return m_info; }
    // The card surface; none when not embedded in a tile.
    VKCard* card() const { return m_card; }

private:
    bool m_embedInTile;
    VKCard* m_card = nullptr;
    VKNetworkInfoView* m_info;
};

} // namespace ViewKit
