#include "Platform/PropertyList/PlistStructureCheck.h"

#include "Platform/PropertyList/BinaryPlistView.h"
#include "Platform/PropertyList/PlistValue.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <unordered_map>
#include <vector>

namespace Platform {

bool PlistStructureCheck::accepts(const QByteArray& bytes, int maxDepth, std::size_t maxNodes, std::uint64_t maxBytes)
{
    using Kind = BinaryPlistView::Kind;
    const auto view = BinaryPlistView::open(bytes);
    if (!view)
        return false;
    const std::uint64_t objectCount = view->objectCount();

    // Leaves a value can hold: no integers beyond 64 bits, no dates beyond the range, booleans (marker
    // 0x08 or 0x09) and no other object of the marker's kinds; and what each takes once decoded.
    auto acceptableLeaf = [&](const BinaryPlistView::Object& leaf) -> bool {
        switch (leaf.kind) {
        case Kind::integer:
            return !view->isWiderThan64Bits(leaf);
        case Kind::date: {
            const auto seconds = view->dateSeconds(leaf);
            // Seconds from 2001-01-01 that fit 32 bits, as the XML form holds them.
            return seconds && *seconds >= double(PlistValue::kMinDateSeconds)
                && *seconds <= double(PlistValue::kMaxDateSeconds);
        }
        case Kind::other:
            return leaf.type == 0 && (leaf.info == 0x8 || leaf.info == 0x9);
        case Kind::set:
            return false;
        default:
            return true;
        }
    };
    auto decodedBytes = [](const BinaryPlistView::Object& leaf) -> std::uint64_t {
        if (leaf.kind == Kind::string)
            return leaf.count * 2;
        return leaf.kind == Kind::data ? leaf.count : 0;
    };

    // Depth-first walk with an explicit stack, computing for every object the height of its subtree
    // and the size of its expanded tree once (the list is a graph: objects may be shared), and adding
    // them to its container's as soon as they are known, so that the walk stops as soon as the
    // bound is passed. Only the objects reached are recorded: at most maxNodes of them, and the keys.
    enum : std::uint8_t { Unseen, Open, Done };
    struct Seen {
        std::uint8_t state = Unseen;
        bool key = false; // known to be a text without NUL
        std::uint32_t height = 0;
        std::uint64_t expanded = 0;
        std::uint64_t bytes = 0;
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
        std::uint64_t bytes = 0;
    };
    std::vector<Frame> stack;

    // Dictionary keys must be texts without NUL: a NUL would let two keys read as one in other
    // readers. Each key object is looked at once, however many dictionaries share it.
    auto acceptableKey = [&](BinaryPlistView::Ref ref) -> bool {
        if (ref >= objectCount)
            return false;
        Seen& known = seen(ref);
        if (known.key)
            return true;
        const auto key = view->object(ref);
        if (!key || key->kind != Kind::string || view->hasNul(*key))
            return false;
        seen(ref).key = true;
        return true;
    };

    // Opens an object reached for the first time: a leaf is done at once, a container is walked.
    auto open = [&](BinaryPlistView::Ref index) -> bool {
        const auto object = view->object(index);
        if (!object || ++reached > maxNodes)
            return false;
        if (object->kind != Kind::array && object->kind != Kind::set && object->kind != Kind::dictionary) {
            if (!acceptableLeaf(*object))
                return false;
            Seen& leaf = seen(index);
            leaf.state = Done;
            leaf.height = 0;
            leaf.expanded = 1;
            leaf.bytes = decodedBytes(*object);
            return leaf.bytes <= maxBytes;
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
        if (stack.size() >= std::size_t(maxDepth) + 1 || object->kind == Kind::set)
            return false;
        seen(index).state = Open;
        stack.push_back({index, *object});
        return true;
    };
    // Adds a finished subtree to the container being walked.
    auto fold = [&](const Seen& child) -> bool {
        Frame& frame = stack.back();
        frame.height = std::max(frame.height, child.height + 1);
        frame.nodes += child.expanded;
        frame.bytes += child.bytes;
        return frame.nodes <= maxNodes && frame.bytes <= maxBytes && frame.height <= std::uint32_t(maxDepth);
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
        Seen& done = seen(frame.index);
        done.state = Done;
        done.height = frame.height;
        done.expanded = frame.nodes;
        done.bytes = frame.bytes;
        const Seen finished = done;
        stack.pop_back();
        if (!stack.empty() && !fold(finished))
            return false;
    }
    return true;
}

} // namespace Platform
