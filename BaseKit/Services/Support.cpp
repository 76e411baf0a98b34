#include "BaseKit/Services/Support.h"

#include "BaseKit/Services/Maker.h"
#include "BaseKit/Workspace/Workspace.h"

#include <QString>

namespace BaseKit {

void Support::openContactPage()
{
    Workspace::openUrlString(QString::fromLatin1(Maker::contactPage));
}

void Support::openFaqPage()
{
    Workspace::openUrlString(QString::fromLatin1(Maker::faqPage));
}

} // namespace BaseKit
