#include "Platform/Registry/ProcessorRegistryAdapter.h"

#include "Platform/Proc/ProcFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtEndian>

#include <algorithm>
#include <charconv>
#include <vector>

#include <fcntl.h>

namespace Platform {

namespace {

const QString kPathPrefix = QStringLiteral("IOService:/sys/devices/system/cpu/cpu");
constexpr int kMaxProcessors = 1 << 16;

QByteArray readAll(const QString& path)
{
    return ProcFile::readFile(path, 1 << 16);
}

QByteArray littleEndianNumber(quint64 value)
{
    if (value <= 0xffffffffu) {
        QByteArray bytes(4, '\0');
        qToLittleEndian(quint32(value), bytes.data());
        return bytes;
    }
    QByteArray bytes(8, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

// A devicetree number property: one or two big-endian 32-bit cells.
std::optional<QByteArray> devicetreeNumber(const QByteArray& cells)
{
    if (cells.size() == 4)
        return littleEndianNumber(qFromBigEndian<quint32>(cells.constData()));
    if (cells.size() == 8)
        return littleEndianNumber(qFromBigEndian<quint64>(cells.constData()));
    return std::nullopt;
}

std::optional<int> parseNumber(const QByteArray& text)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.constData(), text.constData() + text.size(), value);
    if (ec != std::errc() || end != text.constData() + text.size() || value < 0 || value >= kMaxProcessors)
        return std::nullopt;
    return value;
}

} // namespace

ProcessorRegistryAdapter::ProcessorRegistryAdapter(QString root)
    : m_root(std::move(root)), m_presentPath(folder("sys/devices/system/cpu/present").toLocal8Bit())
{
}

QString ProcessorRegistryAdapter::folder(const char* relative) const
{
    return ProcFile::join(m_root, relative);
}

QList<int> ProcessorRegistryAdapter::parseProcessorList(const QByteArray& list)
{
    const QByteArray trimmed = list.trimmed();
    if (trimmed.isEmpty())
        return {};
    // Marks, not a list of every piece's numbers: overlapping ranges cost no more memory.
    std::vector<bool> listed;
    for (const QByteArray& range : trimmed.split(',')) {
        const int dash = range.indexOf('-');
        const auto first = parseNumber(dash < 0 ? range : range.left(dash));
        const auto last = dash < 0 ? first : parseNumber(range.mid(dash + 1));
        if (!first || !last || *last < *first)
            return {};
        if (listed.size() <= std::size_t(*last))
            listed.resize(std::size_t(*last) + 1);
        std::fill(listed.begin() + *first, listed.begin() + *last + 1, true);
    }
    QList<int> result;
    for (std::size_t n = 0; n < listed.size(); ++n) {
        if (listed[n])
            result.append(int(n));
    }
    return result;
}

QByteArray ProcessorRegistryAdapter::stamp() const
{
    // Asked on every registry lookup: a plain read into a kept buffer.
    const auto present = ProcFile::read(AT_FDCWD, m_presentPath.constData(), m_stampBuffer);
    if (present && !present->empty())
        return QByteArray(present->data(), qsizetype(present->size()));
    return QDir(folder("sys/devices/system/cpu")).entryList({QStringLiteral("cpu*")}, QDir::Dirs).join(',').toUtf8();
}

std::vector<RegistryAdapter::Node> ProcessorRegistryAdapter::entries() const
{
    m_cache.clear();
    QList<int> processors = parseProcessorList(readAll(folder("sys/devices/system/cpu/present")));
    if (processors.isEmpty()) {
        static const QRegularExpression processorFolder(QStringLiteral("^cpu(\\d+)$"));
        const QStringList names
            = QDir(folder("sys/devices/system/cpu")).entryList({QStringLiteral("cpu*")}, QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString& name : names) {
            const auto match = processorFolder.match(name);
            if (match.hasMatch()) {
                if (const auto n = parseNumber(match.captured(1).toLatin1()))
                    processors.append(*n);
            }
        }
        std::sort(processors.begin(), processors.end());
    }
    std::vector<Node> nodes;
    nodes.reserve(std::size_t(processors.size()));
    for (const int n : processors)
        nodes.push_back({kPathPrefix + QString::number(n), QString(), QStringLiteral("processor"), QStringLiteral("IOCPU")});
    return nodes;
}

const PlistValue::DictionaryType* ProcessorRegistryAdapter::cachedProperties(const QString& path) const
{
    auto cached = m_cache.constFind(path);
    if (cached != m_cache.constEnd())
        return &*cached;
    if (!path.startsWith(kPathPrefix))
        return nullptr;
    const auto n = parseNumber(path.mid(kPathPrefix.size()).toLatin1());
    if (!n)
        return nullptr;
    return &*m_cache.insert(path, readProperties(*n));
}

PlistValue::DictionaryType ProcessorRegistryAdapter::properties(const QString& path) const
{
    const PlistValue::DictionaryType* properties = cachedProperties(path);
    return properties ? *properties : PlistValue::DictionaryType{};
}

PlistValue ProcessorRegistryAdapter::property(const QString& path, const QString& key) const
{
    const PlistValue::DictionaryType* properties = cachedProperties(path);
    if (!properties)
        return {};
    const auto it = properties->find(key);
    return it == properties->end() ? PlistValue() : it->second;
}

PlistValue::DictionaryType ProcessorRegistryAdapter::readProperties(int processor) const
{
    PlistValue::DictionaryType result;
    result.emplace(QStringLiteral("processor-number"), PlistValue(littleEndianNumber(quint64(processor))));
    const QString cpu = folder("sys/devices/system/cpu/cpu") + QString::number(processor);
    const QString node = cpu + QStringLiteral("/of_node");
    if (QFileInfo(node).isDir()) {
        QFile compatible(node + QStringLiteral("/compatible"));
        if (compatible.open(QIODevice::ReadOnly))
            result.emplace(QStringLiteral("compatible"), PlistValue(compatible.read(4096)));
        for (const char* key : {"clock-frequency", "timebase-frequency", "bus-frequency"}) {
            if (const auto number = devicetreeNumber(readAll(node + QLatin1Char('/') + QLatin1String(key))))
                result.emplace(QLatin1String(key), PlistValue(*number));
        }
    }
    if (result.count(QStringLiteral("clock-frequency")))
        return result;
    const QByteArray maxFrequency = readAll(cpu + QStringLiteral("/cpufreq/cpuinfo_max_freq")).trimmed();
    quint64 kilohertz = 0;
    const auto [end, ec] = std::from_chars(maxFrequency.constData(), maxFrequency.constData() + maxFrequency.size(), kilohertz);
    if (ec == std::errc() && end == maxFrequency.constData() + maxFrequency.size() && kilohertz > 0
        && kilohertz <= UINT64_MAX / 1000)
        result.emplace(QStringLiteral("clock-frequency"), PlistValue(littleEndianNumber(kilohertz * 1000)));
    return result;
}

} // namespace Platform
