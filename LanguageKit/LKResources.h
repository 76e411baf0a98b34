// The lookups of the shared text keys in the module's bundle.
#pragma once

#include "LanguageKit/LKLocalizedString.h"

#include <QString>
#include <QVariantList>

namespace LanguageKit {

class LKResources
{
public:
    LKResources() = delete;

    // The key's translation for the user's UI languages; the key string when there is none.
    static QString localized(LKLocalizedString key);

    // The key's translation with `arguments` filled into its placeholders in order (TextFormat).
    // Without a translation the key string comes back unchanged.
    static QString localized(LKLocalizedString key, const QVariantList& arguments);
};

} // namespace LanguageKit
