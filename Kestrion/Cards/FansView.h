#pragma once

#include "Kestrion/Cards/CardView.h"
#include "Kestrion/Models/FanModel.h"

class QScrollArea;

namespace Kestrion {

class CardTitle;
class FanRowsView;

// The fans card: the title "FANS" above a scrolling list of the companion's fans, one line per fan with
// its speed and a bar of where that speed lies in the fan's range. It is handed its list.
class FansView : public CardView
{
    Q_OBJECT

public:
    // Lines shown before the list scrolls.
    static constexpr int visibleRows = 8;

    explicit FansView(CardLookSettings& settings, QWidget* parent = nullptr);

    void setFans(const FanModelList& fans);

    CardTitle* title() const { return m_title; }
    FanRowsView* rows() const { return m_rows; }
    QScrollArea* scrollArea() const { return m_scroll; }

private:
    void fitList();

    CardTitle* m_title;
    QScrollArea* m_scroll;
    FanRowsView* m_rows;
};

} // namespace Kestrion
