#pragma once

#include "SystemKit/Graphics/DataStorageMode.h"
#include "SystemKit/Graphics/GpuStatistics.h"
#include "SystemKit/Graphics/GraphicsEnvironment.h"
#include "BaseKit/Sampler/FixedHistory.h"

#include "Platform/Registry/Registry.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

#include <cstdint>
#include <optional>

namespace SystemKit {

// One graphics card of the machine: its display name, the registry path of its accelerator entry,
// the current sample of its performance statistics, and what its storage mode keeps besides (the
// previous sample, a history of samples, the largest value and the time of the last change of every
// counter). The card looks its entry up again by path at every sample and keeps no handle.
//
// AmdGpu, IntelGpu (both PciGpu) and AppleGpu differ in where the name and memory size come from, in the memory
// figure behind vramRatio and in their sort weight; the state and its upkeep are shared here.
// Every property notifies on every write, also of an unchanged value. Main thread only.
class IGpu : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString model READ model WRITE setModel NOTIFY modelChanged)
    Q_PROPERTY(QString path READ path WRITE setPath NOTIFY pathChanged)
    Q_PROPERTY(quint64 vramSizeBytes READ vramSizeBytes NOTIFY vramSizeBytesChanged)
    Q_PROPERTY(bool hasTemperature READ hasTemperature NOTIFY statisticsChanged)
    Q_PROPERTY(float vramRatio READ vramRatio NOTIFY statisticsChanged)

public:
    using MaxValues = QHash<OpenGlKey, GpuNumber>;
    using LastChanges = QHash<OpenGlKey, double>;

    ~IGpu() override;

    // The sort weight: the controller lists cards of higher priority first.
    virtual int priority() const = 0;
    // Takes one sample and updates what the storage mode keeps.
    virtual void update() = 0;
    // The used share of the card's memory, 0...1; 0 without a size, a sample or the counter.
    virtual float vramRatio() const = 0;

    const QString& model() const { return m_model; }
    void setModel(const QString& model);
    const QString& path() const { return m_path; }
    void setPath(const QString& path);
    DataStorageMode mode() const { return m_mode; }
    int historySize() const { return m_historySize; }
    std::uint64_t vramSizeBytes() const { return m_vramSizeBytes; }

    // The current sample; null when the last read failed.
    const GpuStatisticsPointer& statistics() const { return m_statistics; }
    void setStatistics(GpuStatisticsPointer statistics);
    // The sample before it (mode all only).
    const GpuStatisticsPointer& previousStatistics() const { return m_previousStatistics; }
    // Samples, oldest first: historySize entries in mode all (placeholders until samples arrive),
    // none in mode none.
    const QList<GpuStatisticsPointer>& history() const;
    const MaxValues& maxValues() const { return m_maxValues; }
    const LastChanges& lastChanges() const { return m_lastChanges; }

    // The current sample holds "Temperature(C)".
    bool hasTemperature() const;
    // "Device Utilization %" when the sample holds it, else "GPU Activity(%)", as a whole number;
    // none without either (or when the counter has no whole-number value).
    std::optional<std::int64_t> utilization() const;

signals:
    void modelChanged();
    void pathChanged();
    void vramSizeBytesChanged();
    void statisticsChanged();
    void previousStatisticsChanged();
    void historyChanged();
    void maxValuesChanged();
    void lastChangesChanged();

protected:
    IGpu(QString path, DataStorageMode mode, int historySize, GraphicsEnvironment environment, QObject* parent);

    const GraphicsEnvironment& environment() const { return m_environment; }
    const Platform::Registry& registry() const { return m_environment.registryToRead(); }
    void setVramSizeBytes(std::uint64_t bytes);

    // Construction steps shared by every card: the placeholder history in mode all.
    void fillHistory();
    // Reads the current sample from the accelerator entry; in mode all the previous one moves to
    // previousStatistics and the new one joins the history.
    void readStatistics();
    void addToHistory(const GpuStatisticsPointer& sample);
    void updateMaxValues();
    void updateLastChanges();

    // `used` bytes of `size` as a share clamped to 0...1; 0 for a size of 0 or a used count that is
    // not a number.
    static float share(double used, std::uint64_t size);
    // "VRAM,totalMB" of an entry in bytes; 0 when missing, not a number, or beyond 64 bits in bytes.
    static std::uint64_t vramBytes(const Platform::Registry& registry, Platform::RegistryEntryId entry);
    // The used share of a card memory of `size` bytes, from the sample's "vramFreeBytes".
    static float usedVramShare(const GpuStatisticsPointer& statistics, std::uint64_t size);

private:
    GraphicsEnvironment m_environment;
    QString m_path;
    QString m_model;
    DataStorageMode m_mode;
    int m_historySize;
    std::uint64_t m_vramSizeBytes = 0;
    GpuStatisticsPointer m_statistics;
    GpuStatisticsPointer m_previousStatistics;
    std::optional<BaseKit::FixedHistory<GpuStatisticsPointer>> m_history;
    MaxValues m_maxValues;
    LastChanges m_lastChanges;
};

} // namespace SystemKit
