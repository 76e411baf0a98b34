#include "LanguageKit/Views/ViewText.h"

#include "LanguageKit/LKResources.h"
#include "LanguageKit/TextFormat.h"

namespace LanguageKit {

QString viewText(LKLocalizedString key, const QVariant& argument)
{
    if (argument.isValid() && TextFormat::isArgument(argument))
        return LKResources::localized(key, QVariantList{argument});
    return LKResources::localized(key);
}

QString captionText(const QString& text)
{
    QString caption = text;
    caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return caption;
}

} // namespace LanguageKit
