#pragma once

#include <QByteArray>

namespace SystemKit {

// The PCI vendor identifiers by which graphics cards are told apart, as the registry stores a card's
// "vendor-id": the 16-bit identifier as a 32-bit little-endian number. A value matches a constant
// only when both have the same length and bytes.
class Vendors
{
public:
    Vendors() = delete;

    static const QByteArray& amd();   // 0x1002
    static const QByteArray& apple(); // 0x106B
    static const QByteArray& intel(); // 0x8086
};

} // namespace SystemKit
