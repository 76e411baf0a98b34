#pragma once

#include "Kestrion/Cards/CardListView.h"

#include <QList>
#include <QPair>
#include <QString>

namespace Kestrion {

// The scrolling list of a graphics card's counters: one row per counter, its name at the leading
// edge and its value at the trailing edge, both in the secondary text colour, on the card's own
// surface (no frame, no background, no selection). A new list of the same length changes the rows in
// place, so the list keeps its scroll position from one second to the next.
class GraphicsStatisticsList : public CardListView
{
    Q_OBJECT

public:
    using Row = QPair<QString, QString>; // name, value text

    explicit GraphicsStatisticsList(QWidget* parent = nullptr);

    void setRows(const QList<Row>& rows);
    const QList<Row>& rows() const;

    static qreal rowSpacing() { return 8; }
    QSize sizeHint() const override;

private:
    class Model;
    class Delegate;

    Model* m_model;
};

} // namespace Kestrion
