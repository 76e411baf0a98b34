#include "BaseKit/Data.h"

#include <gtest/gtest.h>

#include <random>

namespace Data = BaseKit::Data;

namespace {

QByteArray bytes(std::initializer_list<unsigned char> list)
{
    QByteArray out;
    for (unsigned char b : list)
        out.append(char(b));
    return out;
}

QByteArray randomBytes(qsizetype size, unsigned seed)
{
    std::mt19937 random(seed);
    QByteArray out(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        out[i] = char(random());
    return out;
}

} // namespace

TEST(DataReads, SmallIntegersAndBigEndianFloats)
{
    EXPECT_EQ(Data::uint8Value({}), 0);
    EXPECT_EQ(Data::uint16Value({}), 0);
    EXPECT_EQ(Data::uint32Value({}), 0u);
    EXPECT_EQ(Data::floatBigEndian({}), 0.0f);
    EXPECT_EQ(Data::uint8Value(bytes({0xAB, 0x01})), 0xAB);
    EXPECT_EQ(Data::uint16Value(bytes({0x01, 0x02})), 0x0201);
    EXPECT_EQ(Data::uint32Value(bytes({0x01, 0x02, 0x03, 0x04})), 0x04030201u);
    EXPECT_EQ(Data::floatBigEndian(bytes({0x3F, 0x80, 0x00, 0x00})), 1.0f);
    // Buffers shorter than the width read zero for the missing bytes, never past their end.
    EXPECT_EQ(Data::uint16Value(bytes({0x7F})), 0x007F);
    EXPECT_EQ(Data::uint32Value(bytes({0x01, 0x02, 0x03})), 0x00030201u);
    EXPECT_EQ(Data::floatBigEndian(bytes({0x40, 0x00})), 2.0f);
}

TEST(DataReads, ValuesToBytesAndBack)
{
    EXPECT_FALSE(Data::value<std::uint32_t>(bytes({1, 2, 3})).has_value());
    EXPECT_EQ(Data::value<std::uint32_t>(bytes({1, 2, 3, 4, 5, 6})), 0x04030201u);
    EXPECT_EQ(Data::value<double>(Data::fromValue(2.75)), 2.75);
    EXPECT_EQ(Data::fromValue(std::uint16_t(0x0201)), bytes({0x01, 0x02}));
    EXPECT_EQ(Data::fromValue(std::int64_t(-1)).size(), 8);
}

TEST(DataText, Base64UrlAndMd5)
{
    EXPECT_EQ(Data::base64UrlEncoded(bytes({0xFB, 0xFF})), "-_8");
    EXPECT_EQ(Data::base64UrlEncoded(QByteArray("hello")), "aGVsbG8");
    EXPECT_EQ(Data::base64UrlEncoded({}), "");
    EXPECT_EQ(Data::md5Hex({}), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(Data::md5Hex("The quick brown fox jumps over the lazy dog"), "9e107d9d372bb6826bd81d3542a419d6");
}

TEST(DataCompression, RoundTripsFromOneByteToSeveralOutputBlocks)
{
    const QByteArray repetitive = QByteArray("kestrion ").repeated(40000); // 360000 bytes
    for (const QByteArray& input : {QByteArray("x"), QByteArray("short text"), randomBytes(1000, 1),
                                    randomBytes(200000, 2), repetitive}) {
        const auto packed = Data::compressed(input);
        ASSERT_TRUE(packed.has_value()) << input.size();
        const auto unpacked = Data::decompressed(*packed);
        ASSERT_TRUE(unpacked.has_value()) << input.size();
        EXPECT_EQ(*unpacked, input);
    }
    // A small compressed input whose output spans several 64-byte blocks and a partial last one.
    const auto packed = Data::compressed(repetitive);
    ASSERT_TRUE(packed.has_value());
    EXPECT_LT(packed->size(), 65536);
    EXPECT_EQ(Data::decompressed(*packed)->size(), repetitive.size());
}

TEST(DataCompression, IsRawDeflateWithoutHeader)
{
    // "hello" as a stored raw DEFLATE block written by hand: final block, stored, length 5.
    const QByteArray stored = bytes({0x01, 0x05, 0x00, 0xFA, 0xFF}) + QByteArray("hello");
    EXPECT_EQ(Data::decompressed(stored), QByteArray("hello"));
    // A zlib-wrapped stream (qCompress's form, after its length prefix) is no raw stream.
    const QByteArray wrapped = qCompress(QByteArray("hello hello hello")).mid(4);
    EXPECT_FALSE(Data::decompressed(wrapped).has_value());
}

TEST(DataCompression, EmptyTruncatedAndCorruptInputGiveNone)
{
    EXPECT_FALSE(Data::compressed({}).has_value());
    EXPECT_FALSE(Data::decompressed({}).has_value());
    EXPECT_FALSE(Data::decompressed("this is not a deflate stream").has_value());
    const QByteArray input = randomBytes(5000, 3) + QByteArray("abc").repeated(3000);
    const QByteArray packed = *Data::compressed(input);
    for (qsizetype cut : {qsizetype(1), packed.size() / 2, packed.size() - 1})
        EXPECT_FALSE(Data::decompressed(packed.left(cut)).has_value()) << cut;
    // Damaged streams always come back, many of them as none.
    QByteArray text;
    for (int i = 0; i < 3000; ++i)
        text += QByteArray::number(i * 7919 % 1000) + (i % 3 ? " cores " : " threads ");
    const QByteArray packedText = *Data::compressed(text);
    std::mt19937 random(7);
    int refused = 0;
    for (int round = 0; round < 300; ++round) {
        QByteArray damaged = packedText;
        damaged[qsizetype(random() % std::uint32_t(damaged.size()))] = char(random());
        if (!Data::decompressed(damaged).has_value())
            ++refused;
    }
    EXPECT_GT(refused, 30) << refused;
}
