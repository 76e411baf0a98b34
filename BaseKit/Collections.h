#pragma once

#include <QList>

#include <algorithm>
#include <cstdlib>

// Operations on lists.
namespace BaseKit::Collections {

// The list cut into consecutive chunks of `size` elements, the last one shorter when the count is not
// a multiple of the size. An empty list, or a size of 0 or less, gives no chunks.
template <typename T>
QList<QList<T>> chunked(const QList<T>& items, qsizetype size)
{
    QList<QList<T>> chunks;
    if (size <= 0)
        return chunks;
    chunks.reserve((items.size() + size - 1) / size);
    for (qsizetype start = 0; start < items.size(); start += size)
        chunks.append(items.mid(start, std::min(size, items.size() - start)));
    return chunks;
}

// The elements whose index is a multiple of n (0, n, 2n, …), in order; a negative n acts as its
// magnitude and 0 gives no elements.
template <typename T>
QList<T> everyNth(const QList<T>& items, qsizetype n)
{
    QList<T> result;
    if (n == 0)
        return result;
    const qsizetype step = n < 0 ? -n : n;
    for (qsizetype index = 0; index < items.size(); index += step)
        result.append(items.at(index));
    return result;
}

// Removes the first element equal to `element`, if there is one.
template <typename T>
void removeFirst(QList<T>& items, const T& element)
{
    const qsizetype index = items.indexOf(element);
    if (index >= 0)
        items.removeAt(index);
}

} // namespace BaseKit::Collections
