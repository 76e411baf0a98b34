#include "ViewKit/VKInfoViewConfiguration.h"

#include "LanguageKit/LKResources.h"

namespace ViewKit {

VKInfoViewConfiguration::VKInfoViewConfiguration(const QColor& color, const QString& systemName,
                                                 std::optional<QString> title, const QString& description,
                                                 qreal imageSize, VKSymbolRenderingMode symbolRenderingMode)
    : color(color)
    , systemName(systemName)
    , title(std::move(title))
    , description(description)
    , imageSize(imageSize)
    , symbolRenderingMode(symbolRenderingMode)
    , m_id(QUuid::createUuid())
{
}

VKInfoViewConfiguration::VKInfoViewConfiguration(const QColor& color, const QString& systemName,
                                                 LanguageKit::LKLocalizedString localizedTitle,
                                                 const QString& description, qreal imageSize,
                                                 VKSymbolRenderingMode symbolRenderingMode)
    : color(color)
    , systemName(systemName)
    , text(LanguageKit::LKResources::localized(localizedTitle))
    , description(description)
    , imageSize(imageSize)
    , symbolRenderingMode(symbolRenderingMode)
    , m_id(QUuid::createUuid())
{
}

} // namespace ViewKit
