#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QString>

namespace Platform {

// The desktop's light or dark preference, from the XDG settings portal
// (org.freedesktop.portal.Settings, namespace "org.freedesktop.appearance", key "color-scheme"). The
// value is read asynchronously when the object is made and again on every SettingChanged signal of the
// portal; until an answer arrives, and without a portal, there is no preference.
class ColorScheme : public QObject
{
    Q_OBJECT

public:
    // The portal's values: 0 no preference, 1 dark, 2 light.
    enum class Preference { none = 0, dark = 1, light = 2 };
    Q_ENUM(Preference)

    // `service` is the bus name of the portal (tests serve a portal of their own under another name).
    explicit ColorScheme(const QDBusConnection& bus = QDBusConnection::sessionBus(),
                         const QString& service = QStringLiteral("org.freedesktop.portal.Desktop"),
                         QObject* parent = nullptr);

    Preference current() const { return m_current; }

    // Reads the portal's value again (asynchronously).
    void refresh();

    // The preference of a portal value as it arrives (a number, possibly wrapped in variants);
    // anything else is no preference.
    static Preference fromPortalValue(const QVariant& value);

signals:
    // The preference changed.
    void changed(Platform::ColorScheme::Preference preference);

private slots:
    void settingChanged(const QDBusMessage& message);

private:
    void apply(Preference preference);

    QDBusConnection m_bus;
    QString m_service;
    Preference m_current = Preference::none;
};

} // namespace Platform
