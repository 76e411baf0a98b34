#include "SystemKit/Network/ToolText.h"

namespace SystemKit {

namespace {

bool isNewline(char16_t c)
{
    return (c >= u'\n' && c <= u'\r') || c == u'\u0085' || c == u'\u2028' || c == u'\u2029';
}

int digitValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return 99;
}

} // namespace

QList<QStringView> ToolText::lines(QStringView text)
{
    QList<QStringView> result;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isNewline(text[i].unicode())) {
            result.append(text.sliced(start, i - start));
            start = i + 1;
        }
    }
    result.append(text.sliced(start));
    return result;
}

std::optional<std::uint64_t> ToolText::readUnsigned(QStringView field, int base, std::uint64_t limit)
{
    if (base != 10 && base != 16)
        return std::nullopt;
    bool negative = false;
    if (!field.isEmpty() && (field.front() == u'+' || field.front() == u'-')) {
        negative = field.front() == u'-';
        field = field.sliced(1);
    }
    if (field.isEmpty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const QChar c : field) {
        const int digit = digitValue(c.unicode());
        if (digit >= base)
            return std::nullopt;
        if (value > (limit - std::uint64_t(digit)) / std::uint64_t(base))
            return std::nullopt; // value * base + digit would pass the limit
        value = value * std::uint64_t(base) + std::uint64_t(digit);
    }
    if (negative && value != 0)
        return std::nullopt;
    return value;
}

} // namespace SystemKit
