#include "BaseKit/Version.h"

#include <QList>
#include <QStringView>

#include <algorithm>

#include <utility>

namespace BaseKit {

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Two runs of ASCII digits by the numbers they spell: leading zeros aside, the longer run is the
// larger number, and runs of equal length compare digit by digit.
int compareNumbers(QStringView lhs, QStringView rhs)
{
    while (lhs.size() > 1 && lhs.front() == QLatin1Char('0'))
        lhs = lhs.mid(1);
    while (rhs.size() > 1 && rhs.front() == QLatin1Char('0'))
        rhs = rhs.mid(1);
    if (lhs.size() != rhs.size())
        return lhs.size() < rhs.size() ? -1 : 1;
    const int order = lhs.compare(rhs);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

// One component: runs of digits by value, other characters by code; a component that ends first
// orders first.
int compareComponents(QStringView lhs, QStringView rhs)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < lhs.size() && j < rhs.size()) {
        if (isDigit(lhs[i]) && isDigit(rhs[j])) {
            qsizetype iEnd = i;
            while (iEnd < lhs.size() && isDigit(lhs[iEnd]))
                ++iEnd;
            qsizetype jEnd = j;
            while (jEnd < rhs.size() && isDigit(rhs[jEnd]))
                ++jEnd;
            const int order = compareNumbers(lhs.sliced(i, iEnd - i), rhs.sliced(j, jEnd - j));
            if (order != 0)
                return order;
            i = iEnd;
            j = jEnd;
            continue;
        }
        if (lhs[i] != rhs[j])
            return lhs[i].unicode() < rhs[j].unicode() ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < lhs.size())
        return 1;
    if (j < rhs.size())
        return -1;
    return 0;
}

} // namespace

Version::Version(QString string)
    : string(std::move(string))
{
}

int Version::compare(const QString& lhs, const QString& rhs)
{
    if (lhs.isEmpty() || rhs.isEmpty())
        return lhs.isEmpty() == rhs.isEmpty() ? 0 : (lhs.isEmpty() ? -1 : 1);

    const QList<QStringView> left = QStringView(lhs).split(QLatin1Char('.'));
    const QList<QStringView> right = QStringView(rhs).split(QLatin1Char('.'));
    const qsizetype count = std::max(left.size(), right.size());
    static const QString zero = QStringLiteral("0");
    for (qsizetype index = 0; index < count; ++index) {
        const QStringView a = index < left.size() ? left[index] : QStringView(zero);
        const QStringView b = index < right.size() ? right[index] : QStringView(zero);
        const int order = compareComponents(a, b);
        if (order != 0)
            return order;
    }
    return 0;
}

bool operator<(const Version& lhs, const Version& rhs)
{
    return Version::compare(lhs.string, rhs.string) < 0;
}

bool operator>(const Version& lhs, const Version& rhs)
{
    return Version::compare(lhs.string, rhs.string) > 0;
}

bool operator==(const Version& lhs, const Version& rhs)
{
    return Version::compare(lhs.string, rhs.string) == 0;
}

} // namespace BaseKit
