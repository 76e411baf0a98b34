#include "Platform/Workspace.h"

#include <QDesktopServices>

namespace Platform {

namespace {

Workspace::UrlOpener& installedOpener()
{
    static Workspace::UrlOpener opener;
    return opener;
}

} // namespace

bool Workspace::openUrl(const QUrl& url)
{
    if (url.isEmpty() || !url.isValid())
        return false;
    if (const auto& opener = installedOpener())
        return opener(url);
    return QDesktopServices::openUrl(url);
}

void Workspace::setUrlOpener(UrlOpener opener)
{
    installedOpener() = std::move(opener);
}

} // namespace Platform
