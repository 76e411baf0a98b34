// The text of a localised view, resolved once when the view is built.
#pragma once

#include "LanguageKit/LKLocalizedString.h"

#include <QString>
#include <QVariant>

namespace LanguageKit {

// The key's translation; with `argument` filled into it when the argument is text or a number. An
// absent (invalid) argument, or one of another kind, gives the plain translation.
QString viewText(LKLocalizedString key, const QVariant& argument);

// `text` as a button or check-box caption shows it: "&" would otherwise mark a shortcut letter.
QString captionText(const QString& text);

} // namespace LanguageKit
