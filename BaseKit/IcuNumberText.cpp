#include "BaseKit/IcuNumberText.h"

#include <QLocale>

#include <map>
#include <tuple>

namespace BaseKit::IcuNumberText {

QString currentLocaleName()
{
    return QLocale().name();
}

icu::Locale currentLocale()
{
    const QString name = currentLocaleName();
    if (name.isEmpty() || name == QLatin1String("C"))
        return icu::Locale("en_US_POSIX");
    return icu::Locale(name.toLatin1().constData());
}

QString toQString(const icu::UnicodeString& text)
{
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

std::optional<QString> formattedText(const icu::number::FormattedNumber& formatted, UErrorCode status)
{
    if (U_FAILURE(status))
        return std::nullopt;
    const icu::UnicodeString text = formatted.toString(status);
    if (U_FAILURE(status) || text.isEmpty())
        return std::nullopt;
    return toQString(text);
}

const icu::number::LocalizedNumberFormatter& cachedFormatter(int kind, int digits, MakeFormatter make)
{
    using Key = std::tuple<QString, int, int>;
    thread_local std::map<Key, icu::number::LocalizedNumberFormatter> cache;
    Key key{currentLocaleName(), kind, digits};
    auto found = cache.find(key);
    if (found != cache.end())
        return found->second;
    // Only a handful of (locale, digits) pairs are ever used; a runaway caller cannot grow it
    // without bound.
    if (cache.size() >= 64)
        cache.clear();
    return cache.emplace(std::move(key), make(currentLocale(), digits)).first->second;
}

} // namespace BaseKit::IcuNumberText
