#include "LanguageKit/TextFormat.h"

#include <QPoint>
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

using LanguageKit::TextFormat;

namespace {

QString apply(const char* format, const QVariantList& arguments)
{
    return TextFormat::apply(QString::fromUtf8(format), arguments);
}

const QString a = QStringLiteral("A");
const QString b = QStringLiteral("B");
const QString c = QStringLiteral("C");

} // namespace

TEST(TextFormat, ObjectPlaceholdersTakeTheArgumentsInOrder)
{
    EXPECT_EQ(apply("Von %@ zu %@", {a, b}), QStringLiteral("Von A zu B"));
    EXPECT_EQ(apply("About %@", {QStringLiteral("Kestrion")}), QStringLiteral("About Kestrion"));
    EXPECT_EQ(apply("no placeholders", {a, b}), QStringLiteral("no placeholders"));
    EXPECT_EQ(apply("", {a}), QString());
}

TEST(TextFormat, PositionalPlaceholdersPickTheirArgument)
{
    EXPECT_EQ(apply("%3$@ frei von %2$@, %1$@ belegt", {a, b, c}), QStringLiteral("C frei von B, A belegt"));
    EXPECT_EQ(apply("%1$@%1$@", {a}), QStringLiteral("AA"));
    EXPECT_EQ(apply("%2$d/%1$.1f", {1.24, 7}), QStringLiteral("7/1.2"));
}

TEST(TextFormat, PlaceholdersWithoutArgumentsStayAsText)
{
    EXPECT_EQ(apply("%@ und %@", {a}), QStringLiteral("A und %@"));
    EXPECT_EQ(apply("%@ %d %.2f %lld", {}), QStringLiteral("%@ %d %.2f %lld"));
    EXPECT_EQ(apply("%4$@ %0$@ %1$@", {a, b, c}), QStringLiteral("%4$@ %0$@ A"));
    EXPECT_EQ(apply("%999$@", {a}), QStringLiteral("%999$@"));
    EXPECT_EQ(apply("%1000$@", {a}), QStringLiteral("%1000$@"));
    EXPECT_EQ(apply("%99999999999999999999$@", {a}), QStringLiteral("%99999999999999999999$@"));
    EXPECT_EQ(apply("%@ %@", {QVariant(), b}), QStringLiteral("%@ B"));
}

TEST(TextFormat, ExtraArgumentsAreLeftOut)
{
    EXPECT_EQ(apply("%@", {a, b, c}), QStringLiteral("A"));
}

TEST(TextFormat, UnknownAndDangerousSpecifiersStayAsText)
{
    // %n would write to memory and %s would read a C string: neither is ever filled in, and neither
    // takes an argument away from the placeholders after it.
    EXPECT_EQ(apply("%@ %n %s %d %@ %@", {a, b}), QStringLiteral("A %n %s B %@ %@"));
    EXPECT_EQ(apply("%n%n%n%n", {a}), QStringLiteral("%n%n%n%n"));
    EXPECT_EQ(apply("%x %p %c %5d %-@ %.100f %.f", {1, 2, 3}), QStringLiteral("%x %p %c %5d %-@ %.100f %.f"));
    EXPECT_EQ(apply("100%", {a}), QStringLiteral("100%"));
    EXPECT_EQ(apply("%", {}), QStringLiteral("%"));
    EXPECT_EQ(apply("%1$", {a}), QStringLiteral("%1$"));
    EXPECT_EQ(apply("%l", {a}), QStringLiteral("%l"));
    EXPECT_EQ(apply("50%% of %@", {a}), QStringLiteral("50% of A"));
    EXPECT_EQ(apply("%%@", {a}), QStringLiteral("%@"));
}

TEST(TextFormat, Integers)
{
    EXPECT_EQ(apply("%d", {-42}), QStringLiteral("-42"));
    EXPECT_EQ(apply("%i|%ld|%lld|%qd", {1, 2, 3, 4}), QStringLiteral("1|2|3|4"));
    EXPECT_EQ(apply("%lld", {std::numeric_limits<qint64>::min()}), QStringLiteral("-9223372036854775808"));
    EXPECT_EQ(apply("%llu", {std::numeric_limits<quint64>::max()}), QStringLiteral("18446744073709551615"));
    EXPECT_EQ(apply("%d cores", {QVariant::fromValue<quint8>(8)}), QStringLiteral("8 cores"));
    // A number of another kind at an integer placeholder: truncated; one beyond 64 bits as written.
    EXPECT_EQ(apply("%d", {2.9}), QStringLiteral("2"));
    EXPECT_EQ(apply("%d", {1e300}), QStringLiteral("1.0000000000000001e+300"));
    EXPECT_EQ(apply("%d", {std::nan("")}), QStringLiteral("nan"));
}

TEST(TextFormat, RealNumbersUseAPointWhateverTheCLocale)
{
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_EQ(apply("%f", {1.5}), QStringLiteral("1.500000"));
    EXPECT_EQ(apply("%.2f W", {3.14159}), QStringLiteral("3.14 W"));
    EXPECT_EQ(apply("%.0f", {2.0}), QStringLiteral("2"));
    EXPECT_EQ(apply("%.1f", {7}), QStringLiteral("7.0"));
    EXPECT_EQ(apply("%f %f", {std::nan(""), -std::numeric_limits<double>::infinity()}), QStringLiteral("nan -inf"));
    std::setlocale(LC_NUMERIC, previous.c_str());
}

TEST(TextFormat, MismatchedKindsShowTheArgumentsText)
{
    EXPECT_EQ(apply("%@", {42}), QStringLiteral("42"));
    EXPECT_EQ(apply("%@", {1.5}), QStringLiteral("1.5"));
    EXPECT_EQ(apply("%d", {a}), QStringLiteral("A"));
    EXPECT_EQ(apply("%.2f", {a}), QStringLiteral("A"));
}

TEST(TextFormat, PlaceholdersAreListedAsWritten)
{
    EXPECT_EQ(TextFormat::placeholders(QStringLiteral("%1$@ of %2$@ %% %n %.2f 100%")),
              (QStringList{QStringLiteral("%1$@"), QStringLiteral("%2$@"), QStringLiteral("%.2f")}));
    EXPECT_TRUE(TextFormat::placeholders(QStringLiteral("Processor usage")).isEmpty());
}

TEST(TextFormat, OnlyTextAndNumbersAreArguments)
{
    EXPECT_TRUE(TextFormat::isArgument(QStringLiteral("x")));
    EXPECT_TRUE(TextFormat::isArgument(3));
    EXPECT_TRUE(TextFormat::isArgument(QVariant::fromValue<quint64>(3)));
    EXPECT_TRUE(TextFormat::isArgument(2.5));
    EXPECT_FALSE(TextFormat::isArgument(QVariant()));
    EXPECT_FALSE(TextFormat::isArgument(QPoint(1, 2)));
    EXPECT_FALSE(TextFormat::isArgument(true));
}
