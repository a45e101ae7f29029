#include "ChildProcess.h"

#include "settings/StoreLocation.h"

#include <QByteArray>

#include <cerrno>
#include <sys/wait.h>
#include <unistd.h>

namespace pathwick::test {

Pipe::Pipe() {
    int ends[2];
    if (::pipe(ends) == 0) {
        read_ = ends[0];
        write_ = ends[1];
    }
}

Pipe::~Pipe() {
    closeWriting();
    if (read_ >= 0)
        ::close(read_);
}

void Pipe::send(const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(write_, bytes.constData() + done, size_t(bytes.size() - done));
        if (n <= 0 && errno != EINTR)
            return;
        done += n > 0 ? n : 0;
    }
}

QByteArray Pipe::receive(int count) {
    QByteArray bytes;
    char buffer[4096];
    while (bytes.size() < count) {
        const ssize_t n =
            ::read(read_, buffer, std::min<size_t>(sizeof buffer, count - bytes.size()));
        if (n == 0 || (n < 0 && errno != EINTR))
            break;
        bytes.append(buffer, n > 0 ? n : 0);
    }
    return bytes;
}

void Pipe::closeWriting() {
    if (write_ >= 0)
        ::close(write_);
    write_ = -1;
}

QByteArray Pipe::receiveAll() {
    closeWriting();
    return receive(1 << 24);
}

pid_t startChild(const std::function<int()>& body) {
    closeStore();
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(body());
    return pid;
}

int waitForChild(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return -1000;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

} // namespace pathwick::test
