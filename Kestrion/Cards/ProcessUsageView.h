#pragma once

#include "ViewKit/VKTheme.h"

#include <QFont>
#include <QRectF>
#include <QString>

#include <optional>

class QPainter;

namespace Kestrion {

// One row of a process list: the leading text, a flexible gap and the trailing text, both verbatim
// in the medium body font and the secondary colour, vertically centred. A leading text too long for
// the row is cut with an ellipsis; the trailing text is always whole.
struct ProcessUsageView
{
    QString left;
    QString right;

    // Space between two rows of a list.
    static constexpr qreal rowSpacing = 4;

    // Paints the row in rect; with `exposed`, a text wholly outside it is left out.
    void paint(QPainter& painter, const QRectF& rect, ViewKit::VKColorScheme scheme,
               std::optional<QRectF> exposed = std::nullopt) const;

    static QFont font();
    // Height of one row without the spacing.
    static qreal rowHeight();
    // The width of a trailing text, and the leading text as a row of `rowWidth` shows it beside a
    // trailing text of `rightWidth`.
    static qreal rightWidth(const QString& right);
    static QString shownLeft(const QString& left, qreal rowWidth, qreal rightWidth);
};

} // namespace Kestrion
