#pragma once
#include "gui/control.h"

// A control without a window of its own: it paints on its parent's surface,
// after the parent has painted, and the parent hands it its mouse messages.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner) : TControl(owner) {}
    std::string ClassName() const override { return "TGraphicControl"; }
};
