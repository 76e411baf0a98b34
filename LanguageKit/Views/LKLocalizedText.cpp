#include "LanguageKit/Views/LKLocalizedText.h"

#include "LanguageKit/Views/ViewText.h"

namespace LanguageKit {

LKLocalizedText::LKLocalizedText(LKLocalizedString key, const QVariant& argument, QWidget* parent)
    : QLabel(parent)
    , m_text(viewText(key, argument))
{
    setTextFormat(Qt::PlainText);
    setText(m_text);
}

} // namespace LanguageKit
