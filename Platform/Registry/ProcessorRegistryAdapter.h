#pragma once

#include "Platform/Registry/RegistryAdapter.h"

#include <QHash>

#include <string>

namespace Platform {

// The registry's processor entries: one entry named "processor" (class "IOCPU") per present logical
// processor, cpuN ascending, at "IOService:/sys/devices/system/cpu/cpuN".
//
// Properties, as data values:
// - every entry: "processor-number", the kernel's number N of cpuN as four little-endian bytes, which
//   pairs the entry with the per-processor counters (an offline processor stays listed);
// - devicetree machines: "compatible", "clock-frequency", "timebase-frequency" and "bus-frequency"
//   of the processor's node (/sys/devices/system/cpu/cpuN/of_node), numbers turned from the
//   devicetree's big-endian cells into little-endian bytes;
// - other machines: "clock-frequency", the highest cpufreq frequency (cpuinfo_max_freq, kHz) in Hz as
//   four little-endian bytes, eight when it does not fit 32 bits. Without cpufreq (virtual machines)
//   there are no properties.
// The properties of an entry are read once and kept until the present processors change.
class ProcessorRegistryAdapter : public RegistryAdapter {
public:
    explicit ProcessorRegistryAdapter(QString root = QStringLiteral("/"));

    QByteArray stamp() const override;
    std::vector<Node> entries() const override;
    PlistValue::DictionaryType properties(const QString& path) const override;
    PlistValue property(const QString& path, const QString& key) const override;

    // The processor numbers of a kernel processor list such as "0-3,5,7-8"; empty when malformed.
    static QList<int> parseProcessorList(const QByteArray& list);

private:
    QString folder(const char* relative) const;
    PlistValue::DictionaryType readProperties(int processor) const;
    // The kept properties of the entry at `path`, read on first use; null for a path not ours.
    const PlistValue::DictionaryType* cachedProperties(const QString& path) const;

    QString m_root;
    QByteArray m_presentPath;           // the present-processor list, read for every stamp
    mutable std::string m_stampBuffer;
    mutable QHash<QString, PlistValue::DictionaryType> m_cache;
};

} // namespace Platform
