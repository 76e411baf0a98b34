// A boolean that lives with its owner, reached through a reader and a writer (a setting, a model field).
#pragma once

#include <functional>

namespace LanguageKit {

struct BoolBinding {
    std::function<bool()> get;
    std::function<void(bool)> set;
};

} // namespace LanguageKit
