#include "BaseKit/Apps/App.h"

#include "BaseKit/Apps/FileIconManager.h"
#include "BaseKit/Files/Url.h"

namespace BaseKit {

App::App(QString baseUrl, QString name, QString identifier)
    : baseUrl(std::move(baseUrl))
    , name(std::move(name))
    , identifier(std::move(identifier))
{
}

QIcon App::icon()
{
    if (!m_icon)
        m_icon = FileIconManager::shared().icon(identifier.isEmpty() ? name : identifier);
    return *m_icon;
}

void App::setIcon(const QIcon& icon)
{
    m_icon = icon;
}

std::uint64_t App::size() const
{
    return Url::size(baseUrl);
}

QStringList App::allIdentifiers() const
{
    QStringList identifiers{identifier};
    for (const auto& child : children)
        identifiers += child->allIdentifiers();
    return identifiers;
}

} // namespace BaseKit
