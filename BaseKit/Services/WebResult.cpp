#include "BaseKit/Services/WebResult.h"

namespace BaseKit {

QByteArray WebResponse::header(const QByteArray& name) const
{
    for (const auto& [key, value] : headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

} // namespace BaseKit
