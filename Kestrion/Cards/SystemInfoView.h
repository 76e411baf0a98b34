#pragma once

#include "BaseKit/Sampler/SamplerTimer.h"
#include "LanguageKit/LKLocalizedString.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>
#include <unordered_map>
#include <optional>

class QTimer;

namespace BaseKit {
class MacSystem;
}

namespace SystemKit {
class IGpu;
class Volume;
} // namespace SystemKit

namespace ViewKit {
class VKDoubleTextView;
}

namespace Kestrion {

class CardCanvas;
class GpuModel;
class SystemInfoModel;
class VolumesModel;

// The full-width row at the top of the main window: the computer's picture and three groups of facts
// (hardware; the processor's identity; the machine's identity and state). From size class 1 on, a
// heading with the computer name and the operating system stands above the groups. It has no card
// surface and no look settings. Uptime and thermal state are read again every second while the row
// is shown; the rest follows the models.
class SystemInfoView : public QWidget
{
    Q_OBJECT

public:
    // The graphics and volumes models may be absent: their rows then show what a machine without a
    // primary card or without a system volume shows.
    SystemInfoView(SystemInfoModel& model, GpuModel* graphicsModel, VolumesModel* volumes, int sizeClass,
                   QWidget* parent = nullptr);

    // One fact: its key (translated on the left) and its text.
    struct Fact {
        LanguageKit::LKLocalizedString key;
        QString text;
        bool operator==(const Fact&) const = default;
    };
    // The hardware group: processor, primary graphics card ("UNKNOWN_GPU" without one), installed
    // memory, and the system volume's size ("-" without one).
    static QList<Fact> hardwareFacts(const BaseKit::MacSystem& machine, const SystemKit::IGpu* primary,
                                     const SystemKit::Volume* systemVolume);
    static QString graphicsText(const SystemKit::IGpu* primary);
    static QString storageText(const SystemKit::Volume* systemVolume);
    // The processor group: identifier, architecture, core and thread counts; size class 0 counts the
    // processors, the larger classes the cores and threads.
    static QList<Fact> processorFacts(const BaseKit::MacSystem& machine, int sizeClass);
    // The identity group: serial number, uptime, model, thermal state.
    static QList<Fact> identityFacts(const SystemInfoModel& model);
    // Efficiency and performance core counts beside the core count: from size class 1 on, and only
    // on machines that have such clusters.
    struct Clusters {
        std::optional<int> efficiency;
        std::optional<int> performance;
    };
    static std::optional<Clusters> clusters(const BaseKit::MacSystem& machine, int sizeClass);

    // Sizes by class: the spacing of the row (8, 16, 32) and the side of the picture (80, 96, 144).
    static qreal rowSpacing(int sizeClass);
    static qreal pictureSide(int sizeClass);

    int sizeClass() const { return m_sizeClass; }
    // The row showing a fact; nullptr when the row has no such fact.
    ViewKit::VKDoubleTextView* row(LanguageKit::LKLocalizedString key) const;
    QWidget* picture() const { return m_picture; }
    // The heading (computer name, operating system); nullptr in size class 0.
    CardCanvas* heading() const { return m_heading; }
    QWidget* clusterCounts() const { return m_clusters; }
    QWidget* thermalLight() const { return m_thermalLight; }
    // The one-second timer of the uptime and thermal rows; it runs while the row is shown.
    // The timer of the live rows while the row is shown (the samplers' clock), else none.
    QTimer* liveTimer() const { return m_live.timer(); }
    // The thermal state the row shows (read at the last tick).
    int shownThermalState() const { return m_thermalState; }

    // Reads uptime and thermal state again (what the timer does each second).
    void refreshLiveRows();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* makeGroup(const QList<Fact>& facts);
    void refreshHardware();
    void refreshIdentity();
    const SystemKit::IGpu* primary() const;
    const SystemKit::Volume* systemVolume() const;

    QPointer<SystemInfoModel> m_model;
    // The machine the model reads; the live rows read it even once the model is gone.
    std::shared_ptr<const BaseKit::MacSystem> m_machine;
    QPointer<GpuModel> m_graphicsModel;
    QPointer<VolumesModel> m_volumes;
    int m_sizeClass;
    std::unordered_map<LanguageKit::LKLocalizedString, ViewKit::VKDoubleTextView*> m_rows;
    QWidget* m_picture = nullptr;
    CardCanvas* m_heading = nullptr;
    QWidget* m_clusters = nullptr;
    QWidget* m_thermalLight = nullptr;
    BaseKit::SamplerTimer m_live;
    int m_thermalState = -1;  // as read at the last tick
};

} // namespace Kestrion
