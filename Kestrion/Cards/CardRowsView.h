#pragma once

#include <QWidget>

class QPainter;

namespace Kestrion {

// The painted lines of a card's list: rows of one height, rowSpacing points apart, the view as tall as
// all of them together in the card's body font. Painting draws only the rows in view.
class CardRowsView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int rowSpacing = 4;

    // The height of one row; the body font's line height unless a view needs more.
    virtual int rowHeight() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    explicit CardRowsView(QWidget* parent = nullptr);

    virtual int rowCount() const = 0;
    // Paints rows first to last (both in view), row i standing at i * (rowHeight() + rowSpacing).
    virtual void paintRows(QPainter& painter, int first, int last) = 0;
    // After the rows were made anew from a list that had `before` rows.
    void rowsChanged(int before);

    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
};

} // namespace Kestrion
