#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

namespace bytelora::testing {

struct ChildResult {
    bool started = false;
    int status = 0;  // as waitpid gives it
    std::string output;

    bool ExitedCleanly() const { return started && WIFEXITED(status) && WEXITSTATUS(status) == 0; }
};

// Runs `child` in a forked process with the write end of a pipe; it must end the process
// itself (with _exit). Meanwhile the parent runs `meanwhile`, then reads all the child
// wrote and waits for it. For tests that need a process of their own (another network
// namespace, another mount namespace).
inline ChildResult RunInChild(const std::function<void(int out)>& child,
                              const std::function<void()>& meanwhile = {}) {
    ChildResult result;
    int fds[2];
    if (::pipe(fds) != 0) return result;
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return result;
    }
    if (pid == 0) {
        ::close(fds[0]);
        child(fds[1]);
        ::_exit(99);
    }
    result.started = true;
    ::close(fds[1]);
    if (meanwhile) meanwhile();
    char buffer[4096];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;) {
        result.output.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    if (::waitpid(pid, &result.status, 0) != pid) result.started = false;
    return result;
}

}  // namespace bytelora::testing
