#pragma once
// Helpers for widget tests: real Qt events delivered to our controls.
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>

#include "gui/wincontrol.h"

namespace uitest {

inline void ProcessEvents() { QApplication::processEvents(); }

// Sends a press, a move or a release to the window of a control, at a point
// in that window's client coordinates, as the platform would.
inline void SendMouse(TWinControl& window, QEvent::Type type, int x, int y,
                      Qt::MouseButton button = Qt::LeftButton)
{
    const QPointF local(x, y);
    QWidget* widget = window.ClientHandle();
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, local, widget->mapToGlobal(local), type == QEvent::MouseMove ? Qt::NoButton : button,
                      held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

inline void ClickAt(TWinControl& window, int x, int y)
{
    SendMouse(window, QEvent::MouseButtonPress, x, y);
    SendMouse(window, QEvent::MouseButtonRelease, x, y);
}

inline void DoubleClickAt(TWinControl& window, int x, int y)
{
    ClickAt(window, x, y);
    SendMouse(window, QEvent::MouseButtonDblClick, x, y);
    SendMouse(window, QEvent::MouseButtonRelease, x, y);
}

// What the window's client area shows, painted now.
inline QImage Snapshot(TWinControl& window) { return window.ClientHandle()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

} // namespace uitest
