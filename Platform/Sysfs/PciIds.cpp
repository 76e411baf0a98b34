#include "Platform/Sysfs/PciIds.h"

#include "Platform/Proc/ProcFile.h"

#include <QFile>

#include <cstring>
#include <string_view>

namespace Platform {

namespace {

// The four hexadecimal digits at the start of `text` as a number; none otherwise.
std::optional<std::uint16_t> hex4(std::string_view text)
{
    if (text.size() < 4)
        return std::nullopt;
    std::uint16_t value = 0;
    for (int i = 0; i < 4; ++i) {
        const char c = text[std::size_t(i)];
        int digit = 0;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        value = std::uint16_t(value * 16 + digit);
    }
    return value;
}

// The name after an identifier and its two blanks.
QString nameAfter(std::string_view line, std::size_t offset)
{
    line.remove_prefix(std::min(offset, line.size()));
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
        line.remove_prefix(1);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
        line.remove_suffix(1);
    return QString::fromUtf8(line.data(), qsizetype(line.size()));
}

} // namespace

PciIds::PciIds(QString root) : m_file(ProcFile::join(root, "usr/share/misc/pci.ids")) {}

std::optional<QString> PciIds::deviceName(std::uint16_t vendor, std::uint16_t device) const
{
    const std::uint32_t key = (std::uint32_t(vendor) << 16) | device;
    const auto known = m_names.constFind(key);
    if (known != m_names.constEnd())
        return *known;
    std::optional<QString> name;
    QFile file(m_file);
    if (file.open(QIODevice::ReadOnly) && file.size() > 0) {
        if (const uchar* data = file.map(0, file.size()))
            name = find(reinterpret_cast<const char*>(data), std::size_t(file.size()), vendor, device);
    }
    m_names.insert(key, name);
    return name;
}

std::optional<QString> PciIds::find(const char* data, std::size_t size, std::uint16_t vendor, std::uint16_t device)
{
    // Vendor lines start with the identifier, device lines with one tab, subsystem lines with two.
    // The device classes at the end ("C 03 ...") start with a letter and end the vendor blocks.
    std::string_view text(data, size);
    bool inVendor = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == '#')
            continue;
        if (line.front() != '\t') {
            if (inVendor)
                return std::nullopt; // the vendor's block ended without the device
            inVendor = hex4(line) == vendor && line.size() > 4 && line[4] == ' ';
            continue;
        }
        if (!inVendor || line.size() < 2 || line[1] == '\t')
            continue;
        if (hex4(line.substr(1)) == device && line.size() > 5 && line[5] == ' ')
            return nameAfter(line, 5);
    }
    return std::nullopt;
}

} // namespace Platform
