#pragma once

#include "ViewKit/VKMenuBarItem.h"

#include "LanguageKit/BoolBinding.h"

#include <QString>

#include <functional>
#include <memory>

namespace ViewKit {

// A menu-bar item with an empty title and an empty menu whose showing opens one of the application's
// windows, so that a window can open at launch from the menu bar. The item is inserted while the
// caller's flag is true. Where the desktop has no place for such items the scene says so once and
// does nothing.
class VKInitAppScene
{
public:
    // Opens a window by its identifier.
    using OpenWindow = std::function<void(const QString& windowId)>;

    // Without an item the scene uses a system-tray icon.
    VKInitAppScene(QString windowId, bool showWindow, LanguageKit::BoolBinding isInserted, OpenWindow openWindow,
                   std::unique_ptr<VKMenuBarItem> item = nullptr);

    const QString& verbatim() const { return m_verbatim; }
    const QString& windowId() const { return m_windowId; }
    bool showWindow() const { return m_showWindow; }
    bool isInserted() const;
    // Writes the caller's flag and inserts or removes the item to match.
    void setInserted(bool inserted);
    // Inserts or removes the item after the caller's flag changed elsewhere.
    void update();

    // Whether the desktop shows menu-bar items; the reason the scene does nothing when false.
    bool isHostAvailable() const;
    // "" while it works; otherwise why no item is shown.
    QString statusText() const;
    VKMenuBarItem& item() const { return *m_item; }

private:
    void labelShown();

    OpenWindow m_openWindow;
    LanguageKit::BoolBinding m_isInserted;
    const QString m_verbatim;
    QString m_windowId;
    bool m_showWindow;
    std::unique_ptr<VKMenuBarItem> m_item;
    bool m_told = false;
};

} // namespace ViewKit
