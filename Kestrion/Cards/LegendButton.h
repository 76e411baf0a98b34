#pragma once

#include <QAbstractButton>

#include <functional>

namespace Kestrion {

// The plain legend switch of a chart card: the symbol "line.3.horizontal", 12 points wide, padded
// by 4, in the accent colour while the legends show and in the secondary colour otherwise. The
// state is read when it paints; a press calls `toggle`.
class LegendButton : public QAbstractButton
{
    Q_OBJECT

public:
    LegendButton(std::function<bool()> isOn, std::function<void()> toggle, QWidget* parent = nullptr);

    bool isOn() const { return m_isOn(); }
    QRectF symbolRect() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<bool()> m_isOn;
};

} // namespace Kestrion
