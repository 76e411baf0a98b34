#include "Platform/PlistStructureCheck.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace Platform {

namespace {

std::uint64_t readBigEndian(const unsigned char* p, int width)
{
    std::uint64_t value = 0;
    for (int i = 0; i < width; ++i)
        value = (value << 8) | p[i];
    return value;
}

// One container of a binary list: the positions of its references in the buffer.
struct Container {
    std::uint64_t firstRef = 0;
    std::uint64_t refCount = 0;
};

} // namespace

bool PlistStructureCheck::accepts(const QByteArray& bytes, int maxDepth, std::size_t maxNodes)
{
    if (bytes.size() >= 8 && std::memcmp(bytes.constData(), "bplist00", 8) == 0)
        return acceptsBinary(bytes, maxDepth, maxNodes);
    return acceptsXml(bytes, maxDepth);
}

bool PlistStructureCheck::acceptsBinary(const QByteArray& bytes, int maxDepth, std::size_t maxNodes)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const std::uint64_t size = std::uint64_t(bytes.size());
    constexpr std::uint64_t kTrailer = 32;
    if (size < 8 + kTrailer)
        return false;
    const unsigned char* trailer = data + size - kTrailer;
    const int offsetSize = trailer[6];
    const int refSize = trailer[7];
    const std::uint64_t objectCount = readBigEndian(trailer + 8, 8);
    const std::uint64_t topObject = readBigEndian(trailer + 16, 8);
    const std::uint64_t tableOffset = readBigEndian(trailer + 24, 8);
    if (offsetSize < 1 || offsetSize > 8 || refSize < 1 || refSize > 8)
        return false;
    if (objectCount == 0 || topObject >= objectCount || tableOffset < 8 || tableOffset >= size - kTrailer)
        return false;
    if (objectCount > (size - kTrailer - tableOffset) / std::uint64_t(offsetSize))
        return false;

    // Offset of object `index` in the buffer; 0 when it lies outside the objects.
    auto objectOffset = [&](std::uint64_t index) -> std::uint64_t {
        if (index >= objectCount)
            return 0;
        const std::uint64_t offset = readBigEndian(data + tableOffset + index * std::uint64_t(offsetSize), offsetSize);
        return offset < 8 || offset >= tableOffset ? 0 : offset;
    };

    // The element count of the object at `offset` (in the marker's low bits, or in an integer that
    // follows when those are all set) and where its contents start; false when that runs past the end.
    auto countOf = [&](std::uint64_t offset, std::uint64_t& count, std::uint64_t& position) -> bool {
        count = data[offset] & 0x0F;
        position = offset + 1;
        if (count != 0x0F)
            return true;
        if (position >= tableOffset)
            return false;
        const unsigned char intMarker = data[position];
        if ((intMarker >> 4) != 0x1 || (intMarker & 0x0F) > 3)
            return false;
        const int width = 1 << (intMarker & 0x0F);
        if (position + 1 + std::uint64_t(width) > tableOffset)
            return false;
        count = readBigEndian(data + position + 1, width);
        position += 1 + std::uint64_t(width);
        return true;
    };

    // Dictionary keys must be texts, and UTF-16 keys must hold no NUL: libplist stops the program
    // (an assertion) when it hands out a key whose length disagrees with its C string.
    auto acceptableKey = [&](std::uint64_t index) -> bool {
        const std::uint64_t offset = objectOffset(index);
        if (offset == 0)
            return false;
        const unsigned char marker = data[offset];
        const int kind = marker >> 4;
        if (kind == 0x5)
            return true;
        if (kind != 0x6)
            return false;
        std::uint64_t count = 0;
        std::uint64_t position = 0;
        if (!countOf(offset, count, position))
            return false;
        if (count > (tableOffset - position) / 2)
            return false;
        for (std::uint64_t i = 0; i < count; ++i) {
            if (data[position + 2 * i] == 0 && data[position + 2 * i + 1] == 0)
                return false;
        }
        return true;
    };

    // Reads the header of object `index`: containers give their reference list, leaves nothing.
    auto container = [&](std::uint64_t index, Container& out, bool& valid) -> bool {
        valid = false;
        const std::uint64_t offset = objectOffset(index);
        if (offset == 0)
            return false;
        const unsigned char marker = data[offset];
        const int kind = marker >> 4;
        // Arrays, sets and dictionaries hold references; everything else is a leaf.
        if (kind != 0xA && kind != 0xB && kind != 0xC && kind != 0xD) {
            valid = true;
            return false;
        }
        std::uint64_t count = 0;
        std::uint64_t position = 0;
        if (!countOf(offset, count, position))
            return false;
        const std::uint64_t refs = kind == 0xD ? count * 2 : count;
        if (count > tableOffset || refs > (tableOffset - position) / std::uint64_t(refSize))
            return false;
        if (kind == 0xD) {
            for (std::uint64_t i = 0; i < count; ++i) {
                const std::uint64_t key = readBigEndian(data + position + i * std::uint64_t(refSize), refSize);
                if (!acceptableKey(key))
                    return false;
            }
        }
        out.firstRef = position;
        out.refCount = refs;
        valid = true;
        return true;
    };

    // Depth-first walk with an explicit stack, computing for every object the height of its subtree
    // and the size of its expanded tree once (the list is a graph: objects may be shared).
    enum : std::uint8_t { Unseen, Open, Done };
    std::vector<std::uint8_t> state(objectCount, Unseen);
    std::vector<std::uint32_t> height(objectCount, 0);
    std::vector<std::uint64_t> expanded(objectCount, 0);
    struct Frame {
        std::uint64_t index;
        Container refs;
        std::uint64_t next;
    };
    std::vector<Frame> stack;

    auto open = [&](std::uint64_t index) -> bool {
        Container refs;
        bool valid = false;
        const bool isContainer = container(index, refs, valid);
        if (!valid)
            return false;
        if (!isContainer) {
            state[index] = Done;
            height[index] = 0;
            expanded[index] = 1;
            return true;
        }
        if (stack.size() >= std::size_t(maxDepth) + 1)
            return false;
        state[index] = Open;
        stack.push_back({index, refs, 0});
        return true;
    };

    if (!open(topObject))
        return false;
    while (!stack.empty()) {
        Frame& frame = stack.back();
        if (frame.next < frame.refs.refCount) {
            const std::uint64_t child =
                readBigEndian(data + frame.refs.firstRef + frame.next * std::uint64_t(refSize), refSize);
            ++frame.next;
            if (child >= objectCount)
                return false;
            if (state[child] == Open)
                return false; // a cycle
            if (state[child] == Unseen && !open(child))
                return false;
            continue;
        }
        // All children are done: fold them into this container.
        std::uint32_t h = 0;
        std::uint64_t n = 1;
        for (std::uint64_t i = 0; i < frame.refs.refCount; ++i) {
            const std::uint64_t child =
                readBigEndian(data + frame.refs.firstRef + i * std::uint64_t(refSize), refSize);
            h = std::max(h, height[child] + 1);
            n += expanded[child];
            if (n > maxNodes)
                return false;
        }
        if (h > std::uint32_t(maxDepth))
            return false;
        height[frame.index] = h;
        expanded[frame.index] = n;
        state[frame.index] = Done;
        stack.pop_back();
    }
    return true;
}

bool PlistStructureCheck::acceptsXml(const QByteArray& bytes, int maxDepth)
{
    // Elements around the values: plist, and a key or value element inside the deepest container.
    const std::size_t limit = std::size_t(maxDepth) + 4;
    std::vector<QByteArray> open;
    const char* p = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        if (p[i] != '<') {
            ++i;
            continue;
        }
        // The tag runs to the first '>'. Tags that hold another '<' or an odd number of quotes are
        // refused: parsers disagree about them.
        const void* endPtr = std::memchr(p + i, '>', std::size_t(size - i));
        if (!endPtr)
            return false;
        const qsizetype end = static_cast<const char*>(endPtr) - p;
        int quotes = 0;
        for (qsizetype k = i + 1; k < end; ++k) {
            if (p[k] == '<')
                return false;
            if (p[k] == '"' || p[k] == '\'')
                ++quotes;
        }
        if (quotes % 2 != 0)
            return false;
        const char first = i + 1 < end ? p[i + 1] : '\0';
        if (first == '/') {
            qsizetype k = i + 2;
            while (k < end && p[k] != ' ' && p[k] != '\t' && p[k] != '\r' && p[k] != '\n')
                ++k;
            const QByteArray name(p + i + 2, k - (i + 2));
            if (open.empty() || open.back() != name)
                return false;
            open.pop_back();
        } else if (first != '?' && first != '!') {
            qsizetype k = i + 1;
            while (k < end && p[k] != ' ' && p[k] != '\t' && p[k] != '\r' && p[k] != '\n' && p[k] != '/')
                ++k;
            const bool selfClosing = p[end - 1] == '/';
            if (!selfClosing) {
                open.emplace_back(p + i + 1, k - (i + 1));
                if (open.size() > limit)
                    return false;
            }
        }
        i = end + 1;
    }
    return true;
}

} // namespace Platform
