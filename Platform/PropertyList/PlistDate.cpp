#include "Platform/PropertyList/PlistDate.h"

#include <QTimeZone>

namespace Platform {

QDateTime PlistDate::fromMSecsSinceEpoch(std::int64_t msecs)
{
    // The zone's own UTC converted once to the toolkit's plain UTC, which a date keeps inline and moves
    // by arithmetic alone (where the toolkit's UTC zone is that plain UTC already, toUTC changes nothing).
    static const QDateTime epoch = QDateTime::fromMSecsSinceEpoch(0, QTimeZone::utc()).toUTC();
    return epoch.addMSecs(msecs);
}

} // namespace Platform
