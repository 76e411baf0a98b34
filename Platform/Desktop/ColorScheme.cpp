#include "Platform/Desktop/ColorScheme.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace Platform {

namespace {
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString settingsInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString appearance = QStringLiteral("org.freedesktop.appearance");
const QString colorSchemeKey = QStringLiteral("color-scheme");
} // namespace

ColorScheme::ColorScheme(const QDBusConnection& bus, const QString& service, QObject* parent)
    : QObject(parent)
    , m_bus(bus)
    , m_service(service)
{
    if (!m_bus.isConnected())
        return;
    // The whole message is taken: QtDBus does not hand a variant argument to a typed slot parameter.
    m_bus.connect(m_service, portalPath, settingsInterface, QStringLiteral("SettingChanged"), this,
                  SLOT(settingChanged(QDBusMessage)));
    refresh();
}

void ColorScheme::refresh()
{
    if (!m_bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(m_service, portalPath, settingsInterface,
                                                       QStringLiteral("Read"));
    call << appearance << colorSchemeKey;
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        const QDBusMessage reply = finished->reply();
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return; // no portal, or no such setting: the preference stays as it is
        apply(fromPortalValue(reply.arguments().constFirst()));
    });
}

ColorScheme::Preference ColorScheme::fromPortalValue(const QVariant& value)
{
    QVariant inner = value;
    // Read answers with the value inside one extra variant; unwrap as many as there are.
    for (int depth = 0; depth < 4; ++depth) {
        if (inner.canConvert<QDBusVariant>() && inner.userType() == qMetaTypeId<QDBusVariant>()) {
            inner = qvariant_cast<QDBusVariant>(inner).variant();
            continue;
        }
        if (inner.userType() == qMetaTypeId<QDBusArgument>()) {
            const QDBusArgument argument = qvariant_cast<QDBusArgument>(inner);
            if (argument.currentType() == QDBusArgument::VariantType) {
                QDBusVariant wrapped;
                argument >> wrapped;
                inner = wrapped.variant();
                continue;
            }
            return Preference::none;
        }
        break;
    }
    bool ok = false;
    const uint number = inner.toUInt(&ok);
    if (!ok || (inner.typeId() != QMetaType::UInt && inner.typeId() != QMetaType::Int
                && inner.typeId() != QMetaType::UChar && inner.typeId() != QMetaType::ULongLong
                && inner.typeId() != QMetaType::LongLong))
        return Preference::none;
    switch (number) {
    case 1:
        return Preference::dark;
    case 2:
        return Preference::light;
    default:
        return Preference::none;
    }
}

void ColorScheme::settingChanged(const QDBusMessage& message)
{
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() < 3 || arguments.at(0).toString() != appearance
        || arguments.at(1).toString() != colorSchemeKey)
        return;
    apply(fromPortalValue(arguments.at(2)));
}

void ColorScheme::apply(Preference preference)
{
    if (preference == m_current)
        return;
    m_current = preference;
    emit changed(preference);
}

} // namespace Platform
