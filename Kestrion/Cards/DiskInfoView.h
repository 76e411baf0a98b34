#pragma once

#include "Kestrion/Cards/CardView.h"

#include <QPointer>
#include <QString>

#include <cstdint>
#include <optional>

namespace SystemKit {
class Volume;
}

namespace Kestrion {

class CardCanvas;
class VolumesModel;

// The disk card: the system volume's name with its peak transfer rate of the last second and an
// activity light, a usage bar in the accent colour with its percentage, and the used, total and free
// space. Without a system volume it shows "-" and an empty bar. It follows the sampler's ticks.
class DiskInfoView : public CardView
{
    Q_OBJECT

public:
    DiskInfoView(VolumesModel& model, int sizeClass, CardLookSettings& settings, QWidget* parent = nullptr);

    // What the card shows for a volume (none: the machine has no system volume).
    struct Texts {
        QString name;
        QString rate;
        bool active = false;
        double usage = 0;
        QString capacity;
    };
    static Texts texts(const SystemKit::Volume* volume, const QString& peakRateText);

    CardCanvas* header() const { return m_header; }
    CardCanvas* bar() const { return m_bar; }
    CardCanvas* capacityLine() const { return m_capacity; }

private:
    Texts current() const;
    // Repaints the lines whose contents differ from those shown.
    void follow();

    QPointer<VolumesModel> m_model;
    int m_sizeClass;
    CardCanvas* m_header;
    CardCanvas* m_bar;
    CardCanvas* m_capacity;
    std::optional<Texts> m_shown; // what the lines show now
};

} // namespace Kestrion
