#include "BaseKit/Uuid.h"

#include <QRandomGenerator>

#include <array>
#include <cstring>

namespace BaseKit {

QString Uuid::newString()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
}

QUuid Uuid::random()
{
    std::array<quint32, 4> words{};
    QRandomGenerator::global()->fillRange(words.data(), qsizetype(words.size()));
    std::array<char, 16> bytes{};
    std::memcpy(bytes.data(), words.data(), bytes.size());
    bytes[6] = char((bytes[6] & 0x0f) | 0x40); // version 4
    bytes[8] = char((bytes[8] & 0x3f) | 0x80); // variant 10
    return QUuid::fromRfc4122(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

} // namespace BaseKit
