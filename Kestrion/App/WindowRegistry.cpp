#include "Kestrion/App/WindowRegistry.h"

#include <QApplication>
#include <QWidget>

namespace Kestrion {

WindowRegistry::WindowRegistry(QObject* parent)
    : QObject(parent)
{
}

void WindowRegistry::add(const QString& identifier, Maker maker)
{
    m_makers[identifier] = std::move(maker);
}

QWidget* WindowRegistry::openWindow(const QString& identifier)
{
    if (identifier.isEmpty())
        return nullptr;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->isVisible() && window->objectName() == identifier)
            return window;
    }
    return nullptr;
}

QWidget* WindowRegistry::openOnce(const QString& identifier)
{
    if (QWidget* open = openWindow(identifier)) {
        open->raise();
        open->activateWindow();
        return open;
    }
    const auto found = m_makers.find(identifier);
    if (found == m_makers.end())
        return nullptr;
    QWidget* window = found->second();
    if (!window)
        return nullptr;
    window->setObjectName(identifier);
    window->show();
    window->raise();
    window->activateWindow();
    emit windowOpened(identifier, window);
    return window;
}

} // namespace Kestrion
