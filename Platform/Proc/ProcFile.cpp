#include "Platform/Proc/ProcFile.h"

#include <QFile>

#include <algorithm>

#include <cerrno>
#include <charconv>

#include <fcntl.h>
#include <unistd.h>

namespace Platform {

namespace {
constexpr std::size_t kInitialSize = 4096;

std::optional<std::string_view> readAll(int fd, std::string& buffer, std::size_t limit)
{
    if (buffer.size() < kInitialSize)
        buffer.resize(kInitialSize);
    std::size_t used = 0;
    while (used < limit) {
        if (used == buffer.size())
            buffer.resize(buffer.size() * 2);
        const ssize_t n = ::read(fd, buffer.data() + used, std::min(buffer.size() - used, limit - used));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        if (n == 0)
            break;
        used += std::size_t(n);
    }
    return std::string_view(buffer.data(), used);
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

template <typename Number>
std::optional<Number> takeNumber(std::string_view& text)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    Number value = 0;
    const auto [end, ec] = std::from_chars(text.data() + i, text.data() + text.size(), value);
    if (ec != std::errc())
        return std::nullopt;
    text.remove_prefix(std::size_t(end - text.data()));
    return value;
}
} // namespace

std::optional<std::string_view> ProcFile::read(int dirFd, const char* path, std::string& buffer, std::size_t limit)
{
    const int fd = ::openat(dirFd, path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    const auto text = readAll(fd, buffer, limit);
    ::close(fd);
    return text;
}

QByteArray ProcFile::readFile(const QString& path, qint64 limit)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray data;
    while (data.size() < limit) {
        const QByteArray chunk = file.read(std::min<qint64>(16 * 1024, limit - data.size()));
        if (chunk.isEmpty())
            break;
        data += chunk;
    }
    return data;
}

QString ProcFile::join(const QString& root, const char* relative)
{
    QString result = root.isEmpty() ? QStringLiteral("/") : root;
    if (!result.endsWith(QLatin1Char('/')))
        result += QLatin1Char('/');
    return result + QLatin1String(relative);
}

std::optional<std::uint64_t> ProcFile::takeUnsigned(std::string_view& text)
{
    return takeNumber<std::uint64_t>(text);
}

std::optional<std::int64_t> ProcFile::takeSigned(std::string_view& text)
{
    return takeNumber<std::int64_t>(text);
}

std::string_view ProcFile::takeField(std::string_view& text)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    std::size_t j = i;
    while (j < text.size() && !isBlank(text[j]))
        ++j;
    const std::string_view field = text.substr(i, j - i);
    text.remove_prefix(j);
    return field;
}

std::optional<std::string_view> ProcFile::lineValue(std::string_view text, std::string_view key)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(pos, end - pos);
        if (line.size() > key.size() && line.substr(0, key.size()) == key
            && (line[key.size()] == ' ' || line[key.size()] == ':' || line[key.size()] == '\t'))
            return line.substr(key.size() + 1);
        pos = end + 1;
    }
    return std::nullopt;
}

} // namespace Platform
