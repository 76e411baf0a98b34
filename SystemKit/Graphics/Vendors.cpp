#include "SystemKit/Graphics/Vendors.h"

namespace SystemKit {

const QByteArray& Vendors::amd()
{
    static const QByteArray bytes("\x02\x10\x00\x00", 4);
    return bytes;
}

const QByteArray& Vendors::apple()
{
    static const QByteArray bytes("\x6B\x10\x00\x00", 4);
    return bytes;
}

const QByteArray& Vendors::intel()
{
    static const QByteArray bytes("\x86\x80\x00\x00", 4);
    return bytes;
}

} // namespace SystemKit
