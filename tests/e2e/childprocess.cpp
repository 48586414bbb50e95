#include "childprocess.h"

#include "commandrunner.h"

#include <QFile>

#include <stdexcept>

namespace e2e {

ChildProcess::ChildProcess(const QString &program, const QStringList &arguments,
                           const QProcessEnvironment &environment, const QString &logFile)
    : logFile_(logFile)
{
    process_.setProgram(program);
    process_.setArguments(arguments);
    process_.setProcessEnvironment(environment);
    process_.setStandardInputFile(QProcess::nullDevice());
    if (logFile.isEmpty()) {
        process_.setProcessChannelMode(QProcess::ForwardedChannels);
    } else {
        // Both streams append to one file so their lines stay in order.
        process_.setStandardOutputFile(logFile, QIODevice::Append);
        process_.setStandardErrorFile(logFile, QIODevice::Append);
    }
    process_.start();
    if (!process_.waitForStarted())
        throw std::runtime_error(startFailureMessage(program, process_.errorString()).toStdString());
    pid_ = process_.processId();
}

ChildProcess::~ChildProcess()
{
    stop();
}

bool ChildProcess::isRunning()
{
    // There is no event loop to tell QProcess that the child ended; a zero
    // wait makes it look.
    if (process_.state() != QProcess::NotRunning)
        process_.waitForFinished(0);
    return process_.state() != QProcess::NotRunning;
}

ProcessExit ChildProcess::waitForExit(std::chrono::milliseconds timeout)
{
    if (process_.state() != QProcess::NotRunning)
        process_.waitForFinished(int(timeout.count()));
    return currentExit();
}

ProcessExit ChildProcess::stop(std::chrono::milliseconds grace)
{
    if (!isRunning())
        return currentExit();
    process_.terminate();
    if (!process_.waitForFinished(int(grace.count()))) {
        process_.kill();
        process_.waitForFinished();
    }
    return currentExit();
}

QString ChildProcess::description() const
{
    return commandLine(process_.program(), process_.arguments());
}

QString ChildProcess::logTail(int maxLines) const
{
    QFile log(logFile_);
    if (logFile_.isEmpty() || !log.open(QIODevice::ReadOnly))
        return {};
    const QStringList lines = QString::fromLocal8Bit(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
    return lines.mid(qMax(0, lines.size() - maxLines)).join(u'\n');
}

ProcessExit ChildProcess::currentExit() const
{
    if (process_.state() != QProcess::NotRunning)
        return ProcessExit::stillRunning();
    if (process_.exitStatus() == QProcess::CrashExit)
        return ProcessExit::crashed();
    return ProcessExit::exitedWith(process_.exitCode());
}

} // namespace e2e
