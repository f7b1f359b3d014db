#pragma once
// For tests of reads that must not wait: while a guard lives, a call that
// blocks ends the test program with a failure after a few seconds instead
// of hanging the test run.

#include <signal.h>
#include <unistd.h>

namespace calvex::testing {

class HangGuard {
public:
    explicit HangGuard(unsigned seconds = 10) {
        struct sigaction action {};
        action.sa_handler = fail;
        ::sigaction(SIGALRM, &action, &previous_);
        ::alarm(seconds);
    }
    ~HangGuard() {
        ::alarm(0);
        ::sigaction(SIGALRM, &previous_, nullptr);
    }
    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;

private:
    static void fail(int) {
        static const char message[] = "\nFAILED: a read that must not wait is blocked\n";
        (void)!::write(STDERR_FILENO, message, sizeof message - 1);
        ::_exit(1);
    }

    struct sigaction previous_ {};
};

} // namespace calvex::testing
