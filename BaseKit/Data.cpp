#include "BaseKit/Data.h"

#include <QCryptographicHash>
#include <QtEndian>

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

namespace BaseKit::Data {

namespace {

// The buffer's first `width` bytes, zero bytes added when it is shorter.
template <std::size_t width>
void front(const QByteArray& bytes, unsigned char (&out)[width])
{
    std::memset(out, 0, width);
    std::memcpy(out, bytes.constData(), std::min<std::size_t>(width, std::size_t(bytes.size())));
}

// The buffer's first bytes as a number in the machine's byte order (see front()).
template <typename Number>
Number hostOrderValue(const QByteArray& bytes)
{
    unsigned char buffer[sizeof(Number)];
    front(bytes, buffer);
    Number value = 0;
    std::memcpy(&value, buffer, sizeof value);
    return value;
}

enum class Operation { Encode, Decode };

// Results beyond this size are refused: a small damaged or hostile input must not exhaust memory.
constexpr std::size_t kMaxOutput = std::size_t(1) << 30;

std::optional<QByteArray> process(const QByteArray& input, Operation operation)
{
    if (input.isEmpty() || std::uint64_t(input.size()) > std::numeric_limits<uInt>::max())
        return std::nullopt;
    z_stream stream{};
    const int init = operation == Operation::Encode
                         ? deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY)
                         : inflateInit2(&stream, -15);
    if (init != Z_OK)
        return std::nullopt;
    auto finish = [&] {
        if (operation == Operation::Encode)
            deflateEnd(&stream);
        else
            inflateEnd(&stream);
    };

    // One output block of the input's size, at least 64 and at most 65536 bytes, reused for every
    // chunk; the result grows by whole blocks and ends with the last partial one.
    const std::size_t blockSize = std::clamp<std::size_t>(std::size_t(input.size()), 64, 65536);
    std::vector<unsigned char> block(blockSize);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input.constData()));
    stream.avail_in = uInt(input.size());
    QByteArray result;
    for (;;) {
        stream.next_out = block.data();
        stream.avail_out = uInt(blockSize);
        const int rc = operation == Operation::Encode ? deflate(&stream, Z_FINISH) : inflate(&stream, Z_FINISH);
        const std::size_t produced = blockSize - stream.avail_out;
        if (rc == Z_STREAM_END) {
            result.append(reinterpret_cast<const char*>(block.data()), qsizetype(produced));
            finish();
            return result;
        }
        // More to come only when the block is full; a block with room left means the input ended
        // early (a truncated stream) or the stream is stuck.
        if ((rc != Z_OK && rc != Z_BUF_ERROR) || stream.avail_out != 0 ||
            std::size_t(result.size()) + produced > kMaxOutput) {
            finish();
            return std::nullopt;
        }
        result.append(reinterpret_cast<const char*>(block.data()), qsizetype(produced));
    }
}

} // namespace

std::uint8_t uint8Value(const QByteArray& bytes)
{
    return bytes.isEmpty() ? 0 : std::uint8_t(bytes[0]);
}

std::uint16_t uint16Value(const QByteArray& bytes)
{
    return hostOrderValue<std::uint16_t>(bytes);
}

std::uint32_t uint32Value(const QByteArray& bytes)
{
    return hostOrderValue<std::uint32_t>(bytes);
}

float floatBigEndian(const QByteArray& bytes)
{
    unsigned char buffer[4];
    front(bytes, buffer);
    const std::uint32_t bits = qFromBigEndian<std::uint32_t>(buffer);
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

QString base64UrlEncoded(const QByteArray& bytes)
{
    QByteArray text = bytes.toBase64();
    text.replace('+', '-');
    text.replace('/', '_');
    text.replace("=", "");
    return QString::fromLatin1(text);
}

QString md5Hex(const QByteArray& bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
}

std::optional<QByteArray> compressed(const QByteArray& bytes)
{
    return process(bytes, Operation::Encode);
}

std::optional<QByteArray> decompressed(const QByteArray& bytes)
{
    return process(bytes, Operation::Decode);
}

} // namespace BaseKit::Data
