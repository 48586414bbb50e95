#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <chrono>

namespace e2e {

using namespace std::chrono_literals;

struct CommandResult {
    int exitCode = -1;
    QByteArray standardOutput;
    QByteArray standardError;
};

// Runs the short-lived X tools (xdotool, xprop, xwininfo, import, ...) the
// harness uses to look at and drive the desktop, all against one environment
// (and so one DISPLAY). Every run is bounded: a tool that hangs, e.g.
// `xdotool windowactivate --sync` on a window that never becomes active, is
// killed and reported instead of stalling the test until CTest's timeout.
class CommandRunner {
public:
    explicit CommandRunner(QProcessEnvironment environment);

    // Runs the command to its end and returns what it printed, whatever its
    // exit status. Throws std::runtime_error if it cannot be started, crashes
    // or outlives the timeout.
    CommandResult run(const QString &program, const QStringList &arguments,
                      std::chrono::milliseconds timeout = 15s) const;

    // As run(), but a non-zero exit status is an error too; returns stdout.
    QByteArray output(const QString &program, const QStringList &arguments,
                      std::chrono::milliseconds timeout = 15s) const;

    const QProcessEnvironment &environment() const { return environment_; }

private:
    QProcessEnvironment environment_;
};

// "xdotool search --name ^Setup$": for error messages.
QString commandLine(const QString &program, const QStringList &arguments);

// Error text for a tool that could not be started, naming the Debian package
// that provides it, since a missing package is the usual reason.
QString startFailureMessage(const QString &program, const QString &reason);

} // namespace e2e
