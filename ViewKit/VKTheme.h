#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

class QWidget;

namespace ViewKit {

// The two colour schemes every view draws in.
enum class VKColorScheme { light, dark };

// Text styles of the views, from the largest to the smallest.
enum class VKTextStyle { largeTitle, title1, title2, title3, headline, subheadline, body, callout, footnote, caption, caption2 };

// Named colours of the views; each has one value in light and one in dark mode.
enum class VKNamedColor {
    accent, blue, brown, cyan, gray, green, indigo, mint, orange, pink, primary, purple, red, secondary, teal, yellow,
    tertiary, white, black, clear
};

// The one table of the amounts and colours the views leave to the platform: text styles and sizes,
// paddings and spacings, named colours per scheme. Every card reads these values, so one change here
// changes the whole window.
class VKTheme
{
public:
    // Paddings and spacings in points.
    static constexpr qreal defaultPadding = 16;  // a view's standard padding on all edges
    static constexpr qreal scenePadding = 20;    // a window's edge padding, distinct from the default padding
    static constexpr qreal defaultSpacing = 8;   // between the children of a stack
    static constexpr qreal smallPadding = 8;     // the small padding of rows and titles
    static constexpr qreal cardCornerRadius = 8;
    static constexpr qreal cardBleed = 4;        // room kept around a card surface for its shadow and outline

    // Pixel size (points) of a text style.
    static int textSize(VKTextStyle style);
    // Weight a text style carries by itself (bold for the headline).
    static QFont::Weight textWeight(VKTextStyle style);
    // The font of a text style over the application font; weight overrides the style's own weight.
    static QFont font(VKTextStyle style);
    static QFont font(VKTextStyle style, QFont::Weight weight);
    // The weight to ask for so that a text in `font`'s family shows in `wanted` or the nearest weight
    // the installed family has: a weight above regular that the family lacks becomes its next heavier
    // face (never one that looks regular), one below regular its next lighter face.
    static QFont::Weight renderedWeight(const QFont& font, QFont::Weight wanted);
    // Body text in bold: the title of every card.
    static QFont titleFont();

    // Dark when the palette's window text is lighter than its window; the shell sets the palette of
    // each scheme (palette()).
    static VKColorScheme scheme(const QPalette& palette);
    static VKColorScheme scheme(const QWidget* widget);

    // A named colour in the given scheme. The accent is the highlight colour of the palette.
    static QColor color(VKNamedColor name, VKColorScheme scheme);
    static QColor color(VKNamedColor name, VKColorScheme scheme, const QPalette& palette);

    // Text colours.
    static QColor primaryText(VKColorScheme scheme) { return color(VKNamedColor::primary, scheme); }
    static QColor secondaryText(VKColorScheme scheme) { return color(VKNamedColor::secondary, scheme); }
    // The faint gray of tracks and background rings: gray at opacity 0.4.
    static QColor track(VKColorScheme scheme);
    // Dashed grid lines of the charts.
    static QColor gridLine(VKColorScheme scheme);
    // The line of a chart when no colour is given: the accent.
    static QColor seriesColor(VKColorScheme scheme, const QPalette& palette);
    // The light and dark palettes the application installs with the Fusion style.
    static QPalette palette(VKColorScheme scheme);
};

// The colour with its opacity multiplied by the given factor.
QColor withOpacity(QColor color, qreal opacity);

} // namespace ViewKit
