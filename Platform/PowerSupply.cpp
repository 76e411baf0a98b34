#include "Platform/PowerSupply.h"

#include "Platform/ProcFile.h"

#include <QDir>
#include <QFile>

#include <charconv>
#include <cmath>
#include <cstdlib>

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
} // namespace

PowerSupply::PowerSupply(const QString& root, const QString& name) : m_name(name)
{
    const QByteArray path = QFile::encodeName(folderOf(root) + QLatin1Char('/') + name);
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
    return QDir(folderOf(root)).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
}

std::optional<QString> PowerSupply::firstBattery(const QString& root)
{
    for (const QString& name : names(root)) {
        if (PowerSupply(root, name).isSystemBattery(false))
            return name;
    }
    return std::nullopt;
}

std::optional<QByteArray> PowerSupply::text(const char* attribute) const
{
    if (m_dirFd < 0)
        return std::nullopt;
    if (const auto found = ProcFile::read(m_dirFd, attribute, m_buffer))
        return trimmedLine(*found);
    return ueventValue(attribute);
}

std::optional<QByteArray> PowerSupply::ueventValue(const char* attribute) const
{
    if (!m_ueventRead) {
        m_ueventRead = true;
        if (const auto found = ProcFile::read(m_dirFd, "uevent", m_buffer))
            m_uevent = QByteArray(found->data(), qsizetype(found->size()));
    }
    const QByteArray key = "POWER_SUPPLY_" + QByteArray(attribute).toUpper() + '=';
    for (const QByteArray& line : m_uevent.split('\n')) {
        if (line.startsWith(key))
            return trimmedLine(std::string_view(line.constData() + key.size(), std::size_t(line.size() - key.size())));
    }
    return std::nullopt;
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

std::optional<std::int64_t> PowerSupply::capacityMilliampHours(const char* which) const
{
    const QByteArray suffix(which);
    if (const auto charge = number(("charge_" + suffix).constData()))
        return std::llround(double(*charge) / 1000.0);
    const auto energy = number(("energy_" + suffix).constData());
    const auto volts = number("voltage_min_design");
    if (!energy || !volts || *volts <= 0)
        return std::nullopt;
    // µWh / µV is Ah.
    return std::llround(double(*energy) / double(*volts) * 1000.0);
}

std::optional<std::int64_t> PowerSupply::currentMilliamps() const
{
    std::optional<double> milliamps;
    if (const auto current = number("current_now")) {
        milliamps = std::abs(double(*current)) / 1000.0;
    } else {
        const auto power = number("power_now");
        const auto volts = number("voltage_now");
        if (power && volts && *volts != 0)
            milliamps = std::abs(double(*power) * 1000.0 / double(*volts));
    }
    if (!milliamps)
        return std::nullopt;
    const std::int64_t magnitude = std::llround(*milliamps);
    return text("status").value_or(QByteArray()) == "Discharging" ? -magnitude : magnitude;
}

} // namespace Platform
