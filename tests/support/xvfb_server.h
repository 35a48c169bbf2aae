#pragma once

#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>

// A private X server for a test suite: Xvfb picks a free display and reports its number.
//
// The server runs with -noreset. By default an X server resets when its last client leaves,
// and a client that connects while that reset is under way is dropped: a test that
// disconnects and the next test that connects straight away would then see a broken
// connection now and then, and often on a loaded machine.
class XvfbServer {
  public:
    // How long Xvfb may take to come up on a busy machine before the tests give up on it.
    static constexpr std::chrono::seconds StartDeadline{60};

    XvfbServer() {
        int fds[2];
        if (::pipe(fds) != 0) {
            return;
        }
        // Everything the child needs is made before the fork: it only calls exec.
        const std::string fd = std::to_string(fds[1]);
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(fds[0]);
            ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-noreset",
                     "-screen", "0", "320x240x24", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(fds[1]);
        if (pid_ > 0) {
            display_ = readDisplay(fds[0]);
        }
        ::close(fds[0]);
    }
    ~XvfbServer() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // ":N" once the server accepts connections; empty when it could not be started.
    const std::string& display() const { return display_; }

  private:
    // Xvfb writes the display number and a newline when it is ready for clients, and closes
    // the pipe if it fails to start.
    static std::string readDisplay(int fd) {
        using Clock = std::chrono::steady_clock;
        const Clock::time_point deadline = Clock::now() + StartDeadline;
        std::string number;
        for (;;) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0) {
                return {};
            }
            pollfd wait{fd, POLLIN, 0};
            const int ready = ::poll(&wait, 1, static_cast<int>(left.count()));
            if (ready < 0 && errno == EINTR) {
                continue;
            }
            char c = 0;
            if (ready <= 0 || ::read(fd, &c, 1) != 1) {
                return {};
            }
            if (c == '\n') {
                return number.empty() ? std::string() : ":" + number;
            }
            number += c;
        }
    }

    pid_t pid_ = -1;
    std::string display_;
};
