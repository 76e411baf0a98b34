#pragma once

#include <QWidget>

#include <optional>
#include <vector>

namespace ViewKit {

// A bare sparkline: the area under a smoothed line through the series (automatic domain, no axes,
// no grid), accent area at opacity 0.1 and a line of width 1.5 in the accent colour.
class VKGraphView : public QWidget
{
    Q_OBJECT

public:
    explicit VKGraphView(QWidget* parent = nullptr);
    VKGraphView(std::vector<float> values, std::optional<qreal> width, QWidget* parent = nullptr);

    const std::vector<float>& values() const { return m_values; }
    void setValues(std::vector<float> values);
    // A fixed width, or none for a flexible one.
    std::optional<qreal> graphWidth() const { return m_width; }
    void setGraphWidth(std::optional<qreal> width);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<float> m_values;
    std::optional<qreal> m_width;
};

} // namespace ViewKit
