#pragma once

#include <QWidget>

namespace Kestrion {

// A thin horizontal separator line across a card: one device pixel in the separator colour.
class CardDivider : public QWidget
{
    Q_OBJECT

public:
    explicit CardDivider(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace Kestrion
