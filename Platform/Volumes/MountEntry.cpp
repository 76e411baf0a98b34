#include "Platform/Volumes/MountEntry.h"

#include "Platform/System/KernelName.h"

#include <QList>

#include <charconv>

namespace Platform {

namespace {

template <typename Number>
bool parseNumber(QByteArrayView text, Number& value)
{
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

bool isOctal(char c)
{
    return c >= '0' && c <= '7';
}

} // namespace

QString MountEntry::decode(QByteArrayView field)
{
    QByteArray bytes;
    bytes.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c == '\\' && i + 3 < field.size() && isOctal(field[i + 1]) && isOctal(field[i + 2])
            && isOctal(field[i + 3])) {
            const int value = (field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0');
            if (value < 256) {
                bytes.append(char(value));
                i += 3;
                continue;
            }
        }
        bytes.append(c);
    }
    return KernelName::decode(bytes);
}

bool MountEntry::isBlockDevice() const
{
    return major != 0 || source.startsWith(QLatin1String("/dev/"));
}

bool MountEntry::isReadOnly() const
{
    for (QStringView option : QStringView(options).split(QLatin1Char(','))) {
        if (option == QLatin1String("ro"))
            return true;
    }
    return false;
}

std::optional<QString> MountEntry::superOption(const QString& name) const
{
    for (QStringView option : QStringView(superOptions).split(QLatin1Char(','))) {
        if (option.size() > name.size() && option.startsWith(name) && option[name.size()] == QLatin1Char('='))
            return option.mid(name.size() + 1).toString();
    }
    return std::nullopt;
}

std::vector<MountEntry> MountEntry::parse(QByteArrayView text)
{
    std::vector<MountEntry> entries;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        const QByteArrayView line = text.sliced(start, end - start);
        start = end + 1;

        QList<QByteArrayView> fields;
        qsizetype from = 0;
        while (from < line.size()) {
            while (from < line.size() && line[from] == ' ')
                ++from;
            qsizetype to = from;
            while (to < line.size() && line[to] != ' ')
                ++to;
            if (to > from)
                fields.append(line.sliced(from, to - from));
            from = to;
        }
        // Six fixed fields, optional fields up to "-", then type, source and options.
        qsizetype separator = -1;
        for (qsizetype i = 6; i < fields.size(); ++i) {
            if (fields[i] == "-") {
                separator = i;
                break;
            }
        }
        if (fields.size() < 6 || separator < 0 || separator + 2 >= fields.size())
            continue;
        MountEntry entry;
        const QByteArrayView device = fields[2];
        const qsizetype colon = device.indexOf(':');
        if (!parseNumber(fields[0], entry.mountId) || !parseNumber(fields[1], entry.parentId) || colon < 0
            || !parseNumber(device.first(colon), entry.major) || !parseNumber(device.sliced(colon + 1), entry.minor))
            continue;
        entry.root = decode(fields[3]);
        entry.mountPoint = decode(fields[4]);
        entry.options = decode(fields[5]);
        entry.fileSystemType = decode(fields[separator + 1]);
        entry.source = decode(fields[separator + 2]);
        if (separator + 3 < fields.size())
            entry.superOptions = decode(fields[separator + 3]);
        if (!entry.mountPoint.startsWith(QLatin1Char('/')))
            continue;
        entries.push_back(std::move(entry));
    }
    return entries;
}

} // namespace Platform
