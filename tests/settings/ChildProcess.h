#pragma once

#include <QString>

#include <functional>
#include <sys/types.h>

namespace pathwick::test {

// A one-way pipe between a test and the processes it forks.
class Pipe {
public:
    Pipe();
    ~Pipe();
    void send(const QByteArray& bytes); // from either side
    QByteArray receive(int count);      // blocks; shorter when every writer is gone
    void closeWriting();
    QByteArray receiveAll();

private:
    int read_ = -1;
    int write_ = -1;
};

// Forks a child that runs body and ends with its exit code. The store is closed first, so
// no connection crosses the fork; the child opens its own.
pid_t startChild(const std::function<int()>& body);
// Waits for a child started here: its exit code, or -signal when a signal ended it.
int waitForChild(pid_t pid);

} // namespace pathwick::test
