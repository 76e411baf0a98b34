#pragma once

#include <QString>
#include <QUuid>

namespace BaseKit {

class Uuid {
public:
    Uuid() = delete;

    // A fresh random identifier in upper-case text form ("E621E1F8-C36C-495A-93FC-0C247A3E6E5F").
    static QString newString();
    // A fresh random (version 4) identifier from the securely seeded global generator rather than the
    // system's entropy source: a list makes hundreds of identifiers at a time, and the entropy source
    // costs microseconds each.
    static QUuid random();
};

} // namespace BaseKit
