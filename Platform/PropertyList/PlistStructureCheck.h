#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace Platform {

// Checks a binary property list before it is decoded: objects may be shared at many places and even
// hold themselves, so the decoder, which copies every shared object at each of its places, is given
// only lists whose expanded tree it can afford. Accepts a list whose containers (arrays and
// dictionaries) nest at most `maxDepth` deep, whose references stay inside the object table and form
// no cycle, whose dictionary keys are texts without NUL, whose integers fit 64 bits and dates the
// 32-bit seconds around 2001, whose other objects are booleans, and whose expanded tree has at most
// `maxNodes` nodes (keys included) and at most `maxBytes` bytes of texts (two a UTF-16 unit) and data,
// each shared object counted at each of its places. Every object is looked at once however often it
// is referred to. Anything else (sets, UIDs, XML) is refused; the decoder decides about the rest.
class PlistStructureCheck {
public:
    static constexpr std::size_t kMaxNodes = 100'000;
    static constexpr std::uint64_t kMaxBytes = 32 * 1024 * 1024;
    static bool accepts(const QByteArray& bytes, int maxDepth, std::size_t maxNodes = kMaxNodes,
                        std::uint64_t maxBytes = kMaxBytes);
};

} // namespace Platform
