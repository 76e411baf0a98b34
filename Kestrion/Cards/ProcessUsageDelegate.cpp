#include "Kestrion/Cards/ProcessUsageDelegate.h"

#include "Kestrion/Cards/ProcessListModel.h"
#include "Kestrion/Cards/ProcessListView.h"
#include "Kestrion/Cards/ProcessUsageView.h"

#include "ViewKit/VKTheme.h"

#include <QPainter>

#include <cmath>

namespace Kestrion {

void ProcessUsageDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const ProcessUsageView row{index.data(ProcessListModel::NameRole).toString(),
                               index.data(ProcessListModel::ValueTextRole).toString()};
    const QRectF rect(option.rect.left(), option.rect.top(), option.rect.width(), ProcessUsageView::rowHeight());
    // The list paints every row its repaint's bounding rect meets; of a row the region does not reach
    // (glyphs may stand a few pixels past the row) nothing would show.
    std::optional<QRectF> exposed;
    if (const auto* list = qobject_cast<const ProcessListView*>(option.widget)) {
        if (const auto region = list->exposedRegion()) {
            const QRegion reached = *region & rect.toAlignedRect().adjusted(-4, -4, 4, 4);
            if (reached.isEmpty())
                return;
            exposed = QRectF(reached.boundingRect());
        }
    }
    painter->save();
    row.paint(*painter, rect, ViewKit::VKTheme::scheme(option.palette), exposed);
    painter->restore();
}

QSize ProcessUsageDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const
{
    return QSize(0, int(std::ceil(ProcessUsageView::rowHeight() + ProcessUsageView::rowSpacing)));
}

} // namespace Kestrion
