#pragma once

namespace BaseKit {

// The maker's addresses on the web.
struct Maker {
    static constexpr const char* webHost = "https://www.brannock.com";
    static constexpr const char* fileHost = "https://files.brannock.com";
    static constexpr const char* contactPage = "https://www.brannock.com/contact";
    static constexpr const char* faqPage = "https://www.brannock.com/faq";
    // The maker's page of applications, where they can be had and rated.
    static constexpr const char* developerPage = "https://www.brannock.com/apps";
};

} // namespace BaseKit
