#include "Platform/Sysfs/PowerSupply.h"

#include "Platform/System/KernelName.h"
#include "Platform/Proc/ProcFile.h"

#include <QDir>
#include <QFile>

#include <charconv>
#include <map>
#include <cmath>
#include <cstdlib>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace Platform {

namespace {
QString folderOf(const QString& root)
{
    return ProcFile::join(root, "sys/class/power_supply");
}

QByteArray trimmedLine(std::string_view text)
{
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.remove_suffix(1);
    return QByteArray(text.data(), qsizetype(text.size()));
}
// The readings shared inside the outermost ReadingScope of this thread; none outside one.
thread_local std::map<std::pair<QString, QString>, std::shared_ptr<const PowerSupply>>* t_shared = nullptr;
} // namespace

PowerSupply::ReadingScope::ReadingScope()
{
    if (!t_shared) {
        t_shared = new std::map<std::pair<QString, QString>, std::shared_ptr<const PowerSupply>>;
        m_outermost = true;
    }
}

PowerSupply::ReadingScope::~ReadingScope()
{
    if (m_outermost) {
        delete t_shared;
        t_shared = nullptr;
    }
}

std::shared_ptr<const PowerSupply> PowerSupply::open(const QString& root, const QString& name)
{
    if (!t_shared)
        return std::make_shared<PowerSupply>(root, name);
    auto& slot = (*t_shared)[{root, name}];
    if (!slot)
        slot = std::make_shared<PowerSupply>(root, name);
    return slot;
}

PowerSupply::PowerSupply(const QString& root, const QString& name) : m_name(name)
{
    const QByteArray path = KernelName::encode(folderOf(root) + QLatin1Char('/') + name);
    if (!name.isEmpty() && !name.contains(QLatin1Char('/')))
        m_dirFd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

PowerSupply::~PowerSupply()
{
    if (m_dirFd >= 0)
        ::close(m_dirFd);
}

QStringList PowerSupply::names(const QString& root)
{
    // A plain listing: the entries are links into sys/devices, and following each costs more than the
    // poll's reads.
    QStringList result;
    DIR* dir = ::opendir(KernelName::encode(folderOf(root)).constData());
    if (!dir)
        return result;
    while (const dirent* entry = ::readdir(dir)) {
        if (entry->d_name[0] != '.')
            result.append(KernelName::decode(entry->d_name));
    }
    ::closedir(dir);
    result.sort();
    return result;
}

std::optional<QString> PowerSupply::firstBattery(const QString& root)
{
    for (const QString& name : names(root)) {
        if (open(root, name)->isSystemBattery(false))
            return name;
    }
    return std::nullopt;
}

std::optional<QByteArray> PowerSupply::readAttribute(const char* name) const
{
    // A sysfs attribute is at most one page.
    const auto text = ProcFile::read(m_dirFd, name, m_buffer, 4096);
    if (!text)
        return std::nullopt;
    return trimmedLine(*text);
}

std::optional<QByteArray> PowerSupply::text(const char* attribute) const
{
    if (m_dirFd < 0)
        return std::nullopt;
    const QByteArray key(attribute);
    if (const auto known = m_values.constFind(key); known != m_values.constEnd())
        return *known;
    auto value = readAttribute(attribute);
    if (!value)
        value = ueventValue(attribute);
    m_values.insert(key, value);
    return value;
}

std::optional<QByteArray> PowerSupply::ueventValue(const char* attribute) const
{
    if (!m_ueventRead) {
        m_ueventRead = true;
        if (const auto found = readAttribute("uevent")) {
            std::string_view text(found->constData(), std::size_t(found->size()));
            constexpr std::string_view prefix = "POWER_SUPPLY_";
            while (!text.empty()) {
                const std::size_t newline = text.find('\n');
                const std::size_t end = newline == std::string_view::npos ? text.size() : newline;
                const std::string_view line = text.substr(0, end);
                text.remove_prefix(std::min(end + 1, text.size()));
                const std::size_t equals = line.find('=');
                if (line.substr(0, prefix.size()) != prefix || equals == std::string_view::npos)
                    continue;
                const std::string_view key = line.substr(prefix.size(), equals - prefix.size());
                m_uevent.insert(QByteArray(key.data(), qsizetype(key.size())).toLower(),
                                trimmedLine(line.substr(equals + 1)));
            }
        }
    }
    const auto found = m_uevent.constFind(QByteArray(attribute));
    if (found == m_uevent.constEnd())
        return std::nullopt;
    return *found;
}

void PowerSupply::remember(const char* attribute, std::optional<QByteArray> value) const
{
    m_values.insert(QByteArray(attribute), std::move(value));
}

std::optional<std::int64_t> PowerSupply::number(const char* attribute) const
{
    const auto value = text(attribute);
    if (!value || value->isEmpty())
        return std::nullopt;
    std::int64_t result = 0;
    const char* begin = value->constData();
    const char* end = begin + value->size();
    const auto [stop, ec] = std::from_chars(begin, end, result);
    if (ec != std::errc() || stop != end)
        return std::nullopt;
    return result;
}

bool PowerSupply::isSystemBattery(bool upsToo) const
{
    const QByteArray kind = type();
    if (kind != "Battery" && !(upsToo && kind == "UPS"))
        return false;
    const auto scope = text("scope");
    if (scope && *scope != "System")
        return false;
    return number("present").value_or(1) != 0;
}

bool PowerSupply::isOnlineAdapter() const
{
    const QByteArray kind = type();
    return (kind == "Mains" || kind.startsWith("USB")) && number("online").value_or(0) == 1;
}

std::optional<std::int64_t> PowerSupply::wholeNumber(double value)
{
    // 2^63 is exact as a double; below it every double rounds to a value inside the range.
    constexpr double limit = 9223372036854775808.0;
    if (!std::isfinite(value) || value >= limit || value < -limit)
        return std::nullopt;
    return std::llround(value);
}

std::optional<std::int64_t> PowerSupply::capacityMilliampHours(const char* which) const
{
    const QByteArray suffix(which);
    if (const auto charge = number(("charge_" + suffix).constData()))
        return wholeNumber(double(*charge) / 1000.0);
    const auto energy = number(("energy_" + suffix).constData());
    const auto volts = number("voltage_min_design");
    if (!energy || !volts || *volts <= 0)
        return std::nullopt;
    // µWh / µV is Ah.
    return wholeNumber(double(*energy) / double(*volts) * 1000.0);
}

std::optional<std::int64_t> PowerSupply::currentMilliamps() const
{
    std::optional<double> milliamps;
    if (const auto current = number("current_now"); current && !currentHoldsPower()) {
        milliamps = std::abs(double(*current)) / 1000.0;
    } else {
        const auto power = powerMicrowatts();
        const auto volts = number("voltage_now");
        if (power && volts && *volts != 0)
            milliamps = std::abs(double(*power) * 1000.0 / double(*volts));
    }
    const auto magnitude = milliamps ? wholeNumber(*milliamps) : std::nullopt;
    if (!magnitude)
        return std::nullopt;
    // Not negative: the magnitude's negation always fits.
    return text("status").value_or(QByteArray()) == "Discharging" ? -*magnitude : *magnitude;
}

std::optional<std::int64_t> PowerSupply::powerMicrowatts() const
{
    if (const auto power = number("power_now"))
        return power;
    return currentHoldsPower() ? number("current_now") : std::nullopt;
}

bool PowerSupply::currentHoldsPower() const
{
    return !number("power_now") && !number("charge_now") && number("energy_now") && number("current_now");
}

} // namespace Platform
