#pragma once

#include "Kestrion/Cards/CardView.h"

#include "SystemKit/Network/NetworkHistoryItem.h"
#include "ViewKit/VKChart.h"

#include <QColor>
#include <QList>
#include <QPointer>

namespace ViewKit {
class VKDoubleTextView;
class VKNoNetworkAdapterView;
} // namespace ViewKit

namespace Kestrion {

class AppSettings;
class CardCanvas;
class CardTitle;
class LegendButton;
class NetworkModel;

// The traffic of the primary network adapter: the download and the upload history as area charts
// with dashed grid lines (their byte-rate labels while "ShowLegends" is on, switched by the legend
// button) and the two current speeds. Without a primary adapter the card shows the network
// placeholder only.
class NetworkUsageView : public CardView
{
    Q_OBJECT

public:
    static constexpr qreal chartHeight = 64;
    // The download and upload series colours.
    static const QColor downloadColor;
    static const QColor uploadColor;

    NetworkUsageView(NetworkModel& model, AppSettings& settings, CardLookSettings& look, QWidget* parent = nullptr);

    bool showsPlaceholder() const;
    CardTitle* title() const { return m_title; }
    LegendButton* legendButton() const { return m_legend; }
    CardCanvas* downloadChart() const { return m_download; }
    CardCanvas* uploadChart() const { return m_upload; }
    ViewKit::VKDoubleTextView* downloadRow() const { return m_downloadRow; }
    ViewKit::VKDoubleTextView* uploadRow() const { return m_uploadRow; }
    ViewKit::VKNoNetworkAdapterView* placeholder() const { return m_placeholder; }

    // The vertical scale of a history's chart: from 0 to the top grid line, and the grid lines, at
    // most maxIntervals + 1 of them from 0 up, each on a rate that its label shows exactly (no
    // label rounds, so no two are alike and a curve at a labelled rate runs on its line).
    struct Grid {
        ViewKit::VKChartDomain domain;
        std::vector<double> values;
    };
    static constexpr int maxIntervals = 4;
    static Grid grid(const QList<SystemKit::NetworkHistoryItem>& history);
    // The label of a grid line, "" for a value that is no whole number.
    static QString gridLabel(double value);
    // Paints one history chart into rect (the chart's padding already taken off).
    static void paintHistory(QPainter& painter, const QRectF& rect, const QList<SystemKit::NetworkHistoryItem>& history,
                             const QColor& color, bool showLegends, ViewKit::VKColorScheme scheme);

protected:
    void refresh() override;

private:
    bool showLegends() const;

    QPointer<NetworkModel> m_model;
    AppSettings& m_settings;
    ViewKit::VKNoNetworkAdapterView* m_placeholder;
    QWidget* m_body;
    CardTitle* m_title;
    LegendButton* m_legend;
    CardCanvas* m_download;
    CardCanvas* m_upload;
    ViewKit::VKDoubleTextView* m_downloadRow;
    ViewKit::VKDoubleTextView* m_uploadRow;
};

} // namespace Kestrion
