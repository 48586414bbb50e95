#pragma once
#include "gui/component.h"
#include "gui/geometry.h"

// The desktop the program runs on.
class TScreen : public TComponent {
public:
    explicit TScreen(TComponent* owner) : TComponent(owner) {}
    std::string ClassName() const override { return "TScreen"; }

    int Width() const;
    int Height() const;
    // The desktop less the panels of the window manager.
    TRect WorkAreaRect() const;
};

extern TScreen* Screen;
