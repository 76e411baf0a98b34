#pragma once

#include <QWidget>

namespace ViewKit {

// The placeholder of a machine without a network adapter: the symbol "network.slash" size by size
// points over the centred text "NO_NETWORK_ADAPTER", 8 points apart.
class VKNetworkInfoView : public QWidget
{
    Q_OBJECT

public:
    explicit VKNetworkInfoView(qreal size, QWidget* parent = nullptr);

    qreal symbolSize() const { return m_size; }
    QString text() const;
    // Where the symbol is drawn in the current size.
    QRectF symbolRect() const;

    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF textRect(qreal width) const;

    qreal m_size;
};

} // namespace ViewKit
