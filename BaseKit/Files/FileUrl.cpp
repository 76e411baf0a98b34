#include "BaseKit/Files/FileUrl.h"

#include "BaseKit/Files/Url.h"

namespace BaseKit {

FileUrl::FileUrl(const QString& path)
    : url(path)
    , size(Url::size(path))
    , name(Url::fileName(path))
{
}

} // namespace BaseKit
