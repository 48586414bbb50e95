#pragma once

#include "processexit.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <chrono>

namespace e2e {

using namespace std::chrono_literals;

// A long-running child of the test (the X server, the window manager, the
// program under test). It is started in the constructor and, if it is still
// running, stopped in the destructor, so no test leaves processes behind.
//
// Its output goes to `logFile` when one is given (for noisy servers, whose
// log is quoted in error messages), otherwise to the test's own stdout and
// stderr, where CTest shows it next to a failure.
class ChildProcess {
public:
    ChildProcess(const QString &program, const QStringList &arguments,
                 const QProcessEnvironment &environment, const QString &logFile = {});
    ~ChildProcess();

    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;

    qint64 pid() const { return pid_; }
    bool isRunning();

    // Waits up to `timeout` for the process to end on its own.
    ProcessExit waitForExit(std::chrono::milliseconds timeout);

    // SIGTERM, then SIGKILL if it has not ended after `grace`. Returns how it ended.
    ProcessExit stop(std::chrono::milliseconds grace = 5s);

    // The command line, for messages.
    QString description() const;

    // The last lines of the log file (empty when output is not logged).
    QString logTail(int maxLines = 20) const;

private:
    ProcessExit currentExit() const;

    QProcess process_;
    QString logFile_;
    qint64 pid_ = 0;
};

} // namespace e2e
