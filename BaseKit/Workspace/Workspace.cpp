#include "BaseKit/Workspace/Workspace.h"

#include "Platform/Desktop/Workspace.h"

#include <QUrl>

namespace BaseKit {

namespace {

QUrl parsedUrl(const QString& text)
{
    const QUrl url(text, QUrl::StrictMode);
    if (text.isEmpty() || !url.isValid() || url.isRelative())
        return {};
    return url;
}

} // namespace

void Workspace::open(const QString& path, const UrlOpener& opener)
{
    if (path.isEmpty())
        return;
    Platform::Workspace::openUrl(QUrl::fromLocalFile(path), opener);
}

bool Workspace::openUrlString(const QString& text, const UrlOpener& opener)
{
    const QUrl url = parsedUrl(text);
    return !url.isEmpty() && Platform::Workspace::openUrl(url, opener);
}

bool Workspace::openNetworkUrlString(const QString& text, const UrlOpener& opener)
{
    const QUrl url = parsedUrl(text);
    const QString scheme = url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https") && scheme != QLatin1String("mailto"))
        return false;
    // A web address without a host is no page at all.
    if (scheme != QLatin1String("mailto") && url.host().isEmpty())
        return false;
    return Platform::Workspace::openUrl(url, opener);
}

} // namespace BaseKit
