#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstring>
#include <optional>
#include <type_traits>

// Byte-buffer operations: small integers and a big-endian float from the front of a buffer, plain
// values to bytes and back, URL-safe Base64, the MD5 digest, and raw DEFLATE compression.
// Stateless; the buffer is never changed.
namespace BaseKit::Data {

// The first one, two or four bytes in the machine's byte order; 0 for an empty buffer. A shorter
// buffer reads as if zero bytes followed it.
std::uint8_t uint8Value(const QByteArray& bytes);
std::uint16_t uint16Value(const QByteArray& bytes);
std::uint32_t uint32Value(const QByteArray& bytes);
// The first four bytes as a big-endian IEEE 754 single; 0 for an empty buffer, zero bytes added to a
// shorter one.
float floatBigEndian(const QByteArray& bytes);

// The in-memory bytes of a plain value, in the machine's byte order.
template <typename T>
    requires std::is_trivially_copyable_v<T>
QByteArray fromValue(const T& value)
{
    return QByteArray(reinterpret_cast<const char*>(&value), qsizetype(sizeof(T)));
}

// A value whose bytes are the buffer's first sizeof(T) bytes; none when the buffer is shorter.
template <typename T>
    requires std::is_trivially_copyable_v<T> && std::is_constructible_v<T, int>
std::optional<T> value(const QByteArray& bytes)
{
    T result(0);
    if (std::size_t(bytes.size()) < sizeof(T))
        return std::nullopt;
    std::memcpy(&result, bytes.constData(), sizeof(T));
    return result;
}

// Standard Base64 with "+" as "-", "/" as "_" and no "=" padding.
QString base64UrlEncoded(const QByteArray& bytes);
// The MD5 digest as 32 lower-case hexadecimal digits.
QString md5Hex(const QByteArray& bytes);

// Raw DEFLATE (RFC 1951, no header or checksum). None for an empty buffer and for input that is not
// a complete DEFLATE stream; never loops on damaged input.
std::optional<QByteArray> compressed(const QByteArray& bytes);
std::optional<QByteArray> decompressed(const QByteArray& bytes);

} // namespace BaseKit::Data
