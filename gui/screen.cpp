#include "gui/screen.h"

#include <QGuiApplication>
#include <QScreen>

TScreen* Screen = nullptr;

int TScreen::Width() const
{
    auto* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

int TScreen::Height() const
{
    auto* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 0;
}

TRect TScreen::WorkAreaRect() const
{
    auto* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QRect area = screen->availableGeometry();
    return Bounds(area.x(), area.y(), area.width(), area.height());
}
