#include "LanguageKit/Views/LKLocalizedLabel.h"

#include "BaseKit/Images/SymbolGlyphs.h"
#include "LanguageKit/Views/ViewText.h"

#include <QFontInfo>
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

    m_icon = new QLabel(this);
    m_icon->setTextFormat(Qt::PlainText);
    m_icon->setFont(BaseKit::SymbolGlyphs::font(QFontInfo(font()).pixelSize()));
    m_icon->setText(BaseKit::SymbolGlyphs::text(m_systemName));
    m_icon->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_icon);

    m_title = new QLabel(this);
    m_title->setTextFormat(Qt::PlainText);
    m_title->setText(m_text);
    layout->addWidget(m_title);
    layout->addStretch();
}

} // namespace LanguageKit
