#pragma once

#include <optional>
#include <utility>
#include <vector>

namespace BaseKit {

// A last-in, first-out stack over a list whose end is the top.
template <typename T>
struct Stack {
    std::vector<T> array;

    bool isEmpty() const { return array.empty(); }
    long long count() const { return static_cast<long long>(array.size()); }
    void push(T element) { array.push_back(std::move(element)); }

    std::optional<T> pop()
    {
        if (array.empty())
            return std::nullopt;
        std::optional<T> top(std::move(array.back()));
        array.pop_back();
        return top;
    }

    std::optional<T> peek() const
    {
        if (array.empty())
            return std::nullopt;
        return array.back();
    }

    // Empties the stack and releases its storage.
    void removeAll() { std::vector<T>().swap(array); }
};

} // namespace BaseKit
