#pragma once

#include "childprocess.h"
#include "processexit.h"

#include <QColor>
#include <QList>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <chrono>
#include <memory>
#include <optional>

namespace e2e {

class CommandRunner;
class XServerSession;

using namespace std::chrono_literals;

// An X window id, as xdotool prints it.
using WindowId = unsigned long;

// Runs one program on an XServerSession and works it the way a person at the
// screen would: finds its windows, moves the pointer, clicks, types, and
// looks at the pixels. The program is killed in the destructor if a test
// leaves it running.
class ProgramDriver {
public:
    ProgramDriver(const XServerSession &session, const QString &program, const QStringList &arguments = {});
    ~ProgramDriver();

    ProgramDriver(const ProgramDriver &) = delete;
    ProgramDriver &operator=(const ProgramDriver &) = delete;

    // The program's visible top-level window whose title is exactly `title`.
    // Throws if none shows within `timeout` or the program ends first.
    WindowId waitForWindow(const QString &title, std::chrono::milliseconds timeout = 30s);

    // A visible pop-up menu of the program (a menu opened from the menu bar).
    WindowId waitForPopupMenu(std::chrono::milliseconds timeout = 10s);

    // Position on the screen and size of the window's client area (without the
    // window manager's frame).
    QRect geometry(WindowId window) const;

    // The atoms in the window's _NET_WM_STATE, e.g. "_NET_WM_STATE_MAXIMIZED_VERT".
    QStringList windowState(WindowId window) const;

    // Gives the window the focus through the window manager and waits until it
    // has it; keys go nowhere before that.
    void activate(WindowId window);

    void movePointer(QPoint screenPosition);
    QPoint pointerPosition() const;
    void click(QPoint screenPosition);

    // Key strokes in xdotool's notation ("alt+f", "e", "Return"), sent to
    // whichever window has the focus, as a keyboard would.
    void pressKeys(const QString &keys);

    // The whole screen as it is now.
    QImage screenshot() const;
    QColor pixel(QPoint screenPosition) const;

    // Waits until the pixel at `screenPosition` is no longer `before` (a hover
    // highlight being painted, say). Returns whether it changed in time.
    bool waitForPixelChange(QPoint screenPosition, QColor before, std::chrono::milliseconds timeout = 10s) const;

    ProcessExit waitForExit(std::chrono::milliseconds timeout);

private:
    QStringList atomList(WindowId window, const QString &property) const;
    QString windowTitle(WindowId window) const;
    QStringList visibleWindowTitles() const;
    QList<WindowId> visibleWindowsOfProgram() const;
    void failIfProgramEnded(const QString &whileDoing);
    void xdotool(const QStringList &arguments) const;

    const CommandRunner &commands_;
    QString programPath_;
    std::unique_ptr<ChildProcess> program_;
};

} // namespace e2e
