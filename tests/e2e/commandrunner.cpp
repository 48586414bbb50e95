#include "commandrunner.h"

#include <QMap>
#include <QProcess>

#include <stdexcept>

namespace e2e {

CommandRunner::CommandRunner(QProcessEnvironment environment)
    : environment_(std::move(environment))
{
}

CommandResult CommandRunner::run(const QString &program, const QStringList &arguments,
                                 std::chrono::milliseconds timeout) const
{
    QProcess process;
    process.setProcessEnvironment(environment_);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForStarted(int(timeout.count())))
        throw std::runtime_error(startFailureMessage(program, process.errorString()).toStdString());

    if (!process.waitForFinished(int(timeout.count()))) {
        process.kill();
        process.waitForFinished();
        throw std::runtime_error(QStringLiteral("`%1` did not finish within %2 ms")
                                     .arg(commandLine(program, arguments))
                                     .arg(timeout.count())
                                     .toStdString());
    }
    if (process.exitStatus() == QProcess::CrashExit)
        throw std::runtime_error(QStringLiteral("`%1` crashed: %2")
                                     .arg(commandLine(program, arguments), process.errorString())
                                     .toStdString());

    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QByteArray CommandRunner::output(const QString &program, const QStringList &arguments,
                                 std::chrono::milliseconds timeout) const
{
    CommandResult result = run(program, arguments, timeout);
    if (result.exitCode != 0)
        throw std::runtime_error(QStringLiteral("`%1` failed with exit status %2: %3")
                                     .arg(commandLine(program, arguments))
                                     .arg(result.exitCode)
                                     .arg(QString::fromLocal8Bit(result.standardError).trimmed())
                                     .toStdString());
    return result.standardOutput;
}

QString commandLine(const QString &program, const QStringList &arguments)
{
    return (QStringList{program} + arguments).join(u' ');
}

QString startFailureMessage(const QString &program, const QString &reason)
{
    static const QMap<QString, QString> packageOf{
        {QStringLiteral("Xvfb"), QStringLiteral("xvfb")},
        {QStringLiteral("openbox"), QStringLiteral("openbox")},
        {QStringLiteral("xdotool"), QStringLiteral("xdotool")},
        {QStringLiteral("xprop"), QStringLiteral("x11-utils")},
        {QStringLiteral("xwininfo"), QStringLiteral("x11-utils")},
        {QStringLiteral("xdpyinfo"), QStringLiteral("x11-utils")},
        {QStringLiteral("import"), QStringLiteral("imagemagick")},
    };
    QString message = QStringLiteral("could not start '%1': %2").arg(program, reason);
    if (const auto package = packageOf.constFind(program); package != packageOf.cend())
        message += QStringLiteral(" (it comes with the Debian package %1; scripts/test installs it)")
                       .arg(*package);
    return message;
}

} // namespace e2e
