#include "BaseKit/IOKitHelper.h"

#include <QStringDecoder>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace BaseKit {

std::uint64_t IOKitHelper::numberFromBytes(const QByteArray& bytes)
{
    // The value's bytes are the number's low bytes first on a little-endian machine; the bytes
    // missing from a short value are its high bytes, zero.
    const qsizetype width = bytes.size() >= 8 ? 8 : std::min<qsizetype>(bytes.size(), 4);
    unsigned char buffer[8] = {};
    if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
        std::memcpy(buffer, bytes.constData(), std::size_t(width));
        return qFromLittleEndian<std::uint64_t>(buffer);
    } else {
        const qsizetype size = width > 4 ? 8 : 4;
        std::memcpy(buffer + (size - width), bytes.constData(), std::size_t(width));
        return size == 8 ? qFromBigEndian<std::uint64_t>(buffer) : qFromBigEndian<std::uint32_t>(buffer);
    }
}

std::optional<std::uint64_t> IOKitHelper::numberProperty(const Platform::Registry& registry,
                                                         Platform::RegistryEntryId entry, const QString& key)
{
    const std::optional<QByteArray> bytes = registry.property(entry, key).toData();
    if (!bytes)
        return std::nullopt;
    return numberFromBytes(*bytes);
}

std::optional<QString> IOKitHelper::stringProperty(const Platform::Registry& registry,
                                                   Platform::RegistryEntryId entry, const QString& key)
{
    const std::optional<QByteArray> bytes = registry.property(entry, key).toData();
    if (!bytes)
        return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(*bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace BaseKit
