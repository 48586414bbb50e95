#include "gui/custompanel.h"

TCustomPanel::TCustomPanel(TComponent* owner) : TWinControl(owner)
{
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
}

void TCustomPanel::SetName(const std::string& value)
{
    const bool captionIsName = FSetCaptionFromName && Caption() == Name();
    TWinControl::SetName(value);
    if (captionIsName) SetCaption(value);
}

void TCustomPanel::SetBevelOuter(TBevelCut value)
{
    if (value == FBevelOuter) return;
    FBevelOuter = value;
    Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut value)
{
    if (value == FBevelInner) return;
    FBevelInner = value;
    Invalidate();
}

void TCustomPanel::SetBevelWidth(int value)
{
    if (value == FBevelWidth) return;
    FBevelWidth = value;
    Invalidate();
}

void TCustomPanel::SetBorderWidth(int value)
{
    if (value == FBorderWidth) return;
    FBorderWidth = value;
    Invalidate();
}

void TCustomPanel::SetBorderStyle(TBorderStyle value)
{
    if (value == FBorderStyle) return;
    FBorderStyle = value;
    Invalidate();
}

void TCustomPanel::DrawBevel(TRect& rect, TBevelCut cut)
{
    if (cut == bvNone) return;
    auto& canvas = Canvas();
    const TColor topLeft = cut == bvRaised ? clBtnHighlight : clBtnShadow;
    const TColor bottomRight = cut == bvRaised ? clBtnShadow : clBtnHighlight;
    for (int i = 0; i < FBevelWidth; ++i) {
        if (cut != bvSpace) {
            canvas.Brush = {topLeft, bsSolid};
            canvas.FillRect({rect.Left, rect.Top, rect.Right, rect.Top + 1});
            canvas.FillRect({rect.Left, rect.Top, rect.Left + 1, rect.Bottom});
            canvas.Brush = {bottomRight, bsSolid};
            canvas.FillRect({rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom});
            canvas.FillRect({rect.Right - 1, rect.Top, rect.Right, rect.Bottom});
        }
        rect = {rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1};
    }
}

TRect TCustomPanel::PaintBevels()
{
    TRect rect = ClientRect();
    DrawBevel(rect, FBevelOuter);
    rect = {rect.Left + FBorderWidth, rect.Top + FBorderWidth, rect.Right - FBorderWidth, rect.Bottom - FBorderWidth};
    DrawBevel(rect, FBevelInner);
    return rect;
}

void TCustomPanel::Paint()
{
    const TRect rect = PaintBevels();
    if (Caption().empty()) return;
    auto& canvas = Canvas();
    const int textHeight = canvas.TextHeight(Caption());
    canvas.TextRect({rect.Left, (Height() - textHeight) / 2, rect.Right, rect.Bottom}, Caption(), taCenter);
}
