#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace Platform {

// The kernel's own identification, as uname(2) gives it.
struct KernelIdentity {
    QString system;   // "Linux"
    QString nodeName; // host name
    QString release;  // "6.1.0-18-amd64"
    QString machine;  // "x86_64", "aarch64"

    static KernelIdentity current();
    // The identity a tree captured from another machine records: proc/sys/kernel/ostype, hostname,
    // osrelease (else the release that proc/version names) and arch (kernels from 6.1 on). A value the
    // tree does not hold stays "".
    static KernelIdentity captured(const QString& root);
};

// Hardware details of the machine, built from the machine's own firmware tables.
struct MachineDetails {
    QString processor;
    QString description;
    QString marketingModel;
    QString model;
};

// The counts of performance and efficiency cores of a hybrid processor.
struct CoreKinds {
    std::uint32_t performance = 0;
    std::uint32_t efficiency = 0;
};

// The basic host record: processor counts and memory sizes (no processor type on Linux: 0).
struct HostBasicInfo {
    std::int32_t maxProcessors = 0;
    std::int32_t availableProcessors = 0;
    std::uint32_t memorySize = 0; // bytes, capped at 2^31 as the record's 32-bit field holds it
    std::int32_t processorType = 0;
    std::int32_t processorSubtype = 0;
    std::int32_t threadType = 0;
    std::int32_t physicalProcessors = 0;
    std::int32_t physicalProcessorsMax = 0;
    std::int32_t logicalProcessors = 0;
    std::int32_t logicalProcessorsMax = 0;
    std::uint64_t maxMemory = 0; // bytes
};

// What the machine is: model and firmware names, processor, counts, operating system, thermal state,
// memory. Every value is read from the files under `root` (default "/") at each call:
// /sys/class/dmi/id, /sys/firmware/devicetree/base, /proc/cpuinfo, /sys/devices/system/cpu,
// /sys/devices/cpu_core and cpu_atom, /etc/os-release, /sys/class/thermal, /proc/meminfo. A value that
// cannot be read gives "" or 0 (the thermal state −1).
class Machine {
public:
    explicit Machine(QString root = QStringLiteral("/"), std::optional<KernelIdentity> kernel = std::nullopt);

    // The model identifier: DMI product name, else the first devicetree "compatible" string; "" when
    // neither exists or the firmware left a placeholder.
    QString model() const;
    // devicetree "model", else DMI vendor and product name; "" when neither holds a name.
    QString marketingName() const;
    // Built from the machine itself; none when it has no marketing name.
    std::optional<MachineDetails> hardwareDetails() const;
    // DMI product serial, else devicetree "serial-number"; "" when unreadable (the DMI file is root's only).
    QString serialNumber() const;
    // The devicetree "compatible" strings, most specific first ("apple,j293", "apple,t8103",
    // "apple,arm-platform"); empty on a machine without a devicetree.
    QStringList compatible() const;

    // The first "model name" of /proc/cpuinfo, else its "Hardware" line, else "".
    QString processorName() const;
    // "vendor_id" of /proc/cpuinfo ("GenuineIntel", "AuthenticAMD"); "" when absent.
    QString processorVendor() const;

    // Physical cores: distinct (package, core) pairs of the online processors.
    std::uint32_t coreCount() const;
    // Processors in use (online logical processors).
    std::uint32_t threadCount() const;
    // Performance and efficiency cores where the kernel tells them apart (Intel hybrid processors through
    // /sys/devices/cpu_core and cpu_atom, ARM big.LITTLE through cpu_capacity); none otherwise.
    std::optional<CoreKinds> coreKinds() const;

    QString architecture() const;
    QString hostName() const;

    // NAME of os-release ("Debian GNU/Linux"), else the kernel's name ("Linux").
    QString osName() const;
    // VERSION_ID of os-release, else its BUILD_ID; "" when neither is there.
    QString productVersion() const;
    // "Version <product version> (Build <kernel release>)".
    QString osVersionString() const;

    // 0 nominal, 1 fair, 2 serious, 3 critical from the trip points the zones' temperatures reached;
    // −1 when there is no readable thermal zone.
    int thermalState() const;
    // MemTotal of /proc/meminfo in bytes; 0 when unreadable.
    std::uint64_t physicalMemory() const;

    HostBasicInfo hostBasicInfo() const;

    const QString& root() const { return m_root; }

private:
    QString path(const QString& relative) const;
    QByteArray read(const QString& relative) const;
    QString text(const QString& relative) const;
    QString firstDevicetreeString(const QString& relative) const;
    QString cpuinfoValue(const QString& key) const;
    QString osRelease(const QString& key) const;
    QList<int> onlineProcessors() const;
    // The numbers of the processor folders (cpuN) below sys/devices/system/cpu, ascending.
    QList<int> processorFolders() const;
    std::uint32_t coresAmong(const QList<int>& processors) const;

    QString m_root;
    KernelIdentity m_kernel;
};

} // namespace Platform
