#pragma once

#include "childprocess.h"
#include "commandrunner.h"

#include <QProcessEnvironment>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace e2e {

// A private X display for one test: Xvfb on a display number nobody else
// uses, with openbox managing its windows. Without a window manager there is
// nothing to maximize a window, give it a frame or close it on Alt+F4, and no
// window is ever active, so the program would not behave as on a desktop.
//
// Both servers are stopped, by their own PIDs, when the session is destroyed.
class XServerSession {
public:
    explicit XServerSession(QSize screenSize = {1280, 1024});
    ~XServerSession();

    XServerSession(const XServerSession &) = delete;
    XServerSession &operator=(const XServerSession &) = delete;

    // ":101", say.
    QString display() const { return display_; }
    QSize screenSize() const { return screenSize_; }

    // The test's own environment with DISPLAY pointing here, and the XDG
    // directories moved into a scratch directory of this session so nothing
    // run on it reads or writes the user's real settings.
    QProcessEnvironment environment() const { return environment_; }

    // Runs X tools against this display.
    const CommandRunner &commands() const { return commands_; }

private:
    void startXServer();
    bool tryXServerOn(int displayNumber);
    bool isOurServerAccepting(int displayNumber) const;
    void isolateUserDirectories();
    void startWindowManager();
    bool windowManagerAnswers() const;
    QString scratchPath(const QString &name) const;

    QSize screenSize_;
    QTemporaryDir scratch_;
    QString display_;
    QProcessEnvironment environment_;
    CommandRunner commands_;
    std::unique_ptr<ChildProcess> xServer_;
    std::unique_ptr<ChildProcess> windowManager_;
};

} // namespace e2e
