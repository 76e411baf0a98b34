#pragma once

#include <QDateTime>

#include <cstdint>

namespace Platform {

// The dates the property-list readers make: UTC, to the millisecond. A list may hold a hundred thousand
// of them (one date shared at every place of a binary list costs a reference each), so a date is made
// in a few instructions and allocates nothing: one UTC date made once is moved by the milliseconds,
// which in UTC is a sum. A time zone made for each date, or a date made from one, costs a lookup and an
// allocation each.
class PlistDate {
public:
    // The moment `msecs` milliseconds after 1970-01-01 00:00 UTC, in UTC.
    static QDateTime fromMSecsSinceEpoch(std::int64_t msecs);
};

} // namespace Platform
