#pragma once

#include "Kestrion/Cards/CardView.h"
#include "Kestrion/Cards/GraphicsStatisticsList.h"

#include "SystemKit/Graphics/GraphicsCardController.h"

#include <QPointer>

#include <memory>
#include <optional>

namespace Kestrion {

class CardCanvas;

// The graphics card: the primary card's name with its temperature, its utilisation bar (when the
// driver reports one), its memory bar (the used share of its memory) and every counter it reports,
// by name and value, in a scrolling list. While the sampler names no primary card, or that card has
// no sample, the card shows its surface alone. It follows the sampler's change signals.
class GraphicsCardView : public CardView
{
    Q_OBJECT

public:
    GraphicsCardView(SystemKit::GraphicsCardController& controller, CardLookSettings& settings, QWidget* parent = nullptr);

    // What the card shows for one graphics card (none: nothing but the surface).
    struct Contents {
        bool shown = false;
        QString title;
        std::optional<QString> temperature; // "45 °C"
        std::optional<double> utilization;  // 0...1
        double memory = 0;                  // 0...1
        QList<GraphicsStatisticsList::Row> rows;
        bool operator==(const Contents&) const = default;
    };
    static Contents contents(const SystemKit::IGpu* card);

    const Contents& shownContents() const { return m_contents; }
    QWidget* contentArea() const { return m_area; }
    CardCanvas* utilizationBar() const { return m_utilizationBar; }
    CardCanvas* memoryBar() const { return m_memoryBar; }
    GraphicsStatisticsList* statisticsList() const { return m_list; }

protected:
    void refresh() override;

private:
    QPointer<SystemKit::GraphicsCardController> m_controller;
    std::shared_ptr<SystemKit::IGpu> m_card; // kept while shown
    Contents m_contents;
    QWidget* m_area;
    CardCanvas* m_header;
    CardCanvas* m_utilizationBar;
    CardCanvas* m_memoryBar;
    GraphicsStatisticsList* m_list;
};

} // namespace Kestrion
