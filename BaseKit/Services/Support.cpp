#include "BaseKit/Services/Support.h"

#include "BaseKit/Services/Maker.h"
#include "BaseKit/Workspace/Workspace.h"

#include <QString>

namespace BaseKit {

bool Support::openContactPage(const Workspace::UrlOpener& opener)
{
    return Workspace::openUrlString(QString::fromLatin1(Maker::contactPage), opener);
}

bool Support::openFaqPage(const Workspace::UrlOpener& opener)
{
    return Workspace::openUrlString(QString::fromLatin1(Maker::faqPage), opener);
}

} // namespace BaseKit
