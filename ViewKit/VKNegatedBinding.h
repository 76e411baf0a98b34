#pragma once

#include "LanguageKit/BoolBinding.h"

namespace ViewKit {

// A binding that reads and writes the opposite of `binding`: a switch bound to it is on while the
// stored flag is false. Nothing is cached; each read asks the wrapped binding. A wrapped binding
// without a reader reads as false (so the negation reads true); one without a writer ignores writes.
inline LanguageKit::BoolBinding negatedBinding(const LanguageKit::BoolBinding& binding)
{
    return LanguageKit::BoolBinding{
        [get = binding.get] { return get ? !get() : true; },
        [set = binding.set](bool value) {
            if (set)
                set(!value);
        },
    };
}

} // namespace ViewKit
