#include "BaseKit/Files/Finder.h"

#include "Platform/Desktop/Workspace.h"

namespace BaseKit {

void Finder::reveal(const QString& path)
{
    if (!path.isEmpty())
        Platform::Workspace::reveal(path);
}

} // namespace BaseKit
