#pragma once

#include "ViewKit/VKStackedProgressBarValue.h"
#include "ViewKit/VKTheme.h"

#include <QColor>
#include <QList>
#include <QRectF>
#include <QWidget>

#include <vector>

class QPainter;

namespace ViewKit {

// A chart of horizontal bars without axes: one bar per type (in the order the types first appear),
// made of the values of that type laid end to end in list order, each part coloured by its name
// from the chart palette (one colour per distinct name, in order of first appearance) and rounded
// by the corner radius. The longest bar spans the width.
class VKStackedProgressBarView : public QWidget
{
    Q_OBJECT

public:
    VKStackedProgressBarView(std::vector<VKStackedProgressBarValue> values, qreal cornerRadius,
                             QWidget* parent = nullptr);

    const std::vector<VKStackedProgressBarValue>& values() const { return m_values; }
    void setValues(std::vector<VKStackedProgressBarValue> values);
    qreal cornerRadius() const { return m_cornerRadius; }
    void setCornerRadius(qreal radius);

    // The label of the value axis and of the colour series: the translated "NAME".
    static QString seriesLabel();
    // The automatic colours of the chart, cycled by series index.
    static QColor paletteColor(int index, VKColorScheme scheme);

    // One drawn part.
    struct Mark {
        QRectF rect;
        QColor color;
    };
    static QList<Mark> marks(const QRectF& rect, const std::vector<VKStackedProgressBarValue>& values,
                             VKColorScheme scheme);
    static void paint(QPainter& painter, const QRectF& rect, const std::vector<VKStackedProgressBarValue>& values,
                      qreal cornerRadius, VKColorScheme scheme);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<VKStackedProgressBarValue> m_values;
    qreal m_cornerRadius;
};

} // namespace ViewKit
