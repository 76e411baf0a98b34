#pragma once

namespace BaseKit {

// The maker's help pages, opened in the default browser. Each returns whether the desktop took the
// address.
class Support {
public:
    static bool openContactPage();
    static bool openFaqPage();
};

} // namespace BaseKit
