#include "BaseKit/Apps/LoginItem.h"

#include "BaseKit/Bundle.h"

#include "Platform/Desktop/DesktopEntries.h"
#include "Platform/Desktop/LoginItems.h"

#include <QCoreApplication>

namespace BaseKit {

LoginItem::LoginItem(QString identifier, QString name, QString command)
    : m_identifier(std::move(identifier))
    , m_name(std::move(name))
    , m_command(std::move(command))
{
}

LoginItem LoginItem::mainApp()
{
    // The Exec line quotes the program, so a path with blanks stays one word.
    QString program = QCoreApplication::applicationFilePath();
    program.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return LoginItem(Bundle::identifier(), QCoreApplication::applicationName(),
                     program.isEmpty() ? QString() : QLatin1Char('"') + program + QLatin1Char('"'));
}

LoginItem LoginItem::loginItem(const QString& identifier, Platform::LoginItems::Remover remove)
{
    const auto entry = Platform::DesktopEntries().find(identifier);
    LoginItem item = entry ? LoginItem(identifier, entry->name, entry->exec)
                           : LoginItem(identifier, identifier, identifier);
    item.m_remove = std::move(remove);
    return item;
}

LoginItem::Status LoginItem::status() const
{
    return Status(int(Platform::LoginItems::status(m_identifier)));
}

bool LoginItem::registerItem() const
{
    return Platform::LoginItems::registerItem(m_identifier, m_name, m_command);
}

bool LoginItem::unregisterItem() const
{
    return Platform::LoginItems::unregisterItem(m_identifier, m_remove);
}

} // namespace BaseKit
