#include "Platform/PropertyList/Defaults.h"

#include "Platform/Files/FolderWatch.h"
#include "Platform/Files/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <sys/stat.h>

#include <charconv>
#include <cmath>
#include <utility>
#include <vector>

namespace Platform {

namespace {

// A whole text as a number, a leading '+' and surrounding blanks allowed; locale-free.
template <typename Number>
std::optional<Number> parseNumber(const QString& text)
{
    const QByteArray bytes = text.trimmed().toUtf8();
    Number value = 0;
    const char* begin = bytes.constData();
    const char* end = begin + bytes.size();
    if (begin != end && *begin == '+')
        ++begin;
    auto [ptr, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc() || ptr != end || begin == end)
        return std::nullopt;
    return value;
}

std::optional<std::int64_t> parseInteger(const QString& text)
{
    return parseNumber<std::int64_t>(text);
}

// Finite numbers only.
std::optional<double> parseReal(const QString& text)
{
    const auto value = parseNumber<double>(text);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

QString& standardSuiteName()
{
    static QString name;
    return name;
}

bool& standardSuiteMade()
{
    static bool made = false;
    return made;
}

SystemLog::Writer& logWriter()
{
    static SystemLog::Writer writer = &SystemLog::write;
    return writer;
}

// A key as a log line shows it: on one line, and not longer than a line.
QString printableKey(const QString& key)
{
    constexpr qsizetype shown = 80;
    QString printable = key.left(shown);
    for (QChar& c : printable) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = QLatin1Char('?');
    }
    if (key.size() > shown)
        printable += QChar(0x2026);
    return QLatin1Char('"') + printable + QLatin1Char('"');
}

// One line in the system log under the program's identifier (the standard suite's name).
void logError(const QString& message)
{
    QString identifier = standardSuiteName();
    if (identifier.isEmpty())
        identifier = QCoreApplication::applicationName();
    logWriter()(identifier, QStringLiteral("Defaults"), SystemLog::Level::error, message);
}

} // namespace

Defaults::Defaults(const QString& suite, QObject* parent)
    : Defaults(suite, Owner::thisProgram, parent)
{
}

Defaults::Defaults(const QString& suite, Owner owner, QObject* parent)
    : QObject(parent),
      m_suite(suite),
      m_path(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') + suite +
             QStringLiteral(".plist")),
      m_owner(owner)
{
    connect(&FolderWatch::shared(), &FolderWatch::changed, this, [this](int id) {
        if (m_watchId != 0 && id == m_watchId)
            refresh();
    });
    watch();
}

Defaults::~Defaults()
{
    if (m_watchId != 0)
        FolderWatch::shared().remove(m_watchId);
}

Defaults& Defaults::standard()
{
    static Defaults* suite = [] {
        standardSuiteMade() = true;
        QString name = standardSuiteName();
        if (name.isEmpty())
            name = QCoreApplication::applicationName();
        if (name.isEmpty())
            name = QStringLiteral("standard");
        return new Defaults(name);
    }();
    return *suite;
}

void Defaults::setStandardSuite(const QString& suite)
{
    if (standardSuiteMade())
        qWarning("Defaults: the standard suite is in use already; it keeps its name");
    standardSuiteName() = suite;
}

Defaults::FileState Defaults::stat() const
{
    FileState state;
    struct ::stat info {};
    if (::stat(QFile::encodeName(m_path).constData(), &info) != 0)
        return state;
    state.exists = true;
    state.regular = S_ISREG(info.st_mode);
    state.device = std::uint64_t(info.st_dev);
    state.inode = std::uint64_t(info.st_ino);
    state.size = std::int64_t(info.st_size);
    state.mtimeSeconds = std::int64_t(info.st_mtim.tv_sec);
    state.mtimeNanoseconds = std::int64_t(info.st_mtim.tv_nsec);
    return state;
}

void Defaults::refresh() const
{
    if (m_loaded) {
        // A file that is a link to another folder changes there, unseen by the watch: its time stamps
        // are looked at as well.
        if (m_watchId != 0) {
            if (!FolderWatch::shared().takeChanged(m_watchId) && (!m_linked || stat() == m_state))
                return;
        } else if (stat() == m_state) {
            return;
        }
    }
    load(stat());
}

void Defaults::load(const FileState& state) const
{
    QByteArray bytes;
    bool corrupt = false;
    FileState loadedState = state;
    // Anything but a regular file reads as no file. An unreadable file (no permission) is left alone
    // and reads as an empty suite.
    if (state.exists && state.regular) {
        if (state.size > maxFileSize) {
            corrupt = true;
        } else if (auto content = RegularFile::read(m_path, maxFileSize)) {
            bytes = std::move(*content);
            corrupt = bytes.size() > maxFileSize;
            if (corrupt)
                bytes.clear();
        }
    }
    // The content decides: a file written again with what it held changes nothing.
    if (m_loaded && !corrupt && bytes == m_bytes) {
        m_state = loadedState;
        m_linked = QFileInfo(m_path).isSymLink();
        return;
    }

    PlistValue::DictionaryType values;
    if (!corrupt && !bytes.isEmpty()) {
        std::optional<PlistValue> decoded = PlistValue::decode(bytes);
        if (decoded && decoded->toDictionary())
            values = *decoded->toDictionary();
        else
            corrupt = true;
    }
    if (corrupt && m_watchId != 0 && FolderWatch::shared().mayBeWriting(m_watchId)) {
        // Half of what a writer is still writing: the suite stays as it was until the writer closes the
        // file, which counts as the next change.
        if (!m_loaded) {
            m_values.clear();
            m_bytes.clear();
            m_state = loadedState;
            m_loaded = true;
        }
        return;
    }
    if (corrupt && m_owner == Owner::thisProgram) {
        const QString aside = m_path + QStringLiteral(".corrupt");
        QFile::remove(aside);
        QFile::rename(m_path, aside);
        loadedState = stat();
    }
    if (corrupt)
        bytes.clear();

    std::vector<QString> differing;
    if (m_loaded) {
        for (const auto& [key, value] : m_values) {
            auto it = values.find(key);
            if (it == values.end() || !(it->second == value))
                differing.push_back(key);
        }
        for (const auto& [key, value] : values) {
            if (m_values.find(key) == m_values.end())
                differing.push_back(key);
        }
    }
    m_values = std::move(values);
    m_bytes = std::move(bytes);
    m_state = loadedState;
    m_linked = QFileInfo(m_path).isSymLink();
    m_loaded = true;
    // Emitted after the state is complete: a receiver may read or write this suite.
    auto* self = const_cast<Defaults*>(this);
    for (const QString& key : differing)
        emit self->changed(key);
}

Defaults::Written Defaults::write()
{
    // What the file cannot hold is refused before the file is touched: a suite the encoder refuses
    // gives no bytes, and a file larger than a read takes would be taken for a damaged one next time.
    const QByteArray bytes = PlistValue(m_values).encodeBinary();
    if (bytes.isEmpty() || bytes.size() > maxFileSize)
        return Written::refused;
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    // Over anything but a regular file (or no file) nothing is written: the atomic replacement would
    // follow a link to a device and put a file in its place, and a pipe is no settings file.
    if (const FileState before = stat(); before.exists && !before.regular) {
        m_state = before;
        watch();
        logError(m_suite + QStringLiteral(": not written, the path holds no regular file"));
        return Written::failed;
    }
    QSaveFile file(m_path);
    bool written = false;
    if (file.open(QIODevice::WriteOnly)) {
        written = file.write(bytes) == bytes.size() && file.commit();
        if (!written)
            file.cancelWriting();
    }
    if (written)
        m_bytes = bytes;
    else
        logError(m_suite + QStringLiteral(": not written (") + file.errorString() + QStringLiteral(")"));
    m_state = stat();
    watch();
    return written ? Written::yes : Written::failed;
}

bool Defaults::change(const QString& key, const PlistValue& value)
{
    refresh();
    // What the key had, put back when the file cannot hold the change.
    auto before = m_values.extract(key);
    if (!value.isNone())
        m_values.emplace(key, value);
    const Written written = write();
    if (written == Written::refused) {
        m_values.erase(key);
        if (before)
            m_values.insert(std::move(before));
        logError(m_suite + QStringLiteral(": the change of ") + printableKey(key) +
                 QStringLiteral(" is refused, the file cannot hold it (nested too deep, too many values or "
                                "bytes, or a file over %1 bytes); the suite stays as it was")
                     .arg(maxFileSize));
    }
    emit changed(key);
    return written == Written::yes;
}

bool Defaults::set(const QString& key, const PlistValue& value)
{
    return change(key, value);
}

bool Defaults::remove(const QString& key)
{
    return change(key, PlistValue());
}

SystemLog::Writer Defaults::setLogWriter(SystemLog::Writer writer)
{
    return std::exchange(logWriter(), writer);
}

void Defaults::watch()
{
    if (m_watchId != 0)
        return;
    const QFileInfo file(m_path);
    QDir().mkpath(file.absolutePath());
    m_watchId = FolderWatch::shared().add(file.absolutePath(), file.fileName());
}

PlistValue Defaults::value(const QString& key) const
{
    refresh();
    auto it = m_values.find(key);
    return it == m_values.end() ? PlistValue() : it->second;
}

bool Defaults::contains(const QString& key) const
{
    refresh();
    return m_values.find(key) != m_values.end();
}

PlistValue::DictionaryType Defaults::dictionary() const
{
    refresh();
    return m_values;
}

bool Defaults::boolean(const QString& key) const
{
    const PlistValue v = value(key);
    if (auto flag = v.toBool())
        return *flag;
    if (auto number = v.toDouble())
        return *number != 0;
    if (v.type() == PlistValue::Type::Real)
        return false; // NaN
    if (auto text = v.toString()) {
        const QString t = text->trimmed();
        if (t.compare(QLatin1String("yes"), Qt::CaseInsensitive) == 0 ||
            t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        if (auto number = parseInteger(t))
            return *number != 0;
    }
    return false;
}

std::int64_t Defaults::integer(const QString& key) const
{
    const PlistValue v = value(key);
    if (auto number = v.toInt64Truncating())
        return *number;
    if (auto flag = v.toBool())
        return *flag ? 1 : 0;
    if (auto text = v.toString()) {
        if (auto number = parseInteger(*text))
            return *number;
        if (auto real = parseReal(*text)) {
            if (auto number = PlistValue(*real).toInt64Truncating())
                return *number;
        }
    }
    return 0;
}

double Defaults::real(const QString& key) const
{
    const PlistValue v = value(key);
    if (auto number = v.toDouble())
        return *number;
    if (auto flag = v.toBool())
        return *flag ? 1.0 : 0.0;
    if (auto text = v.toString()) {
        if (auto number = parseReal(*text))
            return *number;
    }
    return 0.0;
}

std::optional<QString> Defaults::string(const QString& key) const
{
    return value(key).toString();
}

std::optional<QByteArray> Defaults::data(const QString& key) const
{
    return value(key).toData();
}

} // namespace Platform
