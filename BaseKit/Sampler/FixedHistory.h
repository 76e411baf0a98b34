#pragma once

#include <QList>

#include <algorithm>

namespace BaseKit {

// A history of a fixed number of samples, oldest first. It is full from the start (every entry
// the fill value: zero, or a placeholder sample) and each new sample drops the oldest, so it
// always holds exactly `size()` entries. A size below 1 counts as 1.
template <typename T>
class FixedHistory {
public:
    explicit FixedHistory(int size, const T& fill = T{})
        : m_values(std::max(size, 1), fill)
    {
    }

    void append(const T& sample)
    {
        m_values.removeFirst();
        m_values.append(sample);
    }

    // Every entry back to the fill value; the size stays.
    void reset(const T& fill = T{}) { m_values.fill(fill); }

    const QList<T>& values() const { return m_values; }
    const T& newest() const { return m_values.constLast(); }
    int size() const { return int(m_values.size()); }

private:
    QList<T> m_values;
};

} // namespace BaseKit
