#pragma once

#include <QByteArray>

#include <functional>
#include <optional>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

// Runs body in a forked child and returns what it returned, or nothing when the child had not
// finished within waitMs (it is then killed).
inline std::optional<QByteArray> inChild(const std::function<QByteArray()> &body, int waitMs)
{
    int fds[2];
    if (pipe(fds) != 0)
        return std::nullopt;
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        const QByteArray out = body();
        (void)!write(fds[1], out.constData(), size_t(out.size()));
        _exit(0);
    }
    close(fds[1]);
    QByteArray out;
    bool finished = false;
    for (;;) {
        pollfd p{fds[0], POLLIN, 0};
        if (poll(&p, 1, waitMs) <= 0)
            break;
        char buffer[512];
        const ssize_t n = read(fds[0], buffer, sizeof buffer);
        if (n <= 0) {
            finished = n == 0;
            break;
        }
        out.append(buffer, n);
    }
    close(fds[0]);
    if (!finished)
        kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return finished ? std::optional<QByteArray>(out) : std::nullopt;
}
