#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace Platform {

// Reads small kernel files (/proc, /sys) with plain open/read into a buffer the caller keeps, so a
// sampler that reads the same files every second allocates nothing once the buffer has grown.
// Also holds the few text-parsing helpers those files need. Every parser is locale-free.
class ProcFile {
public:
    // Reads the whole file at `path` (relative to `dirFd`, or absolute) into `buffer` and gives its
    // text, valid until the buffer's next use. The buffer only grows, so rereading costs no
    // allocation. None when the file cannot be opened or read (it may vanish at any moment). Reading
    // stops after `limit` bytes, so that an odd file cannot fill memory.
    static std::optional<std::string_view> read(int dirFd, const char* path, std::string& buffer,
                                                std::size_t limit = std::numeric_limits<std::size_t>::max());

    // The file at `path`, read to its end (kernel files report no true size) but at most `limit`
    // bytes, so that an odd file cannot fill memory; empty when it cannot be opened.
    static QByteArray readFile(const QString& path, qint64 limit);

    // The root folder joined with a path below it ("/" + "proc/stat" gives "/proc/stat").
    static QString join(const QString& root, const char* relative);

    // An unsigned decimal at the start of `text` after leading blanks; the rest follows in `text`.
    static std::optional<std::uint64_t> takeUnsigned(std::string_view& text);
    // A signed decimal the same way.
    static std::optional<std::int64_t> takeSigned(std::string_view& text);
    // The next blank-separated field; empty when none is left.
    static std::string_view takeField(std::string_view& text);
    // The line that begins with `key` followed by a blank or ':' (its text after the key), if any.
    static std::optional<std::string_view> lineValue(std::string_view text, std::string_view key);
};

} // namespace Platform
