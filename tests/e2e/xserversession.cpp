#include "xserversession.h"

#include "waitfor.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

namespace e2e {

namespace {

// Display numbers tried; well above the :0 or :1 of a real desktop and the
// :99 that xvfb-run and many CI images take.
constexpr int firstDisplay = 110;
constexpr int lastDisplay = 199;

constexpr auto serverStartTimeout = 20s;

QString lockFile(int displayNumber)
{
    return QStringLiteral("/tmp/.X%1-lock").arg(displayNumber);
}

// A display is taken when its lock file or its socket exists, even if the
// server behind them is gone: leaving stale ones alone is safer than reusing them.
bool looksFree(int displayNumber)
{
    return !QFile::exists(lockFile(displayNumber))
        && !QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(displayNumber));
}

// The X server writes its PID into the lock file as its first step.
qint64 lockOwner(int displayNumber)
{
    QFile lock(lockFile(displayNumber));
    if (!lock.open(QIODevice::ReadOnly))
        return 0;
    return lock.readAll().trimmed().toLongLong();
}

} // namespace

XServerSession::XServerSession(QSize screenSize)
    : screenSize_(screenSize), commands_(QProcessEnvironment())
{
    if (!scratch_.isValid())
        throw std::runtime_error("cannot create a scratch directory for the X session: "
                                 + scratch_.errorString().toStdString());
    startXServer();
    isolateUserDirectories();
    startWindowManager();
}

XServerSession::~XServerSession()
{
    // The window manager is a client of the server: stop it first.
    windowManager_.reset();
    xServer_.reset();
}

// A server that quits at once has mostly lost its display to another test
// started at the same moment; one that keeps quitting has a problem of its
// own, shown by its log.
void XServerSession::startXServer()
{
    constexpr int maxEarlyExits = 5;
    int earlyExits = 0;
    for (int number = firstDisplay; number <= lastDisplay && earlyExits < maxEarlyExits; ++number) {
        if (!looksFree(number))
            continue;
        if (tryXServerOn(number))
            return;
        ++earlyExits;
    }
    throw std::runtime_error(QStringLiteral("could not start an X server on a free display between :%1 and :%2%3")
                                 .arg(firstDisplay)
                                 .arg(lastDisplay)
                                 .arg(xServer_ ? QStringLiteral("; Xvfb's log:\n") + xServer_->logTail()
                                               : QString())
                                 .toStdString());
}

// Returns false when another server won the display in the meantime (a test
// running in parallel), so the caller moves on to the next number. Throws
// when the server starts but never accepts connections.
bool XServerSession::tryXServerOn(int displayNumber)
{
    display_ = QStringLiteral(":%1").arg(displayNumber);
    environment_ = QProcessEnvironment::systemEnvironment();
    environment_.insert(QStringLiteral("DISPLAY"), display_);
    environment_.remove(QStringLiteral("WAYLAND_DISPLAY"));
    commands_ = CommandRunner(environment_);

    const QString geometry = QStringLiteral("%1x%2x24").arg(screenSize_.width()).arg(screenSize_.height());
    xServer_ = std::make_unique<ChildProcess>(
        QStringLiteral("Xvfb"),
        QStringList{display_, QStringLiteral("-screen"), QStringLiteral("0"), geometry,
                    QStringLiteral("-noreset"), QStringLiteral("-nolisten"), QStringLiteral("tcp")},
        environment_, scratchPath(QStringLiteral("xvfb.log")));

    const bool ready = waitFor([&] { return !xServer_->isRunning() || isOurServerAccepting(displayNumber); },
                               serverStartTimeout);
    if (!xServer_->isRunning())
        return false;
    if (!ready)
        throw std::runtime_error(QStringLiteral("`%1` did not accept connections within %2 s; its log:\n%3")
                                     .arg(xServer_->description())
                                     .arg(serverStartTimeout.count())
                                     .arg(xServer_->logTail())
                                     .toStdString());
    return true;
}

// A server may answer on this display before ours has given up on it, so the
// lock file must name our process too.
bool XServerSession::isOurServerAccepting(int displayNumber) const
{
    return lockOwner(displayNumber) == xServer_->pid()
        && commands_.run(QStringLiteral("xdpyinfo"), {}).exitCode == 0;
}

// Points the XDG directories into the scratch directory: openbox then uses
// the system's default configuration (with Alt+F4 bound to Close) whatever the
// user has configured, and neither it nor the program under test reads or
// writes settings and caches in the user's home.
void XServerSession::isolateUserDirectories()
{
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"}) {
        const QString dir = scratchPath(QString::fromLatin1(name).toLower());
        if (!QDir().mkpath(dir))
            throw std::runtime_error("cannot create " + dir.toStdString());
        // Qt insists on a private XDG_RUNTIME_DIR.
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        environment_.insert(QString::fromLatin1(name), dir);
    }
    commands_ = CommandRunner(environment_);
}

void XServerSession::startWindowManager()
{
    // openbox claims the screen (and answers _NET_SUPPORTING_WM_CHECK) well
    // before it listens for windows, and a window mapped in that gap is never
    // shown: seen under load, the program's window stayed unmapped for good.
    // Its --startup command runs once it listens, so that marks it ready.
    const QString readyMark = scratchPath(QStringLiteral("openbox-ready"));
    windowManager_ = std::make_unique<ChildProcess>(
        QStringLiteral("openbox"),
        QStringList{QStringLiteral("--sm-disable"), QStringLiteral("--startup"),
                    QStringLiteral("touch '%1'").arg(readyMark)},
        environment_, scratchPath(QStringLiteral("openbox.log")));
    const bool ready = waitFor(
        [&] { return !windowManager_->isRunning() || (QFile::exists(readyMark) && windowManagerAnswers()); },
        serverStartTimeout);
    if (!ready || !windowManager_->isRunning())
        throw std::runtime_error(QStringLiteral("openbox did not come up on %1 within %2 s (%3); its log:\n%4")
                                     .arg(display_)
                                     .arg(serverStartTimeout.count())
                                     .arg(QString::fromStdString(windowManager_->waitForExit(0ms).toString()))
                                     .arg(windowManager_->logTail())
                                     .toStdString());
}

// A window manager announces itself through _NET_SUPPORTING_WM_CHECK on the
// root window once it manages the screen.
bool XServerSession::windowManagerAnswers() const
{
    const CommandResult result =
        commands_.run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
    return result.exitCode == 0 && result.standardOutput.contains("window id");
}

QString XServerSession::scratchPath(const QString &name) const
{
    return scratch_.filePath(name);
}

} // namespace e2e
