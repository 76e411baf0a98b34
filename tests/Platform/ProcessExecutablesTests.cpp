#include "Platform/ProcessExecutables.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using Platform::ProcessExecutables;

namespace {

TEST(ProcessExecutablesTest, TheExeLinkNamesTheExecutable)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const auto process = [&](const QString& pid, const QString& target) {
        ASSERT_TRUE(QDir().mkpath(root.filePath(QStringLiteral("proc/") + pid)));
        if (!target.isNull()) {
            ASSERT_TRUE(QFile::link(target, root.filePath(QStringLiteral("proc/%1/exe").arg(pid))));
        }
    };
    process(QStringLiteral("1"), QStringLiteral("/usr/lib/systemd/systemd"));
    process(QStringLiteral("2"), QString()); // a kernel thread: no link
    process(QStringLiteral("812"), QStringLiteral("/usr/bin/ssh (deleted)"));
    process(QStringLiteral("2147483647"), QStringLiteral("/opt/last"));
    process(QStringLiteral("900"), QStringLiteral("anon_inode:[eventfd]"));

    EXPECT_EQ(ProcessExecutables::path(1, root.path()), QStringLiteral("/usr/lib/systemd/systemd"));
    EXPECT_EQ(ProcessExecutables::path(2, root.path()), std::nullopt);
    EXPECT_EQ(ProcessExecutables::path(812, root.path()), QStringLiteral("/usr/bin/ssh"));
    EXPECT_EQ(ProcessExecutables::path(2147483647, root.path()), QStringLiteral("/opt/last"));
    EXPECT_EQ(ProcessExecutables::path(900, root.path()), std::nullopt);
    EXPECT_EQ(ProcessExecutables::path(3, root.path()), std::nullopt); // gone
    for (const std::int64_t outside : {std::int64_t(0), std::int64_t(-1), std::int64_t(2147483648), std::int64_t(4294967297)})
        EXPECT_EQ(ProcessExecutables::path(outside, root.path()), std::nullopt) << outside;
}

} // namespace
