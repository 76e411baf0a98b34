#include "BaseKit/Uuid.h"

#include <QRandomGenerator>

#include <cstring>

namespace BaseKit {

QString Uuid::newString()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
}

QUuid Uuid::random()
{
    quint32 words[4];
    QRandomGenerator::global()->fillRange(words);
    QUuid id;
    id.data1 = words[0];
    id.data2 = quint16(words[1]);
    id.data3 = quint16(((words[1] >> 16) & 0x0FFF) | 0x4000); // version 4: random
    std::memcpy(id.data4, &words[2], sizeof id.data4);
    id.data4[0] = uchar((id.data4[0] & 0x3F) | 0x80); // the standard variant
    return id;
}

} // namespace BaseKit
