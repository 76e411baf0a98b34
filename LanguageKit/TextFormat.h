// Fills arguments into a translated text. A translation comes from a file, so it is never used as a
// printf format: this reads the placeholders itself and can neither crash nor read past the arguments.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

namespace LanguageKit {

class TextFormat
{
public:
    TextFormat() = delete;

    // Replaces the placeholders of `format` by `arguments`:
    //   %@                 the argument as text
    //   %d %i %u, with l, ll or q before them: an integer
    //   %f, %.Nf           a number with 6 or N fraction digits, "." as decimal point
    //   %N$@, %N$d, %N$.2f the N-th argument (counted from 1), in any order
    //   %%                 a single "%"
    // Placeholders without a position take the arguments in order. A placeholder whose argument is
    // missing, and anything after "%" that is not one of the above (such as %n or %s), stay as they are
    // in the text; arguments no placeholder asks for are left out.
    static QString apply(const QString& format, const QVariantList& arguments);

    // The placeholders of `format` in order of appearance, each as written ("%@", "%2$@", "%.1f"),
    // without "%%". Two texts take the same arguments when these lists match.
    static QStringList placeholders(const QString& format);

    // Whether a value can fill a placeholder: text, integers and floating-point numbers.
    static bool isArgument(const QVariant& value);
};

} // namespace LanguageKit
