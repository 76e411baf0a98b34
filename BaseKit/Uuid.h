#pragma once

#include <QString>

namespace BaseKit {

class Uuid {
public:
    Uuid() = delete;

    // A fresh random identifier in upper-case text form ("E621E1F8-C36C-495A-93FC-0C247A3E6E5F").
    static QString newString();
};

} // namespace BaseKit
