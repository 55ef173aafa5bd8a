#include "Watchdog.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

Watchdog::Watchdog(std::uint32_t seed, std::chrono::seconds limit)
    : seed_(seed), limit_(limit), thread_([this] { watch(); })
{}

Watchdog::~Watchdog()
{
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void Watchdog::busy(long event, std::string what)
{
    const std::lock_guard lock(mutex_);
    const Clock::time_point now = Clock::now();
    noteAnswer(now);
    since_ = now;
    event_ = event;
    what_ = std::move(what);
    waiting_ = false;
}

void Watchdog::idle()
{
    const std::lock_guard lock(mutex_);
    const Clock::time_point now = Clock::now();
    noteAnswer(now);
    since_ = now;
    waiting_ = true;
}

std::chrono::milliseconds Watchdog::longestAnswer()
{
    const std::lock_guard lock(mutex_);
    return longest_;
}

void Watchdog::noteAnswer(Clock::time_point now)
{
    if (!waiting_)
        longest_ = std::max(longest_,
                            std::chrono::duration_cast<std::chrono::milliseconds>(now - since_));
}

void Watchdog::watch()
{
    std::unique_lock lock(mutex_);
    while (!wake_.wait_for(lock, std::chrono::milliseconds(250), [this] { return stop_; })) {
        if (Clock::now() - since_ <= limit_) continue;
        if (waiting_) {
            std::fprintf(stderr,
                         "monkey: seed %u: no event answered for %lld s after event %ld (%s)\n",
                         seed_, static_cast<long long>(limit_.count()), event_, what_.c_str());
        } else {
            std::fprintf(stderr, "monkey: seed %u: event %ld (%s) not answered within %lld s\n",
                         seed_, event_, what_.c_str(), static_cast<long long>(limit_.count()));
        }
        std::fflush(stderr);
        std::abort();
    }
}
