#include "Platform/Registry/DrmRegistryAdapter.h"

#include "Platform/Proc/ProcFile.h"

#include <QDir>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <charconv>
#include <cmath>

#include <cerrno>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace Platform {

namespace {

const QString kVendorId = QStringLiteral("vendor-id");
const QString kModel = QStringLiteral("model");
const QString kVramTotal = QStringLiteral("VRAM,totalMB");
const QString kStatistics = QStringLiteral("PerformanceStatistics");
constexpr std::uint64_t kMebibyte = 1048576;

// "card" followed by digits only; the number, or none.
std::optional<unsigned> cardNumber(std::string_view name)
{
    if (name.size() <= 4 || name.substr(0, 4) != "card")
        return std::nullopt;
    unsigned number = 0;
    const char* first = name.data() + 4;
    const char* last = name.data() + name.size();
    const auto [end, ec] = std::from_chars(first, last, number);
    if (ec != std::errc() || end != last || !std::all_of(first, last, [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return number;
}

// The card folders' numbers, ascending.
std::vector<unsigned> listCards(const char* folder)
{
    std::vector<unsigned> numbers;
    DIR* dir = ::opendir(folder);
    if (!dir)
        return numbers;
    while (const dirent* entry = ::readdir(dir)) {
        if (const auto number = cardNumber(entry->d_name))
            numbers.push_back(*number);
    }
    ::closedir(dir);
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

// A hexadecimal number such as "0x1002" or "1002".
std::optional<std::uint16_t> hexNumber(QByteArray text)
{
    text = text.trimmed();
    if (text.startsWith("0x") || text.startsWith("0X"))
        text = text.mid(2);
    bool ok = false;
    const uint value = text.toUInt(&ok, 16);
    if (!ok || value > 0xffff)
        return std::nullopt;
    return std::uint16_t(value);
}

// The value of `key=` in a uevent or udev database text.
QByteArray lineValue(const QByteArray& text, const QByteArray& key)
{
    for (const QByteArray& line : text.split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed();
    }
    return {};
}

QByteArray readSmall(const std::string& path)
{
    return ProcFile::readFile(QString::fromStdString(path), 1 << 16);
}

} // namespace

struct DrmRegistryAdapter::Folder {
    explicit Folder(const std::string& path) : fd(::open(path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC)) {}
    ~Folder()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    int fd;
};

namespace {

// The first "hwmon<N>" folder of a device, or empty.
std::string findHwmon(const std::string& device)
{
    const std::string folder = device + "/hwmon";
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return {};
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(dir)) {
        if (std::string_view(entry->d_name).substr(0, 5) == "hwmon")
            names.emplace_back(entry->d_name);
    }
    ::closedir(dir);
    if (names.empty())
        return {};
    std::sort(names.begin(), names.end());
    return folder + "/" + names.front();
}

} // namespace

DrmRegistryAdapter::DrmRegistryAdapter(QString root)
    : m_root(root.isEmpty() ? QStringLiteral("/") : std::move(root))
    , m_canonicalRoot(QFileInfo(m_root).canonicalFilePath())
    , m_drmFolder(ProcFile::join(m_root, "sys/class/drm").toLocal8Bit())
    , m_pciIds(m_root)
{
    if (m_canonicalRoot == QLatin1String("/"))
        m_canonicalRoot.clear();
}

QByteArray DrmRegistryAdapter::stamp() const
{
    // The card numbers only: a cheap directory listing, nothing read inside the folders.
    QByteArray stamp;
    for (const unsigned number : listCards(m_drmFolder.constData())) {
        stamp += QByteArray::number(number);
        stamp += ',';
    }
    return stamp;
}

QString DrmRegistryAdapter::entryPath(const QString& folder) const
{
    // The real path below the root, so that a card and its device keep their paths however they
    // are reached; the path as given when it leads outside the root.
    QString real = QFileInfo(folder).canonicalFilePath();
    if (real.isEmpty())
        real = QDir::cleanPath(folder);
    if (!m_canonicalRoot.isEmpty()) {
        if (real.startsWith(m_canonicalRoot + QLatin1Char('/')))
            real = real.mid(m_canonicalRoot.size());
        else
            real = QDir::cleanPath(folder).mid(QDir::cleanPath(m_root).size());
    }
    return QStringLiteral("IOService:") + real;
}

std::vector<RegistryAdapter::Node> DrmRegistryAdapter::entries() const
{
    std::vector<Node> nodes;
    QHash<QString, Card> cards;
    QHash<QString, QString> cardOfDevice;
    const QString drm = QString::fromLocal8Bit(m_drmFolder);
    for (const unsigned number : listCards(m_drmFolder.constData())) {
        const QString name = QStringLiteral("card%1").arg(number);
        const QString folder = drm + QLatin1Char('/') + name;
        const QString device = folder + QStringLiteral("/device");
        if (!QFileInfo(device).isDir())
            continue; // a card without a device has no parent entry
        Card card;
        card.device = device.toStdString();
        card.folderFd = std::make_shared<const Folder>(folder.toStdString());
        card.deviceFd = std::make_shared<const Folder>(card.device);
        const QByteArray uevent = readSmall(card.device + "/uevent");
        card.driver = QString::fromUtf8(lineValue(uevent, "DRIVER="));
        const QByteArray pciId = lineValue(uevent, "PCI_ID=");
        card.vendor = hexNumber(readSmall(card.device + "/vendor"));
        if (!card.vendor)
            card.vendor = hexNumber(pciId.left(pciId.indexOf(':')));
        card.deviceId = hexNumber(readSmall(card.device + "/device"));
        if (!card.deviceId && pciId.contains(':'))
            card.deviceId = hexNumber(pciId.mid(pciId.indexOf(':') + 1));
        const QString devicePath = entryPath(device);
        card.slot = QString::fromUtf8(lineValue(uevent, "PCI_SLOT_NAME="));
        if (card.slot.isEmpty())
            card.slot = devicePath.section(QLatin1Char('/'), -1);
        const QString cardPath = entryPath(folder);
        // Cards of one device (a card and its second head) share the device entry.
        if (!cardOfDevice.contains(devicePath)) {
            nodes.push_back(Node{devicePath, QString(), card.slot, QStringLiteral("IOPCIDevice")});
            cardOfDevice.insert(devicePath, cardPath);
        }
        nodes.push_back(Node{cardPath, devicePath, name, QStringLiteral("IOAccelerator")});
        // A known card keeps its hwmon folder.
        if (const auto known = m_cards.constFind(cardPath); known != m_cards.constEnd() && known->device == card.device) {
            card.hwmonFd = known->hwmonFd;
            card.vramTotal = known->vramTotal;
            card.gttTotal = known->gttTotal;
        }
        cards.insert(cardPath, std::move(card));
    }
    m_cards = std::move(cards);
    m_cardOfDevice = std::move(cardOfDevice);
    return nodes;
}

DrmRegistryAdapter::Card* DrmRegistryAdapter::cardAt(const QString& path, bool& isDevice) const
{
    auto card = m_cards.find(path);
    isDevice = false;
    if (card == m_cards.end()) {
        const auto owner = m_cardOfDevice.constFind(path);
        if (owner == m_cardOfDevice.constEnd())
            return nullptr;
        card = m_cards.find(*owner);
        isDevice = true;
        if (card == m_cards.end())
            return nullptr;
    }
    return &card.value();
}

PlistValue::DictionaryType DrmRegistryAdapter::properties(const QString& path) const
{
    PlistValue::DictionaryType result;
    bool isDevice = false;
    Card* card = cardAt(path, isDevice);
    if (!card)
        return result;
    const QList<QString> keys = isDevice ? QList<QString>{kVendorId, kModel, kVramTotal} : QList<QString>{kVramTotal, kStatistics};
    for (const QString& key : keys) {
        PlistValue value = read(*card, isDevice, key);
        if (!value.isNone())
            result.emplace(key, std::move(value));
    }
    return result;
}

PlistValue DrmRegistryAdapter::property(const QString& path, const QString& key) const
{
    bool isDevice = false;
    Card* card = cardAt(path, isDevice);
    return card ? read(*card, isDevice, key) : PlistValue();
}

std::optional<std::string_view> DrmRegistryAdapter::text(const Folder* folder, const char* name) const
{
    if (!folder || folder->fd < 0)
        return std::nullopt;
    const int fd = ::openat(folder->fd, name, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    // A sysfs attribute is at most one page and comes whole with the first read.
    constexpr std::size_t page = 4096;
    if (m_buffer.size() < page)
        m_buffer.resize(page);
    std::size_t used = 0;
    for (;;) {
        const ssize_t n = ::read(fd, m_buffer.data() + used, m_buffer.size() - used);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        used += std::size_t(n);
        if (used < m_buffer.size())
            break;
        m_buffer.resize(m_buffer.size() * 2);
    }
    ::close(fd);
    return std::string_view(m_buffer.data(), used);
}

std::optional<std::uint64_t> DrmRegistryAdapter::number(const Folder* folder, const char* name) const
{
    auto contents = text(folder, name);
    if (!contents)
        return std::nullopt;
    return ProcFile::takeUnsigned(*contents);
}

std::optional<std::uint64_t> DrmRegistryAdapter::activeClock(std::string_view table)
{
    while (!table.empty()) {
        const std::size_t end = table.find('\n');
        std::string_view line = table.substr(0, end);
        table.remove_prefix(end == std::string_view::npos ? table.size() : end + 1);
        if (line.find('*') == std::string_view::npos)
            continue;
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos)
            continue;
        line.remove_prefix(colon + 1);
        if (auto clock = ProcFile::takeUnsigned(line))
            return clock;
    }
    return std::nullopt;
}

PlistValue DrmRegistryAdapter::read(Card& card, bool isDevice, const QString& key) const
{
    if (key == kStatistics)
        return isDevice ? PlistValue() : performanceStatistics(card);
    if (key == kVramTotal) {
        if (card.driver != QLatin1String("amdgpu"))
            return {};
        if (!card.vramTotal)
            card.vramTotal = number(card.deviceFd.get(), "mem_info_vram_total");
        return card.vramTotal ? PlistValue(std::uint64_t(*card.vramTotal / kMebibyte)) : PlistValue();
    }
    if (!isDevice)
        return {};
    if (key == kVendorId) {
        if (!card.vendor)
            return {};
        QByteArray bytes(4, '\0');
        qToLittleEndian(std::uint32_t(*card.vendor), bytes.data());
        return PlistValue(bytes);
    }
    if (key == kModel) {
        const auto name = model(card);
        return name ? PlistValue(name->toUtf8()) : PlistValue();
    }
    return {};
}

std::optional<QString> DrmRegistryAdapter::model(const Card& card) const
{
    const QString product = QString::fromUtf8(readSmall(card.device + "/product_name")).trimmed();
    if (!product.isEmpty())
        return product;
    if (!card.slot.isEmpty()) {
        const QByteArray udev = ProcFile::readFile(ProcFile::join(m_root, "run/udev/data/+pci:") + card.slot, 1 << 16);
        const QString fromDatabase = QString::fromUtf8(lineValue(udev, "E:ID_MODEL_FROM_DATABASE=")).trimmed();
        if (!fromDatabase.isEmpty())
            return fromDatabase;
    }
    if (card.vendor && card.deviceId)
        return m_pciIds.deviceName(*card.vendor, *card.deviceId);
    return std::nullopt;
}

PlistValue DrmRegistryAdapter::performanceStatistics(Card& card) const
{
    PlistValue::DictionaryType stats;
    // Reading the busy, memory and sensor files of a runtime-suspended card would wake it.
    if (const auto status = text(card.deviceFd.get(), "power/runtime_status");
        status && std::string_view(*status).substr(0, 9) == "suspended")
        return PlistValue(std::move(stats));

    const Folder* device = card.deviceFd.get();
    const bool amdgpu = card.driver == QLatin1String("amdgpu");
    if (amdgpu) {
        if (const auto busy = number(device, "gpu_busy_percent"))
            stats.emplace(QStringLiteral("Device Utilization %"), PlistValue(std::int64_t(std::min<std::uint64_t>(*busy, 100))));
        if (!card.vramTotal)
            card.vramTotal = number(device, "mem_info_vram_total");
        const auto& vramTotal = card.vramTotal;
        if (const auto used = number(device, "mem_info_vram_used")) {
            stats.emplace(QStringLiteral("vramUsedBytes"), PlistValue(std::uint64_t(*used)));
            if (vramTotal)
                stats.emplace(QStringLiteral("vramFreeBytes"), PlistValue(std::uint64_t(*vramTotal > *used ? *vramTotal - *used : 0)));
        }
        if (!card.gttTotal)
            card.gttTotal = number(device, "mem_info_gtt_total");
        const auto& gttTotal = card.gttTotal;
        if (gttTotal)
            stats.emplace(QStringLiteral("gartSizeBytes"), PlistValue(std::uint64_t(*gttTotal)));
        if (const auto used = number(device, "mem_info_gtt_used")) {
            stats.emplace(QStringLiteral("gartUsedBytes"), PlistValue(std::uint64_t(*used)));
            if (gttTotal)
                stats.emplace(QStringLiteral("gartFreeBytes"), PlistValue(std::uint64_t(*gttTotal > *used ? *gttTotal - *used : 0)));
        }
    } else {
        auto clock = number(card.folderFd.get(), "gt_act_freq_mhz");
        if (!clock)
            clock = number(card.folderFd.get(), "gt_cur_freq_mhz");
        if (clock)
            stats.emplace(QStringLiteral("Core Clock(MHz)"), PlistValue(std::uint64_t(*clock)));
    }

    if (!card.hwmonFd) {
        const std::string hwmon = findHwmon(card.device);
        if (!hwmon.empty())
            card.hwmonFd = std::make_shared<const Folder>(hwmon);
    }
    bool hwmonRead = false;
    if (const Folder* hw = card.hwmonFd.get()) {
        if (const auto temp = text(hw, "temp1_input")) {
            std::string_view value = *temp;
            if (const auto milli = ProcFile::takeSigned(value))
                stats.emplace(QStringLiteral("Temperature(C)"), PlistValue(double(*milli) / 1000.0));
            hwmonRead = true;
        }
        auto power = number(hw, "power1_average");
        if (!power)
            power = number(hw, "power1_input");
        if (power) {
            stats.emplace(QStringLiteral("Total Power(W)"), PlistValue(double(*power) / 1e6));
            hwmonRead = true;
        }
        if (const auto rpm = number(hw, "fan1_input")) {
            stats.emplace(QStringLiteral("Fan Speed(RPM)"), PlistValue(std::uint64_t(*rpm)));
            hwmonRead = true;
        }
        if (const auto pwm = number(hw, "pwm1")) {
            stats.emplace(QStringLiteral("Fan Speed(%)"), PlistValue(double(std::min<std::uint64_t>(*pwm, 255)) * 100.0 / 255.0));
            hwmonRead = true;
        }
        if (amdgpu) {
            if (const auto hz = number(hw, "freq1_input")) {
                stats.emplace(QStringLiteral("Core Clock(MHz)"), PlistValue(double(*hz) / 1e6));
                hwmonRead = true;
            }
            if (const auto hz = number(hw, "freq2_input")) {
                stats.emplace(QStringLiteral("Memory Clock(MHz)"), PlistValue(double(*hz) / 1e6));
                hwmonRead = true;
            }
        }
        if (!hwmonRead)
            card.hwmonFd.reset(); // gone (driver rebound): look for it again next time
    }
    if (amdgpu) {
        const QString core = QStringLiteral("Core Clock(MHz)");
        if (!stats.count(core)) {
            if (const auto table = text(device, "pp_dpm_sclk"))
                if (const auto mhz = activeClock(*table))
                    stats.emplace(core, PlistValue(std::uint64_t(*mhz)));
        }
        const QString memory = QStringLiteral("Memory Clock(MHz)");
        if (!stats.count(memory)) {
            if (const auto table = text(device, "pp_dpm_mclk"))
                if (const auto mhz = activeClock(*table))
                    stats.emplace(memory, PlistValue(std::uint64_t(*mhz)));
        }
    }
    return PlistValue(std::move(stats));
}

} // namespace Platform
