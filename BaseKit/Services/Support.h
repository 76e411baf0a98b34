#pragma once

#include "BaseKit/Workspace/Workspace.h"

namespace BaseKit {

// The maker's help pages, handed to `opener` (the default browser). Each returns whether the opener
// took the address.
class Support {
public:
    static bool openContactPage(const Workspace::UrlOpener& opener);
    static bool openFaqPage(const Workspace::UrlOpener& opener);
};

} // namespace BaseKit
