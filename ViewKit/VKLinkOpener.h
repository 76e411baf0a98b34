#pragma once

#include "BaseKit/Workspace/Workspace.h"

#include <QString>

#include <functional>

class QWidget;

namespace ViewKit {

class VKToastView;

// Hands addresses to the desktop on behalf of a view. When no program could open one (the desktop
// refused it: no browser, no opener), the view's window says so in a banner along its bottom for a few
// seconds, so that a link or a button never seems to do nothing.
class VKLinkOpener
{
public:
    VKLinkOpener() = delete;

    using Opener = std::function<bool()>;
    // Runs `open`, which hands `address` to the desktop and says whether it took it; when not, the
    // notice for `address` shows in `origin`'s window. Returns what `open` returned.
    static bool open(QWidget* origin, const QString& address, const Opener& open);
    // The same for an address handed as it stands to `urlOpener`.
    static bool open(QWidget* origin, const QString& address, const BaseKit::Workspace::UrlOpener& urlOpener);

    // Shows the notice that no program could open `address` in `origin`'s window, replacing one
    // shown there before.
    static void showFailure(QWidget* origin, const QString& address);
    // The notice a window shows now, or nullptr.
    static VKToastView* notice(const QWidget* window);

    static constexpr int noticeMilliseconds = 6000;
};

} // namespace ViewKit
