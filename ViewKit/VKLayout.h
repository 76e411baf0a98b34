#pragma once

#include <QtGlobal>
#include <qnamespace.h>

#include <optional>
#include <utility>

class QLabel;
class QLayout;
class QWidget;

namespace ViewKit {

// The shared layout vocabulary of the views, over Qt widgets and layouts.
namespace VKLayout {

// Unbounded in both directions, content centred.
void fillParent(QWidget* widget);
// 8 points on every edge of a layout's content.
void paddingSmall(QLayout* layout);
// 8 points on the leading edge only.
void paddingLeftSmall(QLayout* layout);
// The bold body font of the card titles.
void titleFont(QWidget* widget);
// The whole width offered, the content at the alignment given (labels align their text).
void fullWidthFrame(QWidget* widget, Qt::Alignment alignment);
void leadingFrame(QWidget* widget);
void trailingFrame(QWidget* widget);
void centerFrame(QWidget* widget);
// Trailing full width, callout font, secondary colour.
void trailingSecondaryCallout(QLabel* label);
// Leading full width, callout font, secondary colour, at most maxWidth points wide.
void leadingSecondaryCallout(QLabel* label, qreal maxWidth);

// The transformed value when the condition holds; the value unchanged (and transform never called)
// when it does not.
template <typename T, typename F>
T applyIf(bool condition, T value, F&& transform)
{
    if (condition)
        return std::forward<F>(transform)(std::move(value));
    return value;
}

// The primary screen's device-pixel ratio; 1 without a screen.
qreal mainScaleFactor();
// 60 % and 75 % of the primary screen's available height; none without a screen.
std::optional<qreal> heightSixtyPercent();
std::optional<qreal> heightSeventyFivePercent();

} // namespace VKLayout

} // namespace ViewKit
