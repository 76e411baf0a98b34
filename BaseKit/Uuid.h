#pragma once

#include <QString>
#include <QUuid>

namespace BaseKit {

class Uuid {
public:
    Uuid() = delete;

    // A fresh random identifier in upper-case text form ("E621E1F8-C36C-495A-93FC-0C247A3E6E5F").
    static QString newString();
    // A fresh random (version 4) identifier for one line of a list that is rebuilt every second: the
    // numbers come from the process's securely seeded generator instead of one system call each.
    static QUuid random();
};

} // namespace BaseKit
