#pragma once

#include <chrono>
#include <optional>
#include <thread>

namespace e2e {

using namespace std::chrono_literals;

// The program and the X server run in other processes, so every observation is
// a poll: ask again until the answer is the one we want or the time is up.
// Returns whether the condition came true before the deadline.
template <typename Condition>
bool waitFor(Condition &&condition, std::chrono::milliseconds timeout,
             std::chrono::milliseconds interval = 50ms)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(interval);
    }
}

// Like waitFor, for a probe that yields a value once there is one
// (a window id, say). Returns the first value, or nullopt on timeout.
template <typename Probe>
auto waitForValue(Probe &&probe, std::chrono::milliseconds timeout,
                  std::chrono::milliseconds interval = 50ms) -> decltype(probe())
{
    decltype(probe()) value;
    waitFor([&] { return (value = probe()).has_value(); }, timeout, interval);
    return value;
}

} // namespace e2e
