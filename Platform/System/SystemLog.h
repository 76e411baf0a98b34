#pragma once

#include <QString>

namespace Platform {

// The system log (syslog(3); the journal keeps what it receives). Messages carry the program's
// identifier and a category in front of the text.
class SystemLog {
public:
    enum class Level { info, error, fault };

    static void write(const QString& identifier, const QString& category, Level level, const QString& message);

    // What writes a message: write() itself, or what a test watches the messages with.
    using Writer = void (*)(const QString& identifier, const QString& category, Level level, const QString& message);
};

} // namespace Platform
