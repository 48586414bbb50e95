#pragma once
#include "gui/color.h"

enum TBrushStyle : unsigned char { bsSolid, bsClear };

// The fill a canvas paints inside its shapes.
struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
    bool operator==(const TBrush&) const = default;
};
