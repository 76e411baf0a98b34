#include "BaseKit/Collections.h"
#include "BaseKit/Stack.h"

#include <gtest/gtest.h>

namespace Collections = BaseKit::Collections;

TEST(Collections, Chunked)
{
    const QList<int> items{1, 2, 3, 4, 5};
    EXPECT_EQ(Collections::chunked(items, 2), (QList<QList<int>>{{1, 2}, {3, 4}, {5}}));
    EXPECT_EQ(Collections::chunked(items, 5), (QList<QList<int>>{{1, 2, 3, 4, 5}}));
    EXPECT_EQ(Collections::chunked(items, 9), (QList<QList<int>>{{1, 2, 3, 4, 5}}));
    EXPECT_TRUE(Collections::chunked(QList<int>{}, 3).isEmpty());
    EXPECT_TRUE(Collections::chunked(items, 0).isEmpty());
    EXPECT_TRUE(Collections::chunked(items, -2).isEmpty());
}

TEST(Collections, EveryNth)
{
    const QList<int> items{0, 1, 2, 3, 4, 5, 6};
    EXPECT_EQ(Collections::everyNth(items, 3), (QList<int>{0, 3, 6}));
    EXPECT_EQ(Collections::everyNth(items, -3), (QList<int>{0, 3, 6}));
    EXPECT_EQ(Collections::everyNth(items, -1), items);
    EXPECT_TRUE(Collections::everyNth(items, 0).isEmpty());
}

TEST(Collections, RemoveFirstEqualElement)
{
    QList<int> items{1, 2, 1, 3};
    Collections::removeFirst(items, 1);
    EXPECT_EQ(items, (QList<int>{2, 1, 3}));
    Collections::removeFirst(items, 9);
    EXPECT_EQ(items, (QList<int>{2, 1, 3}));
}

TEST(Stack, LastInFirstOut)
{
    BaseKit::Stack<QString> stack;
    EXPECT_FALSE(stack.pop().has_value());
    EXPECT_FALSE(stack.peek().has_value());
    stack.push(QStringLiteral("a"));
    stack.push(QStringLiteral("b"));
    EXPECT_EQ(stack.count(), 2);
    EXPECT_EQ(stack.peek(), QStringLiteral("b"));
    EXPECT_EQ(stack.pop(), QStringLiteral("b"));
    EXPECT_EQ(stack.pop(), QStringLiteral("a"));
    EXPECT_TRUE(stack.isEmpty());
    stack.push(QStringLiteral("c"));
    stack.removeAll();
    EXPECT_TRUE(stack.isEmpty());
    EXPECT_EQ(stack.array.capacity(), 0u);
}
