#pragma once

#include <QStyledItemDelegate>

namespace Kestrion {

// Paints each row of a process list as a ProcessUsageView: the name and the value text of the
// row's index, with the list's row spacing below.
class ProcessUsageDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace Kestrion
