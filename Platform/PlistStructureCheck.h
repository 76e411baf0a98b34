#pragma once

#include <QByteArray>

#include <cstddef>

namespace Platform {

// Checks the nesting of a property list before libplist parses it: libplist parses, copies and frees
// nested containers recursively, and expands every reference of a binary list into its own copy, so
// deep nesting overflows the stack and shared references can multiply the work without bound.
// Accepts a binary list whose containers nest at most `maxDepth` deep, whose references stay inside
// the object table and form no cycle, whose dictionary keys are texts without NUL, and whose
// expanded tree has at most `maxNodes` nodes; accepts
// an XML list whose elements nest at most `maxDepth` deep (plus the few wrapper elements) with
// properly matched tags. Anything else is refused; the parser decides about the rest.
class PlistStructureCheck {
public:
    static bool accepts(const QByteArray& bytes, int maxDepth, std::size_t maxNodes = 2'000'000);

private:
    static bool acceptsBinary(const QByteArray& bytes, int maxDepth, std::size_t maxNodes);
    static bool acceptsXml(const QByteArray& bytes, int maxDepth);
};

} // namespace Platform
