#include "ViewKit/VKLinkOpener.h"

#include "ViewKit/VKStrings.h"
#include "ViewKit/VKTheme.h"
#include "ViewKit/VKToastView.h"

#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace ViewKit {

namespace {
const char* const noticeName = "VKLinkOpenerNotice";
constexpr int noticeMargin = 16;
constexpr int noticeWidestWidth = 560;
} // namespace

bool VKLinkOpener::open(QWidget* origin, const QString& address, const Opener& open)
{
    const bool opened = open && open();
    if (!opened)
        showFailure(origin, address);
    return opened;
}

bool VKLinkOpener::open(QWidget* origin, const QString& address, const BaseKit::Workspace::UrlOpener& urlOpener)
{
    return open(origin, address, [&] { return BaseKit::Workspace::openUrlString(address, urlOpener); });
}

VKToastView* VKLinkOpener::notice(const QWidget* window)
{
    return window ? window->findChild<VKToastView*>(QLatin1String(noticeName), Qt::FindDirectChildrenOnly) : nullptr;
}

void VKLinkOpener::showFailure(QWidget* origin, const QString& address)
{
    QWidget* window = origin ? origin->window() : nullptr;
    if (!window)
        return;
    delete notice(window);
    const QString text = VKStrings::library("NO_APP_TO_OPEN_LINK").arg(address);
    auto* toast = new VKToastView(VKToastSeverity::warning, text, window);
    toast->setObjectName(QLatin1String(noticeName));
    toast->setToolTip(text);
    const int width = std::clamp(std::min(toast->sizeHint().width(), noticeWidestWidth), 0,
                                 std::max(0, window->width() - 2 * noticeMargin));
    const int height = int(VKToastView::bannerHeight);
    toast->setGeometry((window->width() - width) / 2, window->height() - height - noticeMargin, width, height);
    toast->show();
    toast->raise();
    QTimer::singleShot(noticeMilliseconds, toast, &QObject::deleteLater);
}

} // namespace ViewKit
