#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace Platform {

// Checks a binary property list before it is decoded: objects may be shared at many places and even
// hold themselves, and the decoder builds the expanded tree (a shared container at each of its places;
// a shared text or data object is read once and shared), so it is given only lists whose expanded tree
// it can afford. Accepts a list whose containers (arrays and dictionaries) nest at most `maxDepth` deep,
// whose references stay inside the object table and form no cycle, whose dictionary keys are texts
// without NUL, whose integers fit 64 bits and dates the 32-bit seconds around 2001, whose other objects
// are booleans, and whose expanded tree has at most `maxNodes` nodes (keys included) and at most
// `maxBytes` bytes of texts (two a UTF-16 unit) and data, each shared object counted at each of its
// places. Every object is looked at once however often it is referred to. Anything else (sets, UIDs,
// XML) is refused; the decoder decides about the rest. The bounds are the decoder's (PlistValue).
class PlistStructureCheck {
public:
    static bool accepts(const QByteArray& bytes, int maxDepth, std::size_t maxNodes, std::uint64_t maxBytes);
};

} // namespace Platform
