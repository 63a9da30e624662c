#pragma once

#include <QProcess>

#include <unistd.h>

namespace zorv::test {

// A pipe whose reading end is closed, as when the reader of "tool | head -1" has gone: whatever
// the process attached to it writes fails (and raises SIGPIPE).
class ClosedPipe
{
public:
    ClosedPipe()
    {
        if (::pipe(m_ends) == 0)
            ::close(m_ends[0]);
    }

    ~ClosedPipe()
    {
        if (m_ends[1] >= 0)
            ::close(m_ends[1]);
    }

    ClosedPipe(const ClosedPipe &) = delete;
    ClosedPipe &operator=(const ClosedPipe &) = delete;

    // Makes the pipe the standard output of the process about to be started.
    void attachStandardOutput(QProcess &process) const
    {
        const int end = m_ends[1];
        process.setChildProcessModifier([end] { ::dup2(end, STDOUT_FILENO); });
    }

private:
    int m_ends[2] = {-1, -1};
};

} // namespace zorv::test
