#include "LanguageKit/LKResources.h"

#include "LanguageKit/LKBundle.h"
#include "LanguageKit/TextFormat.h"

namespace LanguageKit {

QString LKResources::localized(LKLocalizedString key)
{
    return LKBundle::bundle().localizedString(key.rawValue());
}

QString LKResources::localized(LKLocalizedString key, const QVariantList& arguments)
{
    return TextFormat::apply(localized(key), arguments);
}

} // namespace LanguageKit
