#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <map>

class QWidget;

namespace Kestrion {

// The application's windows by identifier (the window's object name). A window is opened once: a
// request for a window that is open brings that window to the front instead of making a second one.
class WindowRegistry : public QObject
{
    Q_OBJECT

public:
    using Maker = std::function<QWidget*()>;

    explicit WindowRegistry(QObject* parent = nullptr);

    // The maker of a window; the window it makes gets `identifier` as its object name.
    void add(const QString& identifier, Maker maker);

    // Brings the open window of that identifier to the front, or makes, shows and activates a new one.
    // Returns the window; nullptr for an identifier without a maker.
    QWidget* openOnce(const QString& identifier);

    // The open (visible) top-level window whose identifier is exactly `identifier`; nullptr when none is.
    static QWidget* openWindow(const QString& identifier);

signals:
    void windowOpened(const QString& identifier, QWidget* window);

private:
    std::map<QString, Maker> m_makers;
};

} // namespace Kestrion
