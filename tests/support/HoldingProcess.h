#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#include <memory>

namespace numora::testing {

// A child process that takes something (a lock) and holds it until it is
// killed; killed at the latest when the test ends, so a failed check never
// leaves it behind. take runs in the child and returns what holds the thing
// taken, or nothing when it could not be taken.
class HoldingProcess {
public:
    explicit HoldingProcess(const std::function<std::shared_ptr<void>()>& take) {
        int ready[2];
        if (::pipe(ready) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            const std::shared_ptr<void> held = take();
            const char answer = held ? 'y' : 'n';
            [[maybe_unused]] const ssize_t written = ::write(ready[1], &answer, 1);
            ::pause();
            ::_exit(0);
        }
        char answer = 'n';
        holds_ = pid_ > 0 && ::read(ready[0], &answer, 1) == 1 && answer == 'y';
        ::close(ready[0]);
        ::close(ready[1]);
    }
    ~HoldingProcess() { kill(); }
    HoldingProcess(const HoldingProcess&) = delete;
    HoldingProcess& operator=(const HoldingProcess&) = delete;

    bool holds() const { return holds_; }
    void kill() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    bool holds_ = false;
};

}  // namespace numora::testing
