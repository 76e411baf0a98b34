#include "Platform/System/KernelName.h"
#include "Platform/System/Utf8.h"

namespace Platform {

namespace {

constexpr char16_t escapeBase = 0xDC00; // + a byte from 0x80 to 0xFF
constexpr char16_t replacement = 0xFFFD;

bool isEscape(char16_t unit)
{
    return unit >= 0xDC80 && unit <= 0xDCFF;
}

// The length of the valid UTF-8 sequence at `at` and its code point; 0 when none starts there.
int sequence(QByteArrayView bytes, qsizetype at, char32_t& codePoint)
{
    const auto byte = [&bytes](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    int length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        minimum = 0x80;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        minimum = 0x800;
        codePoint = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        minimum = 0x10000;
        codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (bytes.size() - at < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        const unsigned char next = byte(at + i);
        if ((next & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

QString KernelName::decode(QByteArrayView bytes)
{
    QString result;
    result.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        char32_t codePoint = 0;
        const int length = sequence(bytes, i, codePoint);
        if (length == 0) {
            result.append(QChar(char16_t(escapeBase + static_cast<unsigned char>(bytes[i]))));
            ++i;
            continue;
        }
        if (codePoint < 0x10000) {
            result.append(QChar(char16_t(codePoint)));
        } else {
            result.append(QChar(QChar::highSurrogate(codePoint)));
            result.append(QChar(QChar::lowSurrogate(codePoint)));
        }
        i += length;
    }
    return result;
}

QByteArray KernelName::encode(QStringView name)
{
    QByteArray result;
    result.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t unit = name[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < name.size() && QChar::isLowSurrogate(name[i + 1].unicode())) {
            appendUtf8(result, QChar::surrogateToUcs4(unit, name[i + 1].unicode()));
            ++i;
        } else if (isEscape(unit)) {
            result.append(char(unit - escapeBase));
        } else if (QChar::isSurrogate(unit)) {
            appendUtf8(result, replacement);
        } else {
            appendUtf8(result, unit);
        }
    }
    return result;
}

QString KernelName::displayed(QStringView name)
{
    QString result = name.toString();
    for (qsizetype i = 0; i < result.size(); ++i) {
        const char16_t unit = result[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < result.size() && QChar::isLowSurrogate(result[i + 1].unicode())) {
            ++i;
            continue;
        }
        if (QChar::isSurrogate(unit))
            result[i] = QChar(replacement);
    }
    return result;
}

} // namespace Platform
