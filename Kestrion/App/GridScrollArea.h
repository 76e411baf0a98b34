#pragma once

#include <QScrollArea>

namespace Kestrion {

// The scroll area the main window's grid of cards stands in. It asks for the grid's whole size, and
// for the grid's minimum size only up to a limit, the room the screen leaves it: where the grid needs
// more than that, it scrolls instead of pushing the window past the screen's edge. Only the bars
// paint; the cards stand on whatever is behind the area.
class GridScrollArea : public QScrollArea
{
    Q_OBJECT

public:
    explicit GridScrollArea(QWidget* parent = nullptr);

    // The largest minimum size the area asks for; an invalid size sets no limit.
    void setLimit(QSize limit);
    QSize limit() const { return m_limit; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSize m_limit;
};

} // namespace Kestrion
