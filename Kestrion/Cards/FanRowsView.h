#pragma once

#include "Kestrion/Cards/CardRowsView.h"
#include "Kestrion/Models/FanModel.h"

#include <vector>

namespace Kestrion {

// The lines of the fans card, painted: per fan its name at the leading edge, then at the trailing edge
// its speed as plain digits and a 64 by 6 point bar in the accent colour showing where the speed lies
// between the fan's minimum and maximum, 8 points apart, all in the secondary colour but the bar.
// Rows are 4 points apart.
class FanRowsView : public CardRowsView
{
    Q_OBJECT

public:
    static constexpr int itemSpacing = 8;
    static constexpr QSize barSize{64, 6};

    explicit FanRowsView(QWidget* parent = nullptr);

    struct Row {
        QUuid id;
        QString name;
        QString speed;
        double progress = 0;
    };

    void setFans(const FanModelList& fans);
    const std::vector<Row>& rows() const { return m_rows; }
    int rowHeight() const override;
    // Where the bar of row `index` stands.
    QRectF barRect(int index) const;

protected:
    int rowCount() const override { return int(m_rows.size()); }
    void paintRows(QPainter& painter, int first, int last) override;

private:
    std::vector<Row> m_rows;
};

} // namespace Kestrion
