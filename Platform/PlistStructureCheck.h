#pragma once

#include <QByteArray>

#include <cstddef>

namespace Platform {

// Checks a property list before libplist parses it: libplist parses, copies and frees nested
// containers recursively, expands every reference of a binary list into its own copy, cuts keys at a
// NUL, keeps only the low half of a 16-byte integer and converts dates beyond its range without a
// defined result. Deep nesting would overflow the stack, and shared references multiply the work.
// Accepts a binary list whose containers nest at most `maxDepth` deep, whose references stay inside
// the object table and form no cycle, whose dictionary keys are texts without NUL, whose integers fit
// 64 bits and dates the 32-bit seconds around 2001, and whose expanded tree has at most `maxNodes`
// nodes; accepts an XML list whose elements nest at most `maxDepth` deep (plus the few wrapper
// elements) with properly matched tags, at most `maxNodes` elements and dates in that range. Anything
// else is refused; the parser decides about the rest.
class PlistStructureCheck {
public:
    // What an accepted list holds that libplist hands out only in part: integers from 2^63 to 2^64 - 1
    // (a node reads as its 64 bits, as a negative number does), and dates less than a second before
    // 2001-01-01 (a node gives their fraction without its sign). Where neither is present, a reader
    // need not look closer at such nodes.
    struct Findings {
        bool unsignedBeyondSigned = false;
        bool negativeDateWithinASecond = false;
    };

    static constexpr std::size_t kMaxNodes = 100'000;
    static bool accepts(const QByteArray& bytes, int maxDepth, std::size_t maxNodes = kMaxNodes,
                        Findings* findings = nullptr);

private:
    static bool acceptsBinary(const QByteArray& bytes, int maxDepth, std::size_t maxNodes, Findings& findings);
    static bool acceptsXml(const QByteArray& bytes, int maxDepth, std::size_t maxNodes, Findings& findings);
};

} // namespace Platform
