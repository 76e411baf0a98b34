#pragma once

#include <QFile>
#include <QString>

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

// Frees a reader held in open(2) or read(2) of a named pipe, should one still be there after two
// seconds, by opening the pipe for writing and closing it again; says whether it had to.
class PipeRescue {
public:
    explicit PipeRescue(const QString& pipe)
        : m_thread([this, path = QFile::encodeName(pipe)] {
            for (int waited = 0; !m_stop; waited += 10) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
                if (waited < 2000)
                    continue;
                const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                if (fd >= 0) {
                    m_rescued = true;
                    ::close(fd);
                }
            }
        })
    {
    }
    ~PipeRescue() { stop(); }
    bool stop()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        return m_rescued;
    }

private:
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_rescued{false};
    std::thread m_thread;
};
