#include "BaseKit/Files/Finder.h"

#include "Platform/Desktop/Workspace.h"

namespace BaseKit {

void Finder::reveal(const QString& path, const Workspace::UrlOpener& opener)
{
    if (!path.isEmpty())
        Platform::Workspace::reveal(path, opener);
}

} // namespace BaseKit
