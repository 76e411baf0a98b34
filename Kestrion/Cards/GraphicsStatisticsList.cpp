#include "Kestrion/Cards/GraphicsStatisticsList.h"

#include "ViewKit/VKTheme.h"

#include <QAbstractListModel>
#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyledItemDelegate>

#include <cmath>

namespace Kestrion {

using ViewKit::VKTheme;

class GraphicsStatisticsList::Model : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    void setRows(const QList<Row>& rows)
    {
        if (rows.size() != m_rows.size()) {
            beginResetModel();
            m_rows = rows;
            endResetModel();
            return;
        }
        for (qsizetype i = 0; i < rows.size(); ++i) {
            if (rows[i] == m_rows[i])
                continue;
            m_rows[i] = rows[i];
            emit dataChanged(index(int(i)), index(int(i)));
        }
    }
    const QList<Row>& rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(m_rows.size());
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_rows.size())
            return {};
        if (role == Qt::DisplayRole)
            return m_rows[index.row()].first;
        if (role == Qt::UserRole)
            return m_rows[index.row()].second;
        return {};
    }

private:
    QList<Row> m_rows;
};

class GraphicsStatisticsList::Delegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QWidget* view = option.widget;
        painter->save();
        painter->setFont(option.font);
        painter->setPen(VKTheme::secondaryText(view ? VKTheme::scheme(view) : VKTheme::scheme(option.palette)));
        const QRectF row = QRectF(option.rect).adjusted(0, 0, 0, -rowSpacing());
        const QFontMetricsF metrics(option.font);
        const QString value = index.data(Qt::UserRole).toString();
        const qreal valueWidth = metrics.horizontalAdvance(value);
        painter->drawText(row, Qt::AlignRight | Qt::AlignVCenter, value);
        const qreal nameWidth = std::max<qreal>(0, row.width() - valueWidth - VKTheme::defaultSpacing);
        painter->drawText(QRectF(row.left(), row.top(), nameWidth, row.height()), Qt::AlignLeft | Qt::AlignVCenter,
                          metrics.elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideRight, nameWidth));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        return QSize(0, int(std::ceil(QFontMetricsF(option.font).height() + rowSpacing())));
    }
};

GraphicsStatisticsList::GraphicsStatisticsList(QWidget* parent)
    : CardListView(parent)
    , m_model(new Model(this))
{
    setModel(m_model);
    setItemDelegate(new Delegate(this));
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setFont(VKTheme::font(ViewKit::VKTextStyle::body));
}

void GraphicsStatisticsList::setRows(const QList<Row>& rows)
{
    m_model->setRows(rows);
}

const QList<GraphicsStatisticsList::Row>& GraphicsStatisticsList::rows() const
{
    return m_model->rows();
}

QSize GraphicsStatisticsList::sizeHint() const
{
    // About eight rows; the column decides the real height.
    return QSize(0, int(std::ceil(8 * (QFontMetricsF(font()).height() + rowSpacing()))));
}


} // namespace Kestrion
