#include "setupctrls/twojumper.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "gui/wincontrol.h"
#include "setupctrls/radiopanel.h"

namespace {

// Rounds to the nearest integer, exact halves to the even neighbour.
int RoundHalfEven(double value)
{
    const double floor = std::floor(value), fraction = value - floor;
    const int down = static_cast<int>(floor);
    if (fraction < 0.5) return down;
    if (fraction > 0.5) return down + 1;
    return down % 2 == 0 ? down : down + 1;
}

bool Sideways(TOrientationType orientation) { return orientation == otLeft || orientation == otRight; }

} // namespace

TTwoJumper::TTwoJumper(TComponent* owner) : TGraphicControl(owner)
{
    SetWidth(34);
    SetHeight(18);
}

void TTwoJumper::SetClosed(bool value)
{
    if (value == FClosed) return;
    FClosed = value;
    Invalidate();
}

void TTwoJumper::SetBaseColor(TColor value)
{
    if (value == FBaseColor) return;
    FBaseColor = value;
    Invalidate();
}

void TTwoJumper::SetPinColor(TColor value)
{
    if (value == FPinColor) return;
    FPinColor = value;
    Invalidate();
}

void TTwoJumper::SetJumperColor(TColor value)
{
    if (value == FJumperColor) return;
    FJumperColor = value;
    Invalidate();
}

void TTwoJumper::SetBorderStyle(TBorderStyle value)
{
    if (value == FBorderStyle) return;
    FBorderStyle = value;
    Invalidate();
}

void TTwoJumper::SetOrientation(TOrientationType value)
{
    if (value == FOrientation) return;
    if (Sideways(value) != Sideways(FOrientation)) FSwapPending = true;
    FOrientation = value;
    Invalidate();
}

void TTwoJumper::Click()
{
    FClosed = !FClosed;
    Invalidate();
    if (Parent() && Parent()->ClassName() == "TRadioPanel") {
        auto* panel = static_cast<TRadioPanel*>(Parent());
        if (panel->RadioEnabled()) panel->SelectJumper(this);
    }
    TGraphicControl::Click();
}

void TTwoJumper::Paint()
{
    if (Sideways(FOrientation)) FDrawBuffer.SetSize(Height(), Width());
    else FDrawBuffer.SetSize(Width(), Height());
    DrawUpright();
    Turn();
    if (FSwapPending) {
        FSwapPending = false;
        if (FPaintedOnce) {
            const int oldWidth = Width(), oldHeight = Height();
            SetWidth(oldHeight);
            SetHeight(oldWidth);
        }
    }
    Canvas().Draw(0, 0, FTurnBuffer);
    FPaintedOnce = true;
}

void TTwoJumper::DrawUpright()
{
    const int w = FDrawBuffer.Width(), h = FDrawBuffer.Height();
    if (w == 0 || h == 0) return;
    auto& canvas = FDrawBuffer.Canvas();
    const TBrush savedBrush = canvas.Brush;
    const TPen savedPen = canvas.Pen;

    const TColor background =
        Parent() && Parent()->ClassName() == "TRadioPanel" ? Parent()->Color() : clBtnFace;
    canvas.Brush = {background, bsSolid};
    canvas.Pen = {background, psSolid};
    canvas.Rectangle(0, 0, w, h);

    const TColor fill = FClosed ? FJumperColor : FBaseColor;
    canvas.Pen = {FBorderStyle == bsSingle ? clBlack : fill, psSolid};
    canvas.Brush = {fill, bsSolid};
    if (FClosed) canvas.Rectangle(0, 0, w, h);
    else canvas.RoundRect(1, 1, w - 1, h - 1, h / 2, h / 2);

    // The pins show in both states, on top of the cap too.
    canvas.Pen.Style = psClear;
    canvas.Brush = {FPinColor, bsSolid};
    const int q = RoundHalfEven(w / 3.5);
    const int cx = q + 1, r = std::min(q / 3, RoundHalfEven(h / 4.0)), cy = h / 2;
    canvas.Ellipse(cx - r, cy - r, cx + r, cy + r);
    canvas.Ellipse(w - cx - r, cy - r, w - cx + r, cy + r);

    canvas.Brush = savedBrush;
    canvas.Pen = savedPen;
}

void TTwoJumper::Turn()
{
    const int w = FDrawBuffer.Width(), h = FDrawBuffer.Height();
    if (Sideways(FOrientation)) FTurnBuffer.SetSize(h, w);
    else FTurnBuffer.SetSize(w, h);
    if (w == 0 || h == 0) return;
    if (FOrientation == otUp) {
        FTurnBuffer.Canvas().Draw(0, 0, FDrawBuffer);
        return;
    }
    for (int y = 0; y < h; ++y) {
        const auto* from = reinterpret_cast<const std::uint32_t*>(FDrawBuffer.ScanLine(y));
        for (int x = 0; x < w; ++x) {
            int tx = 0, ty = 0;
            switch (FOrientation) {
            case otDown: tx = w - 1 - x, ty = h - 1 - y; break;
            case otLeft: tx = y, ty = w - 1 - x; break;
            default: tx = h - 1 - y, ty = x; break;  // otRight
            }
            reinterpret_cast<std::uint32_t*>(FTurnBuffer.ScanLine(ty))[tx] = from[x];
        }
    }
}
