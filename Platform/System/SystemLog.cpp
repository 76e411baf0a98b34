#include "Platform/System/SystemLog.h"

#include <syslog.h>

namespace Platform {

void SystemLog::write(const QString& identifier, const QString& category, Level level, const QString& message)
{
    const int priority = level == Level::info ? LOG_INFO : level == Level::error ? LOG_ERR : LOG_CRIT;
    // The identifier goes into the text, so no openlog(3) state is shared with the rest of the process.
    const QByteArray text = (identifier + QStringLiteral(" [") + category + QStringLiteral("] ") + message).toUtf8();
    ::syslog(LOG_USER | priority, "%s", text.constData());
}

} // namespace Platform
