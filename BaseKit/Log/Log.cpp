#include "BaseKit/Log/Log.h"

#include "BaseKit/Dates/DateEnvironment.h"
#include "BaseKit/Dates/IcuDateText.h"
#include "BaseKit/Files/Directory.h"

#include "Platform/System/SystemLog.h"

#include <QFileInfo>

namespace BaseKit {

Log& Log::shared()
{
    static Log log;
    return log;
}

Log::Log(Platform::SystemLog::Writer systemLog, DateEnvironment dates)
    : m_systemLog(systemLog)
    , m_dates(std::move(dates))
{
}

Log::~Log()
{
    close();
}

void Log::setup(const QString& identifier, const QString& folder)
{
    if (identifier.isEmpty())
        return;
    std::lock_guard lock(m_mutex);
    m_subsystem = identifier;
    m_closed = false;
    const QString documents = folder.isEmpty() ? directoryPath(Directory::appDocuments) : folder;
    if (documents.isEmpty())
        return;
    auto file = std::make_unique<QFile>(documents + QLatin1Char('/') + identifier + QStringLiteral(".log"));
    if (!file->open(QIODevice::WriteOnly | QIODevice::Append)) {
        m_file.reset();
        return;
    }
    m_file = std::move(file);
}

void Log::close()
{
    std::lock_guard lock(m_mutex);
    flushLocked();
    if (m_file)
        m_file->close();
    m_file.reset();
    m_closed = true;
}

void Log::log(LogSeverity severity, LogCategory category, const QString& message)
{
    const QString line = IcuDateText::pattern(m_dates, QStringLiteral("yyyy-MM-dd HH:mm:ss.SSS"), m_dates.now())
                         + QLatin1Char(' ') + message;
    const QString categoryName = rawValue(category);
    std::optional<QString> subsystem;
    {
        std::lock_guard lock(m_mutex);
        if (m_closed)
            return;
        m_buffer.push_back(line);
        while (m_buffer.size() > bufferLimit)
            m_buffer.pop_front();
        if (m_buffer.size() >= bufferSize)
            flushLocked();
        if (m_subsystem) {
            m_loggers.insert(categoryName);
            subsystem = m_subsystem;
        }
    }
    if (!subsystem)
        return;
    switch (severity) {
    case LogSeverity::debug:
    case LogSeverity::trace:
        return;
    case LogSeverity::info:
        m_systemLog(*subsystem, categoryName, Platform::SystemLog::Level::info, message);
        return;
    case LogSeverity::error:
        m_systemLog(*subsystem, categoryName, Platform::SystemLog::Level::error, message);
        return;
    case LogSeverity::fault:
        m_systemLog(*subsystem, categoryName, Platform::SystemLog::Level::fault, message);
        return;
    }
}

bool Log::logger(const QString& categoryRawValue)
{
    std::lock_guard lock(m_mutex);
    if (m_loggers.count(categoryRawValue))
        return true;
    if (!m_subsystem)
        return false;
    m_loggers.insert(categoryRawValue);
    return true;
}

void Log::flush()
{
    std::lock_guard lock(m_mutex);
    flushLocked();
}

void Log::flushLocked()
{
    if (!m_file || !m_file->isOpen() || m_buffer.empty())
        return;
    QByteArray bytes;
    for (const QString& line : m_buffer)
        bytes += line.toUtf8() + '\n';
    // A failed write keeps the lines for the next flush (the buffer stays capped).
    if (!m_file->seek(m_file->size()) || m_file->write(bytes) != bytes.size() || !m_file->flush())
        return;
    m_buffer.clear();
}

std::optional<QString> Log::subsystem() const
{
    std::lock_guard lock(m_mutex);
    return m_subsystem;
}

void Log::setSubsystem(std::optional<QString> subsystem)
{
    std::lock_guard lock(m_mutex);
    m_subsystem = std::move(subsystem);
}

QString Log::filePath() const
{
    std::lock_guard lock(m_mutex);
    return m_file ? QFileInfo(*m_file).absoluteFilePath() : QString();
}

std::size_t Log::bufferedLineCount() const
{
    std::lock_guard lock(m_mutex);
    return m_buffer.size();
}

} // namespace BaseKit
