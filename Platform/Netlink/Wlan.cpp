#include "Platform/Netlink/Wlan.h"

#include "Platform/System/KernelName.h"

#include <QByteArrayList>

#include <cmath>

namespace Platform {

namespace {

class NoWlan : public Wlan {
public:
    std::optional<std::vector<WlanInterface>> interfaces() override { return std::nullopt; }
};

} // namespace

std::shared_ptr<Wlan> Wlan::none()
{
    return std::make_shared<NoWlan>();
}

std::optional<std::pair<int, int>> Wlan::channelAndBand(int f)
{
    if (f == 2484)
        return std::pair(14, 1);
    if (f >= 2412 && f < 2484)
        return std::pair((f - 2407) / 5, 1);
    if (f >= 5150 && f <= 5895)
        return std::pair((f - 5000) / 5, 2);
    if (f >= 5955 && f <= 7115)
        return std::pair((f - 5950) / 5, 3);
    return std::nullopt;
}

QString Wlan::bandName(int band)
{
    switch (band) {
    case 1: return QStringLiteral("2.4 GHz");
    case 2: return QStringLiteral("5 GHz");
    case 3: return QStringLiteral("6 GHz");
    default: return QString();
    }
}

int Wlan::milliwatts(int mBm)
{
    return int(std::lround(std::pow(10.0, double(mBm) / 1000.0)));
}

double Wlan::megabitsPerSecond(std::uint32_t bitrate100kbps)
{
    return double(bitrate100kbps) / 10.0;
}

int Wlan::phyMode(const WlanRateInfo& rate, std::optional<int> band)
{
    if (rate.ehtMcs)
        return 7;
    if (rate.heMcs)
        return 6;
    if (rate.vhtMcs)
        return 5;
    if (rate.htMcs)
        return 4;
    if (!rate.bitrate100kbps || !band)
        return 0;
    if (*band != 1)
        return 1;
    return *rate.bitrate100kbps <= 110 ? 2 : 3;
}

int Wlan::interfaceMode(std::uint32_t nl80211Type)
{
    switch (nl80211Type) {
    case 2: return 1; // station
    case 1: return 2; // ad hoc
    case 3: return 3; // access point
    default: return 0;
    }
}

Wlan::Levels Wlan::wirelessLevels(const QByteArray& text, const QString& name)
{
    // "Inter-| sta-|   Quality        |   Discarded packets ..." and " face | tus | link level noise | ..."
    // head the rows "  wlan0: 0000   54.  -56.  -256        0 ...".
    auto level = [](const QByteArray& field) -> std::optional<int> {
        QByteArray digits = field;
        if (digits.endsWith('.'))
            digits.chop(1);
        bool ok = false;
        const int value = digits.toInt(&ok);
        if (!ok || value == 0 || value <= -256 || value > 255)
            return std::nullopt;
        return value >= 128 ? value - 256 : value;
    };
    const QByteArray key = KernelName::encode(name) + ':';
    for (const QByteArray& line : text.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (!trimmed.startsWith(key))
            continue;
        const QList<QByteArray> fields = trimmed.mid(key.size()).simplified().split(' ');
        if (fields.size() < 4)
            return {};
        return Levels{level(fields[2]), level(fields[3])};
    }
    return {};
}

} // namespace Platform
