#include "Platform/PropertyList/PlistWriteRules.h"

#include <QSet>

#include <algorithm>

namespace Platform {

bool PlistWriteRules::leftOut(const PlistValue& value)
{
    if (value.isNone())
        return true;
    const auto date = value.toDate();
    return date && !date->isValid();
}

std::optional<QString> PlistWriteRules::text(const QString& text)
{
    const qsizetype size = text.size();
    const QChar* units = text.constData();
    QString fixed;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t unit = units[i].unicode();
        if (unit == 0)
            return std::nullopt;
        if (!QChar::isSurrogate(unit))
            continue;
        if (QChar::isHighSurrogate(unit) && i + 1 < size && QChar::isLowSurrogate(units[i + 1].unicode())) {
            ++i; // a pair
            continue;
        }
        if (fixed.isNull())
            fixed = text;
        fixed[i] = QLatin1Char('?');
    }
    return fixed.isNull() ? text : fixed;
}

PlistWriteRules::Texts::Seen& PlistWriteRules::Texts::operator()(const QString& text)
{
    if (text.size() < kKnownUnits) {
        m_short = {PlistWriteRules::text(text), std::nullopt};
        return m_short;
    }
    const auto [found, added] = m_seen.try_emplace(Storage{text.constData(), text.size()});
    if (added) {
        found->second.text = text;
        found->second.seen.written = PlistWriteRules::text(text);
    }
    return found->second.seen;
}

std::optional<std::vector<PlistWriteRules::Entry>> PlistWriteRules::entries(const PlistValue::DictionaryType& dictionary,
                                                                            Texts& texts)
{
    std::vector<Entry> written;
    written.reserve(dictionary.size());
    bool changed = false;
    for (const auto& [key, value] : dictionary) {
        if (leftOut(value))
            continue;
        const auto& kept = texts(key).written;
        if (!kept)
            return std::nullopt;
        // Only a replaced surrogate can make two keys one, the dictionary's own keys being distinct; a
        // key written as it is shares its characters.
        changed = changed || kept->constData() != key.constData();
        written.emplace_back(*kept, &value);
    }
    if (changed) {
        QSet<QString> keys;
        keys.reserve(qsizetype(written.size()));
        for (const Entry& entry : written) {
            if (keys.contains(entry.first))
                return std::nullopt;
            keys.insert(entry.first);
        }
    }
    return written;
}

std::int64_t PlistWriteRules::dateMilliseconds(const QDateTime& date, Form form)
{
    constexpr std::int64_t epoch = PlistValue::kDateEpochOffset * 1000;
    constexpr std::int64_t lowest = epoch + PlistValue::kMinDateSeconds * 1000;
    constexpr std::int64_t highest = epoch + PlistValue::kMaxDateSeconds * 1000;
    const std::int64_t msecs = std::clamp<std::int64_t>(date.toMSecsSinceEpoch(), lowest, highest) - epoch;
    if (form == Form::binary)
        return msecs;
    // The second the date lies in: toward the earlier one also before 2001.
    return msecs - (msecs % 1000 + 1000) % 1000;
}

} // namespace Platform
