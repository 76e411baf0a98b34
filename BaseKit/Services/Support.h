#pragma once

namespace BaseKit {

// The maker's help pages, opened in the default browser.
class Support {
public:
    static void openContactPage();
    static void openFaqPage();
};

} // namespace BaseKit
