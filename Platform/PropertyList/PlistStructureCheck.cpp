#include "Platform/PropertyList/PlistStructureCheck.h"

#include "Platform/PropertyList/BinaryPlistView.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <unordered_map>
#include <vector>

namespace Platform {

namespace {

// Dates reach libplist as seconds from 2001-01-01 and leave it as 32-bit whole seconds; a number
// beyond that range converts without a defined result.
constexpr double kMinDateSeconds = -2147483648.0;
constexpr double kMaxDateSeconds = 2147483647.0;

// An XML date as libplist reads it ("2024-03-05T10:30:15Z"): its year must keep it inside that range,
// 1933 to 2068 whole; a sign or a year of other than four digits is refused as well. What does not begin
// with a year is left to the parser.
bool acceptableXmlDate(QByteArrayView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n'))
        ++i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        return false;
    int year = 0;
    int digits = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (++digits > 4)
            return false;
        year = year * 10 + (text[i] - '0');
    }
    return digits == 0 || (digits == 4 && year >= 1933 && year <= 2068);
}

// Whether an XML integer may stand for 2^63 or more: no minus sign and 19 digits or more.
bool mayBeBeyondSigned(QByteArrayView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n'))
        ++i;
    if (i < text.size() && text[i] == '-')
        return false;
    int digits = 0;
    for (; i < text.size() && digits < 19; ++i) {
        if (text[i] >= '0' && text[i] <= '9')
            ++digits;
        else if (text[i] != '+' || digits > 0)
            break;
    }
    return digits >= 19 || (i < text.size() && (text[i] == 'x' || text[i] == 'X'));
}

} // namespace

bool PlistStructureCheck::accepts(const QByteArray& bytes, int maxDepth, std::size_t maxNodes, Findings* findings)
{
    Findings found;
    const bool accepted = bytes.size() >= 8 && std::memcmp(bytes.constData(), "bplist00", 8) == 0
                              ? acceptsBinary(bytes, maxDepth, maxNodes, found)
                              : acceptsXml(bytes, maxDepth, maxNodes, found);
    if (findings)
        *findings = found;
    return accepted;
}

bool PlistStructureCheck::acceptsBinary(const QByteArray& bytes, int maxDepth, std::size_t maxNodes,
                                        Findings& findings)
{
    using Kind = BinaryPlistView::Kind;
    const auto view = BinaryPlistView::open(bytes);
    if (!view)
        return false;
    const std::uint64_t objectCount = view->objectCount();

    // Dictionary keys must be texts without NUL: libplist cuts a key at its first NUL, so that two
    // keys would read as one, and stops the program (an assertion) on a UTF-16 one.
    auto acceptableKey = [&](BinaryPlistView::Ref ref) -> bool {
        const auto key = view->object(ref);
        return key && key->kind == Kind::string && !view->hasNul(*key);
    };

    // Leaves libplist cannot read faithfully: integers beyond 64 bits (it keeps their low half) and
    // dates beyond its range.
    auto acceptableLeaf = [&](const BinaryPlistView::Object& leaf) -> bool {
        if (leaf.kind == Kind::integer) {
            if (view->isUnsignedBeyondSigned(leaf))
                findings.unsignedBeyondSigned = true;
            else if (leaf.info == 3 && (std::uint8_t(bytes[qsizetype(leaf.payload)]) & 0x80) != 0)
                findings.negativeInteger = true;
            return !view->isWiderThan64Bits(leaf);
        }
        if (leaf.kind == Kind::date) {
            const auto seconds = view->dateSeconds(leaf);
            if (!seconds || !(*seconds >= kMinDateSeconds && *seconds <= kMaxDateSeconds))
                return false;
            if (*seconds < 0 && *seconds > -1)
                findings.negativeDateWithinASecond = true;
            if (*seconds > 0 && *seconds < 1)
                findings.positiveDateWithinASecond = true;
            return true;
        }
        return true;
    };

    // Depth-first walk with an explicit stack, computing for every object the height of its subtree
    // and the size of its expanded tree once (the list is a graph: objects may be shared), and adding
    // them to its container's as soon as they are known, so that the walk stops as soon as the
    // bound is passed. Only the objects reached are recorded: at most maxNodes of them.
    enum : std::uint8_t { Unseen, Open, Done };
    struct Seen {
        std::uint8_t state = Unseen;
        std::uint32_t height = 0;
        std::uint64_t expanded = 0;
    };
    // A table by object number where the objects are few, as they are in any list of a sound size;
    // a hash of the objects reached where a list claims more objects than the bound.
    const bool few = objectCount <= maxNodes;
    std::vector<Seen> table(few ? std::size_t(objectCount) : 0);
    std::unordered_map<BinaryPlistView::Ref, Seen> hashed;
    std::size_t reached = 0;
    auto seen = [&](BinaryPlistView::Ref index) -> Seen& { return few ? table[std::size_t(index)] : hashed[index]; };
    struct Frame {
        BinaryPlistView::Ref index;
        BinaryPlistView::Object container;
        std::uint64_t next = 0;
        std::uint32_t height = 0;
        std::uint64_t nodes = 1;
    };
    std::vector<Frame> stack;

    // Opens an object reached for the first time: a leaf is done at once, a container is walked.
    auto open = [&](BinaryPlistView::Ref index) -> bool {
        const auto object = view->object(index);
        if (!object || ++reached > maxNodes)
            return false;
        if (object->kind != Kind::array && object->kind != Kind::set && object->kind != Kind::dictionary) {
            if (!acceptableLeaf(*object))
                return false;
            seen(index) = Seen{Done, 0, 1};
            return true;
        }
        // Each reference adds at least one node.
        if (BinaryPlistView::references(*object) >= maxNodes)
            return false;
        if (object->kind == Kind::dictionary) {
            for (std::uint64_t i = 0; i < object->count; ++i) {
                const auto key = view->element(*object, i);
                if (!key || !acceptableKey(*key))
                    return false;
            }
        }
        if (stack.size() >= std::size_t(maxDepth) + 1)
            return false;
        seen(index) = Seen{Open, 0, 0};
        stack.push_back({index, *object});
        return true;
    };
    // Adds a finished subtree to the container being walked.
    auto fold = [&](const Seen& child) -> bool {
        Frame& frame = stack.back();
        frame.height = std::max(frame.height, child.height + 1);
        frame.nodes += child.expanded;
        return frame.nodes <= maxNodes && frame.height <= std::uint32_t(maxDepth);
    };

    if (!open(view->root()))
        return false;
    if (stack.empty())
        return true; // a single leaf
    while (!stack.empty()) {
        Frame& frame = stack.back();
        if (frame.next < BinaryPlistView::references(frame.container)) {
            const auto child = view->element(frame.container, frame.next);
            ++frame.next;
            if (!child || *child >= objectCount)
                return false;
            if (seen(*child).state == Unseen) {
                if (!open(*child))
                    return false;
                if (seen(*child).state == Open)
                    continue; // a container, walked next
            } else if (seen(*child).state == Open) {
                return false; // a cycle
            }
            if (!fold(seen(*child)))
                return false;
            continue;
        }
        // All children are done.
        const Seen done{Done, frame.height, frame.nodes};
        seen(frame.index) = done;
        stack.pop_back();
        if (!stack.empty() && !fold(done))
            return false;
    }
    return true;
}

bool PlistStructureCheck::acceptsXml(const QByteArray& bytes, int maxDepth, std::size_t maxNodes,
                                     Findings& findings)
{
    // Elements around the values: plist, and a key or value element inside the deepest container.
    const std::size_t limit = std::size_t(maxDepth) + 4;
    std::vector<QByteArray> open;
    std::size_t nodes = 0;
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
            const QByteArrayView name(p + i + 1, k - (i + 1));
            if (name != "plist" && ++nodes > maxNodes)
                return false;
            const QByteArrayView content(p + end + 1, size - end - 1);
            if (name == "date" && !selfClosing && !acceptableXmlDate(content))
                return false;
            if (name == "integer" && !selfClosing) {
                if (mayBeBeyondSigned(content))
                    findings.unsignedBeyondSigned = true;
                else if (content.trimmed().startsWith('-'))
                    findings.negativeInteger = true;
            }
            if (!selfClosing) {
                open.emplace_back(name.toByteArray());
                if (open.size() > limit)
                    return false;
            }
        }
        i = end + 1;
    }
    return true;
}

} // namespace Platform
