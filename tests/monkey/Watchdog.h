#pragma once
// Aborts the run when the game stops answering: the event being handled (or the wait for the
// next one) has lasted longer than the limit. The message names the seed and the event, so the
// hang can be replayed.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

class Watchdog {
public:
    Watchdog(std::uint32_t seed, std::chrono::seconds limit);
    ~Watchdog();
    Watchdog(const Watchdog &) = delete;
    Watchdog &operator=(const Watchdog &) = delete;

    // Event number `event`, described by `what`, is being handled from now on.
    void busy(long event, std::string what);
    // The game is waiting for the next event from now on.
    void idle();
    // The longest time an event took to be answered so far.
    std::chrono::milliseconds longestAnswer();

private:
    using Clock = std::chrono::steady_clock;
    void watch();
    void noteAnswer(Clock::time_point now);

    const std::uint32_t seed_;
    const std::chrono::seconds limit_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    Clock::time_point since_ = Clock::now();
    long event_ = 0;
    std::string what_ = "start-up";
    bool waiting_ = true;
    std::chrono::milliseconds longest_{0};
    std::thread thread_;  // last: starts once everything above is set
};
