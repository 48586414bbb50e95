#include "gui/nativeeventfilter.h"

#include <QEvent>

#include "gui/application.h"
#include "gui/wincontrol.h"

TNativeEventFilter::TNativeEventFilter(TWinControl* control, QObject* parent) : QObject(parent), FControl(control) {}

bool TNativeEventFilter::eventFilter(QObject* watched, QEvent* event)
{
    // Standard widgets keep their own mouse handling, clicks included.
    const auto type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
        type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove)
        return QObject::eventFilter(watched, event);
    bool handled = false;
    RunGuarded([&] { handled = FControl->HandleNativeEvent(event); });
    return handled || QObject::eventFilter(watched, event);
}
