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
    // What an accepted list holds that libplist hands out only in part. An integer node with its top
    // bit set reads as its 64 bits, whether it stands for a number from 2^63 to 2^64 - 1 or for a
    // negative one; a date node less than a second from 2001-01-01 gives its fraction without a sign.
    // Where a list holds only one of each pair, its nodes need no closer look.
    struct Findings {
        bool unsignedBeyondSigned = false;
        bool negativeInteger = false;
        bool negativeDateWithinASecond = false;
        bool positiveDateWithinASecond = false;
    };

    static constexpr std::size_t kMaxNodes = 100'000;
    static bool accepts(const QByteArray& bytes, int maxDepth, std::size_t maxNodes = kMaxNodes,
                        Findings* findings = nullptr);

private:
    static bool acceptsBinary(const QByteArray& bytes, int maxDepth, std::size_t maxNodes, Findings& findings);
    static bool acceptsXml(const QByteArray& bytes, int maxDepth, std::size_t maxNodes, Findings& findings);
};

} // namespace Platform
