#pragma once

#include <ostream>
#include <string>

namespace e2e {

// How a child process ended, or that it had not yet. Comparable and
// printable, so a test can write
//   EXPECT_EQ(program.waitForExit(10s), ProcessExit::exitedWith(0));
// and a failure reads "still running" or "crashed" rather than a bare number.
struct ProcessExit {
    enum class State { StillRunning, Exited, Crashed };

    State state = State::StillRunning;
    int code = 0; // exit status; meaningful only when state is Exited

    static ProcessExit exitedWith(int status) { return {State::Exited, status}; }
    static ProcessExit stillRunning() { return {State::StillRunning, 0}; }
    static ProcessExit crashed() { return {State::Crashed, 0}; }

    friend bool operator==(const ProcessExit &, const ProcessExit &) = default;

    std::string toString() const
    {
        switch (state) {
        case State::StillRunning: return "still running";
        case State::Crashed: return "crashed (killed by a signal)";
        case State::Exited: break;
        }
        return "exited with status " + std::to_string(code);
    }

    // GoogleTest uses this to print values in failed assertions.
    friend std::ostream &operator<<(std::ostream &out, const ProcessExit &exit)
    {
        return out << exit.toString();
    }
};

} // namespace e2e
