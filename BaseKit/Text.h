#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// Shared text constants and small text operations. Offsets and lengths count characters as a reader
// sees them (grapheme clusters), not UTF-16 units.
namespace BaseKit::Text {

inline const QString empty;
// The text of every reading that failed or is absent.
inline const QString dash = QStringLiteral("-");
inline const QString bullet = QStringLiteral("\u2022");
inline const QString indentation = QStringLiteral("    ");
inline const QString newline = QStringLiteral("\n");
inline const QString nul = QString(QChar(u'\0'));
inline const QString doubleSpace = QStringLiteral("  ");

// The first `count` characters when the text has more; the text itself otherwise. A negative count
// gives the empty text.
QString truncated(const QString& text, qsizetype count);

// The characters from `from` up to from + length, the end capped at the text's length. A start
// outside the text or a negative length gives the empty text.
QString substring(const QString& text, qsizetype from, qsizetype length);

// The characters from `from` (a negative start counts as 0) up to `to` (capped at the text's length).
// An end before the start gives the empty text.
QString substringTo(const QString& text, qsizetype from, qsizetype to);

// The whole text read as a single-precision number with C conventions ("." as decimal point; inf,
// nan and hexadecimal forms included). None for the empty text, a leading blank or control
// character, or any trailing character.
std::optional<float> floatValue(const QString& text);

// The text with every NUL character removed.
QString removingNullCharacters(const QString& text);

// The last component of the text read as a file path; trailing "/" are ignored ("/a/b/" gives "b",
// "/" gives "/").
QString lastPathComponent(const QString& text);

// True when the text is absent or empty.
bool isNilOrEmpty(const std::optional<QString>& text);

// The current locale's decimal separator, "." when the locale has none.
QString decimalSeparator();

// The integer with the current locale's grouping separator ("12,345" in English, "12.345" in German).
QString groupedText(std::int64_t value);

} // namespace BaseKit::Text
