#pragma once

#include "Kestrion/Cards/CardLook.h"

#include <QColor>
#include <QPointer>
#include <QWidget>

#include <optional>

class QVBoxLayout;

namespace Kestrion {

class CardLookSettings;

// The frame of every main-window card: the card surface of the live look behind one vertical content
// stack with a fixed spacing, padded by the default or the scene padding. The surface fills the
// widget's rect, so the space between cards is the layout's spacing; the shadow the surface casts
// around it is painted by the view the cards stand on (paintCardShadow of the look).
//
// A card follows its models' change signals: contentChanged() refreshes what the card derives from
// them once the current turn of the event loop is over (any number of changes in one turn give one
// refresh) while the card is visible, and only marks it stale while it is hidden; a stale card
// refreshes when it is shown again. A hidden card does no work.
class CardView : public QWidget
{
    Q_OBJECT

public:
    enum class Padding { standard, scene };

    CardView(CardLookSettings& settings, Padding padding, qreal spacing, QWidget* parent = nullptr);

    // The look the surface is drawn with.
    const CardLook& look() const { return m_look; }
    // The rect the surface fills: the whole widget.
    QRectF surfaceRect() const;
    QVBoxLayout* contentLayout() const { return m_content; }
    // The content's padding inside the surface, in points.
    qreal padding() const;

    // The side of the large ring gauge of the processor and memory cards: 80, 96 or 144 points for the
    // screen-size classes 0, 1 and 2.
    static qreal gaugeSize(int sizeClass);

    bool isStale() const { return m_stale; }

    // The colour every pixel of `widget` shows before the widget draws, when the card it stands in is
    // painted under it: the surface's own fill, when that is opaque and the widget stands clear of
    // the surface's corners and edges with only plain containers between them. None otherwise: what
    // is under the widget is whatever its card and the window paint there. With a colour, the widget
    // may fill its repaints with it itself instead of having its card and window painted under them.
    static std::optional<QColor> opaqueColorBeneath(const QWidget& widget);
    // The card `widget` stands in; null when none.
    static CardView* enclosing(const QWidget& widget);

signals:
    // The look changed: the view under the card paints its shadow anew.
    void lookChanged();

protected:
    // Rebuilds what the card derives from its models (a sorted list, for example). Painted parts that
    // read their models while painting need no refresh, only an update.
    virtual void refresh() {}
    // Called from the models' change signals: refreshes after this turn when visible, else when shown.
    void contentChanged();

    // Paints the surface alone; what stands on it paints itself (opaqueColorBeneath counts on it).
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPointer<CardLookSettings> m_settings;
    CardLook m_look;
    Padding m_padding;
    QVBoxLayout* m_content;
    bool m_stale = false;
    bool m_refreshPending = false;
};

} // namespace Kestrion
