#pragma once
#include "gui/color.h"

enum TPenStyle : unsigned char { psSolid, psClear };

// The outline a canvas draws around its shapes: one pixel wide, inside the box.
struct TPen {
    TColor Color = clBlack;
    TPenStyle Style = psSolid;
    bool operator==(const TPen&) const = default;
};
