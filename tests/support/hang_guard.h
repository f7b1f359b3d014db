#pragma once
// For tests of reads that must not wait: while a guard lives, a call that
// blocks ends the test program with a failure after a few seconds instead
// of hanging the test run.

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace calvex::testing {

class HangGuard {
public:
    explicit HangGuard(unsigned seconds = 10)
        : watchdog_([this, seconds] {
              std::unique_lock lock(mutex_);
              if (ended_.wait_for(lock, std::chrono::seconds(seconds), [this] { return done_; })) return;
              std::fputs("\nFAILED: a read that must not wait is blocked\n", stderr);
              std::_Exit(1);
          }) {}
    ~HangGuard() {
        {
            const std::lock_guard lock(mutex_);
            done_ = true;
        }
        ended_.notify_one();
        watchdog_.join();
    }
    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;

private:
    std::mutex mutex_;
    std::condition_variable ended_;
    bool done_ = false;
    // Last, so that it starts when the rest is ready.
    std::thread watchdog_;
};

} // namespace calvex::testing
