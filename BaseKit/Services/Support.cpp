#include "BaseKit/Services/Support.h"

#include "BaseKit/Services/Maker.h"
#include "BaseKit/Workspace/Workspace.h"

#include <QString>

namespace BaseKit {

bool Support::openContactPage()
{
    return Workspace::openUrlString(QString::fromLatin1(Maker::contactPage));
}

bool Support::openFaqPage()
{
    return Workspace::openUrlString(QString::fromLatin1(Maker::faqPage));
}

} // namespace BaseKit
