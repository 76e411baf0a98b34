#pragma once

#include <QWidget>

#include <functional>

class QPainter;

namespace Kestrion {

// A part of a card painted by a function over its rect, at a fixed height and the width the card
// gives it. The function reads what it shows while it paints, so update() is all a change needs.
class CardCanvas : public QWidget
{
    Q_OBJECT

public:
    using Painter = std::function<void(QPainter& painter, const QRectF& rect)>;
    using IdealWidth = std::function<qreal()>;

    CardCanvas(qreal height, Painter painter, QWidget* parent = nullptr);

    // The width the canvas would like, asked for whenever the layout wants its size hint; without it the
    // canvas takes only the width the card gives it.
    void setIdealWidth(IdealWidth idealWidth);
    // The narrowest width at which what the canvas shows stays whole, asked for whenever the layout
    // wants its minimum; without it the canvas can be made as narrow as the card likes.
    void setMinimumContentWidth(IdealWidth minimumWidth);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Painter m_painter;
    IdealWidth m_idealWidth;
    IdealWidth m_minimumWidth;
};

} // namespace Kestrion
