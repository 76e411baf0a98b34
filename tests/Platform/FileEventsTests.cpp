#include "Platform/Files/FileEvents.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include <sys/inotify.h>
#include <unistd.h>

using Platform::FileEvents;

namespace {

QByteArray record(int watch, std::uint32_t mask, std::uint32_t length, const QByteArray& name)
{
    inotify_event event{};
    event.wd = watch;
    event.mask = mask;
    event.len = length;
    QByteArray bytes(reinterpret_cast<const char*>(&event), sizeof event);
    return bytes + name;
}

// What readRecords hands on when the descriptor gives `bytes`: a pipe stands in for the inotify queue.
std::vector<FileEvents::Record> readFrom(const QByteArray& bytes)
{
    int ends[2];
    if (::pipe(ends) != 0)
        return {};
    EXPECT_EQ(::write(ends[1], bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size()));
    ::close(ends[1]);
    std::vector<FileEvents::Record> records;
    FileEvents::readRecords(ends[0], [&records](const FileEvents::Record& one) { records.push_back(one); });
    ::close(ends[0]);
    return records;
}

} // namespace

TEST(FileEventsTest, ARecordThatRunsPastTheBytesReadEndsTheWalk)
{
    const QByteArray whole = record(3, IN_CREATE, 16, QByteArray("a.plist").leftJustified(16, '\0'));
    // A name length past the end of what was read: the record and anything after it are dropped.
    for (const std::uint32_t length : {64u, 0xfffffff0u}) {
        const auto records = readFrom(whole + record(4, IN_DELETE, length, "b.plist"));
        ASSERT_EQ(records.size(), 1u) << length;
        EXPECT_EQ(records[0].watch, 3);
        EXPECT_EQ(records[0].mask, std::uint32_t(IN_CREATE));
        EXPECT_EQ(records[0].name, QByteArray("a.plist"));
    }
    // A header cut short is no record either; a record without name has a null name.
    const auto records = readFrom(record(5, IN_IGNORED, 0, {}) + QByteArray(7, 'x'));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_TRUE(records[0].name.isNull());
}
