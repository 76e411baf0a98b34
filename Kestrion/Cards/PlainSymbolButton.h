#pragma once

#include <QAbstractButton>
#include <QString>

namespace Kestrion {

// A button without a bezel whose label is a symbol of a fixed height in the secondary text colour,
// drawn at half opacity while the button is disabled, with `padding` points around it. Colours are
// read from the palette when it paints.
class PlainSymbolButton : public QAbstractButton
{
    Q_OBJECT

public:
    PlainSymbolButton(const QString& systemName, qreal symbolHeight, qreal padding, QWidget* parent = nullptr);

    const QString& systemName() const { return m_systemName; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_systemName;
    qreal m_height;
    qreal m_padding;
};

} // namespace Kestrion
