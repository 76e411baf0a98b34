#include "BaseKit/Uuid.h"

#include <QUuid>

namespace BaseKit {

QString Uuid::newString()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
}

} // namespace BaseKit
