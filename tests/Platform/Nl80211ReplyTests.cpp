#include "Platform/Netlink/Nl80211Reply.h"

#include "Support/NetlinkNumberReads.h"

#include <QByteArray>

#include <gtest/gtest.h>

#include <linux/nl80211.h>

#include <cstdint>
#include <cstring>
#include <initializer_list>

using Platform::Nl80211Reply;

namespace {

// One attribute as the kernel lays it out: length and type (host order), the data, padding to four.
QByteArray attribute(std::uint16_t type, const QByteArray& data)
{
    const std::uint16_t length = std::uint16_t(4 + data.size());
    QByteArray bytes(4, '\0');
    std::memcpy(bytes.data(), &length, 2);
    std::memcpy(bytes.data() + 2, &type, 2);
    bytes += data;
    bytes += QByteArray((4 - bytes.size() % 4) % 4, '\0');
    return bytes;
}

template <typename Number>
QByteArray number(Number value)
{
    return QByteArray(reinterpret_cast<const char*>(&value), sizeof value);
}

QByteArray nested(std::uint16_t type, std::initializer_list<QByteArray> attributes)
{
    QByteArray data;
    for (const QByteArray& one : attributes)
        data += one;
    return attribute(type, data);
}

// A message's payload: the generic header (command, version, two reserved bytes), then attributes.
QByteArray payload(std::initializer_list<QByteArray> attributes)
{
    QByteArray bytes("\x01\x01\x00\x00", 4);
    for (const QByteArray& one : attributes)
        bytes += one;
    return bytes;
}

QByteArray name(const char* text) { return attribute(NL80211_ATTR_IFNAME, QByteArray(text, qsizetype(std::strlen(text)) + 1)); }
QByteArray index(std::uint32_t value) { return attribute(NL80211_ATTR_IFINDEX, number(value)); }

QByteArray station(std::initializer_list<QByteArray> info)
{
    return payload({attribute(NL80211_ATTR_MAC, QByteArray("\x02\x11\x22\x33\x44\x55", 6)),
                    nested(NL80211_ATTR_STA_INFO, info)});
}

// The same bytes `shift` bytes past a 4-byte boundary, where a message cut out of a larger buffer may
// lie.
QByteArrayView shifted(const QByteArray& bytes, qsizetype shift, QByteArray& storage)
{
    storage = QByteArray(bytes.size() + 3, ' ');
    const qsizetype at = (shift - qsizetype(reinterpret_cast<std::uintptr_t>(storage.data()) % 4) + 4) % 4;
    std::memcpy(storage.data() + at, bytes.data(), std::size_t(bytes.size()));
    return QByteArrayView(storage).sliced(at, bytes.size());
}

} // namespace

TEST(Nl80211Reply, WellFormedRepliesGiveTheirValuesWhereverTheyLie)
{
    const QByteArray interface = payload({name("wlp2s0"), index(3), attribute(NL80211_ATTR_IFTYPE, number<std::uint32_t>(2)),
                                          attribute(NL80211_ATTR_WIPHY_FREQ, number<std::uint32_t>(5180)),
                                          attribute(NL80211_ATTR_CHANNEL_WIDTH, number<std::uint32_t>(NL80211_CHAN_WIDTH_80)),
                                          attribute(NL80211_ATTR_WIPHY_TX_POWER_LEVEL, number<std::uint32_t>(2000))});
    const QByteArray associated = station(
        {attribute(NL80211_STA_INFO_SIGNAL, number<std::int8_t>(-57)),
         attribute(NL80211_STA_INFO_BEACON_RX, number<std::uint64_t>(0x100000005ull)),
         nested(NL80211_STA_INFO_TX_BITRATE, {attribute(NL80211_RATE_INFO_BITRATE32, number<std::uint32_t>(8667)),
                                              attribute(NL80211_RATE_INFO_VHT_MCS, number<std::uint8_t>(9))})});
    const QByteArray survey = payload({nested(NL80211_ATTR_SURVEY_INFO, {attribute(NL80211_SURVEY_INFO_IN_USE, {}),
                                                                         attribute(NL80211_SURVEY_INFO_NOISE, number<std::int8_t>(-92))})});
    const QByteArray country = payload({attribute(NL80211_ATTR_REG_ALPHA2, QByteArray("DE", 3))});

    // libnl reads each number where it lies (tests/Support/NetlinkNumberReads.h counts those read off
    // their boundary): 2 bytes off, the attributes' own alignment holds but a 32-bit number's does not.
    QByteArray storage;
    for (const qsizetype shift : {0, 1, 2, 3}) {
        const int misalignedBefore = NetlinkNumberReads::misaligned();
        const auto at = [&](const QByteArray& bytes) { return shifted(bytes, shift, storage); };
        const auto one = Nl80211Reply::interface(at(interface));
        ASSERT_TRUE(one) << shift;
        EXPECT_EQ(one->values.name, QStringLiteral("wlp2s0"));
        EXPECT_EQ(one->ifindex, 3u);
        EXPECT_EQ(one->values.interfaceMode, 1);
        EXPECT_EQ(one->values.channel, 36);
        EXPECT_EQ(one->values.channelWidth, 80);
        EXPECT_EQ(one->values.transmitPower, 100);

        const auto heard = Nl80211Reply::station(at(associated));
        ASSERT_TRUE(heard) << shift;
        EXPECT_EQ(heard->bssid, QByteArray("\x02\x11\x22\x33\x44\x55", 6));
        EXPECT_EQ(heard->signal, -57);
        EXPECT_EQ(heard->beacons, 5);
        EXPECT_EQ(heard->rate.bitrate100kbps, 8667u);
        EXPECT_TRUE(heard->rate.vhtMcs);
        EXPECT_FALSE(heard->rate.heMcs);

        EXPECT_EQ(Nl80211Reply::noiseInUse(at(survey)), -92);
        EXPECT_EQ(Nl80211Reply::country(at(country)), QStringLiteral("DE"));
        EXPECT_EQ(NetlinkNumberReads::misaligned(), misalignedBefore) << "numbers read off their boundary at shift " << shift;
    }
    // A survey of a channel not in use says nothing of the noise here.
    EXPECT_FALSE(Nl80211Reply::noiseInUse(
        payload({nested(NL80211_ATTR_SURVEY_INFO, {attribute(NL80211_SURVEY_INFO_NOISE, number<std::int8_t>(-92))})})));
}

// The kernel's message is trusted for nothing: a name without its NUL would be read past its end, a
// short number beyond its attribute, a name that is only its NUL would be an empty one. Any such
// message counts as not received.
TEST(Nl80211Reply, AnAttributeOfTheWrongSizeMakesTheWholeReplySayNothing)
{
    const QByteArray unterminated = attribute(NL80211_ATTR_IFNAME, "wlp2s0");
    for (const QByteArray& broken :
         {payload({unterminated, index(3)}), payload({index(3), unterminated}),
          payload({attribute(NL80211_ATTR_IFNAME, QByteArray(16, 'w') + '\0'), index(3)}),
          payload({name(""), index(3)}),
          payload({name("wlp2s0"), attribute(NL80211_ATTR_IFINDEX, number<std::uint16_t>(3))}),
          payload({name("wlp2s0"), index(3), attribute(NL80211_ATTR_WIPHY_FREQ, QByteArray("\x14\x14", 2))}),
          payload({name("wlp2s0"), index(3)}).chopped(1), // cut inside its last attribute
          payload({name("wlp2s0"), index(3), QByteArray("\x08\x00", 2)}), // a stray piece of an attribute
          QByteArray("\x01\x01", 2)})
        EXPECT_FALSE(Nl80211Reply::interface(broken)) << broken.toHex().toStdString();

    for (const QByteArray& broken : {payload({attribute(NL80211_ATTR_REG_ALPHA2, "DE")}),
                                     payload({attribute(NL80211_ATTR_REG_ALPHA2, {})}),
                                     payload({attribute(NL80211_ATTR_REG_ALPHA2, QByteArray(1, '\0'))}),
                                     payload({attribute(NL80211_ATTR_REG_ALPHA2, QByteArray("\0E", 3))}),
                                     payload({attribute(NL80211_ATTR_REG_ALPHA2, QByteArray("DEU", 4))})})
        EXPECT_FALSE(Nl80211Reply::country(broken)) << broken.toHex().toStdString();

    for (const QByteArray& broken :
         {station({attribute(NL80211_STA_INFO_SIGNAL, {})}),
          station({attribute(NL80211_STA_INFO_BEACON_RX, number<std::uint32_t>(5))}),
          station({nested(NL80211_STA_INFO_TX_BITRATE, {attribute(NL80211_RATE_INFO_BITRATE, number<std::uint8_t>(60))})}),
          payload({attribute(NL80211_ATTR_MAC, QByteArray(5, '\x02')), nested(NL80211_ATTR_STA_INFO, {})})})
        EXPECT_FALSE(Nl80211Reply::station(broken)) << broken.toHex().toStdString();

    EXPECT_FALSE(Nl80211Reply::noiseInUse(payload(
        {nested(NL80211_ATTR_SURVEY_INFO, {attribute(NL80211_SURVEY_INFO_IN_USE, {}), attribute(NL80211_SURVEY_INFO_NOISE, {})})})));
}
