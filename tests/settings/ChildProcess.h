#pragma once

#include "settings/StoreLocation.h"

#include <QByteArray>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace pathwick::test {

// A pipe between a test and the processes it forks, for messages shorter than PIPE_BUF.
class Pipe {
public:
    Pipe() { (void)!::pipe(ends_); }
    ~Pipe() {
        ::close(ends_[0]);
        closeWriting();
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

    void send(const QByteArray& message) {
        (void)!::write(ends_[1], message.data(), message.size());
    }
    // Waits for the next message, or its first `most` bytes; "" once every writer is gone.
    QByteArray receive(size_t most = 256) {
        char buffer[256];
        ssize_t n;
        while ((n = ::read(ends_[0], buffer, std::min(most, sizeof buffer))) < 0 &&
               errno == EINTR) {
        }
        return QByteArray(buffer, n > 0 ? n : 0);
    }
    // Lets receive() see when the children are gone.
    void closeWriting() {
        if (ends_[1] >= 0)
            ::close(ends_[1]);
        ends_[1] = -1;
    }

private:
    int ends_[2] = {-1, -1};
};

// Forks a child that runs body and ends with its exit code. The store is closed first, so
// no connection crosses the fork; the child opens its own.
inline pid_t startChild(const std::function<int()>& body) {
    closeStore();
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(body());
    return pid;
}

// The exit code of a child started here, or -signal when a signal ended it.
inline int waitForChild(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return -1000;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

} // namespace pathwick::test
