#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace ViewKit {

// How the layers of a symbol are coloured. The glyphs have one layer, so every mode draws the symbol in
// its one colour; the mode is kept for callers that pass it on.
enum class VKSymbolRenderingMode { monochrome, hierarchical, palette, multicolor };

// A symbol, scaled to fit its frame, in one colour. With a side it is side by side points; without one
// it takes the space offered.
class VKSymbolView : public QWidget
{
    Q_OBJECT

public:
    VKSymbolView(const QString& systemName, const QColor& color, qreal side, QWidget* parent = nullptr);

    const QString& systemName() const { return m_systemName; }
    QColor color() const { return m_color; }
    void setColor(const QColor& color);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_systemName;
    QColor m_color;
    qreal m_side;
};

} // namespace ViewKit
