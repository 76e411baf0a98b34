#include "LanguageKit/Views/LKLocalizedLabel.h"

#include "LanguageKit/Views/ViewText.h"

#include <QHBoxLayout>
#include <QLabel>

namespace LanguageKit {

LKLocalizedLabel::LKLocalizedLabel(LKLocalizedString key, const QVariant& argument, const QString& systemName,
                                   QWidget* parent)
    : QWidget(parent)
    , m_text(viewText(key, argument))
    , m_systemName(systemName)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_title = new QLabel(this);
    m_title->setTextFormat(Qt::PlainText);
    m_title->setText(m_text);
    layout->addWidget(m_title);
}

} // namespace LanguageKit
