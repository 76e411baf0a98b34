#pragma once

#include <QByteArray>
#include <QRectF>
#include <QRegion>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QPainter;

namespace Kestrion {

class CardFill;

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

    // A part of what the canvas shows: the rect its drawing stays in and a key that differs whenever
    // its drawing does.
    struct Part {
        QRectF rect;
        QByteArray key;
        bool operator==(const Part&) const = default;
    };
    using Parts = std::function<std::vector<Part>()>;
    // With parts, `follow` repaints only the parts whose keys changed since it last ran.
    void setParts(Parts parts);
    // What a new sample asks for: the parts that changed repainted (all of the canvas when the parts
    // are not the same ones, or without parts).
    void follow();

    // While painting: what is repainted. A painter may leave out the parts outside it, which are not
    // repainted anyway.
    const QRegion& exposedRegion() const { return m_exposed; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Painter m_painter;
    IdealWidth m_idealWidth;
    IdealWidth m_minimumWidth;
    Parts m_parts;
    std::optional<std::vector<Part>> m_shownParts;
    QRegion m_exposed;
    // On the plain fill of its card's surface the canvas fills its repaints itself.
    CardFill* m_fill;
};

} // namespace Kestrion
