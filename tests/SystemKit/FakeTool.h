#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

// A stand-in for the shell that runs a listing tool: it checks that it was called with "-c" and the
// expected command line, counts its runs, waits as long as it is told, and prints the text it was
// given (or complains and exits 2 on any other command line).
class FakeTool {
public:
    explicit FakeTool(const QString& expectedLine)
    {
        EXPECT_TRUE(m_dir.isValid());
        write(QStringLiteral("expected"), expectedLine.toUtf8());
        write(QStringLiteral("output"), {});
        write(QStringLiteral("runs"), {});
        const QString script = m_dir.filePath(QStringLiteral("tool"));
        write(QStringLiteral("tool"),
              QStringLiteral("#!/bin/bash\n"
                             "dir='%1'\n"
                             "echo run >> \"$dir/runs\"\n"
                             "if [ \"$1\" != -c ] || [ \"$2\" != \"$(cat \"$dir/expected\")\" ]; then echo \"unexpected: $*\"; exit 2; fi\n"
                             "[ -f \"$dir/delay\" ] && sleep \"$(cat \"$dir/delay\")\"\n"
                             "cat \"$dir/output\"\n")
                  .arg(m_dir.path())
                  .toUtf8());
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString program() const { return m_dir.filePath(QStringLiteral("tool")); }
    void setOutput(const QByteArray& text) { write(QStringLiteral("output"), text); }
    void setDelay(const QByteArray& seconds) { write(QStringLiteral("delay"), seconds); }
    int runs() const
    {
        QFile file(m_dir.filePath(QStringLiteral("runs")));
        return file.open(QIODevice::ReadOnly) ? int(file.readAll().count('\n')) : -1;
    }

private:
    void write(const QString& name, const QByteArray& content)
    {
        QFile file(m_dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    QTemporaryDir m_dir;
};

// Runs the event loop until `done` holds or `milliseconds` passed; says whether it holds.
inline bool waitUntil(const std::function<bool()>& done, int milliseconds = 20000)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!done() && !deadline.hasExpired()) {
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return done();
}

// Runs the event loop for `milliseconds`.
inline void spin(int milliseconds)
{
    waitUntil([] { return false; }, milliseconds);
}
