#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>

#include <optional>

class QWidget;

namespace Kestrion {

class CardView;

// Keeps a widget that paints on a card opaque while it stands on the plain fill of the card's
// surface (CardView::opaqueColorBeneath), so that its repaints paint neither the card nor the window
// under them: the widget fills each repaint with fillColor() before it draws. It follows the widget's
// place and palette and its card's look. `placed` is the widget whose place on the card counts and
// `painted` the one that paints: the same widget, or the viewport of a frameless scroll area that
// paints nothing of its own.
class CardFill : public QObject
{
    Q_OBJECT

public:
    CardFill(QWidget* placed, QWidget* painted);

    // While painting: the colour to fill the repaint with, or none when the widget is not opaque.
    // A widget found off the plain fill here (a container moved it) is made transparent again and
    // its card repaints under it.
    std::optional<QColor> fillColor();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::optional<QColor> colorBeneath() const;
    void review();

    QPointer<QWidget> m_placed;
    QPointer<QWidget> m_painted;
    QPointer<CardView> m_card;
    QMetaObject::Connection m_lookConnection;
};

} // namespace Kestrion
